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
        <source>%1 - Select App</source>
        <translation>%1 - Vybrať aplikáciu</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Vybrať priečinok aplikácie</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Priečinok neobsahuje platný projekt aplikácie</translation>
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
        <source>Update available</source>
        <translation>K dispozícii je aktualizácia</translation>
    </message>
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
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Vybrať aplikáciu</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Vybrať priečinok aplikácie</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Priečinok neobsahuje platný projekt aplikácie</translation>
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
