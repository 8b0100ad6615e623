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
        <source>%1 - Select App</source>
        <translation>%1 – App auswählen</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 – App-Ordner auswählen</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Der Ordner enthält kein gültiges App-Projekt</translation>
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
        <source>Update available</source>
        <translation>Update verfügbar</translation>
    </message>
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
    <message>
        <source>%1 - Select App</source>
        <translation>%1 – App auswählen</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 – App-Ordner auswählen</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Der Ordner enthält kein gültiges App-Projekt</translation>
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
        <translation>Eine App für andere Benutzer von Varnex Online oder Varnex Portal hochladen</translation>
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
