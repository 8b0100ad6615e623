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
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Selectare folder aplicație</translation>
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
    <name>AppSession</name>
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
        <source>Folder does not contain a valid app project</source>
        <translation>Folderul nu conține un proiect de aplicație valid</translation>
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
        <source>%1 - Select App</source>
        <translation>%1 - Selectare aplicație</translation>
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
        <source>%1 - Select App</source>
        <translation>%1 - Selectare aplicație</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>Actualizare disponibilă</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
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
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>Alegeți mai întâi o imagine.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>Nu există nicio imagine la %1.</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 este un folder; alegeți un fișier imagine.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>%1 nu poate fi citit ca imagine: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>Alegeți cel puțin o platformă.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>„%1” nu este o culoare; folosiți un nume precum white sau un cod precum #1d3b8f.</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>Alegeți un folder de ieșire.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1 este un fișier; alegeți un folder pentru seturi.</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>Nu se poate scrie nimic în %1: %2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>Imaginea are %1 × %2 px și nu este pătrată: pictogramele o completează până la un pătrat.</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>Imaginea are %1 × %2 px: pictogramele de până la %3 × %3 sunt mărite și arată neclar.</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>Platformă necunoscută: %1</numerusform>
            <numerusform>%n platforme necunoscute: %1</numerusform>
            <numerusform>%n de platforme necunoscute: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Folderul %1 nu poate fi creat.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>pictograma aplicației</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>imagini de pornire</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>fundal adaptiv</translation>
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
        <translation>Rezultate</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation>Imaginile platformelor alese apar aici după „Generează”.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n fișier</numerusform>
            <numerusform>%n fișiere</numerusform>
            <numerusform>%n de fișiere</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation>Toate seturile au fost create: %1 în %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>Nu toate seturile au fost create; s-a scris: %1 în %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n dimensiune, până la %1 × %2 px</numerusform>
            <numerusform>%n dimensiuni, până la %1 × %2 px</numerusform>
            <numerusform>%n de dimensiuni, până la %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>Imagine exemplu</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>Imaginea exemplu nu poate fi scrisă.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>Nu s-a generat nimic</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>Nu este nimic de creat.</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>Se generează seturile de pictograme</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>Toate seturile au fost create: %n fișier.</numerusform>
            <numerusform>Toate seturile au fost create: %n fișiere.</numerusform>
            <numerusform>Toate seturile au fost create: %n de fișiere.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>Generarea a eșuat</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>%n set nu a putut fi creat. Sunt afișate fișierele celorlalte seturi; consultați jurnalul pentru motive.</numerusform>
            <numerusform>%n seturi nu au putut fi create. Sunt afișate fișierele celorlalte seturi; consultați jurnalul pentru motive.</numerusform>
            <numerusform>%n de seturi nu au putut fi create. Sunt afișate fișierele celorlalte seturi; consultați jurnalul pentru motive.</numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>Seturi de pictograme</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Întunecat</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>Aplicații (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Aplicații</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation>Nu s-au găsit aplicații pe %1.</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>Conectați-vă cu butonul de utilizator pentru a vedea aplicațiile dvs. de pe %1.</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Alegeți o imagine</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>Imagini (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Toate fișierele (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Alegeți folderul de ieșire</translation>
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
        <translation>Magazinul Windows</translation>
    </message>
    <message>
        <source>Installer pictures</source>
        <translation>Imagini pentru programul de instalare</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagine</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>Nicio imagine încă: alegeți una sau plasați-o pe fereastră.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Alegeți…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>Platforme</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opțiuni</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Folder de ieșire</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Alegeți folderul de ieșire</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generează</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>Folosiți imaginea exemplu a proiectului</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>Fundal pictogramă</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>Fundal ecran de pornire</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Implicit</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>Imagine exemplu</translation>
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
