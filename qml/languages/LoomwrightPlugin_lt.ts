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
        <source>%1 - Select App</source>
        <translation>%1 - Pasirinkti programėlę</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Pasirinkti programėlės aplanką</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Aplanke nėra tinkamo programėlės projekto</translation>
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
        <source>Update available</source>
        <translation>Yra naujinimas</translation>
    </message>
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
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Pasirinkti programėlę</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Pasirinkti programėlės aplanką</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Aplanke nėra tinkamo programėlės projekto</translation>
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
