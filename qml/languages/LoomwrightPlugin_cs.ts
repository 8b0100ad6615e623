<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>Zbývá %n sekunda</numerusform>
            <numerusform>Zbývají %n sekundy</numerusform>
            <numerusform>Zbývá %n sekund</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>Zbývá %n minuta</numerusform>
            <numerusform>Zbývají %n minuty</numerusform>
            <numerusform>Zbývá %n minut</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Vybrat složku aplikace</translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Podrobnosti o položce</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Podrobnosti o položce</translation>
    </message>
</context>
<context>
    <name>AppSession</name>
    <message>
        <source>Download App</source>
        <translation>Stáhnout aplikaci</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Stahování %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Stahování dokončeno</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Stahování aplikace %1 dokončeno</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Chyba stahování</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Složka neobsahuje platný projekt aplikace</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>Verze %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>Autor: %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Vytvořeno: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Naposledy změněno: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Další podrobnosti o položce</translation>
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
        <translation>%1 - Vybrat aplikaci</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> Aplikace %1 již je ve vašem místním systému.
Chcete ji stáhnout znovu?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> Aplikace %1 není ve vašem místním systému.
Chcete ji nyní stáhnout?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>Aplikace %1 není ve vašem místním systému.

Chcete ji nyní stáhnout?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>Aplikace %1 byla místně aktualizována. Stažením se přepíší místní změny.

Chcete ji stáhnout znovu?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>Aplikace %1 již je ve vašem místním systému.

Chcete ji stáhnout znovu?</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>Nemáte oprávnění k přístupu k tomuto prostředku ani k provedení této operace.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>Položka neexistuje nebo není přístupná.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>Aplikace nezměněna</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Není k dispozici</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Před týdny: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Před dny: %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Před hodinami: %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Před minutami: %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Právě teď</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Vybrat aplikaci</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>K dispozici je aktualizace</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
    <message>
        <source>Not Signed In</source>
        <translation>Nepřihlášeno</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Spravovat portály</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Odhlásit se</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Přihlásit se</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>Aplikace</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
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
        <translation>Nebyly nalezeny žádné výsledky</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>Nelze spustit %1</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Aktualizovat</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>K dispozici je aktualizace</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Nahrát</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Nahrát aplikaci pro ostatní uživatele Varnex Online nebo Varnex Portal</translation>
    </message>
</context>
<context>
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>Nejprve vyberte obrázek.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>V umístění %1 není žádný obrázek.</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 je složka; vyberte soubor obrázku.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>%1 nelze přečíst jako obrázek: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>Vyberte alespoň jednu platformu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>„%1“ není barva; použijte název, například white, nebo kód, například #1d3b8f.</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>Vyberte výstupní složku.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1 je soubor; vyberte složku pro sady.</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>Do %1 nelze nic zapsat: %2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>Obrázek má rozměry %1 × %2 px a není čtvercový: ikony jej doplní na čtverec.</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>Obrázek má rozměry %1 × %2 px: ikony až do %3 × %3 se zvětší a budou neostré.</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>Neznámá platforma: %1</numerusform>
            <numerusform>%n neznámé platformy: %1</numerusform>
            <numerusform>%n neznámých platforem: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Složku %1 nelze vytvořit.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>ikona aplikace</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>obrázky úvodní obrazovky</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>adaptivní pozadí</translation>
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
        <translation>Aplikace</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Uložit změny</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Upravit název</translation>
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
        <translation>Téměř hotovo</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Odhadem zbývá %n minuta</numerusform>
            <numerusform>Odhadem zbývají %n minuty</numerusform>
            <numerusform>Odhadem zbývá %n minut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Odhadem zbývá %n sekunda</numerusform>
            <numerusform>Odhadem zbývají %n sekundy</numerusform>
            <numerusform>Odhadem zbývá %n sekund</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Tlačítko</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
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
        <translation>Obrázky zvolených platforem se zde zobrazí po kliknutí na „Generovat“.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n soubor</numerusform>
            <numerusform>%n soubory</numerusform>
            <numerusform>%n souborů</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation>Všechny sady byly vytvořeny: %1 v %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>Nebyly vytvořeny všechny sady; zapsáno: %1 v %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n velikost, až %1 × %2 px</numerusform>
            <numerusform>%n velikosti, až %1 × %2 px</numerusform>
            <numerusform>%n velikostí, až %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>Ukázkový obrázek</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>Ukázkový obrázek nelze zapsat.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>Nic nebylo vygenerováno</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>Není co vytvořit.</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>Generování sad ikon</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>Všechny sady byly vytvořeny: %n soubor.</numerusform>
            <numerusform>Všechny sady byly vytvořeny: %n soubory.</numerusform>
            <numerusform>Všechny sady byly vytvořeny: %n souborů.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>Generování se nezdařilo</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>%n sadu se nepodařilo vytvořit. Zobrazují se soubory ostatních sad; důvody najdete v protokolu.</numerusform>
            <numerusform>%n sady se nepodařilo vytvořit. Zobrazují se soubory ostatních sad; důvody najdete v protokolu.</numerusform>
            <numerusform>%n sad se nepodařilo vytvořit. Zobrazují se soubory ostatních sad; důvody najdete v protokolu.</numerusform>
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
        <translation>Aplikace (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Aplikace</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation>Na %1 nebyly nalezeny žádné aplikace.</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>Přihlaste se tlačítkem uživatele, abyste viděli své aplikace na %1.</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Vybrat obrázek</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>Obrázky (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Všechny soubory (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Vybrat výstupní složku</translation>
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
        <translation>Obrázky instalačního programu</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obrázek</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>Zatím žádný obrázek: vyberte ho nebo ho přetáhněte do okna.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Vybrat…</translation>
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
        <translation>Výstupní složka</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Vybrat výstupní složku</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generovat</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>Použít ukázkový obrázek projektu</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>Pozadí ikony</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>Pozadí úvodní obrazovky</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>Ukázkový obrázek</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>Odhlásit se</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Přihlásit se</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>Odhlásit uživatele %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Přihlásit se</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Přihlásit se</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Vyjmout</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Vložit</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>Verze %1</translation>
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
        <translation>Přihlásit se</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Přihlášeno</translation>
    </message>
</context>
</TS>
