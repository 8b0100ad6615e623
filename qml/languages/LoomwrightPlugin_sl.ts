<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>Še %n sekunda</numerusform>
            <numerusform>Še %n sekundi</numerusform>
            <numerusform>Še %n sekunde</numerusform>
            <numerusform>Še %n sekund</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>Še %n minuta</numerusform>
            <numerusform>Še %n minuti</numerusform>
            <numerusform>Še %n minute</numerusform>
            <numerusform>Še %n minut</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Izberite mapo aplikacije</translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Podrobnosti elementa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Shrani</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Podrobnosti elementa</translation>
    </message>
</context>
<context>
    <name>AppSession</name>
    <message>
        <source>Download App</source>
        <translation>Prenesi aplikacijo</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Prenašanje: %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Prenos je končan</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Prenos aplikacije %1 je končan</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Napaka pri prenosu</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Mapa ne vsebuje veljavnega projekta aplikacije</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>Različica %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>Avtor: %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Ustvarjeno: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Nazadnje spremenjeno: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Več podrobnosti o elementu</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Lastnik &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Izberite aplikacijo</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> Aplikacija %1 je že v vašem lokalnem sistemu.
Ali jo želite znova prenesti?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> Aplikacije %1 ni v vašem lokalnem sistemu.
Ali jo želite prenesti zdaj?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>Aplikacije %1 ni v vašem lokalnem sistemu.

Ali jo želite prenesti zdaj?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>Aplikacija %1 je bila lokalno posodobljena. Prenos bo prepisal lokalne spremembe.

Ali jo želite znova prenesti?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>Aplikacija %1 je že v vašem lokalnem sistemu.

Ali jo želite znova prenesti?</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>Nimate dovoljenja za dostop do tega vira ali izvedbo te operacije.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>Element ne obstaja ali ni dostopen.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>Aplikacija ni spremenjena</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Ni na voljo</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Pred tedni: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Pred dnevi: %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Pred urami: %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Pred minutami: %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Pravkar</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Izberite aplikacijo</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>Na voljo je posodobitev</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
    <message>
        <source>Not Signed In</source>
        <translation>Niste prijavljeni</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Upravljanje portalov</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Odjava</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Prijava</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>Aplikacije</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
</context>
<context>
    <name>AppsGridView</name>
    <message>
        <source>No results found</source>
        <translation>Ni rezultatov</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>Ni mogoče zagnati %1</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Posodobi</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Na voljo je posodobitev</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Naloži</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Naložite aplikacijo za druge uporabnike storitev Varnex Online ali Varnex Portal</translation>
    </message>
</context>
<context>
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>Najprej izberite sliko.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 je mapa; izberite slikovno datoteko.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>%1 ni mogoče prebrati kot sliko: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>Izberite vsaj eno platformo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>Izberite izhodno mapo.</translation>
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
            <numerusform>%n neznana platforma: %1</numerusform>
            <numerusform>%n neznani platformi: %1</numerusform>
            <numerusform>%n neznane platforme: %1</numerusform>
            <numerusform>%n neznanih platform: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Mape %1 ni mogoče ustvariti.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>ikona aplikacije</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>zagonske slike</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>prilagodljivo ozadje</translation>
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
        <translation>Aplikacija</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Shrani spremembe</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Uredi naslov</translation>
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
        <translation>Skoraj končano</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Še približno %n minuta</numerusform>
            <numerusform>Še približno %n minuti</numerusform>
            <numerusform>Še približno %n minute</numerusform>
            <numerusform>Še približno %n minut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Še približno %n sekunda</numerusform>
            <numerusform>Še približno %n sekundi</numerusform>
            <numerusform>Še približno %n sekunde</numerusform>
            <numerusform>Še približno %n sekund</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Gumb</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
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
        <translation>Rezultati</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n datoteka</numerusform>
            <numerusform>%n datoteki</numerusform>
            <numerusform>%n datoteke</numerusform>
            <numerusform>%n datotek</numerusform>
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
            <numerusform>%n velikost, do %1 × %2 px</numerusform>
            <numerusform>%n velikosti, do %1 × %2 px</numerusform>
            <numerusform>%n velikosti, do %1 × %2 px</numerusform>
            <numerusform>%n velikosti, do %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>Vzorčna slika</translation>
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
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>Ustvarjanje ni uspelo</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>Nabori ikon</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Temno</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>Aplikacije (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Aplikacije</translation>
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
        <translation>Izberite sliko</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>Slike (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Vse datoteke (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Izberite izhodno mapo</translation>
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
        <translation>Slika</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Izberi…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>Platforme</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Izhodna mapa</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Izberi izhodno mapo</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Ustvari</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>Ozadje ikone</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Privzeto</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>Vzorčna slika</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>Odjava</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Prijava</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>Odjava uporabnika %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Prijava</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Prijava</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Izreži</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiraj</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Prilepi</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Pomoč</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zapri</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>Različica %1</translation>
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
        <translation>Prijava</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Prijavljeni</translation>
    </message>
</context>
</TS>
