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
        <source>%1 - Select App</source>
        <translation>%1 - Valitse sovellus</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Valitse sovelluskansio</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Kansio ei sisällä kelvollista sovellusprojektia</translation>
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
        <source>Update available</source>
        <translation>Päivitys saatavilla</translation>
    </message>
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
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Valitse sovellus</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Valitse sovelluskansio</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Kansio ei sisällä kelvollista sovellusprojektia</translation>
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
