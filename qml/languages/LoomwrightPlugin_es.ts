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
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Seleccionar carpeta de la aplicación</translation>
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
    <name>AppSession</name>
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
        <source>Folder does not contain a valid app project</source>
        <translation>La carpeta no contiene un proyecto de aplicación válido</translation>
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
        <source>%1 - Select App</source>
        <translation>%1 - Seleccionar aplicación</translation>
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
        <translation>Hace %1 semana(s)</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Hace %1 día(s)</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Hace %1 hora(s)</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Hace %1 minuto(s)</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Ahora mismo</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Seleccionar aplicación</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>Actualización disponible</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
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
        <translation>Cargar una aplicación para compartirla con otros usuarios de Varnex Online o Varnex Portal</translation>
    </message>
</context>
<context>
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>Elija primero una imagen.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>No hay ninguna imagen en %1.</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 es una carpeta; elija un archivo de imagen.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>%1 no se puede leer como imagen: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>Elija al menos una plataforma.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>«%1» no es un color; use un nombre como white o un código como #1d3b8f.</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>Elija una carpeta de salida.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1 es un archivo; elija una carpeta para los conjuntos.</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>No se puede escribir nada en %1: %2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>La imagen mide %1 × %2 píxeles y no es cuadrada: los iconos la completan hasta formar un cuadrado.</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>La imagen mide %1 × %2 píxeles: los iconos de hasta %3 × %3 se amplían y se verán borrosos.</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>Plataforma desconocida: %1</numerusform>
            <numerusform>%n plataformas desconocidas: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>icono de la aplicación</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>imágenes de inicio</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>fondo adaptable</translation>
    </message>
    <message>
        <source>it is not a regular file; pictures are read only from files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is %1 × %2 pixels, more than the %3 × %3 that a picture may have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its pixels are cut short or damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the iOS icons are made opaque on white, as the App Store refuses icons with transparency; --icon-background chooses the colour</source>
        <translation type="unfinished"></translation>
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
    <name>ResultsView</name>
    <message>
        <source>%1 B</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 KiB</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation>Las imágenes de las plataformas elegidas aparecen aquí después de «Generar».</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation>Se crearon todos los conjuntos: %1 en %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>No se crearon todos los conjuntos; se escribió: %1 en %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n tamaño de hasta %1 × %2 px</numerusform>
            <numerusform>%n tamaños de hasta %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>Imagen de ejemplo</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>No se puede escribir la imagen de ejemplo.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>No se generó nada</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>No hay nada que crear.</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>Generando conjuntos de iconos</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>Se crearon todos los conjuntos: %n archivo.</numerusform>
            <numerusform>Se crearon todos los conjuntos: %n archivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>Error al generar</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>No se pudo crear %n conjunto. Se muestran los archivos de los demás conjuntos; consulte el registro para ver los motivos.</numerusform>
            <numerusform>No se pudieron crear %n conjuntos. Se muestran los archivos de los demás conjuntos; consulte el registro para ver los motivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>Conjuntos de iconos</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>Aplicaciones (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Aplicaciones</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation>No se encontraron aplicaciones en %1.</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>Inicie sesión con el botón de usuario para ver sus aplicaciones en %1.</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Elegir una imagen</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>Imágenes (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Elegir la carpeta de salida</translation>
    </message>
</context>
<context>
    <name>SetupPanel</name>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>macOS</source>
        <translation>macOS</translation>
    </message>
    <message>
        <source>Android</source>
        <translation>Android</translation>
    </message>
    <message>
        <source>iOS</source>
        <translation>iOS</translation>
    </message>
    <message>
        <source>Windows Store</source>
        <translation>Tienda Windows</translation>
    </message>
    <message>
        <source>Installer pictures</source>
        <translation>Imágenes del instalador</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>Todavía no hay imagen: elija una o suéltela sobre la ventana.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>Plataformas</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Elegir la carpeta de salida</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generar</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>Usar la imagen de ejemplo del proyecto</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>Fondo del icono</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>Fondo de la pantalla de inicio</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>Imagen de ejemplo</translation>
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
