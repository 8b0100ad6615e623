<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>Zostáva %n sekunda</numerusform>
            <numerusform>Zostávajú %n sekundy</numerusform>
            <numerusform>Zostáva %n sekúnd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>Zostáva %n minúta</numerusform>
            <numerusform>Zostávajú %n minúty</numerusform>
            <numerusform>Zostáva %n minút</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Vybrať priečinok aplikácie</translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Podrobnosti o položke</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložiť</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Podrobnosti o položke</translation>
    </message>
</context>
<context>
    <name>AppSession</name>
    <message>
        <source>Download App</source>
        <translation>Stiahnuť aplikáciu</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Sťahuje sa %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Sťahovanie dokončené</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Sťahovanie aplikácie %1 dokončené</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Chyba sťahovania</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Priečinok neobsahuje platný projekt aplikácie</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>Verzia %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>Autor: %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Vytvorené: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Naposledy zmenené: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Ďalšie podrobnosti o položke</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Vlastník &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Vybrať aplikáciu</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> Aplikácia %1 už je vo vašom lokálnom systéme.
Chcete ju stiahnuť znova?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> Aplikácia %1 nie je vo vašom lokálnom systéme.
Chcete ju teraz stiahnuť?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>Aplikácia %1 nie je vo vašom lokálnom systéme.

Chcete ju teraz stiahnuť?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>Aplikácia %1 bola lokálne aktualizovaná. Stiahnutím sa prepíšu lokálne zmeny.

Chcete ju stiahnuť znova?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>Aplikácia %1 už je vo vašom lokálnom systéme.

Chcete ju stiahnuť znova?</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>Nemáte povolenie na prístup k tomuto prostriedku ani na vykonanie tejto operácie.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>Položka neexistuje alebo nie je prístupná.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>Aplikácia nezmenená</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Nie je k dispozícii</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Pred týždňami: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Pred dňami: %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Pred hodinami: %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Pred minútami: %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Práve teraz</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Vybrať aplikáciu</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>K dispozícii je aktualizácia</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
    <message>
        <source>Not Signed In</source>
        <translation>Neprihlásený</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Spravovať portály</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Odhlásiť sa</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Prihlásiť sa</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>Aplikácie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
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
        <translation>Nenašli sa žiadne výsledky</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>Nedá sa spustiť %1</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Aktualizovať</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>K dispozícii je aktualizácia</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Nahrať</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Odovzdať aplikáciu ostatným používateľom Varnex Online alebo Varnex Portal</translation>
    </message>
</context>
<context>
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>Najprv vyberte obrázok.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>V umiestnení %1 nie je žiadny obrázok.</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 je priečinok; vyberte súbor obrázka.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>%1 sa nedá prečítať ako obrázok: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>Vyberte aspoň jednu platformu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>„%1“ nie je farba; použite názov, napríklad white, alebo kód, napríklad #1d3b8f.</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>Vyberte výstupný priečinok.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1 je súbor; vyberte priečinok pre sady.</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>Do %1 sa nedá nič zapísať: %2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>Obrázok má rozmery %1 × %2 px a nie je štvorcový: ikony ho doplnia na štvorec.</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>Obrázok má rozmery %1 × %2 px: ikony až do %3 × %3 sa zväčšia a budú neostré.</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>Neznáma platforma: %1</numerusform>
            <numerusform>%n neznáme platformy: %1</numerusform>
            <numerusform>%n neznámych platforiem: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Priečinok %1 sa nedá vytvoriť.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>ikona aplikácie</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>obrázky úvodnej obrazovky</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>adaptívne pozadie</translation>
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
        <translation>Aplikácia</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Uložiť zmeny</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Upraviť názov</translation>
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
        <translation>Takmer hotovo</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Zostáva približne %n minúta</numerusform>
            <numerusform>Zostávajú približne %n minúty</numerusform>
            <numerusform>Zostáva približne %n minút</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Zostáva približne %n sekunda</numerusform>
            <numerusform>Zostávajú približne %n sekundy</numerusform>
            <numerusform>Zostáva približne %n sekúnd</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Tlačidlo</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Áno</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
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
        <translation>Výsledky</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation>Obrázky zvolených platforiem sa tu zobrazia po kliknutí na „Generovať“.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n súbor</numerusform>
            <numerusform>%n súbory</numerusform>
            <numerusform>%n súborov</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation>Všetky sady boli vytvorené: %1 v %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>Nevytvorili sa všetky sady; zapísané: %1 v %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n veľkosť, až %1 × %2 px</numerusform>
            <numerusform>%n veľkosti, až %1 × %2 px</numerusform>
            <numerusform>%n veľkostí, až %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>Ukážkový obrázok</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>Ukážkový obrázok sa nedá zapísať.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>Nič sa nevygenerovalo</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>Nie je čo vytvoriť.</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>Generovanie sád ikon</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>Všetky sady boli vytvorené: %n súbor.</numerusform>
            <numerusform>Všetky sady boli vytvorené: %n súbory.</numerusform>
            <numerusform>Všetky sady boli vytvorené: %n súborov.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>Generovanie zlyhalo</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>%n sadu sa nepodarilo vytvoriť. Zobrazujú sa súbory ostatných sád; dôvody nájdete v denníku.</numerusform>
            <numerusform>%n sady sa nepodarilo vytvoriť. Zobrazujú sa súbory ostatných sád; dôvody nájdete v denníku.</numerusform>
            <numerusform>%n sád sa nepodarilo vytvoriť. Zobrazujú sa súbory ostatných sád; dôvody nájdete v denníku.</numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>Sady ikon</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tmavý</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>Aplikácie (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Aplikácie</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation>Na %1 sa nenašli žiadne aplikácie.</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>Prihláste sa tlačidlom používateľa, aby ste videli svoje aplikácie na %1.</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Vybrať obrázok</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>Obrázky (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Všetky súbory (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Vybrať výstupný priečinok</translation>
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
        <translation>Windows Store</translation>
    </message>
    <message>
        <source>Installer pictures</source>
        <translation>Obrázky inštalačného programu</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obrázok</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>Zatiaľ žiadny obrázok: vyberte ho alebo ho presuňte do okna.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Vybrať…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>Platformy</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Výstupný priečinok</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Vybrať výstupný priečinok</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generovať</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>Použiť ukážkový obrázok projektu</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>Pozadie ikony</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>Pozadie úvodnej obrazovky</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predvolené</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>Ukážkový obrázok</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>Odhlásiť sa</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Prihlásiť sa</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>Odhlásiť používateľa %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Prihlásiť sa</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Prihlásiť sa</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Vystrihnúť</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovať</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Vložiť</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Pomocník</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>Verzia %1</translation>
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
        <translation>Prihlásiť sa</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Prihlásený</translation>
    </message>
</context>
</TS>
