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
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Selecciona la carpeta de l’aplicació</translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Detalls de l’element</translation>
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
        <translation>Detalls de l’element</translation>
    </message>
</context>
<context>
    <name>AppSession</name>
    <message>
        <source>Download App</source>
        <translation>Baixa l’aplicació</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>S’està baixant %1</translation>
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
        <source>Folder does not contain a valid app project</source>
        <translation>La carpeta no conté cap projecte d’aplicació vàlid</translation>
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
        <translation>Més detalls de l’element</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Propietari &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Selecciona l’aplicació</translation>
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
        <source>%1 - Select App</source>
        <translation>%1 - Selecciona l’aplicació</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>Actualització disponible</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
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
        <translation>D’acord</translation>
    </message>
</context>
<context>
    <name>AppsGridView</name>
    <message>
        <source>No results found</source>
        <translation>No s’ha trobat cap resultat</translation>
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
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>Trieu primer una imatge.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>No hi ha cap imatge a %1.</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 és una carpeta; trieu un fitxer d’imatge.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>No es pot llegir %1 com a imatge: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>Trieu com a mínim una plataforma.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>«%1» no és un color; utilitzeu un nom com white o un codi com #1d3b8f.</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>Trieu una carpeta de sortida.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1 és un fitxer; trieu una carpeta per als conjunts.</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>No es pot escriure res a %1: %2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>La imatge fa %1 × %2 píxels i no és quadrada: les icones l’emplenen fins a formar un quadrat.</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>La imatge fa %1 × %2 píxels: les icones de fins a %3 × %3 s’amplien i es veuran borroses.</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>Plataforma desconeguda: %1</numerusform>
            <numerusform>%n plataformes desconegudes: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>No es pot crear la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>icona de l’aplicació</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>imatges d’inici</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>fons adaptatiu</translation>
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
        <translation>D’acord</translation>
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
        <translation>Resultats</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation>Les imatges de les plataformes triades apareixen aquí després de «Genera».</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n fitxer</numerusform>
            <numerusform>%n fitxers</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation>S’han creat tots els conjunts: %1 a %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>No s’han creat tots els conjunts; s’ha escrit: %1 a %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n mida de fins a %1 × %2 px</numerusform>
            <numerusform>%n mides de fins a %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>Imatge d’exemple</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>No es pot escriure la imatge d’exemple.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>No s’ha generat res</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>No hi ha res a crear.</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>S’estan generant els conjunts d’icones</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>S’han creat tots els conjunts: %n fitxer.</numerusform>
            <numerusform>S’han creat tots els conjunts: %n fitxers.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>Ha fallat la generació</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>No s’ha pogut crear %n conjunt. Es mostren els fitxers dels altres conjunts; consulteu el registre per saber-ne els motius.</numerusform>
            <numerusform>No s’han pogut crear %n conjunts. Es mostren els fitxers dels altres conjunts; consulteu el registre per saber-ne els motius.</numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>Conjunts d’icones</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Fosc</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>Aplicacions (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Aplicacions</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation>No s’ha trobat cap aplicació a %1.</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>Inicieu la sessió amb el botó d’usuari per veure les vostres aplicacions a %1.</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Trieu una imatge</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>Imatges (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tots els fitxers (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Trieu la carpeta de sortida</translation>
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
        <translation>Botiga de Windows</translation>
    </message>
    <message>
        <source>Installer pictures</source>
        <translation>Imatges de l’instal·lador</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imatge</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>Encara no hi ha cap imatge: trieu-ne una o deixeu-la anar a la finestra.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Tria…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>Plataformes</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcions</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Carpeta de sortida</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Tria la carpeta de sortida</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Genera</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>Utilitza la imatge d’exemple del projecte</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>Fons de la icona</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>Fons de la pantalla d’inici</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Per defecte</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>Imatge d’exemple</translation>
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
