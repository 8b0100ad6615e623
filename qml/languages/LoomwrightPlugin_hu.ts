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
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 – Alkalmazásmappa kiválasztása</translation>
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
    <name>AppSession</name>
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
        <source>Folder does not contain a valid app project</source>
        <translation>A mappa nem tartalmaz érvényes alkalmazásprojektet</translation>
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
        <source>%1 - Select App</source>
        <translation>%1 – Alkalmazás kiválasztása</translation>
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
        <source>%1 - Select App</source>
        <translation>%1 – Alkalmazás kiválasztása</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>Frissítés érhető el</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
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
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>Először válasszon egy képet.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>Nincs kép ezen a helyen: %1.</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>A(z) %1 egy mappa; válasszon egy képfájlt.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>A(z) %1 nem olvasható be képként: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>Válasszon legalább egy platformot.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>A(z) „%1” nem szín; használjon egy nevet, például white, vagy egy kódot, például #1d3b8f.</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>Válasszon egy kimeneti mappát.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>A(z) %1 egy fájl; válasszon mappát a készleteknek.</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>A(z) %1 mappába nem lehet írni: %2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>A kép %1 × %2 képpont, és nem négyzet alakú: az ikonok négyzetté egészítik ki.</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>A kép %1 × %2 képpont: a legfeljebb %3 × %3 méretű ikonok felnagyítva, elmosódottan jelennek meg.</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>%n ismeretlen platform: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>A(z) %1 mappa nem hozható létre.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>alkalmazásikon</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>indítóképek</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>adaptív háttér</translation>
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
        <translation>Eredmények</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation>A kiválasztott platformok képei a „Létrehozás” után itt jelennek meg.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n fájl</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation>Minden készlet elkészült: %1, hely: %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>Nem minden készlet készült el; a kiírt fájlok: %1, hely: %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n méret, legfeljebb %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>Mintakép</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>A mintakép nem írható ki.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>Nem jött létre semmi</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>Nincs mit létrehozni.</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>Ikonkészletek létrehozása</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>Minden készlet elkészült: %n fájl.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>A létrehozás sikertelen</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>%n készletet nem sikerült létrehozni. A többi készlet fájljai láthatók; az okokat a naplóban találja.</numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>Ikonkészletek</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sötét</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>Alkalmazások (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Alkalmazások</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation>Nem található alkalmazás itt: %1.</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>Jelentkezzen be a felhasználó gombbal, hogy lássa az alkalmazásait itt: %1.</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Kép kiválasztása</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>Képek (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Minden fájl (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Kimeneti mappa kiválasztása</translation>
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
        <translation>Windows Áruház</translation>
    </message>
    <message>
        <source>Installer pictures</source>
        <translation>Telepítő képei</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Kép</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>Még nincs kép: válasszon egyet, vagy húzza az ablakra.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Kiválasztás…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>Platformok</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Kimeneti mappa</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Kimeneti mappa kiválasztása</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Létrehozás</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>A projekt mintaképének használata</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>Ikon háttere</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>Indítóképernyő háttere</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Alapértelmezett</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>Mintakép</translation>
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
