<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>A mai rămas %n secundă</numerusform>
            <numerusform>Au mai rămas %n secunde</numerusform>
            <numerusform>Au mai rămas %n de secunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>A mai rămas %n minut</numerusform>
            <numerusform>Au mai rămas %n minute</numerusform>
            <numerusform>Au mai rămas %n de minute</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Detaliile elementului</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulează</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvează</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Detaliile elementului</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>Versiunea %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>De %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Creat: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Ultima modificare: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Mai multe detalii despre element</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Proprietar &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>Download App</source>
        <translation>Descărcare aplicație</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Se descarcă %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Descărcare finalizată</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Descărcarea %1 s-a finalizat</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Eroare la descărcare</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Selectare aplicație</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Selectare folder aplicație</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Folderul nu conține un proiect de aplicație valid</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 se află deja în sistemul local.
Doriți să o descărcați din nou?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 nu se află în sistemul local.
Doriți să o descărcați acum?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 nu se află în sistemul local.

Doriți să o descărcați acum?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 a fost actualizată local. Descărcarea va suprascrie modificările locale.

Doriți să o descărcați din nou?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 se află deja în sistemul local.

Doriți să o descărcați din nou?</translation>
    </message>
    <message>
        <source>Download App</source>
        <translation>Descărcare aplicație</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Se descarcă %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Descărcare finalizată</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Descărcarea %1 s-a finalizat</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Eroare la descărcare</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>Nu aveți permisiunea de a accesa această resursă sau de a efectua această operațiune.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>Elementul nu există sau nu este accesibil.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>Aplicație nemodificată</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Indisponibil</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Săptămâni în urmă: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Zile în urmă: %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Ore în urmă: %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Minute în urmă: %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Chiar acum</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Actualizare disponibilă</translation>
    </message>
    <message>
        <source>Not Signed In</source>
        <translation>Neconectat</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Gestionare portaluri</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Deconectare</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Conectare</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Selectare aplicație</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Selectare folder aplicație</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Folderul nu conține un proiect de aplicație valid</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>Aplicații</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulează</translation>
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
        <translation>Nu s-au găsit rezultate</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>Nu se poate porni %1</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Actualizează</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Actualizare disponibilă</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Încarcă</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Încărcați o aplicație pentru alți utilizatori Varnex Online sau Varnex Portal</translation>
    </message>
</context>
<context>
    <name>InlineStyledTextEdit</name>
    <message>
        <source>App</source>
        <translation>Aplicație</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Salvează modificările</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Editează titlul</translation>
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
        <translation>Aproape gata</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Timp rămas estimat: %n minut</numerusform>
            <numerusform>Timp rămas estimat: %n minute</numerusform>
            <numerusform>Timp rămas estimat: %n de minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Timp rămas estimat: %n secundă</numerusform>
            <numerusform>Timp rămas estimat: %n secunde</numerusform>
            <numerusform>Timp rămas estimat: %n de secunde</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Buton</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nu</translation>
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
        <translation>Deconectare</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Conectare</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>Deconectare %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Conectare</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Conectare</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Decupează</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiază</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Lipește</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>Versiunea %1</translation>
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
        <translation>Conectare</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Conectat</translation>
    </message>
</context>
</TS>
