<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>%n seconde restante</numerusform>
            <numerusform>%n secondes restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>%n minute restante</numerusform>
            <numerusform>%n minutes restantes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Sélectionner le dossier de l’application</translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Détails de l’élément</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Détails de l’élément</translation>
    </message>
</context>
<context>
    <name>AppSession</name>
    <message>
        <source>Download App</source>
        <translation>Télécharger l’application</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Téléchargement de %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Téléchargement terminé</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Téléchargement de %1 terminé</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Erreur de téléchargement</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Le dossier ne contient pas de projet d’application valide</translation>
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
        <translation>Par %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Créé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Dernière modification&#xa0;: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Plus de détails sur l’élément</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Propriétaire &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Sélectionner une application</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 est déjà sur votre système local.
Voulez-vous la télécharger à nouveau&#xa0;?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 n’est pas sur votre système local.
Voulez-vous la télécharger maintenant&#xa0;?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 n’est pas sur votre système local.

Voulez-vous la télécharger maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 a été modifiée localement. Le téléchargement écrasera les modifications locales.

Voulez-vous la télécharger à nouveau&#xa0;?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 est déjà sur votre système local.

Voulez-vous la télécharger à nouveau&#xa0;?</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>Vous n’êtes pas autorisé à accéder à cette ressource ou à effectuer cette opération.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>L’élément n’existe pas ou est inaccessible.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>Application non modifiée</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Non disponible</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Il y a %1 semaine(s)</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Il y a %1 jour(s)</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Il y a %1 heure(s)</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Il y a %1 minute(s)</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>À l’instant</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Sélectionner une application</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>Mise à jour disponible</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
    <message>
        <source>Not Signed In</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Gérer les portails</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Se connecter</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Aucun résultat trouvé</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>Impossible de démarrer %1</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Mise à jour disponible</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Charger une application pour la partager avec d’autres utilisateurs de Varnex Online ou de Varnex Portal</translation>
    </message>
</context>
<context>
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>Choisissez d’abord une image.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>Il n’y a pas d’image à l’emplacement %1.</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 est un dossier&#xa0;; choisissez un fichier image.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>Impossible de lire %1 comme image&#xa0;: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>Choisissez au moins une plateforme.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une couleur&#xa0;; utilisez un nom comme white ou un code comme #1d3b8f.</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>Choisissez un dossier de sortie.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1 est un fichier&#xa0;; choisissez un dossier pour les jeux d’icônes.</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>Impossible d’écrire dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>L’image mesure %1 × %2 pixels et n’est pas carrée&#xa0;: les icônes la complètent pour former un carré.</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>L’image mesure %1 × %2 pixels&#xa0;: les icônes jusqu’à %3 × %3 sont agrandies et paraîtront floues.</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>%n plateforme inconnue&#xa0;: %1</numerusform>
            <numerusform>%n plateformes inconnues&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>icône d’application</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>images de lancement</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>arrière-plan adaptatif</translation>
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
        <translation>Application</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Enregistrer les modifications</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Modifier le titre</translation>
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
        <translation>Presque terminé</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Environ %n minute restante</numerusform>
            <numerusform>Environ %n minutes restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Environ %n seconde restante</numerusform>
            <numerusform>Environ %n secondes restantes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Bouton</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
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
        <translation>%1&#xa0;o</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1&#xa0;Kio</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1&#xa0;Mio</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation>Les images des plateformes choisies s’affichent ici après «&#xa0;Générer&#xa0;».</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation>Tous les jeux ont été créés&#xa0;: %1 dans %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>Tous les jeux n’ont pas été créés&#xa0;; fichiers écrits&#xa0;: %1 dans %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n taille jusqu’à %1 × %2 px</numerusform>
            <numerusform>%n tailles jusqu’à %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>Image d’exemple</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>Impossible d’écrire l’image d’exemple.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>Rien n’a été généré</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>Il n’y a rien à créer.</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>Génération des jeux d’icônes</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>Tous les jeux ont été créés&#xa0;: %n fichier.</numerusform>
            <numerusform>Tous les jeux ont été créés&#xa0;: %n fichiers.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>Échec de la génération</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>%n jeu n’a pas pu être créé. Les fichiers des autres jeux sont affichés&#xa0;; consultez le journal pour en connaître les raisons.</numerusform>
            <numerusform>%n jeux n’ont pas pu être créés. Les fichiers des autres jeux sont affichés&#xa0;; consultez le journal pour en connaître les raisons.</numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>Jeux d’icônes</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>Applications (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation>Aucune application trouvée sur %1.</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>Connectez-vous avec le bouton utilisateur pour voir vos applications sur %1.</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>Images (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Choisir le dossier de sortie</translation>
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
        <translation>Images du programme d’installation</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>Pas encore d’image&#xa0;: choisissez-en une ou déposez-la sur la fenêtre.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>Plateformes</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Générer</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>Utiliser l’image d’exemple du projet</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>Arrière-plan de l’icône</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>Arrière-plan de l’écran de lancement</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>Image d’exemple</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>Déconnecter %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Se connecter</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Se connecter</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
        <translation>Portail&#xa0;: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>UserButton</name>
    <message>
        <source>Sign In</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Connecté</translation>
    </message>
</context>
</TS>
