<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>%n sekund igjen</numerusform>
            <numerusform>%n sekunder igjen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>%n minutt igjen</numerusform>
            <numerusform>%n minutter igjen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Velg appmappe</translation>
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
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
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
        <translation>Last ned app</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Laster ned %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Nedlastingen er fullført</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Nedlastingen av %1 er fullført</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Nedlastingsfeil</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Mappen inneholder ikke et gyldig appprosjekt</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>Versjon %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>Av %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Opprettet: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Sist endret: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Flere elementdetaljer</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Eier &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Velg app</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 finnes allerede på det lokale systemet ditt.
Vil du laste den ned på nytt?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 finnes ikke på det lokale systemet ditt.
Vil du laste den ned nå?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 finnes ikke på det lokale systemet ditt.

Vil du laste den ned nå?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 er oppdatert lokalt. Nedlastingen overskriver de lokale endringene.

Vil du laste den ned på nytt?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 finnes allerede på det lokale systemet ditt.

Vil du laste den ned på nytt?</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>Du har ikke tillatelse til å få tilgang til denne ressursen eller utføre denne operasjonen.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>Elementet finnes ikke eller er ikke tilgjengelig.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>Appen er ikke endret</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Ikke tilgjengelig</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Uker siden: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Dager siden: %1</translation>
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
        <translation>Akkurat nå</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Velg app</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>Oppdatering tilgjengelig</translation>
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
        <translation>Logg av</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Logg på</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>Apper</translation>
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
        <translation>Fant ingen resultater</translation>
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
        <translation>Oppdater</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Oppdatering tilgjengelig</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Last opp</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Last opp en app til andre brukere av Varnex Online eller Varnex Portal</translation>
    </message>
</context>
<context>
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>Velg et bilde først.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>Det finnes ikke noe bilde på %1.</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 er en mappe; velg en bildefil.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>%1 kan ikke leses som et bilde: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>Velg minst én plattform.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>«%1» er ikke en farge; bruk et navn som white eller en kode som #1d3b8f.</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>Velg en utdatamappe.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1 er en fil; velg en mappe for settene.</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>Ingenting kan skrives til %1: %2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>Bildet er %1 × %2 piksler og ikke kvadratisk: ikonene fyller det ut til et kvadrat.</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>Bildet er %1 × %2 piksler: ikoner opptil %3 × %3 skaleres opp og ser uskarpe ut.</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>Ukjent plattform: %1</numerusform>
            <numerusform>%n ukjente plattformer: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Mappen %1 kan ikke opprettes.</translation>
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
        <translation>oppstartsbilder</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>adaptiv bakgrunn</translation>
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
        <translation>Lagre endringer</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Rediger tittel</translation>
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
        <translation>Nesten ferdig</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Omtrent %n minutt igjen</numerusform>
            <numerusform>Omtrent %n minutter igjen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Omtrent %n sekund igjen</numerusform>
            <numerusform>Omtrent %n sekunder igjen</numerusform>
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
        <translation>Nei</translation>
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
        <translation>Bildene for de valgte plattformene vises her etter «Generer».</translation>
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
        <translation>Alle settene ble laget: %1 i %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>Ikke alle settene ble laget; dette ble skrevet: %1 i %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n størrelse opptil %1 × %2 px</numerusform>
            <numerusform>%n størrelser opptil %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>Eksempelbilde</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>Eksempelbildet kan ikke skrives.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>Ingenting generert</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>Det er ingenting å lage.</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>Genererer ikonsett</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>Alle settene ble laget: %n fil.</numerusform>
            <numerusform>Alle settene ble laget: %n filer.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>Genereringen mislyktes</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>%n sett kunne ikke lages. Filene fra de andre settene vises; se loggen for årsakene.</numerusform>
            <numerusform>%n sett kunne ikke lages. Filene fra de andre settene vises; se loggen for årsakene.</numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>Ikonsett</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Mørk</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>Apper (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Apper</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation>Fant ingen apper på %1.</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>Logg på med brukerknappen for å se appene dine på %1.</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Velg et bilde</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle filer (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Velg utdatamappen</translation>
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
        <translation>Bilder for installasjonsprogram</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bilde</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>Ikke noe bilde ennå: velg et, eller slipp det på vinduet.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Velg…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>Plattformer</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativer</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Utdatamappe</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Velg utdatamappen</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generer</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>Bruk prosjektets eksempelbilde</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>Ikonbakgrunn</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>Bakgrunn for oppstartsskjerm</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>Eksempelbilde</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>Logg av</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Logg på</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>Logg av %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Logg på</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Logg på</translation>
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
        <translation>Kopier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Lim inn</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>Versjon %1</translation>
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
        <translation>Logg på</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Logget på</translation>
    </message>
</context>
</TS>
