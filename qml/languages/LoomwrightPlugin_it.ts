<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>Manca %n secondo</numerusform>
            <numerusform>Mancano %n secondi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>Manca %n minuto</numerusform>
            <numerusform>Mancano %n minuti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Seleziona cartella app</translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Dettagli elemento</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Dettagli elemento</translation>
    </message>
</context>
<context>
    <name>AppSession</name>
    <message>
        <source>Download App</source>
        <translation>Scarica app</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Download di %1 in corso</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Download completato</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Download di %1 completato</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Errore di download</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>La cartella non contiene un progetto di app valido</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>Di %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Creato: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Ultima modifica: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Altri dettagli dell’elemento</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Proprietario &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Seleziona app</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 è già presente nel sistema locale.
Scaricarla di nuovo?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 non è presente nel sistema locale.
Scaricarla ora?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 non è presente nel sistema locale.

Scaricarla ora?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 è stata aggiornata localmente. Il download sovrascriverà le modifiche locali.

Scaricarla di nuovo?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 è già presente nel sistema locale.

Scaricarla di nuovo?</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>Non si dispone delle autorizzazioni per accedere a questa risorsa o eseguire questa operazione.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>L’elemento non esiste o non è accessibile.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>App non modificata</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Non disponibile</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Settimane fa: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Giorni fa: %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Ore fa: %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Minuti fa: %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Poco fa</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Seleziona app</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>Aggiornamento disponibile</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
    <message>
        <source>Not Signed In</source>
        <translation>Accesso non effettuato</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Gestisci portali</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Accedi</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Nessun risultato trovato</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>Impossibile avviare %1</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Aggiornamento disponibile</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Carica un’app per condividerla con altri utenti di Varnex Online o Varnex Portal</translation>
    </message>
</context>
<context>
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>Scegliere prima un’immagine.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>Non esiste alcuna immagine in %1.</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 è una cartella; scegliere un file di immagine.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>Impossibile leggere %1 come immagine: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>Scegliere almeno una piattaforma.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>“%1” non è un colore; usare un nome come white o un codice come #1d3b8f.</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>Scegliere una cartella di destinazione.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1 è un file; scegliere una cartella per i set.</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>Impossibile scrivere in %1: %2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>L’immagine è di %1 × %2 pixel e non è quadrata: le icone la completano fino a un quadrato.</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>L’immagine è di %1 × %2 pixel: le icone fino a %3 × %3 vengono ingrandite e risultano sfocate.</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>Piattaforma sconosciuta: %1</numerusform>
            <numerusform>%n piattaforme sconosciute: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>icona dell’app</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>immagini di avvio</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>sfondo adattivo</translation>
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
        <translation>Salva modifiche</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Modifica titolo</translation>
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
        <translation>Quasi completato</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Manca circa %n minuto</numerusform>
            <numerusform>Mancano circa %n minuti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Manca circa %n secondo</numerusform>
            <numerusform>Mancano circa %n secondi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Pulsante</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
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
        <translation>Risultati</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation>Le immagini delle piattaforme scelte appaiono qui dopo “Genera”.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n file</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation>Tutti i set sono stati creati: %1 in %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>Non tutti i set sono stati creati; file scritti: %1 in %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n dimensione fino a %1 × %2 px</numerusform>
            <numerusform>%n dimensioni fino a %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>Immagine di esempio</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>Impossibile scrivere l’immagine di esempio.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>Nessun elemento generato</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>Non c’è niente da creare.</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>Generazione dei set di icone</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>Tutti i set sono stati creati: %n file.</numerusform>
            <numerusform>Tutti i set sono stati creati: %n file.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>Generazione non riuscita</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>Impossibile creare %n set. Vengono mostrati i file degli altri set; i motivi sono riportati nel log.</numerusform>
            <numerusform>Impossibile creare %n set. Vengono mostrati i file degli altri set; i motivi sono riportati nel log.</numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>Set di icone</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>App (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>App</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation>Nessuna app trovata su %1.</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>Accedere con il pulsante utente per vedere le proprie app su %1.</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Scegli un’immagine</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>Immagini (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Scegli la cartella di destinazione</translation>
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
        <translation>Immagini del programma di installazione</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>Nessuna immagine: sceglierne una o trascinarla sulla finestra.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Scegli…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>Piattaforme</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Scegli la cartella di destinazione</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Genera</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>Usa l’immagine di esempio del progetto</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>Sfondo icona</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>Sfondo schermata di avvio</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>Immagine di esempio</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Accedi</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>Esci dall’account di %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Accedi</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Accedi</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Portal: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Portale: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>UserButton</name>
    <message>
        <source>Sign In</source>
        <translation>Accedi</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Accesso effettuato</translation>
    </message>
</context>
</TS>
