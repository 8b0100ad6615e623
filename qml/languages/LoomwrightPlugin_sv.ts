<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>%n sekund kvar</numerusform>
            <numerusform>%n sekunder kvar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>%n minut kvar</numerusform>
            <numerusform>%n minuter kvar</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Välj appmapp</translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Objektinformation</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Objektinformation</translation>
    </message>
</context>
<context>
    <name>AppSession</name>
    <message>
        <source>Download App</source>
        <translation>Ladda ned app</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Laddar ned %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Nedladdningen är klar</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Nedladdningen av %1 är klar</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Nedladdningsfel</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Mappen innehåller inget giltigt appprojekt</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>Av %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Skapad: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Senast ändrad: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Mer objektinformation</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Ägare &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Välj app</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 finns redan på ditt lokala system.
Vill du ladda ned den igen?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 finns inte på ditt lokala system.
Vill du ladda ned den nu?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 finns inte på ditt lokala system.

Vill du ladda ned den nu?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 har uppdaterats lokalt. Nedladdningen skriver över de lokala ändringarna.

Vill du ladda ned den igen?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 finns redan på ditt lokala system.

Vill du ladda ned den igen?</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>Du har inte behörighet att komma åt den här resursen eller utföra den här åtgärden.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>Objektet finns inte eller är inte tillgängligt.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>Appen är oförändrad</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Inte tillgängligt</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Veckor sedan: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Dagar sedan: %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Timmar sedan: %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Minuter sedan: %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Just nu</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Välj app</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>Uppdatering tillgänglig</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
    <message>
        <source>Not Signed In</source>
        <translation>Inte inloggad</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Hantera portaler</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Logga ut</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Logga in</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>Appar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AppsGridView</name>
    <message>
        <source>No results found</source>
        <translation>Inga resultat hittades</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>Det går inte att starta %1</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Uppdatera</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Uppdatering tillgänglig</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Ladda upp</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Ladda upp en app till andra användare av Varnex Online eller Varnex Portal</translation>
    </message>
</context>
<context>
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>Välj en bild först.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>Det finns ingen bild på %1.</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 är en mapp; välj en bildfil.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>%1 kan inte läsas som en bild: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>Välj minst en plattform.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>”%1” är inte en färg; använd ett namn som white eller en kod som #1d3b8f.</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>Välj en utdatamapp.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1 är en fil; välj en mapp för uppsättningarna.</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>Det går inte att skriva något i %1: %2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>Bilden är %1 × %2 pixlar och inte kvadratisk: ikonerna fyller ut den till en kvadrat.</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>Bilden är %1 × %2 pixlar: ikoner upp till %3 × %3 skalas upp och ser suddiga ut.</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>Okänd plattform: %1</numerusform>
            <numerusform>%n okända plattformar: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Mappen %1 kan inte skapas.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>appikon</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>startbilder</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>adaptiv bakgrund</translation>
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
        <translation>App</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Spara ändringar</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Redigera titel</translation>
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
        <translation>Nästan klart</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Uppskattningsvis %n minut kvar</numerusform>
            <numerusform>Uppskattningsvis %n minuter kvar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Uppskattningsvis %n sekund kvar</numerusform>
            <numerusform>Uppskattningsvis %n sekunder kvar</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Knapp</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Resultat</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation>Bilderna för de valda plattformarna visas här efter ”Generera”.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n fil</numerusform>
            <numerusform>%n filer</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation>Alla uppsättningar skapades: %1 i %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>Alla uppsättningar skapades inte; det som skrevs: %1 i %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n storlek upp till %1 × %2 px</numerusform>
            <numerusform>%n storlekar upp till %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>Exempelbild</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>Exempelbilden kan inte skrivas.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>Inget genererades</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>Det finns inget att skapa.</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>Genererar ikonuppsättningar</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>Alla uppsättningar skapades: %n fil.</numerusform>
            <numerusform>Alla uppsättningar skapades: %n filer.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>Genereringen misslyckades</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>%n uppsättning kunde inte skapas. Filerna för de andra uppsättningarna visas; se loggen för orsakerna.</numerusform>
            <numerusform>%n uppsättningar kunde inte skapas. Filerna för de andra uppsättningarna visas; se loggen för orsakerna.</numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>Ikonuppsättningar</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Mörkt</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>Appar (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Appar</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation>Inga appar hittades på %1.</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>Logga in med användarknappen för att se dina appar på %1.</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Välj en bild</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alla filer (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Välj utdatamappen</translation>
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
        <translation>Windows Store</translation>
    </message>
    <message>
        <source>Installer pictures</source>
        <translation>Bilder för installationsprogram</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>Ingen bild ännu: välj en eller släpp den på fönstret.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Välj…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>Plattformar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Utdatamapp</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Välj utdatamappen</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generera</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>Använd projektets exempelbild</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>Ikonbakgrund</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>Startskärmsbakgrund</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>Exempelbild</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>Logga ut</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Logga in</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>Logga ut %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Logga in</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Logga in</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Klipp ut</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiera</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Klistra in</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
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
        <translation>Logga in</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Inloggad</translation>
    </message>
</context>
</TS>
