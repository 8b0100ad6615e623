<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>Atlikusi %n sekunde</numerusform>
            <numerusform>Atlikušas %n sekundes</numerusform>
            <numerusform>Atlicis %n sekunžu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>Atlikusi %n minūte</numerusform>
            <numerusform>Atlikušas %n minūtes</numerusform>
            <numerusform>Atlicis %n minūšu</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Atlasīt lietotnes mapi</translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Vienuma informācija</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Saglabāt</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Vienuma informācija</translation>
    </message>
</context>
<context>
    <name>AppSession</name>
    <message>
        <source>Download App</source>
        <translation>Lejupielādēt lietotni</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Lejupielādē %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Lejupielāde pabeigta</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>%1 lejupielāde pabeigta</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Lejupielādes kļūda</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Mapē nav derīga lietotnes projekta</translation>
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
        <translation>Autors: %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Izveidots: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Pēdējoreiz mainīts: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Vairāk informācijas par vienumu</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Īpašnieks &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Atlasīt lietotni</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 jau ir jūsu lokālajā sistēmā.
Vai vēlaties to lejupielādēt vēlreiz?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 nav jūsu lokālajā sistēmā.
Vai vēlaties to lejupielādēt tagad?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 nav jūsu lokālajā sistēmā.

Vai vēlaties to lejupielādēt tagad?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 ir atjaunināta lokāli. Lejupielāde pārrakstīs lokālās izmaiņas.

Vai vēlaties to lejupielādēt vēlreiz?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 jau ir jūsu lokālajā sistēmā.

Vai vēlaties to lejupielādēt vēlreiz?</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>Jums nav atļaujas piekļūt šim resursam vai veikt šo darbību.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>Vienums neeksistē vai nav pieejams.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>Lietotne nav mainīta</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Nav pieejams</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Pirms nedēļām: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Pirms dienām: %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Pirms stundām: %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Pirms minūtēm: %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Tikko</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Atlasīt lietotni</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>Pieejams atjauninājums</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
    <message>
        <source>Not Signed In</source>
        <translation>Nav pierakstījies</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Pārvaldīt portālus</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Izrakstīties</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Pierakstīties</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>Lietotnes</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
</context>
<context>
    <name>AppsGridView</name>
    <message>
        <source>No results found</source>
        <translation>Nav atrasts neviens rezultāts</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>Nevar startēt %1</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Atjaunināt</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Pieejams atjauninājums</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Augšupielādēt</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Augšupielādēt lietotni citiem Varnex Online vai Varnex Portal lietotājiem</translation>
    </message>
</context>
<context>
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>Vispirms izvēlieties attēlu.</translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>Izvēlieties vismaz vienu platformu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>Izvēlieties izvades mapi.</translation>
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
            <numerusform>%n nezināma platforma: %1</numerusform>
            <numerusform>%n nezināmas platformas: %1</numerusform>
            <numerusform>%n nezināmu platformu: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Nevar izveidot mapi %1.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>lietotnes ikona</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>palaišanas attēli</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>adaptīvais fons</translation>
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
        <translation>Lietotne</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Saglabāt izmaiņas</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Rediģēt nosaukumu</translation>
    </message>
</context>
<context>
    <name>ItemProgress</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Almost done</source>
        <translation>Gandrīz pabeigts</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Aptuveni atlikusi %n minūte</numerusform>
            <numerusform>Aptuveni atlikušas %n minūtes</numerusform>
            <numerusform>Aptuveni atlicis %n minūšu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Aptuveni atlikusi %n sekunde</numerusform>
            <numerusform>Aptuveni atlikušas %n sekundes</numerusform>
            <numerusform>Aptuveni atlicis %n sekunžu</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Poga</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Jā</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nē</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
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
        <translation>Rezultāti</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n datne</numerusform>
            <numerusform>%n datnes</numerusform>
            <numerusform>%n datņu</numerusform>
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
            <numerusform>%n izmērs, līdz %1 × %2 px</numerusform>
            <numerusform>%n izmēri, līdz %1 × %2 px</numerusform>
            <numerusform>%n izmēru, līdz %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>Parauga attēls</translation>
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
        <translation type="unfinished"></translation>
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
        <translation>Ikonu kopas</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tumšs</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>Lietotnes (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Lietotnes</translation>
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
        <translation>Izvēlieties attēlu</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>Attēli (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Visas datnes (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Izvēlieties izvades mapi</translation>
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
        <translation>Attēls</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Izvēlēties…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>Platformas</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcijas</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Izvades mape</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Izvēlēties izvades mapi</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Ģenerēt</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>Ikonas fons</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Noklusējums</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>Parauga attēls</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>Izrakstīties</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Pierakstīties</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>Izrakstīt %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Pierakstīties</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Pierakstīties</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Izgriezt</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopēt</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Ielīmēt</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Palīdzība</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Aizvērt</translation>
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
        <translation>Portāls: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>UserButton</name>
    <message>
        <source>Sign In</source>
        <translation>Pierakstīties</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Pierakstījies</translation>
    </message>
</context>
</TS>
