<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>Nog %n seconde</numerusform>
            <numerusform>Nog %n seconden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>Nog %n minuut</numerusform>
            <numerusform>Nog %n minuten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Itemdetails</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Itemdetails</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>Door %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Gemaakt: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Laatst gewijzigd: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Meer itemdetails</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Eigenaar &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>Download App</source>
        <translation>App downloaden</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>%1 wordt gedownload</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Downloaden voltooid</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Downloaden van %1 voltooid</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Downloadfout</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - App selecteren</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - App-map selecteren</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>De map bevat geen geldig app-project</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 staat al op uw lokale systeem.
Wilt u deze opnieuw downloaden?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 staat niet op uw lokale systeem.
Wilt u deze nu downloaden?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 staat niet op uw lokale systeem.

Wilt u deze nu downloaden?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 is lokaal bijgewerkt. Downloaden overschrijft de lokale wijzigingen.

Wilt u deze opnieuw downloaden?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 staat al op uw lokale systeem.

Wilt u deze opnieuw downloaden?</translation>
    </message>
    <message>
        <source>Download App</source>
        <translation>App downloaden</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>%1 wordt gedownload</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Downloaden voltooid</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Downloaden van %1 voltooid</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Downloadfout</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>U hebt geen machtiging om deze bron te openen of deze bewerking uit te voeren.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>Het item bestaat niet of is niet toegankelijk.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>App niet gewijzigd</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Niet beschikbaar</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Weken geleden: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Dagen geleden: %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Uren geleden: %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Minuten geleden: %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Zojuist</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Update beschikbaar</translation>
    </message>
    <message>
        <source>Not Signed In</source>
        <translation>Niet aangemeld</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Portals beheren</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Afmelden</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Aanmelden</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - App selecteren</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - App-map selecteren</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>De map bevat geen geldig app-project</translation>
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
        <translation>Annuleren</translation>
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
        <translation>Geen resultaten gevonden</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>Kan %1 niet starten</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Bijwerken</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Update beschikbaar</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Uploaden</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Een app uploaden voor andere gebruikers van Varnex Online of Varnex Portal</translation>
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
        <translation>Wijzigingen opslaan</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Titel bewerken</translation>
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
        <translation>Bijna klaar</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Nog ongeveer %n minuut</numerusform>
            <numerusform>Nog ongeveer %n minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Nog ongeveer %n seconde</numerusform>
            <numerusform>Nog ongeveer %n seconden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Knop</translation>
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
        <translation>Nee</translation>
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
        <translation>Afmelden</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Aanmelden</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>%1 afmelden</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Aanmelden</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Aanmelden</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Knippen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
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
        <translation>Aanmelden</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Aangemeld</translation>
    </message>
</context>
</TS>
