<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr" sourcelanguage="en">
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
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Pojedinosti stavke</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spremi</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Pojedinosti stavke</translation>
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
        <translation>Stvoreno: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Zadnja izmjena: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Više pojedinosti o stavci</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Vlasnik &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
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
        <translation>Preuzimanje dovršeno</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Preuzimanje aplikacije %1 dovršeno</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Pogreška preuzimanja</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Odaberi aplikaciju</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Odaberi mapu aplikacije</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Mapa ne sadrži valjani projekt aplikacije</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> Aplikacija %1 već je na vašem lokalnom sustavu.
Želite li je ponovno preuzeti?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> Aplikacija %1 nije na vašem lokalnom sustavu.
Želite li je sada preuzeti?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>Aplikacija %1 nije na vašem lokalnom sustavu.

Želite li je sada preuzeti?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>Aplikacija %1 ažurirana je lokalno. Preuzimanje će prebrisati lokalne promjene.

Želite li je ponovno preuzeti?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>Aplikacija %1 već je na vašem lokalnom sustavu.

Želite li je ponovno preuzeti?</translation>
    </message>
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
        <translation>Preuzimanje dovršeno</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Preuzimanje aplikacije %1 dovršeno</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Pogreška preuzimanja</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>Nemate dopuštenje za pristup ovom resursu ni za izvođenje ove operacije.</translation>
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
        <translation>Prije (tjedana): %1</translation>
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
        <source>Update available</source>
        <translation>Dostupno ažuriranje</translation>
    </message>
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
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Odaberi aplikaciju</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Odaberi mapu aplikacije</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Mapa ne sadrži valjani projekt aplikacije</translation>
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
        <translation>Odustani</translation>
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
        <translation>Prenesi</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Prenesite aplikaciju drugim korisnicima usluga Varnex Online ili Varnex Portal</translation>
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
        <translation>Spremi promjene</translation>
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
        <translation>Gotovo završeno</translation>
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
        <translation>Gumb</translation>
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
