<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bs" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>Preostala je %n sekunda</numerusform>
            <numerusform>Preostale su %n sekunde</numerusform>
            <numerusform>Preostalo je %n sekundi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>Preostala je %n minuta</numerusform>
            <numerusform>Preostale su %n minute</numerusform>
            <numerusform>Preostalo je %n minuta</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Odaberite folder aplikacije</translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Detalji stavke</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sačuvaj</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Detalji stavke</translation>
    </message>
</context>
<context>
    <name>AppSession</name>
    <message>
        <source>Download App</source>
        <translation>Preuzmi aplikaciju</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Preuzimanje: %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Preuzimanje završeno</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Preuzimanje aplikacije %1 završeno</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Greška pri preuzimanju</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Folder ne sadrži važeći projekt aplikacije</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>Verzija %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>Autor: %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Kreirano: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Zadnja izmjena: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Više detalja o stavci</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Vlasnik &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Odaberite aplikaciju</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> Aplikacija %1 je već na vašem lokalnom sistemu.
Želite li je ponovo preuzeti?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> Aplikacija %1 nije na vašem lokalnom sistemu.
Želite li je sada preuzeti?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>Aplikacija %1 nije na vašem lokalnom sistemu.

Želite li je sada preuzeti?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>Aplikacija %1 je lokalno ažurirana. Preuzimanje će prepisati lokalne izmjene.

Želite li je ponovo preuzeti?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>Aplikacija %1 je već na vašem lokalnom sistemu.

Želite li je ponovo preuzeti?</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>Nemate dozvolu za pristup ovom resursu niti za izvršavanje ove operacije.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>Stavka ne postoji ili nije dostupna.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>Aplikacija nije mijenjana</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Nije dostupno</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Prije (sedmica): %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Prije (dana): %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Prije (sati): %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Prije (minuta): %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Upravo sada</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Odaberite aplikaciju</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>Dostupno ažuriranje</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
    <message>
        <source>Not Signed In</source>
        <translation>Niste prijavljeni</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Upravljanje portalima</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Odjava</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Prijava</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>Aplikacije</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
</context>
<context>
    <name>AppsGridView</name>
    <message>
        <source>No results found</source>
        <translation>Nema rezultata</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>Nije moguće pokrenuti %1</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Ažuriraj</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Dostupno ažuriranje</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Otpremi</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Otpremite aplikaciju drugim korisnicima usluga Varnex Online ili Varnex Portal</translation>
    </message>
</context>
<context>
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>Prvo odaberite sliku.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>Na lokaciji %1 nema slike.</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 je folder; odaberite datoteku slike.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>%1 nije moguće pročitati kao sliku: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>Odaberite barem jednu platformu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>„%1” nije boja; koristite naziv kao što je white ili kod kao što je #1d3b8f.</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>Odaberite izlazni folder.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1 je datoteka; odaberite folder za skupove.</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>U %1 nije moguće ništa upisati: %2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>Slika je veličine %1 × %2 px i nije kvadratna: ikone je dopunjuju do kvadrata.</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>Slika je veličine %1 × %2 px: ikone do %3 × %3 se povećavaju i izgledaju mutno.</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>%n nepoznata platforma: %1</numerusform>
            <numerusform>%n nepoznate platforme: %1</numerusform>
            <numerusform>%n nepoznatih platformi: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Folder %1 nije moguće kreirati.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>ikona aplikacije</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>slike početnog ekrana</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>prilagodljiva pozadina</translation>
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
        <translation>Aplikacija</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Sačuvaj izmjene</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Uredi naslov</translation>
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
        <translation>Skoro gotovo</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Procjena: preostala je %n minuta</numerusform>
            <numerusform>Procjena: preostale su %n minute</numerusform>
            <numerusform>Procjena: preostalo je %n minuta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Procjena: preostala je %n sekunda</numerusform>
            <numerusform>Procjena: preostale su %n sekunde</numerusform>
            <numerusform>Procjena: preostalo je %n sekundi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Dugme</translation>
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
        <translation>Ne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
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
        <translation>Rezultati</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation>Slike odabranih platformi pojavit će se ovdje nakon „Generiši”.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n datoteka</numerusform>
            <numerusform>%n datoteke</numerusform>
            <numerusform>%n datoteka</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation>Svi skupovi su napravljeni: %1 u %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>Nisu napravljeni svi skupovi; upisano: %1 u %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n veličina, do %1 × %2 px</numerusform>
            <numerusform>%n veličine, do %1 × %2 px</numerusform>
            <numerusform>%n veličina, do %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>Primjer slike</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>Primjer slike nije moguće upisati.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>Ništa nije generisano</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>Nema šta da se napravi.</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>Generisanje skupova ikona</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>Svi skupovi su napravljeni: %n datoteka.</numerusform>
            <numerusform>Svi skupovi su napravljeni: %n datoteke.</numerusform>
            <numerusform>Svi skupovi su napravljeni: %n datoteka.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>Generisanje nije uspjelo</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>%n skup nije moguće napraviti. Prikazane su datoteke ostalih skupova; razloge potražite u zapisniku.</numerusform>
            <numerusform>%n skupa nije moguće napraviti. Prikazane su datoteke ostalih skupova; razloge potražite u zapisniku.</numerusform>
            <numerusform>%n skupova nije moguće napraviti. Prikazane su datoteke ostalih skupova; razloge potražite u zapisniku.</numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>Skupovi ikona</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tamno</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>Aplikacije (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Aplikacije</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation>Na %1 nisu pronađene aplikacije.</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>Prijavite se korisničkim dugmetom da biste vidjeli svoje aplikacije na %1.</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Odaberite sliku</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>Slike (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Sve datoteke (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Odaberite izlazni folder</translation>
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
        <translation>Slike za instalacijski program</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Slika</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>Još nema slike: odaberite je ili je prevucite na prozor.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Odaberi…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>Platforme</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcije</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Izlazni folder</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Odaberi izlazni folder</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generiši</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>Koristi primjer slike iz projekta</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>Pozadina ikone</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>Pozadina početnog ekrana</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Zadano</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>Primjer slike</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>Odjava</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Prijava</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>Odjava korisnika %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Prijava</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Prijava</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Izreži</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiraj</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Zalijepi</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Pomoć</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>Verzija %1</translation>
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
        <translation>Prijava</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Prijavljeni ste</translation>
    </message>
</context>
</TS>
