<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>%n sekund tilbage</numerusform>
            <numerusform>%n sekunder tilbage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>%n minut tilbage</numerusform>
            <numerusform>%n minutter tilbage</numerusform>
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
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Gem</translation>
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
        <translation>Version %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>Af %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Oprettet: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Sidst ændret: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Flere elementdetaljer</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Ejer &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>Download App</source>
        <translation>Download app</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Downloader %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Download fuldført</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Download af %1 fuldført</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Downloadfejl</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Vælg app</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Vælg app-mappe</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Mappen indeholder ikke et gyldigt app-projekt</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 findes allerede på dit lokale system.
Vil du downloade den igen?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 findes ikke på dit lokale system.
Vil du downloade den nu?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 findes ikke på dit lokale system.

Vil du downloade den nu?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 er blevet opdateret lokalt. Download overskriver de lokale ændringer.

Vil du downloade den igen?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 findes allerede på dit lokale system.

Vil du downloade den igen?</translation>
    </message>
    <message>
        <source>Download App</source>
        <translation>Download app</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Downloader %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Download fuldført</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Download af %1 fuldført</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Downloadfejl</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>Du har ikke tilladelse til at få adgang til denne ressource eller udføre denne handling.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>Elementet findes ikke eller er ikke tilgængeligt.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>App ikke ændret</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Ikke tilgængelig</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Uger siden: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Dage siden: %1</translation>
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
        <translation>Lige nu</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Opdatering tilgængelig</translation>
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
        <translation>Log af</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Log ind</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Vælg app</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Vælg app-mappe</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Mappen indeholder ikke et gyldigt app-projekt</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
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
        <translation>Ingen resultater fundet</translation>
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
        <translation>Opdater</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Opdatering tilgængelig</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Upload en app til andre brugere af Varnex Online eller Varnex Portal</translation>
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
        <translation>Gem ændringer</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Rediger titel</translation>
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
        <translation>Næsten færdig</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Anslået %n minut tilbage</numerusform>
            <numerusform>Anslået %n minutter tilbage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Anslået %n sekund tilbage</numerusform>
            <numerusform>Anslået %n sekunder tilbage</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Knap</translation>
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
        <translation>Nej</translation>
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
        <translation>Log ud</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Log ind</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>Log %1 ud</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Log ind</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Log ind</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Klip</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiér</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Indsæt</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Hjælp</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
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
        <translation>Log ind</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Logget på</translation>
    </message>
</context>
</TS>
