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
        <source>%1 - Select App</source>
        <translation>%1 - Vybrat aplikaci</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Vybrat složku aplikace</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Složka neobsahuje platný projekt aplikace</translation>
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
        <source>Update available</source>
        <translation>K dispozici je aktualizace</translation>
    </message>
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
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Vybrat aplikaci</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Vybrat složku aplikace</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Složka neobsahuje platný projekt aplikace</translation>
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
