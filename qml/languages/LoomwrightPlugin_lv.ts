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
        <source>%1 - Select App</source>
        <translation>%1 - Atlasīt lietotni</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Atlasīt lietotnes mapi</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Mapē nav derīga lietotnes projekta</translation>
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
        <source>Update available</source>
        <translation>Pieejams atjauninājums</translation>
    </message>
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
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Atlasīt lietotni</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Atlasīt lietotnes mapi</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Mapē nav derīga lietotnes projekta</translation>
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
