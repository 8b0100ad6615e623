<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>Noch %n Sekunde</numerusform>
            <numerusform>Noch %n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>Noch %n Minute</numerusform>
            <numerusform>Noch %n Minuten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 – App-Ordner auswählen</translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Elementdetails</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Elementdetails</translation>
    </message>
</context>
<context>
    <name>AppSession</name>
    <message>
        <source>Download App</source>
        <translation>App herunterladen</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>%1 wird heruntergeladen</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Download abgeschlossen</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Download von %1 abgeschlossen</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Downloadfehler</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Der Ordner enthält kein gültiges App-Projekt</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>Von %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Erstellt: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Zuletzt geändert: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Weitere Elementdetails</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Besitzer &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 – App auswählen</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 ist bereits auf Ihrem lokalen System.
Möchten Sie die App erneut herunterladen?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 ist nicht auf Ihrem lokalen System.
Möchten Sie die App jetzt herunterladen?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 ist nicht auf Ihrem lokalen System.

Möchten Sie die App jetzt herunterladen?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 wurde lokal geändert. Beim Herunterladen werden die lokalen Änderungen überschrieben.

Möchten Sie die App erneut herunterladen?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 ist bereits auf Ihrem lokalen System.

Möchten Sie die App erneut herunterladen?</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>Sie haben keine Berechtigung, auf diese Ressource zuzugreifen oder diesen Vorgang auszuführen.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>Das Element ist nicht vorhanden oder nicht zugänglich.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>App nicht geändert</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Nicht verfügbar</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Vor %1 Woche(n)</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Vor %1 Tag(en)</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Vor %1 Stunde(n)</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Vor %1 Minute(n)</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Gerade eben</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 – App auswählen</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>Update verfügbar</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
    <message>
        <source>Not Signed In</source>
        <translation>Nicht angemeldet</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Portale verwalten</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Anmelden</translation>
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
        <translation>Abbrechen</translation>
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
        <translation>Keine Ergebnisse gefunden</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>%1 kann nicht gestartet werden</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Update verfügbar</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Hochladen</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Eine App hochladen, um sie mit anderen Benutzern von Varnex Online oder Varnex Portal zu teilen</translation>
    </message>
</context>
<context>
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>Wählen Sie zuerst ein Bild aus.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>Unter %1 ist kein Bild vorhanden.</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 ist ein Ordner; wählen Sie eine Bilddatei aus.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>%1 kann nicht als Bild gelesen werden: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>Wählen Sie mindestens eine Plattform aus.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>„%1“ ist keine Farbe; verwenden Sie einen Namen wie white oder einen Code wie #1d3b8f.</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>Wählen Sie einen Ausgabeordner aus.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1 ist eine Datei; wählen Sie einen Ordner für die Sets aus.</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>In %1 kann nichts geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>Das Bild ist %1 × %2 Pixel groß und nicht quadratisch: Die Icons füllen es zu einem Quadrat auf.</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>Das Bild ist %1 × %2 Pixel groß: Icons bis %3 × %3 werden hochskaliert und wirken unscharf.</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>Unbekannte Plattform: %1</numerusform>
            <numerusform>%n unbekannte Plattformen: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>App-Icon</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>Startbilder</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>adaptiver Hintergrund</translation>
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
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Titel bearbeiten</translation>
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
        <translation>Fast fertig</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Voraussichtlich noch %n Minute</numerusform>
            <numerusform>Voraussichtlich noch %n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Voraussichtlich noch %n Sekunde</numerusform>
            <numerusform>Voraussichtlich noch %n Sekunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Schaltfläche</translation>
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
        <translation>Nein</translation>
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
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation>Die Bilder der gewählten Plattformen erscheinen hier nach „Generieren“.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation>Alle Sets wurden erstellt: %1 in %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>Nicht alle Sets wurden erstellt; geschrieben wurden: %1 in %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n Größe bis %1 × %2 px</numerusform>
            <numerusform>%n Größen bis %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>Beispielbild</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>Das Beispielbild kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>Nichts generiert</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>Es gibt nichts zu erstellen.</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>Icon-Sets werden generiert</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>Alle Sets wurden erstellt: %n Datei.</numerusform>
            <numerusform>Alle Sets wurden erstellt: %n Dateien.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>Generierung fehlgeschlagen</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>%n Set konnte nicht erstellt werden. Die Dateien der anderen Sets werden angezeigt; die Gründe stehen im Protokoll.</numerusform>
            <numerusform>%n Sets konnten nicht erstellt werden. Die Dateien der anderen Sets werden angezeigt; die Gründe stehen im Protokoll.</numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>Icon-Sets</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
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
        <translation>Keine Apps auf %1 gefunden.</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>Melden Sie sich über die Benutzerschaltfläche an, um Ihre Apps auf %1 zu sehen.</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Bild auswählen</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Ausgabeordner auswählen</translation>
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
        <translation>Bilder für Installationsprogramme</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>Noch kein Bild: Wählen Sie eines aus oder legen Sie es auf dem Fenster ab.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Auswählen…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>Plattformen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Ausgabeordner auswählen</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generieren</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>Das Beispielbild des Projekts verwenden</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>Icon-Hintergrund</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>Startbild-Hintergrund</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>Beispielbild</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>%1 abmelden</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Anmelden</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Anmelden</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
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
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Angemeldet</translation>
    </message>
</context>
</TS>
