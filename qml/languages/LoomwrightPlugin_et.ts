<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>Jäänud %n sekund</numerusform>
            <numerusform>Jäänud %n sekundit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>Jäänud %n minut</numerusform>
            <numerusform>Jäänud %n minutit</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Vali rakenduse kaust</translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Üksuse üksikasjad</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvesta</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Üksuse üksikasjad</translation>
    </message>
</context>
<context>
    <name>AppSession</name>
    <message>
        <source>Download App</source>
        <translation>Laadi rakendus alla</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>%1 allalaadimine</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Allalaadimine on lõpetatud</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>%1 allalaadimine on lõpetatud</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Allalaadimise tõrge</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Kaust ei sisalda kehtivat rakenduse projekti</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>Versioon %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>Autor: %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Loodud: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Viimati muudetud: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Rohkem üksuse üksikasju</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Omanik &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Vali rakendus</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 on juba teie kohalikus süsteemis.
Kas soovite selle uuesti alla laadida?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 ei ole teie kohalikus süsteemis.
Kas soovite selle kohe alla laadida?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 ei ole teie kohalikus süsteemis.

Kas soovite selle kohe alla laadida?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 on kohalikult uuendatud. Allalaadimine kirjutab kohalikud muudatused üle.

Kas soovite selle uuesti alla laadida?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 on juba teie kohalikus süsteemis.

Kas soovite selle uuesti alla laadida?</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>Teil pole õigust sellele ressursile juurde pääseda ega seda toimingut teha.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>Üksust pole olemas või see pole juurdepääsetav.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>Rakendust pole muudetud</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Pole saadaval</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Nädalat tagasi: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Päeva tagasi: %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Tundi tagasi: %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Minutit tagasi: %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Just praegu</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Vali rakendus</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>Värskendus on saadaval</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
    <message>
        <source>Not Signed In</source>
        <translation>Pole sisse logitud</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Halda portaale</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Logi välja</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Logi sisse</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>Rakendused</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
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
        <translation>Tulemusi ei leitud</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>%1 ei saa käivitada</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Uuenda</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Värskendus on saadaval</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Laadi üles</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Laadi rakendus üles teistele Varnex Online’i või Varnex Portali kasutajatele</translation>
    </message>
</context>
<context>
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>Valige esmalt pilt.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>Asukohas %1 pole pilti.</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 on kaust; valige pildifail.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>%1 ei saa pildina lugeda: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>Valige vähemalt üks platvorm.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>Valige väljundkaust.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1 on fail; valige komplektide jaoks kaust.</translation>
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
            <numerusform>Tundmatu platvorm: %1</numerusform>
            <numerusform>%n tundmatut platvormi: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Kausta %1 ei saa luua.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>rakenduse ikoon</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>käivituspildid</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>kohanduv taust</translation>
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
        <translation>Rakendus</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Salvesta muudatused</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Muuda pealkirja</translation>
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
        <translation>Peaaegu valmis</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Hinnanguliselt jäänud %n minut</numerusform>
            <numerusform>Hinnanguliselt jäänud %n minutit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Hinnanguliselt jäänud %n sekund</numerusform>
            <numerusform>Hinnanguliselt jäänud %n sekundit</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Nupp</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Jah</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
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
        <translation>Tulemused</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n fail</numerusform>
            <numerusform>%n faili</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation>Kõik komplektid loodi: %1 kaustas %2</translation>
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
            <numerusform>%n suurus kuni %1 × %2 px</numerusform>
            <numerusform>%n suurust kuni %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>Näidispilt</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>Näidispilti ei saa kirjutada.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>Midagi ei loodud</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>Pole midagi luua.</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>Ikoonikomplektide genereerimine</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>Kõik komplektid loodi: %n fail.</numerusform>
            <numerusform>Kõik komplektid loodi: %n faili.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>Genereerimine nurjus</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>Ikoonikomplektid</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tume</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>Rakendused (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Rakendused</translation>
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
        <translation>Valige pilt</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>Pildid (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Kõik failid (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Valige väljundkaust</translation>
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
        <translation>Pilt</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Vali…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>Platvormid</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Valikud</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Väljundkaust</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Vali väljundkaust</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Genereeri</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>Kasuta projekti näidispilti</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>Ikooni taust</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Vaikimisi</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>Näidispilt</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>Logi välja</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Logi sisse</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>Logi %1 välja</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Logi sisse</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Logi sisse</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Lõika</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopeeri</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Aseta</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Abi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulge</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>Versioon %1</translation>
    </message>
    <message>
        <source>Portal: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Portaal: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>UserButton</name>
    <message>
        <source>Sign In</source>
        <translation>Logi sisse</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Sisse logitud</translation>
    </message>
</context>
</TS>
