<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>Nog %n seconde</numerusform>
            <numerusform>Nog %n seconden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>Nog %n minuut</numerusform>
            <numerusform>Nog %n minuten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - App-map selecteren</translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Itemdetails</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Itemdetails</translation>
    </message>
</context>
<context>
    <name>AppSession</name>
    <message>
        <source>Download App</source>
        <translation>App downloaden</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>%1 wordt gedownload</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Downloaden voltooid</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Downloaden van %1 voltooid</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Downloadfout</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>De map bevat geen geldig app-project</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>Door %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Gemaakt: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Laatst gewijzigd: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Meer itemdetails</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Eigenaar &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - App selecteren</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 staat al op uw lokale systeem.
Wilt u deze opnieuw downloaden?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 staat niet op uw lokale systeem.
Wilt u deze nu downloaden?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 staat niet op uw lokale systeem.

Wilt u deze nu downloaden?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 is lokaal bijgewerkt. Downloaden overschrijft de lokale wijzigingen.

Wilt u deze opnieuw downloaden?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 staat al op uw lokale systeem.

Wilt u deze opnieuw downloaden?</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>U hebt geen machtiging om deze bron te openen of deze bewerking uit te voeren.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>Het item bestaat niet of is niet toegankelijk.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>App niet gewijzigd</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Niet beschikbaar</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Weken geleden: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Dagen geleden: %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Uren geleden: %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Minuten geleden: %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Zojuist</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - App selecteren</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>Update beschikbaar</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
    <message>
        <source>Not Signed In</source>
        <translation>Niet aangemeld</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Portals beheren</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Afmelden</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Aanmelden</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
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
        <translation>Geen resultaten gevonden</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>Kan %1 niet starten</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Bijwerken</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Update beschikbaar</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Uploaden</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Een app uploaden voor andere gebruikers van Varnex Online of Varnex Portal</translation>
    </message>
</context>
<context>
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>Kies eerst een afbeelding.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>Er is geen afbeelding op %1.</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 is een map; kies een afbeeldingsbestand.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>%1 kan niet als afbeelding worden gelezen: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>Kies ten minste één platform.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>‘%1’ is geen kleur; gebruik een naam zoals white of een code zoals #1d3b8f.</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>Kies een uitvoermap.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1 is een bestand; kies een map voor de sets.</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>Er kan niets naar %1 worden geschreven: %2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>De afbeelding is %1 × %2 pixels en niet vierkant: de pictogrammen vullen haar aan tot een vierkant.</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>De afbeelding is %1 × %2 pixels: pictogrammen tot %3 × %3 worden vergroot en zien er onscherp uit.</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>Onbekend platform: %1</numerusform>
            <numerusform>%n onbekende platforms: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>De map %1 kan niet worden gemaakt.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>app-pictogram</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>startafbeeldingen</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>adaptieve achtergrond</translation>
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
        <translation>App</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Wijzigingen opslaan</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Titel bewerken</translation>
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
        <translation>Bijna klaar</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Nog ongeveer %n minuut</numerusform>
            <numerusform>Nog ongeveer %n minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Nog ongeveer %n seconde</numerusform>
            <numerusform>Nog ongeveer %n seconden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Knop</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
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
        <translation>Resultaten</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation>De afbeeldingen van de gekozen platforms verschijnen hier na ‘Genereren’.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n bestand</numerusform>
            <numerusform>%n bestanden</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation>Alle sets zijn gemaakt: %1 in %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>Niet alle sets zijn gemaakt; geschreven: %1 in %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n formaat tot %1 × %2 px</numerusform>
            <numerusform>%n formaten tot %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>Voorbeeldafbeelding</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>De voorbeeldafbeelding kan niet worden geschreven.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>Niets gegenereerd</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>Er is niets te maken.</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>Pictogramsets genereren</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>Alle sets zijn gemaakt: %n bestand.</numerusform>
            <numerusform>Alle sets zijn gemaakt: %n bestanden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>Genereren mislukt</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>%n set kon niet worden gemaakt. De bestanden van de andere sets worden getoond; zie het logboek voor de redenen.</numerusform>
            <numerusform>%n sets konden niet worden gemaakt. De bestanden van de andere sets worden getoond; zie het logboek voor de redenen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>Pictogramsets</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Donker</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>Apps (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation>Geen apps gevonden op %1.</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>Meld u aan met de gebruikersknop om uw apps op %1 te zien.</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Een afbeelding kiezen</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>Afbeeldingen (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>De uitvoermap kiezen</translation>
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
        <translation>Afbeeldingen voor het installatieprogramma</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Afbeelding</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>Nog geen afbeelding: kies er een of sleep deze naar het venster.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Kiezen…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>Platforms</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Uitvoermap</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>De uitvoermap kiezen</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Genereren</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>De voorbeeldafbeelding van het project gebruiken</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>Achtergrond van pictogram</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>Achtergrond van startscherm</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>Voorbeeldafbeelding</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>Afmelden</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Aanmelden</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>%1 afmelden</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Aanmelden</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Aanmelden</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Knippen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
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
        <translation>Aanmelden</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Aangemeld</translation>
    </message>
</context>
</TS>
