<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>Queda %n segon</numerusform>
            <numerusform>Queden %n segons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>Queda %n minut</numerusform>
            <numerusform>Queden %n minuts</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Detalls de l&apos;element</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Desa</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Detalls de l&apos;element</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>Versió %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>Per %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Creat: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Darrera modificació: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Més detalls de l&apos;element</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Propietari &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>Download App</source>
        <translation>Baixa l’aplicació</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>S&apos;està baixant %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Baixada completada</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>S’ha completat la baixada de %1</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Error de baixada</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Selecciona l’aplicació</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Selecciona la carpeta de l’aplicació</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>La carpeta no conté cap projecte d’aplicació vàlid</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 ja és al vostre sistema local.
Voleu tornar-la a baixar?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 no és al vostre sistema local.
Voleu baixar-la ara?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 no és al vostre sistema local.

Voleu baixar-la ara?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 s’ha actualitzat localment. La baixada sobreescriurà els canvis locals.

Voleu tornar-la a baixar?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 ja és al vostre sistema local.

Voleu tornar-la a baixar?</translation>
    </message>
    <message>
        <source>Download App</source>
        <translation>Baixa l’aplicació</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>S&apos;està baixant %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Baixada completada</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>S’ha completat la baixada de %1</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Error de baixada</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>No teniu permisos per accedir a aquest recurs o fer aquesta operació.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>L’element no existeix o no és accessible.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>Aplicació sense modificar</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>No disponible</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Fa setmanes: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Fa dies: %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Fa hores: %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Fa minuts: %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Ara mateix</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Actualització disponible</translation>
    </message>
    <message>
        <source>Not Signed In</source>
        <translation>No s’ha iniciat la sessió</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Gestiona els portals</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Tanca la sessió</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Inicia la sessió</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Selecciona l’aplicació</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Selecciona la carpeta de l’aplicació</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>La carpeta no conté cap projecte d’aplicació vàlid</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>Aplicacions</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>D&apos;acord</translation>
    </message>
</context>
<context>
    <name>AppsGridView</name>
    <message>
        <source>No results found</source>
        <translation>No s&apos;ha trobat cap resultat</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>No es pot iniciar %1</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Actualitza</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Actualització disponible</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Puja</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Puja una aplicació per a altres usuaris de Varnex Online o Varnex Portal</translation>
    </message>
</context>
<context>
    <name>InlineStyledTextEdit</name>
    <message>
        <source>App</source>
        <translation>Aplicació</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Desa els canvis</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Edita el títol</translation>
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
        <translation>Gairebé enllestit</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Queda aproximadament %n minut</numerusform>
            <numerusform>Queden aproximadament %n minuts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Queda aproximadament %n segon</numerusform>
            <numerusform>Queden aproximadament %n segons</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Botó</translation>
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
        <translation>D&apos;acord</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>Tanca la sessió</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Inicia la sessió</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>Tanca la sessió de %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Inicia la sessió</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Inicia la sessió</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Retalla</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Enganxa</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tanca</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>Versió %1</translation>
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
        <translation>Inicia la sessió</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Sessió iniciada</translation>
    </message>
</context>
</TS>
