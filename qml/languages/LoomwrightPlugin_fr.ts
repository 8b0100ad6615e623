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
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Détails de l&apos;élément</translation>
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
        <translation>Détails de l&apos;élément</translation>
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
        <translation>Plus de détails sur l&apos;élément</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Propriétaire &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
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
        <source>%1 - Select App</source>
        <translation>%1 - Sélectionner une application</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Sélectionner le dossier de l’application</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Le dossier ne contient pas de projet d’application valide</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 est déjà sur votre système local.
Voulez-vous la télécharger à nouveau ?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 n’est pas sur votre système local.
Voulez-vous la télécharger maintenant ?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 n’est pas sur votre système local.

Voulez-vous la télécharger maintenant ?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 a été modifiée localement. Le téléchargement écrasera les modifications locales.

Voulez-vous la télécharger à nouveau ?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 est déjà sur votre système local.

Voulez-vous la télécharger à nouveau ?</translation>
    </message>
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
        <translation>Semaines écoulées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Jours écoulés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Heures écoulées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Minutes écoulées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>À l&apos;instant</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Mise à jour disponible</translation>
    </message>
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
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Sélectionner une application</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Sélectionner le dossier de l’application</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Le dossier ne contient pas de projet d’application valide</translation>
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
        <translation>Partager une application avec d’autres utilisateurs de Varnex Online ou de Varnex Portal</translation>
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
        <translation>Portail: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
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
