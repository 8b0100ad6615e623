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
        <source>%1 - Select App</source>
        <translation>%1 - Velg app</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Velg appmappe</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Mappen inneholder ikke et gyldig appprosjekt</translation>
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
        <source>Update available</source>
        <translation>Oppdatering tilgjengelig</translation>
    </message>
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
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Velg app</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Velg appmappe</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Mappen inneholder ikke et gyldig appprosjekt</translation>
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
