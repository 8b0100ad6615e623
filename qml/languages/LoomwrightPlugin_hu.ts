<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>%n másodperc van hátra</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>%n perc van hátra</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Elem részletei</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Elem részletei</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>Verzió: %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>Készítette: %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Létrehozva: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Utolsó módosítás: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>További részletek az elemről</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Tulajdonos: &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>Download App</source>
        <translation>Alkalmazás letöltése</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>%1 letöltése</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>A letöltés befejeződött</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>A(z) %1 letöltése befejeződött</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Letöltési hiba</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 – Alkalmazás kiválasztása</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 – Alkalmazásmappa kiválasztása</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>A mappa nem tartalmaz érvényes alkalmazásprojektet</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> A(z) %1 már a helyi rendszeren van.
Szeretné újra letölteni?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> A(z) %1 nincs a helyi rendszeren.
Szeretné most letölteni?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>A(z) %1 nincs a helyi rendszeren.

Szeretné most letölteni?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>A(z) %1 helyileg módosult. A letöltés felülírja a helyi módosításokat.

Szeretné újra letölteni?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>A(z) %1 már a helyi rendszeren van.

Szeretné újra letölteni?</translation>
    </message>
    <message>
        <source>Download App</source>
        <translation>Alkalmazás letöltése</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>%1 letöltése</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>A letöltés befejeződött</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>A(z) %1 letöltése befejeződött</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Letöltési hiba</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>Nincs engedélye az erőforrás elérésére vagy a művelet végrehajtására.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>Az elem nem létezik vagy nem érhető el.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>Az alkalmazás nem módosult</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Nem érhető el</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Hetekkel ezelőtt: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Napokkal ezelőtt: %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Órákkal ezelőtt: %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Percekkel ezelőtt: %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Az imént</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Frissítés érhető el</translation>
    </message>
    <message>
        <source>Not Signed In</source>
        <translation>Nincs bejelentkezve</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Portálok kezelése</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Kijelentkezés</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Bejelentkezés</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 – Alkalmazás kiválasztása</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 – Alkalmazásmappa kiválasztása</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>A mappa nem tartalmaz érvényes alkalmazásprojektet</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>Alkalmazások</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
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
        <translation>Nincs találat</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>A(z) %1 nem indítható el</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Frissítés</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Frissítés érhető el</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Feltöltés</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Alkalmazás feltöltése a Varnex Online vagy a Varnex Portal más felhasználói számára</translation>
    </message>
</context>
<context>
    <name>InlineStyledTextEdit</name>
    <message>
        <source>App</source>
        <translation>Alkalmazás</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Módosítások mentése</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Cím szerkesztése</translation>
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
        <translation>Majdnem kész</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Becslés szerint %n perc van hátra</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Becslés szerint %n másodperc van hátra</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Gomb</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Igen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nem</translation>
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
        <translation>Kijelentkezés</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Bejelentkezés</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>%1 kijelentkeztetése</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Bejelentkezés</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Bejelentkezés</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Kivágás</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Másolás</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Beillesztés</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Súgó</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>Verzió: %1</translation>
    </message>
    <message>
        <source>Portal: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Portál: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>UserButton</name>
    <message>
        <source>Sign In</source>
        <translation>Bejelentkezés</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Bejelentkezve</translation>
    </message>
</context>
</TS>
