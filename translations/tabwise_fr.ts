<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Autostart</name>
    <message>
        <source>The program&apos;s own file is not known.</source>
        <translation>Impossible de déterminer le fichier exécutable du programme.</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>The folder cannot be read.</source>
        <translation>Impossible de lire le dossier.</translation>
    </message>
    <message>
        <source>This is a link to %1, which does not exist.</source>
        <translation>Ceci est un lien vers %1, qui n&apos;existe pas.</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The file in the destination is a link to %1, which does not exist.</source>
        <translation>Le fichier présent dans la destination est un lien vers %1, qui n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The file in the destination is read-only.</source>
        <translation>Le fichier présent dans la destination est en lecture seule.</translation>
    </message>
    <message>
        <source>The destination holds a folder of this name.</source>
        <translation>La destination contient un dossier portant ce nom.</translation>
    </message>
    <message>
        <source>This is not a folder.</source>
        <translation>Ce n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Le dossier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Nothing was backed up.</source>
        <translation>Rien n&apos;a été sauvegardé.</translation>
    </message>
    <message>
        <source>Nothing was restored.</source>
        <translation>Rien n&apos;a été restauré.</translation>
    </message>
    <message>
        <source>The backup folder is the program&apos;s own folder:
%1

The page files cannot be backed up onto themselves. Choose another folder.</source>
        <translation>Le dossier de sauvegarde est le dossier du programme lui-même&#xa0;:
%1

Les fichiers des pages ne peuvent pas être sauvegardés sur eux-mêmes. Choisissez un autre dossier.</translation>
    </message>
    <message>
        <source>The backup folder is the program&apos;s own folder:
%1

The page files cannot be restored onto themselves. Choose another folder.</source>
        <translation>Le dossier de sauvegarde est le dossier du programme lui-même&#xa0;:
%1

Les fichiers des pages ne peuvent pas être restaurés sur eux-mêmes. Choisissez un autre dossier.</translation>
    </message>
    <message>
        <source>There is no page file (*.ntr) in
%1

%2</source>
        <translation>Il n&apos;y a aucun fichier de page (*.ntr) dans
%1

%2</translation>
    </message>
    <message>
        <source>The backup into
%1
is not complete.</source>
        <translation>La sauvegarde dans
%1
est incomplète.</translation>
    </message>
    <message>
        <source>The restore from
%1
is not complete.</source>
        <translation>La restauration depuis
%1
est incomplète.</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <extracomment>What a backup or restore did copy, by file name (&quot;notes.ntr, web.ntr&quot;), or &quot;none&quot;</extracomment>
        <translation>Copiés&#xa0;: %1</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no page file copied</comment>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Not copied:</source>
        <translation>Non copiés&#xa0;:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A page file that was not copied, and why (&quot;web.ntr: The file in the destination is read-only.&quot;)</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>In the backup folder, %1 was a link to a file elsewhere: the copy took the link&apos;s place, and the file it led to is as it was.</source>
        <extracomment>%1 names the page files (&quot;email.ntr&quot; or &quot;email.ntr, web.ntr&quot;); the form follows how many they are</extracomment>
        <translation>
            <numerusform>Dans le dossier de sauvegarde, %1 était un lien vers un fichier situé ailleurs&#xa0;: la copie a pris la place du lien, et le fichier vers lequel il pointait est resté tel quel.</numerusform>
            <numerusform>Dans le dossier de sauvegarde, %1 étaient des liens vers des fichiers situés ailleurs&#xa0;: les copies ont pris la place des liens, et les fichiers vers lesquels ils pointaient sont restés tels quels.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Tabwise, a notebook of five tabbed pages.</source>
        <translation>Tabwise, un bloc-notes de cinq pages à onglets.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Show the program&apos;s name and version.</source>
        <translation>Affiche le nom et la version du programme.</translation>
    </message>
    <message>
        <source>Show the window, starting Tabwise if needed.</source>
        <translation>Affiche la fenêtre, en lançant Tabwise si nécessaire.</translation>
    </message>
    <message>
        <source>Hide the window when it is shown and active, else show it; starts Tabwise if needed.</source>
        <translation>Masque la fenêtre si elle est affichée et active, sinon l&apos;affiche&#xa0;; lance Tabwise si nécessaire.</translation>
    </message>
    <message>
        <source>--show and --toggle cannot be used together.</source>
        <extracomment>--show and --toggle are options of the command and stay as they are</extracomment>
        <translation>--show et --toggle ne peuvent pas être utilisées ensemble.</translation>
    </message>
</context>
<context>
    <name>Drafts</name>
    <message>
        <source>The file is damaged.</source>
        <translation>Le fichier est endommagé.</translation>
    </message>
    <message>
        <source>No draft to add to.</source>
        <translation>Aucun brouillon à compléter.</translation>
    </message>
