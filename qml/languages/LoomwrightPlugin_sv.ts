<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>%n sekund kvar</numerusform>
            <numerusform>%n sekunder kvar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>%n minut kvar</numerusform>
            <numerusform>%n minuter kvar</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Objektinformation</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Objektinformation</translation>
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
        <translation>Av %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Skapad: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Senast ändrad: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Mer objektinformation</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Ägare &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>Download App</source>
        <translation>Ladda ned app</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Laddar ned %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Nedladdningen är klar</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Nedladdningen av %1 är klar</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Nedladdningsfel</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Välj app</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Välj appmapp</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Mappen innehåller inget giltigt appprojekt</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 finns redan på ditt lokala system.
Vill du ladda ned den igen?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 finns inte på ditt lokala system.
Vill du ladda ned den nu?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 finns inte på ditt lokala system.

Vill du ladda ned den nu?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 har uppdaterats lokalt. Nedladdningen skriver över de lokala ändringarna.

Vill du ladda ned den igen?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 finns redan på ditt lokala system.

Vill du ladda ned den igen?</translation>
    </message>
    <message>
        <source>Download App</source>
        <translation>Ladda ned app</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Laddar ned %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Nedladdningen är klar</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Nedladdningen av %1 är klar</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Nedladdningsfel</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>Du har inte behörighet att komma åt den här resursen eller utföra den här åtgärden.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>Objektet finns inte eller är inte tillgängligt.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>Appen är oförändrad</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Inte tillgängligt</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Veckor sedan: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Dagar sedan: %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Timmar sedan: %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Minuter sedan: %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Just nu</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Uppdatering tillgänglig</translation>
    </message>
    <message>
        <source>Not Signed In</source>
        <translation>Inte inloggad</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Hantera portaler</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Logga ut</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Logga in</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Välj app</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Välj appmapp</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Mappen innehåller inget giltigt appprojekt</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>Appar</translation>
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
        <translation>Inga resultat hittades</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>Det går inte att starta %1</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Uppdatera</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Uppdatering tillgänglig</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Ladda upp</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Ladda upp en app till andra användare av Varnex Online eller Varnex Portal</translation>
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
        <translation>Spara ändringar</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Redigera titel</translation>
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
        <translation>Nästan klart</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Uppskattningsvis %n minut kvar</numerusform>
            <numerusform>Uppskattningsvis %n minuter kvar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Uppskattningsvis %n sekund kvar</numerusform>
            <numerusform>Uppskattningsvis %n sekunder kvar</numerusform>
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
        <translation>Logga ut</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Logga in</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>Logga ut %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Logga in</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Logga in</translation>
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
        <translation>Kopiera</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Klistra in</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
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
        <translation>Logga in</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Inloggad</translation>
    </message>
</context>
</TS>
