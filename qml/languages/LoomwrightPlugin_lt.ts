<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>Liko %n sekundė</numerusform>
            <numerusform>Liko %n sekundės</numerusform>
            <numerusform>Liko %n sekundžių</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>Liko %n minutė</numerusform>
            <numerusform>Liko %n minutės</numerusform>
            <numerusform>Liko %n minučių</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Pasirinkti programėlės aplanką</translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Elemento informacija</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atsisakyti</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Įrašyti</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Elemento informacija</translation>
    </message>
</context>
<context>
    <name>AppSession</name>
    <message>
        <source>Download App</source>
        <translation>Atsisiųsti programėlę</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Atsiunčiama: %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Atsisiuntimas baigtas</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>%1 atsisiuntimas baigtas</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Atsisiuntimo klaida</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Aplanke nėra tinkamo programėlės projekto</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>Versija %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>Autorius: %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Sukurta: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Paskutinį kartą keista: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Daugiau informacijos apie elementą</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Savininkas &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Pasirinkti programėlę</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 jau yra jūsų vietinėje sistemoje.
Ar norite ją atsisiųsti dar kartą?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 nėra jūsų vietinėje sistemoje.
Ar norite ją atsisiųsti dabar?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 nėra jūsų vietinėje sistemoje.

Ar norite ją atsisiųsti dabar?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 buvo atnaujinta vietoje. Atsisiuntus vietiniai pakeitimai bus perrašyti.

Ar norite ją atsisiųsti dar kartą?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 jau yra jūsų vietinėje sistemoje.

Ar norite ją atsisiųsti dar kartą?</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>Neturite teisių pasiekti šio ištekliaus arba atlikti šios operacijos.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>Elementas neegzistuoja arba yra nepasiekiamas.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>Programėlė nepakeista</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Nepasiekiama</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Prieš savaites: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Prieš dienas: %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Prieš valandas: %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Prieš minutes: %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Ką tik</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Pasirinkti programėlę</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>Yra naujinimas</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
    <message>
        <source>Not Signed In</source>
        <translation>Neprisijungta</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Tvarkyti portalus</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Atsijungti</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Prisijungti</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>Programėlės</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atsisakyti</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
</context>
<context>
    <name>AppsGridView</name>
    <message>
        <source>No results found</source>
        <translation>Rezultatų nerasta</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>Nepavyko paleisti %1</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Atnaujinti</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Yra naujinimas</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Įkelti</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Įkelti programėlę kitiems Varnex Online arba Varnex Portal naudotojams</translation>
    </message>
</context>
<context>
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>Pirmiausia pasirinkite paveikslėlį.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>Nepavyko nuskaityti %1 kaip paveikslėlio: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>Pasirinkite bent vieną platformą.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>Pasirinkite išvesties aplanką.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>%n nežinoma platforma: %1</numerusform>
            <numerusform>%n nežinomos platformos: %1</numerusform>
            <numerusform>%n nežinomų platformų: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Nepavyko sukurti aplanko %1.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>programėlės piktograma</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>paleidimo vaizdai</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>prisitaikantis fonas</translation>
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
        <translation>Programėlė</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Įrašyti pakeitimus</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Redaguoti pavadinimą</translation>
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
        <translation>Beveik baigta</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Liko maždaug %n minutė</numerusform>
            <numerusform>Liko maždaug %n minutės</numerusform>
            <numerusform>Liko maždaug %n minučių</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Liko maždaug %n sekundė</numerusform>
            <numerusform>Liko maždaug %n sekundės</numerusform>
            <numerusform>Liko maždaug %n sekundžių</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Mygtukas</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Taip</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
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
        <translation>Rezultatai</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n failas</numerusform>
            <numerusform>%n failai</numerusform>
            <numerusform>%n failų</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n dydis, iki %1 × %2 px</numerusform>
            <numerusform>%n dydžiai, iki %1 × %2 px</numerusform>
            <numerusform>%n dydžių, iki %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>Pavyzdinis paveikslėlis</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>Generuoti nepavyko</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>Piktogramų rinkiniai</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tamsi tema</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>Programėlės (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Programėlės</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Pasirinkite paveikslėlį</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>Paveikslėliai (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Visi failai (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Pasirinkite išvesties aplanką</translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Paveikslėlis</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Pasirinkti…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>Platformos</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Parinktys</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Išvesties aplankas</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Pasirinkti išvesties aplanką</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generuoti</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>Piktogramos fonas</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Numatytasis</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>Pavyzdinis paveikslėlis</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>Atsijungti</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Prisijungti</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>Atjungti %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Prisijungti</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Prisijungti</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Iškirpti</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopijuoti</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Įdėti</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Žinynas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Užverti</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>Versija %1</translation>
    </message>
    <message>
        <source>Portal: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Portalas: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>UserButton</name>
    <message>
        <source>Sign In</source>
        <translation>Prisijungti</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Prisijungta</translation>
    </message>
</context>
</TS>