</context>
<context>
    <name>Entries</name>
    <message>
        <source>&quot;%1&quot; is not opened: only web addresses (http:// or https://) are opened from this page.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas été ouvert&#xa0;: seules les adresses web (http:// ou https://) s&apos;ouvrent depuis cette page.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une adresse web.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not opened: only one e-mail address such as name@example.org starts a mail message.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas été ouvert&#xa0;: un message ne peut être rédigé que pour une seule adresse électronique, comme nom@example.org.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened: the desktop has no program to open it with.</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;»&#xa0;: le bureau ne dispose d&apos;aucun programme pour l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>An empty entry cannot be opened.</source>
        <translation>Une entrée vide ne peut pas être ouverte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not opened: it is a number, not an address.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas été ouvert&#xa0;: c&apos;est un numéro, pas une adresse.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened.</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>GlobalKey</name>
    <message>
        <source>the keyboard has no such key</source>
        <translation>le clavier ne comporte pas cette touche</translation>
    </message>
    <message>
        <source>another program holds it</source>
        <translation>un autre programme l&apos;utilise déjà</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The help file %1 does not exist.</source>
        <translation>Le fichier d&apos;aide %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The help file %1 cannot be read.</source>
        <translation>Impossible de lire le fichier d&apos;aide %1.</translation>
    </message>
    <message>
        <source>The file %1 is not a compiled help file, or it is damaged.</source>
        <translation>Le fichier %1 n&apos;est pas un fichier d&apos;aide compilé, ou il est endommagé.</translation>
    </message>
    <message>
        <source>The help file %1 holds no pages.</source>
        <translation>Le fichier d&apos;aide %1 ne contient aucune page.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Found</source>
        <extracomment>A version of a page kept in its history: as the page file was found at a start</extracomment>
        <translation>Trouvée</translation>
    </message>
    <message>
        <source>Saved</source>
        <extracomment>A version of a page kept in its history: as the user saved it</extracomment>
        <translation>Enregistrée</translation>
    </message>
    <message>
        <source>Changed on disk (kept as &quot;%1&quot;)</source>
        <extracomment>A version of a page kept in its history: another program changed the file, and the version was kept beside the page as a file of this name</extracomment>
        <translation>Modifiée sur le disque (conservée sous «&#xa0;%1&#xa0;»)</translation>
    </message>
    <message>
        <source>Changed on disk</source>
        <extracomment>A version of a page kept in its history: another program changed the file</extracomment>
        <translation>Modifiée sur le disque</translation>
    </message>
    <message>
        <source>Before restore from %1</source>
        <extracomment>A version of a page kept in its history: the page as it was before a restore from this folder</extracomment>
        <translation>Avant restauration depuis %1</translation>
    </message>
    <message>
        <source>Restored from %1</source>
        <extracomment>A version of a page kept in its history: the page as a restore from this folder brought it</extracomment>
        <translation>Restaurée depuis %1</translation>
    </message>
    <message>
        <source>%1 lacks functions the history needs</source>
        <translation>%1 ne dispose pas des fonctions nécessaires à l&apos;historique</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>aucune raison indiquée</translation>
    </message>
    <message>
        <source>It is not a folder.</source>
        <translation>Ce n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>It could not be deleted.</source>
        <translation>Impossible de le supprimer.</translation>
    </message>
    <message>
        <source>Packing was stopped.</source>
        <translation>Le compactage a été interrompu.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A step of the history that failed, then the reason</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The history cannot be read</source>
        <translation>Impossible de lire l&apos;historique</translation>
    </message>
    <message>
        <source>The history cannot be opened</source>
        <translation>Impossible d&apos;ouvrir l&apos;historique</translation>
    </message>
    <message>
        <source>The history needs libgit2, which cannot be loaded: %1</source>
        <translation>L&apos;historique a besoin de la bibliothèque libgit2, qui ne peut pas être chargée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The history cannot be created</source>
        <translation>Impossible de créer l&apos;historique</translation>
    </message>
    <message>
        <source>The history was damaged (%1). It was set aside as %2, and a new history was begun.</source>
        <extracomment>%1 is what was wrong, %2 the folder it was moved to</extracomment>
        <translation>L&apos;historique était endommagé (%1). Il a été mis de côté dans %2 et un nouvel historique a été créé.</translation>
    </message>
    <message>
        <source>A version of %1 could not be kept</source>
        <translation>Impossible de conserver une version de %1</translation>
    </message>
    <message>
        <source>The history of %1 cannot be read</source>
        <translation>Impossible de lire l&apos;historique de %1</translation>
    </message>
    <message>
        <source>The version of %1 cannot be read</source>
        <extracomment>%1 is the date and time the version was kept</extracomment>
        <translation>Impossible de lire la version du %1</translation>
    </message>
    <message>
        <source>Old versions could not be dropped</source>
        <translation>Impossible de supprimer les anciennes versions</translation>
    </message>
    <message>
        <source>+%1 -%2 lines</source>
        <extracomment>Lines added and removed since the version before: &quot;+3 -1 lines&quot;</extracomment>
        <translation>+%1 -%2 lignes</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Tabwise</source>
        <extracomment>The title of the program&apos;s message boxes: the program&apos;s name</extracomment>
        <translation>Tabwise</translation>
    </message>
</context>
<context>
    <name>PageDocument</name>
    <message>
        <source>The page could not be saved:

%1</source>
        <translation>Impossible d&apos;enregistrer la page&#xa0;:

%1</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>This is a folder, not a page file.</source>
        <translation>C&apos;est un dossier, pas un fichier de page.</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Notes</source>
        <extracomment>The first tab&apos;s name until the user gives it another</extracomment>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Phone Numbers</source>
        <extracomment>The second tab&apos;s name until the user gives it another</extracomment>
        <translation>Téléphones</translation>
    </message>
    <message>
        <source>Email Addresses</source>
        <extracomment>The third tab&apos;s name until the user gives it another: one e-mail address a line</extracomment>
        <translation>Courriels</translation>
    </message>
    <message>
        <source>Web Sites</source>
        <extracomment>The fourth tab&apos;s name until the user gives it another: one web address a line</extracomment>
        <translation>Sites web</translation>
    </message>
    <message>
        <source>Other</source>
        <extracomment>The fifth tab&apos;s name until the user gives it another: a page for anything else</extracomment>
        <translation>Divers</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The printer &quot;%1&quot; did not take the document:

%2</source>
        <extracomment>%2 is the printing system&apos;s own reason</extracomment>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;a pas accepté le document&#xa0;:

%2</translation>
    </message>
    <message>
        <source>The file could not be written:

%1</source>
        <translation>Impossible d&apos;écrire le fichier&#xa0;:

%1</translation>
    </message>
    <message>
        <source>No file was chosen to print to.</source>
        <translation>Aucun fichier de destination n&apos;a été choisi pour l&apos;impression.</translation>
    </message>
    <message>
        <source>The printer did not accept the document.</source>
        <translation>L&apos;imprimante n&apos;a pas accepté le document.</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Aucune imprimante n&apos;est installée.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available.</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>The document cannot be printed: the CUPS library cannot be loaded (%1).</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Impossible d&apos;imprimer le document&#xa0;: la bibliothèque CUPS ne peut pas être chargée (%1).</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings file %1 cannot be written.</source>
        <translation>Impossible d&apos;écrire le fichier de configuration %1.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a valid settings file.</source>
        <translation>Le fichier %1 n&apos;est pas un fichier de configuration valide.</translation>
    </message>
</context>
<context>
    <name>Spelling</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A spelling dictionary&apos;s name: its language, then where or how it is written (&quot;English (US)&quot;)</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>The spelling language that checks nothing</extracomment>
        <translation>Désactivée</translation>
    </message>
    <message>
        <source>The dictionary file %1 cannot be read.</source>
        <translation>Impossible de lire le fichier de dictionnaire %1.</translation>
    </message>
    <message>
        <source>The dictionary %1 is written in the character set %2, which this program cannot read.</source>
        <translation>Le dictionnaire %1 est écrit dans le jeu de caractères %2, que ce programme ne sait pas lire.</translation>
    </message>
    <message>
        <source>The personal dictionary cannot be read: %1</source>
        <translation>Impossible de lire le dictionnaire personnel&#xa0;: %1</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Ce n&apos;est pas un fichier.</translation>
    </message>
    <message numerus="yes">
        <source>It is larger than %n MB.</source>
        <translation>
            <numerusform>Il dépasse %n Mo.</numerusform>
            <numerusform>Il dépasse %n Mo.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a word that the personal dictionary can hold.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un mot que le dictionnaire personnel peut contenir.</translation>
    </message>
    <message>
        <source>Its folder cannot be made.</source>
        <translation>Impossible de créer son dossier.</translation>
    </message>
</context>
<context>
    <name>TextMenu</name>
    <message>
        <source>&amp;Discard Unsaved Typing</source>
        <translation>A&amp;bandonner la saisie non enregistrée</translation>
    </message>
    <message>
        <source>Discard the unsaved typing on %1? It cannot be brought back.</source>
        <extracomment>%1 is the page&apos;s name</extracomment>
        <translation>Abandonner la saisie non enregistrée de la page «&#xa0;%1&#xa0;»&#xa0;? Elle ne pourra pas être récupérée.</translation>
    </message>
    <message>
        <source>(No Suggestions)</source>
        <translation>(Aucune suggestion)</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>Ajouter au &amp;dictionnaire</translation>
    </message>
    <message>
        <source>The word could not be added to your dictionary:

%1</source>
        <translation>Impossible d&apos;ajouter le mot à votre dictionnaire&#xa0;:

%1</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>I&amp;gnorer</translation>
    </message>
    <message>
        <source>Check Spelling: No Dictionary Installed</source>
        <translation>Vérification orthographique&#xa0;: aucun dictionnaire installé</translation>
    </message>
    <message>
        <source>Check Spelling: Off in the Options</source>
        <translation>Vérification orthographique&#xa0;: désactivée dans les options</translation>
    </message>
    <message>
        <source>Check &amp;Spelling</source>
        <translation>&amp;Vérification orthographique</translation>
    </message>
</context>
<context>
    <name>Titles</name>
    <message>
        <source>Tabwise (%1)</source>
        <extracomment>The window&apos;s title: the program&apos;s name and the current tab&apos;s name, or the word &quot;Options&quot;</extracomment>
        <translation>Tabwise (%1)</translation>
    </message>
    <message>
        <source>&amp;Edit %1</source>
        <extracomment>A page&apos;s command, Edit and the page&apos;s name (&quot;&amp;Edit Notes&quot;); &amp; marks the access key (Alt+E)</extracomment>
        <translation>&amp;Modifier %1</translation>
    </message>
    <message>
        <source>&amp;Save %1</source>
        <extracomment>A page&apos;s command, Save and the page&apos;s name (&quot;&amp;Save Notes&quot;); &amp; marks the access key (Alt+S)</extracomment>
        <translation>&amp;Enregistrer %1</translation>
    </message>
    <message>
        <source>&amp;Print %1</source>
        <extracomment>A page&apos;s command, Print and the page&apos;s name (&quot;&amp;Print Notes&quot;); &amp; marks the access key (Alt+P)</extracomment>
        <translation>&amp;Imprimer %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <extracomment>What a screen reader calls a page whose tab has no name: &quot;Page 1&quot; to &quot;Page 5&quot;</extracomment>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>The program&apos;s version in the About panel: major, minor and revision number (&quot;Version 1.0.10&quot;)</extracomment>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>Volumes</name>
    <message>
        <source>Home (%1)</source>
        <extracomment>The drive list&apos;s entry for the user&apos;s home folder: &quot;Home (/home/ann)&quot;</extracomment>
        <translation>Dossier personnel (%1)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The drive list&apos;s entry for a removable drive: its label, then where it is mounted (&quot;STICK (/media/ann/STICK)&quot;)</extracomment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>WindowSystemNote</name>
    <message>
        <source>Not on Wayland</source>
        <extracomment>Beside an option (Stay on top) that the Wayland desktop does not allow</extracomment>
        <translation>Pas sous Wayland</translation>
    </message>
    <message>
        <source>Wayland does not let a program keep its window above others or place it on the screen: the desktop decides.</source>
        <translation>Wayland ne permet pas à un programme de garder sa fenêtre au-dessus des autres ni de la placer à l&apos;écran&#xa0;: c&apos;est le bureau qui décide.</translation>
    </message>
</context>
<context>
    <name>tabwise::AboutPanel</name>
    <message>
        <source>About Tabwise</source>
        <translation>À propos de Tabwise</translation>
    </message>
    <message>
        <source>Tabwise</source>
        <extracomment>The About panel&apos;s heading: the program&apos;s name</extracomment>
        <translation>Tabwise</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <extracomment>The About panel&apos;s button that closes it</extracomment>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>tabwise::BackupPanel</name>
    <message>
        <source>Backup your Notes</source>
        <translation>Sauvegarde de vos notes</translation>
    </message>
    <message>
        <source>&amp;Backup Now</source>
        <translation>&amp;Sauvegarder</translation>
    </message>
    <message>
        <source>Restore &amp;Now</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>Drive</source>
        <extracomment>What a screen reader calls the list of drives to back up onto</extracomment>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Folder</source>
        <extracomment>What a screen reader calls the list of folders to back up into</extracomment>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>New Folder</source>
        <extracomment>The button that makes a new folder in the open one</extracomment>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>The new folder could not be made:

%1</source>
        <translation>Impossible de créer le nouveau dossier&#xa0;:

%1</translation>
    </message>
    <message>
        <source>The folder could not be renamed:

%1</source>
        <translation>Impossible de renommer le dossier&#xa0;:

%1</translation>
    </message>
    <message>
        <source>The selected drive is not available.</source>
        <translation>Le lecteur sélectionné n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>This will execute the backup now!

Confirm?</source>
        <translation>La sauvegarde va être effectuée maintenant&#xa0;!

Confirmer&#xa0;?</translation>
    </message>
    <message>
        <source>The backup is complete, but its folder could not be remembered:

%1</source>
        <translation>La sauvegarde est terminée, mais son dossier n&apos;a pas pu être mémorisé&#xa0;:

%1</translation>
    </message>
    <message numerus="yes">
        <source>Backed up %n page file(s) to %1.</source>
        <translation>
            <numerusform>%n fichier de page sauvegardé dans %1.</numerusform>
            <numerusform>%n fichiers de page sauvegardés dans %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>This will execute the restore now!

The pages are replaced by those in:
%1

Confirm?</source>
        <translation>La restauration va être effectuée maintenant&#xa0;!

Les pages seront remplacées par celles de&#xa0;:
%1

Confirmer&#xa0;?</translation>
    </message>
    <message>
        <source>The pages could not be kept before the restore, so nothing was restored.

%1</source>
        <translation>Les pages n&apos;ont pas pu être conservées avant la restauration&#xa0;; rien n&apos;a donc été restauré.

%1</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n page file(s) from %1.</source>
        <translation>
            <numerusform>%n fichier de page restauré depuis %1.</numerusform>
            <numerusform>%n fichiers de page restaurés depuis %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The pages as they were before are kept in:
%1
and in each page&apos;s history (History, %2).</source>
        <extracomment>%2 is the key that opens a page&apos;s history (Ctrl+H)</extracomment>
        <translation>Les pages telles qu&apos;elles étaient auparavant sont conservées dans&#xa0;:
%1
et dans l&apos;historique de chaque page (Historique, %2).</translation>
    </message>
</context>
<context>
    <name>tabwise::FindBar</name>
    <message>
        <source>Find</source>
        <extracomment>The find bar&apos;s field, and what it shows while empty</extracomment>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Previous Match (%1)</source>
        <extracomment>%1 is the key (Shift+F3)</extracomment>
        <translation>Occurrence précédente (%1)</translation>
    </message>
    <message>
        <source>Next Match (%1)</source>
        <extracomment>%1 is the key (F3)</extracomment>
        <translation>Occurrence suivante (%1)</translation>
    </message>
    <message>
        <source>Match Case</source>
        <translation>Respecter la casse</translation>
    </message>
    <message>
        <source>Aa</source>
        <extracomment>The find bar&apos;s toggle for matching case: a capital and a small letter</extracomment>
        <translation>Aa</translation>
    </message>
    <message>
        <source>Close (%1)</source>
        <extracomment>%1 is the key (Escape)</extracomment>
        <translation>Fermer (%1)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Aucune occurrence</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n</source>
        <extracomment>The find bar&apos;s count: the match selected, of how many in the page (&quot;3 of 12&quot;)</extracomment>
        <translation>
            <numerusform>%1 sur %n</numerusform>
            <numerusform>%1 sur %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n match(es)</source>
        <translation>
            <numerusform>%n occurrence</numerusform>
            <numerusform>%n occurrences</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tabwise::FindPanel</name>
    <message>
        <source>Find in All Pages</source>
        <translation>Rechercher dans toutes les pages</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Respecter la &amp;casse</translation>
    </message>
    <message>
        <source>Find in all pages</source>
        <translation>Rechercher dans toutes les pages</translation>
    </message>
    <message>
        <source>Lines found</source>
        <translation>Lignes trouvées</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A line found: its number in the page, then its text (&quot;12: Anna Smith&quot;)</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Aucun résultat</translation>
    </message>
    <message numerus="yes">
        <source>More than %n line(s); the first of each page are listed</source>
        <translation>
            <numerusform>Plus de %n ligne&#xa0;; seules les premières de chaque page sont affichées</numerusform>
            <numerusform>Plus de %n lignes&#xa0;; seules les premières de chaque page sont affichées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s)</source>
        <translation>
            <numerusform>%n ligne</numerusform>
            <numerusform>%n lignes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tabwise::FolderList</name>
    <message>
        <source>New Folder</source>
        <extracomment>The name a new folder gets until the user types another</extracomment>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>A folder&apos;s name cannot be empty, &quot;.&quot;, &quot;..&quot; or hold a &quot;/&quot;.</source>
        <translation>Le nom d&apos;un dossier ne peut être ni vide, ni «&#xa0;.&#xa0;», ni «&#xa0;..&#xa0;», et ne peut pas contenir de «&#xa0;/&#xa0;».</translation>
    </message>
</context>
<context>
    <name>tabwise::FolderWatch</name>
    <message>
        <source>The folder does not exist (a removable disk may have been taken out).</source>
        <translation>Le dossier n&apos;existe pas (un disque amovible a peut-être été retiré).</translation>
    </message>
    <message>
        <source>This is not a folder.</source>
        <translation>Ce n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>The folder cannot be read.</source>
        <translation>Impossible de lire le dossier.</translation>
    </message>
</context>
<context>
    <name>tabwise::HelpWindow</name>
    <message>
        <source>Tabwise Help</source>
        <translation>Aide de Tabwise</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Goes back to the help page shown before</extracomment>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Shows the help&apos;s first page, its table of contents</extracomment>
        <translation>S&amp;ommaire</translation>
    </message>
</context>
<context>
    <name>tabwise::HistoryOptions</name>
    <message>
        <source>Clear &amp;History...</source>
        <translation>&amp;Vider l&apos;historique...</translation>
    </message>
    <message>
        <source>Keep his&amp;tory:</source>
        <extracomment>Before the list of how long earlier versions of the pages are kept (Forever, One year, 90 days, ...)</extracomment>
        <translation>&amp;Historique&#xa0;:</translation>
    </message>
    <message>
        <source>Keep history</source>
        <translation>Durée de conservation de l&apos;historique</translation>
    </message>
    <message>
        <source>Forever</source>
        <extracomment>How long earlier versions of the pages are kept</extracomment>
        <translation>Illimité</translation>
    </message>
    <message>
        <source>One year</source>
        <extracomment>How long earlier versions of the pages are kept</extracomment>
        <translation>Un an</translation>
    </message>
    <message>
        <source>Deletes every earlier version of every page</source>
        <translation>Supprime toutes les versions antérieures de toutes les pages</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <extracomment>How long earlier versions of the pages are kept: &quot;90 days&quot;</extracomment>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear the history of all pages?

Every earlier version of every page is deleted for good, including any text you have since removed from a page, such as a password typed by mistake. This cannot be undone. The pages themselves stay as they are.</source>
        <translation>Vider l&apos;historique de toutes les pages&#xa0;?

Toutes les versions antérieures de toutes les pages seront définitivement supprimées, y compris tout texte que vous avez depuis retiré d&apos;une page, comme un mot de passe saisi par erreur. Cette action est irréversible. Les pages elles-mêmes restent telles quelles.</translation>
    </message>
    <message>
        <source>&amp;Clear History</source>
        <extracomment>The answers to &quot;Clear the history of all pages?&quot;</extracomment>
        <translation>&amp;Vider l&apos;historique</translation>
    </message>
    <message>
        <source>&amp;Keep It</source>
        <translation>&amp;Conserver</translation>
    </message>
</context>
<context>
    <name>tabwise::HistoryPanel</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Date and time</source>
        <extracomment>Columns of the list of a page&apos;s versions: when it was kept, why, its size, the lines changed</extracomment>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Cause</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifications</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Versions</translation>
    </message>
    <message>
        <source>Text of the selected version</source>
        <translation>Texte de la version sélectionnée</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>History of %1</source>
        <extracomment>%1 is the page&apos;s name</extracomment>
        <translation>Historique de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Reading the versions of this page...</source>
        <translation>Lecture des versions de cette page...</translation>
    </message>
    <message>
        <source>The history could not be read:

%1</source>
        <translation>Impossible de lire l&apos;historique&#xa0;:

%1</translation>
    </message>
    <message>
        <source>No version of this page has been kept yet.</source>
        <translation>Aucune version de cette page n&apos;a encore été conservée.</translation>
    </message>
    <message>
        <source>Reading this version...</source>
        <translation>Lecture de cette version...</translation>
    </message>
    <message>
        <source>This version could not be read:

%1</source>
        <translation>Impossible de lire cette version&#xa0;:

%1</translation>
    </message>
    <message>
        <source>Every line of this version is in the page as it is now.</source>
        <translation>Toutes les lignes de cette version figurent dans la page actuelle.</translation>
    </message>
    <message>
        <source>Marked lines are not in the page as it is now.</source>
        <translation>Les lignes marquées ne figurent pas dans la page actuelle.</translation>
    </message>
</context>
<context>
    <name>tabwise::KeyField</name>
    <message>
        <source>Show/hide key: bind
tabwise --toggle
in the desktop&apos;s settings</source>
        <extracomment>In the place of the show/hide key where the desktop gives programs no keys; tabwise --toggle is a command and stays as it is</extracomment>
        <translation>Raccourci global&#xa0;: à définir
pour tabwise --toggle
dans les réglages du bureau</translation>
    </message>
    <message>
        <source>This desktop gives programs no keys of their own: let its keyboard shortcut settings run tabwise --toggle to show and hide the window.</source>
        <translation>Ce bureau n&apos;accorde pas de raccourcis propres aux programmes&#xa0;: dans ses réglages de raccourcis clavier, créez un raccourci qui exécute tabwise --toggle pour afficher et masquer la fenêtre.</translation>
    </message>
    <message>
        <source>Show/hide &amp;key:</source>
        <extracomment>Above the field of the key that shows and hides the window from any program</extracomment>
        <translation>Raccourci &amp;global&#xa0;:</translation>
    </message>
    <message>
        <source>Key that shows and hides the window from anywhere</source>
        <translation>Raccourci qui affiche et masque la fenêtre depuis n&apos;importe où</translation>
    </message>
    <message>
        <source>Shows and hides the window from any program</source>
        <translation>Affiche et masque la fenêtre depuis n&apos;importe quel programme</translation>
    </message>
    <message>
        <source>Clear the key</source>
        <translation>Effacer le raccourci</translation>
    </message>
</context>
<context>
    <name>tabwise::ListBox</name>
    <message>
        <source>&amp;Open</source>
        <extracomment>An entry&apos;s context menu: opens the web page or writes a mail to the address</extracomment>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>An entry&apos;s context menu: copies the entry</extracomment>
        <translation>&amp;Copier</translation>
    </message>
</context>
<context>
    <name>tabwise::MainWindow</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds typing that is not saved. Put the chosen version in its place?</source>
        <extracomment>%1 is the page&apos;s name</extracomment>
        <translation>La page «&#xa0;%1&#xa0;» contient une saisie non enregistrée. La remplacer par la version choisie&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Keep My Typing</source>
        <translation>&amp;Garder ma saisie</translation>
    </message>
    <message>
        <source>&amp;Replace It</source>
        <translation>&amp;Remplacer</translation>
    </message>
</context>
<context>
    <name>tabwise::NoteBar</name>
    <message>
        <source>Close note</source>
        <translation>Fermer le message</translation>
    </message>
</context>
<context>
    <name>tabwise::OptionsPanel</name>
    <message>
        <source>Program Options</source>
        <translation>Options du programme</translation>
    </message>
    <message>
        <source>Start Program Minimized</source>
        <translation>Démarrer réduit</translation>
    </message>
    <message>
        <source>Start at Log-on</source>
        <translation>Lancer à la connexion</translation>
    </message>
    <message>
        <source>Stay on top</source>
        <translation>Au premier plan</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <extracomment>The options panel&apos;s button that stores the options and closes the panel</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>The options panel&apos;s button that closes it without storing anything</extracomment>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Tab Options</source>
        <translation>Options des onglets</translation>
    </message>
    <message>
        <source>Name of tab %1</source>
        <translation>Nom de l&apos;onglet %1</translation>
    </message>
    <message>
        <source>Show tab %1</source>
        <translation>Afficher l&apos;onglet %1</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>The heading of the tab table&apos;s column of boxes that show or hide each tab</extracomment>
        <translation>Voir</translation>
    </message>
    <message>
        <source>Tab Description</source>
        <extracomment>The heading of the tab table&apos;s column of the tabs&apos; names</extracomment>
        <translation>Nom de l&apos;onglet</translation>
    </message>
    <message>
        <source>Current Tab</source>
        <extracomment>The heading of the tab table&apos;s column that numbers the tabs, &quot;(Tab #1)&quot; to &quot;(Tab #5)&quot;</extracomment>
        <translation>Position</translation>
    </message>
    <message>
        <source>(Tab #%1)</source>
        <extracomment>A row of the tab table: the number of the tab it names</extracomment>
        <translation>(onglet %1)</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>The window&apos;s title while the options panel is open: &quot;Tabwise (Options)&quot;</extracomment>
        <translation>Options</translation>
    </message>
    <message>
        <source>Tabwise could not be set to start at log-on:

%1</source>
        <translation>Impossible de configurer Tabwise pour qu&apos;il se lance à la connexion&#xa0;:

%1</translation>
    </message>
    <message>
        <source>Tabwise could not be kept from starting at log-on:

%1</source>
        <translation>Impossible d&apos;empêcher Tabwise de se lancer à la connexion&#xa0;:

%1</translation>
    </message>
</context>
<context>
    <name>tabwise::PageDocument</name>
    <message>
        <source>The folder cannot be reached. Your typing is kept.</source>
        <translation>Le dossier est inaccessible. Votre saisie est conservée.</translation>
    </message>
    <message>
        <source>%1

The file cannot be read, so saving could replace text you have not seen.</source>
        <extracomment>%1 names the file and why it cannot be read</extracomment>
        <translation>%1

Le fichier est illisible&#xa0;: l&apos;enregistrer pourrait remplacer du texte que vous n&apos;avez pas vu.</translation>
    </message>
    <message>
        <source>The other version could not be kept, so the page was not saved:

%1</source>
        <translation>L&apos;autre version n&apos;a pas pu être conservée&#xa0;; la page n&apos;a donc pas été enregistrée&#xa0;:

%1</translation>
    </message>
</context>
<context>
    <name>tabwise::PageKeeper</name>
    <message>
        <source>The history of your pages could not be written, so earlier versions may be missing from it:

%1

Your pages are saved as usual.</source>
        <translation>Impossible d&apos;écrire l&apos;historique de vos pages&#xa0;; des versions antérieures risquent donc d&apos;y manquer&#xa0;:

%1

Vos pages sont enregistrées normalement.</translation>
    </message>
    <message>
        <source>The history of your pages is cleared.</source>
        <translation>L&apos;historique de vos pages a été vidé.</translation>
    </message>
    <message>
        <source>The history of your pages could not be cleared completely:

%1</source>
        <translation>L&apos;historique de vos pages n&apos;a pas pu être entièrement vidé&#xa0;:

%1</translation>
    </message>
    <message>
        <source>%1

It was kept aside as:
%2</source>
        <extracomment>%1 is what is wrong with a draft file, %2 where it was put</extracomment>
        <translation>%1

Le fichier a été mis de côté sous&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Unsaved typing kept from the last session could not be read:

%1</source>
        <translation>Impossible de lire la saisie non enregistrée conservée de la dernière session&#xa0;:

%1</translation>
    </message>
    <message>
        <source>These pages hold unsaved typing and still show it: %1

Save asks whether to keep the restored version beside your typing.</source>
        <extracomment>%1 lists the pages&apos; names</extracomment>
        <translation>Ces pages contiennent une saisie non enregistrée, qui reste affichée&#xa0;: %1

À l&apos;enregistrement, il vous sera demandé s&apos;il faut conserver la version restaurée à côté de votre saisie.</translation>
    </message>
    <message>
        <source>The folder of your pages cannot be reached: %1
%2
What you see is kept, and nothing is saved there until the folder is back.</source>
        <extracomment>%1 is the folder, %2 the reason</extracomment>
        <translation>Le dossier de vos pages est inaccessible&#xa0;: %1
%2
Ce qui est affiché est conservé, et rien n&apos;y sera enregistré tant que le dossier ne sera pas de nouveau accessible.</translation>
    </message>
    <message>
        <source>Your typing could not be kept in a draft, so a crash could lose it:

%1

Save the page to keep it.</source>
        <translation>Votre saisie n&apos;a pas pu être conservée dans un brouillon&#xa0;; elle pourrait être perdue en cas de plantage&#xa0;:

%1

Enregistrez la page pour la conserver.</translation>
    </message>
</context>
<context>
    <name>tabwise::PagePrinter</name>
    <message>
        <source>The page could not be printed.

%1</source>
        <translation>Impossible d&apos;imprimer la page.

%1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Stops the printing of a page</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancel printing</source>
        <translation>Annuler l&apos;impression</translation>
    </message>
    <message>
        <source>Printing %1: %2 % done, page %3.</source>
        <extracomment>%1 is the page&apos;s name, %2 how many per cent are done, %3 the number of the sheet being printed</extracomment>
        <translation>Impression de «&#xa0;%1&#xa0;»&#xa0;: %2&#xa0;% effectués, page %3.</translation>
    </message>
</context>
<context>
    <name>tabwise::PageView</name>
    <message>
        <source>The page could not be read:

%1</source>
        <translation>Impossible de lire la page&#xa0;:

%1</translation>
    </message>
    <message>
        <source>This page&apos;s file cannot be read; what you see is kept.
%1</source>
        <translation>Le fichier de cette page est illisible&#xa0;; ce qui est affiché est conservé.
%1</translation>
    </message>
    <message>
        <source>Changed on disk by another program. Your typing is kept; Save asks which version to keep.</source>
        <translation>Fichier modifié sur le disque par un autre programme. Votre saisie est conservée&#xa0;; à l&apos;enregistrement, vous choisirez la version à garder.</translation>
    </message>
    <message>
        <source>Unsaved typing from the last session was restored. Save keeps it.</source>
        <translation>La saisie non enregistrée de la dernière session a été restaurée. Enregistrez pour la conserver.</translation>
    </message>
    <message>
        <source>The other program&apos;s version was kept as &quot;%1&quot;.</source>
        <extracomment>%1 is the name of the copy, a file beside the page&apos;s</extracomment>
        <translation>La version de l&apos;autre programme a été conservée sous «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed on disk by another program since this page was read.

Keep both: your typing becomes the page, and the other version is kept beside it as &quot;%2&quot;.</source>
        <extracomment>%1 is the page&apos;s name, %2 the name of the copy made of the other version</extracomment>
        <translation>La page «&#xa0;%1&#xa0;» a été modifiée sur le disque par un autre programme depuis sa lecture.

Conserver les deux&#xa0;: votre saisie devient la page, et l&apos;autre version est conservée à côté sous «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Keep &amp;Both</source>
        <translation>Conserver les &amp;deux</translation>
    </message>
    <message>
        <source>&amp;Replace It</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>There has been a error!

%1</source>
        <extracomment>The message of a list that could not be written, as it has always been worded</extracomment>
        <translation>Une erreur s&apos;est produite&#xa0;!

%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>tabwise::PortalGlobalKey</name>
    <message>
        <source>the desktop did not open a shortcut session</source>
        <translation>le bureau n&apos;a pas ouvert de session de raccourcis</translation>
    </message>
    <message>
        <source>Show or hide the Tabwise window</source>
        <translation>Afficher ou masquer la fenêtre de Tabwise</translation>
    </message>
    <message>
        <source>the desktop did not grant it</source>
        <translation>le bureau ne l&apos;a pas autorisé</translation>
    </message>
</context>
<context>
    <name>tabwise::ShowHideKey</name>
    <message>
        <source>Tabwise cannot use the key %1 to show and hide its window: %2.

Choose another key in the options.</source>
        <extracomment>%2 says why, in words such as &quot;another program holds it&quot;</extracomment>
        <translation>Tabwise ne peut pas utiliser le raccourci %1 pour afficher et masquer sa fenêtre&#xa0;: %2.

Choisissez un autre raccourci dans les options.</translation>
    </message>
</context>
<context>
    <name>tabwise::SpellingChoice</name>
    <message>
        <source>S&amp;pelling:</source>
        <extracomment>Before the list of spelling dictionaries (Off, English (US), ...)</extracomment>
        <translation>&amp;Dictionnaire&#xa0;:</translation>
    </message>
    <message>
        <source>Spelling dictionary</source>
        <translation>Dictionnaire orthographique</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed (Debian: hunspell-en-us, hunspell-de-de, ...).</source>
        <translation>Aucun dictionnaire orthographique n&apos;est installé (Debian&#xa0;: hunspell-fr, hunspell-en-us, ...).</translation>
    </message>
</context>
<context>
    <name>tabwise::SplashScreen</name>
    <message>
        <source>Platform: %1</source>
        <extracomment>%1 is the operating system&apos;s name</extracomment>
        <translation>Plateforme&#xa0;: %1</translation>
    </message>
    <message>
        <source>Made by the %1</source>
        <extracomment>The splash&apos;s notice line; %1 is the maker&apos;s name (&quot;Tabwise team&quot;)</extracomment>
        <translation>Réalisé par %1</translation>
    </message>
    <message>
        <source>Tabwise team</source>
        <translation>l&apos;équipe Tabwise</translation>
    </message>
</context>
<context>
    <name>tabwise::TabControl</name>
    <message>
        <source>%1 (unsaved typing)</source>
        <extracomment>A tab&apos;s tooltip while its page holds typing that is not saved: the tab&apos;s name, then the note</extracomment>
        <translation>%1 (saisie non enregistrée)</translation>
    </message>
</context>
<context>
    <name>tabwise::TrayIcon</name>
    <message>
        <source>Tabwise</source>
        <extracomment>The tray icon&apos;s tip: the program&apos;s name</extracomment>
        <translation>Tabwise</translation>
    </message>
</context>
<context>
    <name>tabwise::WindowActions</name>
    <message>
        <source>&amp;Save</source>
        <extracomment>Saves the current page</extracomment>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <extracomment>Prints the current page</extracomment>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Rechercher le &amp;suivant</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>Rechercher le &amp;précédent</translation>
    </message>
    <message>
        <source>Find in &amp;All Pages...</source>
        <translation>Rechercher dans &amp;toutes les pages...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <extracomment>Opens the earlier versions of the current page</extracomment>
        <translation>&amp;Historique...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <extracomment>The tray menu&apos;s entry that opens the options panel</extracomment>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>The tray menu&apos;s entry that opens the About panel</extracomment>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <extracomment>The tray menu&apos;s entry that brings the window back from the tray (not a restore of a backup)</extracomment>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>Show/&amp;Hide</source>
        <translation>Afficher/&amp;masquer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>The tray menu&apos;s entry that ends the program</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
</context>
</TS>
