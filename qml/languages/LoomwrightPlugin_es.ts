<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>Queda %n segundo</numerusform>
            <numerusform>Quedan %n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>Queda %n minuto</numerusform>
            <numerusform>Quedan %n minutos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Detalles del elemento</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Detalles del elemento</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>Por %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Creado: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Última modificación: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Más detalles del elemento</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Propietario &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>Download App</source>
        <translation>Descargar aplicación</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Descargando %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Descarga completada</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Descarga de %1 completada</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Error de descarga</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Seleccionar aplicación</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Seleccionar carpeta de la aplicación</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>La carpeta no contiene un proyecto de aplicación válido</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 ya está en su sistema local.
¿Desea descargarla de nuevo?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 no está en su sistema local.
¿Desea descargarla ahora?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 no está en su sistema local.

¿Desea descargarla ahora?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 se ha actualizado localmente. La descarga sobrescribirá los cambios locales.

¿Desea descargarla de nuevo?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 ya está en su sistema local.

¿Desea descargarla de nuevo?</translation>
    </message>
    <message>
        <source>Download App</source>
        <translation>Descargar aplicación</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Descargando %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Descarga completada</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Descarga de %1 completada</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Error de descarga</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>No tiene permisos para acceder a este recurso o realizar esta operación.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>El elemento no existe o no está accesible.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>Aplicación sin modificar</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>No disponible</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Hace semanas: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Hace días: %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Hace horas: %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Hace minutos: %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Justo ahora</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Actualización disponible</translation>
    </message>
    <message>
        <source>Not Signed In</source>
        <translation>Sin iniciar sesión</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Administrar portales</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Seleccionar aplicación</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Seleccionar carpeta de la aplicación</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>La carpeta no contiene un proyecto de aplicación válido</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>Aplicaciones</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>AppsGridView</name>
    <message>
        <source>No results found</source>
        <translation>No se han encontrado resultados</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>No se puede iniciar %1</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Actualización disponible</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Cargar una aplicación para otros usuarios de Varnex Online o Varnex Portal</translation>
    </message>
</context>
<context>
    <name>InlineStyledTextEdit</name>
    <message>
        <source>App</source>
        <translation>Aplicación</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Guardar cambios</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Editar título</translation>
    </message>
</context>
<context>
    <name>ItemProgress</name>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Almost done</source>
        <translation>Casi terminado</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Queda aproximadamente %n minuto</numerusform>
            <numerusform>Quedan aproximadamente %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Queda aproximadamente %n segundo</numerusform>
            <numerusform>Quedan aproximadamente %n segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Botón</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>Cerrar la sesión de %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sesión</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sesión</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Portal: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Portal: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>UserButton</name>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Sesión iniciada</translation>
    </message>
</context>
</TS>
