<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>%n sekunti jäljellä</numerusform>
            <numerusform>%n sekuntia jäljellä</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>%n minuutti jäljellä</numerusform>
            <numerusform>%n minuuttia jäljellä</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Valitse sovelluskansio</translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Kohteen tiedot</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Kohteen tiedot</translation>
    </message>
</context>
<context>
    <name>AppSession</name>
    <message>
        <source>Download App</source>
        <translation>Lataa sovellus</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Ladataan: %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Lataus valmis</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Kohteen %1 lataus valmis</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Latausvirhe</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Kansio ei sisällä kelvollista sovellusprojektia</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>Versio %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>Tekijä: %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Luotu: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Viimeksi muokattu: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Lisää kohteen tietoja</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Omistaja &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Valitse sovellus</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 on jo paikallisessa järjestelmässäsi.
Haluatko ladata sen uudelleen?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 ei ole paikallisessa järjestelmässäsi.
Haluatko ladata sen nyt?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 ei ole paikallisessa järjestelmässäsi.

Haluatko ladata sen nyt?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 on päivitetty paikallisesti. Lataaminen korvaa paikalliset muutokset.

Haluatko ladata sen uudelleen?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 on jo paikallisessa järjestelmässäsi.

Haluatko ladata sen uudelleen?</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>Sinulla ei ole oikeutta käyttää tätä resurssia tai suorittaa tätä toimintoa.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>Kohdetta ei ole olemassa tai se ei ole käytettävissä.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>Sovellusta ei ole muokattu</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Ei saatavilla</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Viikkoja sitten: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Päiviä sitten: %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Tunteja sitten: %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Minuutteja sitten: %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Juuri nyt</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Valitse sovellus</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>Päivitys saatavilla</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
    <message>
        <source>Not Signed In</source>
        <translation>Ei kirjautunut</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Hallitse portaaleja</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Kirjaudu ulos</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Kirjaudu sisään</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>Sovellukset</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
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
        <translation>Tuloksia ei löytynyt</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>Kohdetta %1 ei voi käynnistää</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Päivitä</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Päivitys saatavilla</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Lähetä</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Lataa sovellus muiden Varnex Online- tai Varnex Portal -käyttäjien saataville</translation>
    </message>
</context>
<context>
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>Valitse ensin kuva.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>Sijainnissa %1 ei ole kuvaa.</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 on kansio; valitse kuvatiedosto.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>Kohdetta %1 ei voi lukea kuvana: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>Valitse vähintään yksi alusta.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>”%1” ei ole väri; käytä nimeä, kuten white, tai koodia, kuten #1d3b8f.</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>Valitse tuloskansio.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1 on tiedosto; valitse kansio sarjoille.</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>Kohteeseen %1 ei voi kirjoittaa: %2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>Kuva on %1 × %2 pikseliä eikä neliön muotoinen: kuvakkeet täydentävät sen neliöksi.</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>Kuva on %1 × %2 pikseliä: enintään %3 × %3 -kokoiset kuvakkeet suurennetaan, joten ne näyttävät epäteräviltä.</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>Tuntematon alusta: %1</numerusform>
            <numerusform>%n tuntematonta alustaa: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Kansiota %1 ei voi luoda.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>sovelluskuvake</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>käynnistyskuvat</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>mukautuva tausta</translation>
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
        <translation>Sovellus</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Tallenna muutokset</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Muokkaa otsikkoa</translation>
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
        <translation>Melkein valmis</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Arviolta %n minuutti jäljellä</numerusform>
            <numerusform>Arviolta %n minuuttia jäljellä</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Arviolta %n sekunti jäljellä</numerusform>
            <numerusform>Arviolta %n sekuntia jäljellä</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Painike</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Kyllä</translation>
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
        <translation>Tulokset</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation>Valittujen alustojen kuvat näkyvät tässä, kun olet valinnut Luo.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n tiedosto</numerusform>
            <numerusform>%n tiedostoa</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation>Kaikki sarjat luotiin: %1 kansioon %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>Kaikkia sarjoja ei luotu; kirjoitettiin: %1 kansioon %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n koko, enintään %1 × %2 px</numerusform>
            <numerusform>%n kokoa, enintään %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>Esimerkkikuva</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>Esimerkkikuvaa ei voi kirjoittaa.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>Mitään ei luotu</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>Ei mitään luotavaa.</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>Luodaan kuvakesarjoja</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>Kaikki sarjat luotiin: %n tiedosto.</numerusform>
            <numerusform>Kaikki sarjat luotiin: %n tiedostoa.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>Luominen epäonnistui</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>%n sarja jäi luomatta. Muiden sarjojen tiedostot näytetään; syyt löytyvät lokista.</numerusform>
            <numerusform>%n sarjaa jäi luomatta. Muiden sarjojen tiedostot näytetään; syyt löytyvät lokista.</numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>Kuvakesarjat</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tumma</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>Sovellukset (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Sovellukset</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation>Sovelluksia ei löytynyt kohteesta %1.</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>Kirjaudu sisään käyttäjäpainikkeella, niin näet sovelluksesi kohteessa %1.</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Valitse kuva</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>Kuvat (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Kaikki tiedostot (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Valitse tuloskansio</translation>
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
        <translation>Windows Kauppa</translation>
    </message>
    <message>
        <source>Installer pictures</source>
        <translation>Asennusohjelman kuvat</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Kuva</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>Ei vielä kuvaa: valitse kuva tai pudota se ikkunaan.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Valitse…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>Alustat</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Tuloskansio</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Valitse tuloskansio</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Luo</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>Käytä projektin esimerkkikuvaa</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>Kuvakkeen tausta</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>Käynnistysnäytön tausta</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Oletus</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>Esimerkkikuva</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>Kirjaudu ulos</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Kirjaudu sisään</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>Kirjaa %1 ulos</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Kirjaudu sisään</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Kirjaudu sisään</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Leikkaa</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopioi</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Liitä</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Ohje</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>Versio %1</translation>
    </message>
    <message>
        <source>Portal: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Portaali: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>UserButton</name>
    <message>
        <source>Sign In</source>
        <translation>Kirjaudu sisään</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Kirjautunut</translation>
    </message>
</context>
</TS>
