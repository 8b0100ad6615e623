<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>%n sekund tilbage</numerusform>
            <numerusform>%n sekunder tilbage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>%n minut tilbage</numerusform>
            <numerusform>%n minutter tilbage</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Vælg app-mappe</translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Elementdetaljer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Gem</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Elementdetaljer</translation>
    </message>
</context>
<context>
    <name>AppSession</name>
    <message>
        <source>Download App</source>
        <translation>Download app</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Downloader %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Download fuldført</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Download af %1 fuldført</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Downloadfejl</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Mappen indeholder ikke et gyldigt app-projekt</translation>
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
        <translation>Af %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Oprettet: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Sidst ændret: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Flere elementdetaljer</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Ejer &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Vælg app</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 findes allerede på dit lokale system.
Vil du downloade den igen?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 findes ikke på dit lokale system.
Vil du downloade den nu?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 findes ikke på dit lokale system.

Vil du downloade den nu?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 er blevet opdateret lokalt. Download overskriver de lokale ændringer.

Vil du downloade den igen?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 findes allerede på dit lokale system.

Vil du downloade den igen?</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>Du har ikke tilladelse til at få adgang til denne ressource eller udføre denne handling.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>Elementet findes ikke eller er ikke tilgængeligt.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>App ikke ændret</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Ikke tilgængelig</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Uger siden: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Dage siden: %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Timer siden: %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Minutter siden: %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Lige nu</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Vælg app</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>Opdatering tilgængelig</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
    <message>
        <source>Not Signed In</source>
        <translation>Ikke logget på</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Administrer portaler</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Log ud</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Log ind</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
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
        <translation>Ingen resultater fundet</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>Kan ikke starte %1</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Opdater</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Opdatering tilgængelig</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Upload en app til andre brugere af Varnex Online eller Varnex Portal</translation>
    </message>
</context>
<context>
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>Vælg først et billede.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>Der er intet billede på %1.</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 er en mappe; vælg en billedfil.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>%1 kan ikke læses som et billede: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>Vælg mindst én platform.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>&quot;%1&quot; er ikke en farve; brug et navn som white eller en kode som #1d3b8f.</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>Vælg en outputmappe.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1 er en fil; vælg en mappe til sættene.</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>Der kan ikke skrives noget i %1: %2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>Billedet er %1 × %2 pixel og ikke kvadratisk: ikonerne udfylder det til et kvadrat.</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>Billedet er %1 × %2 pixel: ikoner op til %3 × %3 skaleres op og ser uskarpe ud.</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>Ukendt platform: %1</numerusform>
            <numerusform>%n ukendte platforme: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Mappen %1 kan ikke oprettes.</translation>
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
        <translation>startbilleder</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>adaptiv baggrund</translation>
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
        <translation>Gem ændringer</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Rediger titel</translation>
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
        <translation>Næsten færdig</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Anslået %n minut tilbage</numerusform>
            <numerusform>Anslået %n minutter tilbage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Anslået %n sekund tilbage</numerusform>
            <numerusform>Anslået %n sekunder tilbage</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Knap</translation>
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
        <translation>Resultater</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation>Billederne til de valgte platforme vises her efter &quot;Generér&quot;.</translation>
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
        <translation>Alle sæt blev oprettet: %1 i %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>Ikke alle sæt blev oprettet; det skrevne: %1 i %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n størrelse op til %1 × %2 px</numerusform>
            <numerusform>%n størrelser op til %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>Eksempelbillede</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>Eksempelbilledet kan ikke skrives.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>Intet genereret</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>Der er intet at oprette.</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>Genererer ikonsæt</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>Alle sæt blev oprettet: %n fil.</numerusform>
            <numerusform>Alle sæt blev oprettet: %n filer.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>Genereringen mislykkedes</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>%n sæt kunne ikke oprettes. Filerne fra de andre sæt vises; se loggen for årsagerne.</numerusform>
            <numerusform>%n sæt kunne ikke oprettes. Filerne fra de andre sæt vises; se loggen for årsagerne.</numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>Ikonsæt</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Mørk</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>Apps (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation>Ingen apps fundet på %1.</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>Log ind med brugerknappen for at se dine apps på %1.</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Vælg et billede</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>Billeder (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle filer (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Vælg outputmappen</translation>
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
        <translation>Billeder til installationsprogram</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Billede</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>Intet billede endnu: vælg et, eller slip det på vinduet.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Vælg…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>Platforme</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Outputmappe</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Vælg outputmappen</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generér</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>Brug projektets eksempelbillede</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>Ikonbaggrund</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>Baggrund for startskærm</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>Eksempelbillede</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>Log ud</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Log ind</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>Log %1 ud</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Log ind</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Log ind</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Klip</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiér</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Indsæt</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Hjælp</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
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
        <translation>Log ind</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Logget på</translation>
    </message>
</context>
</TS>
