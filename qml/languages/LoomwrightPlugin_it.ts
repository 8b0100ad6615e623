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
        <translation>Altri dettagli dell&apos;elemento</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Proprietario &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
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
        <source>%1 - Select App</source>
        <translation>%1 - Seleziona app</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Seleziona cartella app</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>La cartella non contiene un progetto di app valido</translation>
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
        <translation>Proprio ora</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Aggiornamento disponibile</translation>
    </message>
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
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Seleziona app</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Seleziona cartella app</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>La cartella non contiene un progetto di app valido</translation>
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
        <translation>Carica un’app per altri utenti di Varnex Online o Varnex Portal</translation>
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
        <translation>Quasi finito</translation>
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
        <translation>Disconnetti %1</translation>
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
        <translation>Aiuto</translation>
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
