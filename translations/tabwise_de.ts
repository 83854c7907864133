<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Autostart</name>
    <message>
        <source>The program&apos;s own file is not known.</source>
        <translation>Der Pfad der Programmdatei ist nicht bekannt.</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>The folder cannot be read.</source>
        <translation>Der Ordner kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>This is a link to %1, which does not exist.</source>
        <translation>Dies ist eine Verknüpfung auf %1; dieses Ziel existiert nicht.</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>Dies ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>The file in the destination is a link to %1, which does not exist.</source>
        <translation>Die Datei im Zielordner ist eine Verknüpfung auf %1; dieses Ziel existiert nicht.</translation>
    </message>
    <message>
        <source>The file in the destination is read-only.</source>
        <translation>Die Datei im Zielordner ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The destination holds a folder of this name.</source>
        <translation>Im Zielordner gibt es einen Ordner mit diesem Namen.</translation>
    </message>
    <message>
        <source>This is not a folder.</source>
        <translation>Dies ist kein Ordner.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Der Ordner existiert nicht.</translation>
    </message>
    <message>
        <source>Nothing was backed up.</source>
        <translation>Es wurde nichts gesichert.</translation>
    </message>
    <message>
        <source>Nothing was restored.</source>
        <translation>Es wurde nichts zurückgespielt.</translation>
    </message>
    <message>
        <source>The backup folder is the program&apos;s own folder:
%1

The page files cannot be backed up onto themselves. Choose another folder.</source>
        <translation>Der Sicherungsordner ist der Ordner des Programms selbst:
%1

Die Seitendateien können nicht auf sich selbst gesichert werden. Wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>The backup folder is the program&apos;s own folder:
%1

The page files cannot be restored onto themselves. Choose another folder.</source>
        <translation>Der Sicherungsordner ist der Ordner des Programms selbst:
%1

Die Seitendateien können nicht auf sich selbst zurückgespielt werden. Wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>There is no page file (*.ntr) in
%1

%2</source>
        <translation>Es gibt keine Seitendatei (*.ntr) in
%1

%2</translation>
    </message>
    <message>
        <source>The backup into
%1
is not complete.</source>
        <translation>Die Sicherung in
%1
ist unvollständig.</translation>
    </message>
    <message>
        <source>The restore from
%1
is not complete.</source>
        <translation>Das Zurückspielen aus
%1
ist unvollständig.</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <extracomment>What a backup or restore did copy, by file name (&quot;notes.ntr, web.ntr&quot;), or &quot;none&quot;</extracomment>
        <translation>Kopiert: %1</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no page file copied</comment>
        <translation>keine</translation>
    </message>
    <message>
        <source>Not copied:</source>
        <translation>Nicht kopiert:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A page file that was not copied, and why (&quot;web.ntr: The file in the destination is read-only.&quot;)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>In the backup folder, %1 was a link to a file elsewhere: the copy took the link&apos;s place, and the file it led to is as it was.</source>
        <extracomment>%1 names the page files (&quot;email.ntr&quot; or &quot;email.ntr, web.ntr&quot;); the form follows how many they are</extracomment>
        <translation>
            <numerusform>Im Sicherungsordner war %1 eine Verknüpfung auf eine Datei an anderer Stelle: Die Kopie hat die Verknüpfung ersetzt, und die Datei, auf die sie verwies, ist unverändert.</numerusform>
            <numerusform>Im Sicherungsordner waren %1 Verknüpfungen auf Dateien an anderer Stelle: Die Kopien haben die Verknüpfungen ersetzt, und die Dateien, auf die sie verwiesen, sind unverändert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Tabwise, a notebook of five tabbed pages.</source>
        <translation>Tabwise, ein Notizbuch mit fünf Seiten in Tabs.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>Show the program&apos;s name and version.</source>
        <translation>Name und Version des Programms anzeigen.</translation>
    </message>
    <message>
        <source>Show the window, starting Tabwise if needed.</source>
        <translation>Das Fenster anzeigen; startet Tabwise bei Bedarf.</translation>
    </message>
    <message>
        <source>Hide the window when it is shown and active, else show it; starts Tabwise if needed.</source>
        <translation>Das Fenster ausblenden, wenn es angezeigt wird und aktiv ist, sonst anzeigen; startet Tabwise bei Bedarf.</translation>
    </message>
    <message>
        <source>--show and --toggle cannot be used together.</source>
        <extracomment>--show and --toggle are options of the command and stay as they are</extracomment>
        <translation>--show und --toggle können nicht zusammen verwendet werden.</translation>
    </message>
</context>
<context>
    <name>Drafts</name>
    <message>
        <source>The file is damaged.</source>
        <translation>Die Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>No draft to add to.</source>
        <translation>Es gibt keinen Entwurf, an den angefügt werden kann.</translation>
    </message>
</context>
<context>
    <name>Entries</name>
    <message>
        <source>&quot;%1&quot; is not opened: only web addresses (http:// or https://) are opened from this page.</source>
        <translation>„%1“ wird nicht geöffnet: Von dieser Seite aus werden nur Webadressen (http:// oder https://) geöffnet.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address.</source>
        <translation>„%1“ ist keine Webadresse.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not opened: only one e-mail address such as name@example.org starts a mail message.</source>
        <translation>„%1“ wird nicht geöffnet: Nur eine einzelne E-Mail-Adresse wie name@example.org öffnet eine neue E-Mail.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened: the desktop has no program to open it with.</source>
        <translation>„%1“ konnte nicht geöffnet werden: Die Arbeitsumgebung hat kein Programm, mit dem es sich öffnen lässt.</translation>
    </message>
    <message>
        <source>An empty entry cannot be opened.</source>
        <translation>Ein leerer Eintrag kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not opened: it is a number, not an address.</source>
        <translation>„%1“ wird nicht geöffnet: Das ist eine Zahl, keine Adresse.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened.</source>
        <translation>„%1“ kann nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>GlobalKey</name>
    <message>
        <source>the keyboard has no such key</source>
        <translation>die Tastatur hat keine solche Taste</translation>
    </message>
    <message>
        <source>another program holds it</source>
        <translation>ein anderes Programm belegt es</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The help file %1 does not exist.</source>
        <translation>Die Hilfedatei %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The help file %1 cannot be read.</source>
        <translation>Die Hilfedatei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file %1 is not a compiled help file, or it is damaged.</source>
        <translation>Die Datei %1 ist keine kompilierte Hilfedatei oder sie ist beschädigt.</translation>
    </message>
    <message>
        <source>The help file %1 holds no pages.</source>
        <translation>Die Hilfedatei %1 enthält keine Seiten.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Found</source>
        <extracomment>A version of a page kept in its history: as the page file was found at a start</extracomment>
        <translation>Vorgefunden</translation>
    </message>
    <message>
        <source>Saved</source>
        <extracomment>A version of a page kept in its history: as the user saved it</extracomment>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Changed on disk (kept as &quot;%1&quot;)</source>
        <extracomment>A version of a page kept in its history: another program changed the file, and the version was kept beside the page as a file of this name</extracomment>
        <translation>Extern geändert (aufbewahrt als „%1“)</translation>
    </message>
    <message>
        <source>Changed on disk</source>
        <extracomment>A version of a page kept in its history: another program changed the file</extracomment>
        <translation>Extern geändert</translation>
    </message>
    <message>
        <source>Before restore from %1</source>
        <extracomment>A version of a page kept in its history: the page as it was before a restore from this folder</extracomment>
        <translation>Vor dem Zurückspielen aus %1</translation>
    </message>
    <message>
        <source>Restored from %1</source>
        <extracomment>A version of a page kept in its history: the page as a restore from this folder brought it</extracomment>
        <translation>Zurückgespielt aus %1</translation>
    </message>
    <message>
        <source>%1 lacks functions the history needs</source>
        <translation>Der Bibliothek %1 fehlen Funktionen, die der Verlauf benötigt</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>kein Grund angegeben</translation>
    </message>
    <message>
        <source>It is not a folder.</source>
        <translation>Dies ist kein Ordner.</translation>
    </message>
    <message>
        <source>It could not be deleted.</source>
        <translation>Das Löschen ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Packing was stopped.</source>
        <translation>Das Packen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A step of the history that failed, then the reason</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The history cannot be read</source>
        <translation>Der Verlauf kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The history cannot be opened</source>
        <translation>Der Verlauf kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The history needs libgit2, which cannot be loaded: %1</source>
        <translation>Der Verlauf benötigt die Bibliothek libgit2, die nicht geladen werden kann: %1</translation>
    </message>
    <message>
        <source>The history cannot be created</source>
        <translation>Der Verlauf kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The history was damaged (%1). It was set aside as %2, and a new history was begun.</source>
        <extracomment>%1 is what was wrong, %2 the folder it was moved to</extracomment>
        <translation>Der Verlauf war beschädigt (%1). Er wurde unter %2 beiseitegelegt, und ein neuer Verlauf wurde begonnen.</translation>
    </message>
    <message>
        <source>A version of %1 could not be kept</source>
        <translation>Eine Version von %1 konnte nicht aufbewahrt werden</translation>
    </message>
    <message>
        <source>The history of %1 cannot be read</source>
        <translation>Der Verlauf von %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The version of %1 cannot be read</source>
        <extracomment>%1 is the date and time the version was kept</extracomment>
        <translation>Die Version vom %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Old versions could not be dropped</source>
        <translation>Alte Versionen konnten nicht entfernt werden</translation>
    </message>
    <message>
        <source>+%1 -%2 lines</source>
        <extracomment>Lines added and removed since the version before: &quot;+3 -1 lines&quot;</extracomment>
        <translation>+%1 -%2 Zeilen</translation>
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
        <translation>Die Seite konnte nicht gespeichert werden:

%1</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>This is a folder, not a page file.</source>
        <translation>Dies ist ein Ordner, keine Seitendatei.</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>Dies ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>Notes</source>
        <extracomment>The first tab&apos;s name until the user gives it another</extracomment>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Phone Numbers</source>
        <extracomment>The second tab&apos;s name until the user gives it another</extracomment>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Email Addresses</source>
        <extracomment>The third tab&apos;s name until the user gives it another: one e-mail address a line</extracomment>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Web Sites</source>
        <extracomment>The fourth tab&apos;s name until the user gives it another: one web address a line</extracomment>
        <translation>Websites</translation>
    </message>
    <message>
        <source>Other</source>
        <extracomment>The fifth tab&apos;s name until the user gives it another: a page for anything else</extracomment>
        <translation>Sonstiges</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The printer &quot;%1&quot; did not take the document:

%2</source>
        <extracomment>%2 is the printing system&apos;s own reason</extracomment>
        <translation>Der Drucker „%1“ hat das Dokument nicht angenommen:

%2</translation>
    </message>
    <message>
        <source>The file could not be written:

%1</source>
        <translation>Die Datei konnte nicht geschrieben werden:

%1</translation>
    </message>
    <message>
        <source>No file was chosen to print to.</source>
        <translation>Es wurde keine Datei gewählt, in die gedruckt werden soll.</translation>
    </message>
    <message>
        <source>The printer did not accept the document.</source>
        <translation>Der Drucker hat das Dokument nicht angenommen.</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Es ist kein Drucker installiert.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available.</source>
        <translation>Der Drucker „%1“ ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>The document cannot be printed: the CUPS library cannot be loaded (%1).</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Das Dokument kann nicht gedruckt werden: Die CUPS-Bibliothek kann nicht geladen werden (%1).</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings file %1 cannot be written.</source>
        <translation>Die Einstellungsdatei %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a valid settings file.</source>
        <translation>Die Einstellungsdatei %1 ist keine gültige Einstellungsdatei.</translation>
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
        <translation>Aus</translation>
    </message>
    <message>
        <source>The dictionary file %1 cannot be read.</source>
        <translation>Die Wörterbuchdatei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The dictionary %1 is written in the character set %2, which this program cannot read.</source>
        <translation>Das Wörterbuch %1 verwendet den Zeichensatz %2, den dieses Programm nicht lesen kann.</translation>
    </message>
    <message>
        <source>The personal dictionary cannot be read: %1</source>
        <translation>Das persönliche Wörterbuch kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Es ist keine Datei.</translation>
    </message>
    <message numerus="yes">
        <source>It is larger than %n MB.</source>
        <translation>
            <numerusform>Es ist größer als %n MB.</numerusform>
            <numerusform>Es ist größer als %n MB.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a word that the personal dictionary can hold.</source>
        <translation>„%1“ ist kein Wort, das im persönlichen Wörterbuch stehen kann.</translation>
    </message>
    <message>
        <source>Its folder cannot be made.</source>
        <translation>Der zugehörige Ordner kann nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>TextMenu</name>
    <message>
        <source>&amp;Discard Unsaved Typing</source>
        <translation>Ungespeicherte &amp;Eingaben verwerfen</translation>
    </message>
    <message>
        <source>Discard the unsaved typing on %1? It cannot be brought back.</source>
        <extracomment>%1 is the page&apos;s name</extracomment>
        <translation>Die ungespeicherten Eingaben auf der Seite „%1“ verwerfen? Sie lassen sich nicht wiederherstellen.</translation>
    </message>
    <message>
        <source>(No Suggestions)</source>
        <translation>(Keine Vorschläge)</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>Zum &amp;Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <source>The word could not be added to your dictionary:

%1</source>
        <translation>Das Wort konnte nicht zu Ihrem Wörterbuch hinzugefügt werden:

%1</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorieren</translation>
    </message>
    <message>
        <source>Check Spelling: No Dictionary Installed</source>
        <translation>Rechtschreibprüfung: kein Wörterbuch installiert</translation>
    </message>
    <message>
        <source>Check Spelling: Off in the Options</source>
        <translation>Rechtschreibprüfung: in den Einstellungen ausgeschaltet</translation>
    </message>
    <message>
        <source>Check &amp;Spelling</source>
        <translation>Rechtschreib&amp;prüfung</translation>
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
        <translation>%1 &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Save %1</source>
        <extracomment>A page&apos;s command, Save and the page&apos;s name (&quot;&amp;Save Notes&quot;); &amp; marks the access key (Alt+S)</extracomment>
        <translation>%1 &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Print %1</source>
        <extracomment>A page&apos;s command, Print and the page&apos;s name (&quot;&amp;Print Notes&quot;); &amp; marks the access key (Alt+P)</extracomment>
        <translation>%1 &amp;drucken</translation>
    </message>
    <message>
        <source>Page %1</source>
        <extracomment>What a screen reader calls a page whose tab has no name: &quot;Page 1&quot; to &quot;Page 5&quot;</extracomment>
        <translation>Seite %1</translation>
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
        <translation>Persönlicher Ordner (%1)</translation>
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
        <translation>Nicht unter Wayland</translation>
    </message>
    <message>
        <source>Wayland does not let a program keep its window above others or place it on the screen: the desktop decides.</source>
        <translation>Unter Wayland kann ein Programm sein Fenster weder über anderen halten noch auf dem Bildschirm platzieren: Das entscheidet die Arbeitsumgebung.</translation>
    </message>
</context>
<context>
    <name>tabwise::AboutPanel</name>
    <message>
        <source>About Tabwise</source>
        <translation>Über Tabwise</translation>
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
        <translation>Ihre Notizen sichern</translation>
    </message>
    <message>
        <source>&amp;Backup Now</source>
        <translation>Jetzt &amp;sichern</translation>
    </message>
    <message>
        <source>Restore &amp;Now</source>
        <translation>&amp;Zurückspielen</translation>
    </message>
    <message>
        <source>Drive</source>
        <extracomment>What a screen reader calls the list of drives to back up onto</extracomment>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Folder</source>
        <extracomment>What a screen reader calls the list of folders to back up into</extracomment>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>New Folder</source>
        <extracomment>The button that makes a new folder in the open one</extracomment>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>The new folder could not be made:

%1</source>
        <translation>Der neue Ordner konnte nicht erstellt werden:

%1</translation>
    </message>
    <message>
        <source>The folder could not be renamed:

%1</source>
        <translation>Der Ordner konnte nicht umbenannt werden:

%1</translation>
    </message>
    <message>
        <source>The selected drive is not available.</source>
        <translation>Das ausgewählte Laufwerk ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>This will execute the backup now!

Confirm?</source>
        <translation>Die Sicherung wird jetzt ausgeführt!

Fortfahren?</translation>
    </message>
    <message>
        <source>The backup is complete, but its folder could not be remembered:

%1</source>
        <translation>Die Sicherung ist abgeschlossen, aber der Sicherungsordner konnte nicht in den Einstellungen gespeichert werden:

%1</translation>
    </message>
    <message numerus="yes">
        <source>Backed up %n page file(s) to %1.</source>
        <translation>
            <numerusform>%n Seitendatei wurde in %1 gesichert.</numerusform>
            <numerusform>%n Seitendateien wurden in %1 gesichert.</numerusform>
        </translation>
    </message>
    <message>
        <source>This will execute the restore now!

The pages are replaced by those in:
%1

Confirm?</source>
        <translation>Die Sicherung wird jetzt zurückgespielt!

Die Seiten werden ersetzt durch die Seiten in:
%1

Fortfahren?</translation>
    </message>
    <message>
        <source>The pages could not be kept before the restore, so nothing was restored.

%1</source>
        <translation>Die Seiten konnten vor dem Zurückspielen nicht gesichert werden, daher wurde nichts zurückgespielt.

%1</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n page file(s) from %1.</source>
        <translation>
            <numerusform>%n Seitendatei wurde aus %1 zurückgespielt.</numerusform>
            <numerusform>%n Seitendateien wurden aus %1 zurückgespielt.</numerusform>
        </translation>
    </message>
    <message>
        <source>The pages as they were before are kept in:
%1
and in each page&apos;s history (History, %2).</source>
        <extracomment>%2 is the key that opens a page&apos;s history (Ctrl+H)</extracomment>
        <translation>Die Seiten im vorherigen Zustand sind aufbewahrt in:
%1
sowie im Verlauf jeder Seite (Verlauf, %2).</translation>
    </message>
</context>
<context>
    <name>tabwise::FindBar</name>
    <message>
        <source>Find</source>
        <extracomment>The find bar&apos;s field, and what it shows while empty</extracomment>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Previous Match (%1)</source>
        <extracomment>%1 is the key (Shift+F3)</extracomment>
        <translation>Vorheriger Treffer (%1)</translation>
    </message>
    <message>
        <source>Next Match (%1)</source>
        <extracomment>%1 is the key (F3)</extracomment>
        <translation>Nächster Treffer (%1)</translation>
    </message>
    <message>
        <source>Match Case</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Aa</source>
        <extracomment>The find bar&apos;s toggle for matching case: a capital and a small letter</extracomment>
        <translation>Aa</translation>
    </message>
    <message>
        <source>Close (%1)</source>
        <extracomment>%1 is the key (Escape)</extracomment>
        <translation>Schließen (%1)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Keine Treffer</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n</source>
        <extracomment>The find bar&apos;s count: the match selected, of how many in the page (&quot;3 of 12&quot;)</extracomment>
        <translation>
            <numerusform>%1 von %n</numerusform>
            <numerusform>%1 von %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n match(es)</source>
        <translation>
            <numerusform>%n Treffer</numerusform>
            <numerusform>%n Treffer</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tabwise::FindPanel</name>
    <message>
        <source>Find in All Pages</source>
        <translation>In allen Seiten suchen</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Find in all pages</source>
        <translation>In allen Seiten suchen</translation>
    </message>
    <message>
        <source>Lines found</source>
        <translation>Gefundene Zeilen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A line found: its number in the page, then its text (&quot;12: Anna Smith&quot;)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Keine Treffer</translation>
    </message>
    <message numerus="yes">
        <source>More than %n line(s); the first of each page are listed</source>
        <translation>
            <numerusform>Mehr als %n Zeile; die ersten jeder Seite werden aufgeführt</numerusform>
            <numerusform>Mehr als %n Zeilen; die ersten jeder Seite werden aufgeführt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s)</source>
        <translation>
            <numerusform>%n Zeile</numerusform>
            <numerusform>%n Zeilen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tabwise::FolderList</name>
    <message>
        <source>New Folder</source>
        <extracomment>The name a new folder gets until the user types another</extracomment>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>A folder&apos;s name cannot be empty, &quot;.&quot;, &quot;..&quot; or hold a &quot;/&quot;.</source>
        <translation>Ein Ordnername darf nicht leer, „.“ oder „..“ sein und keinen „/“ enthalten.</translation>
    </message>
</context>
<context>
    <name>tabwise::FolderWatch</name>
    <message>
        <source>The folder does not exist (a removable disk may have been taken out).</source>
        <translation>Der Ordner existiert nicht (möglicherweise wurde ein Wechseldatenträger entfernt).</translation>
    </message>
    <message>
        <source>This is not a folder.</source>
        <translation>Dies ist kein Ordner.</translation>
    </message>
    <message>
        <source>The folder cannot be read.</source>
        <translation>Der Ordner kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>tabwise::HelpWindow</name>
    <message>
        <source>Tabwise Help</source>
        <translation>Tabwise-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Goes back to the help page shown before</extracomment>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Shows the help&apos;s first page, its table of contents</extracomment>
        <translation>&amp;Inhalt</translation>
    </message>
</context>
<context>
    <name>tabwise::HistoryOptions</name>
    <message>
        <source>Clear &amp;History...</source>
        <translation>Verlauf &amp;leeren...</translation>
    </message>
    <message>
        <source>Keep his&amp;tory:</source>
        <extracomment>Before the list of how long earlier versions of the pages are kept (Forever, One year, 90 days, ...)</extracomment>
        <translation>&amp;Verlauf behalten:</translation>
    </message>
    <message>
        <source>Keep history</source>
        <translation>Verlauf behalten</translation>
    </message>
    <message>
        <source>Forever</source>
        <extracomment>How long earlier versions of the pages are kept</extracomment>
        <translation>Für immer</translation>
    </message>
    <message>
        <source>One year</source>
        <extracomment>How long earlier versions of the pages are kept</extracomment>
        <translation>Ein Jahr</translation>
    </message>
    <message>
        <source>Deletes every earlier version of every page</source>
        <translation>Löscht alle früheren Versionen aller Seiten</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <extracomment>How long earlier versions of the pages are kept: &quot;90 days&quot;</extracomment>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear the history of all pages?

Every earlier version of every page is deleted for good, including any text you have since removed from a page, such as a password typed by mistake. This cannot be undone. The pages themselves stay as they are.</source>
        <translation>Den Verlauf aller Seiten leeren?

Alle früheren Versionen aller Seiten werden endgültig gelöscht, auch Text, den Sie inzwischen aus einer Seite entfernt haben, etwa ein versehentlich eingegebenes Passwort. Dies kann nicht rückgängig gemacht werden. Die Seiten selbst bleiben unverändert.</translation>
    </message>
    <message>
        <source>&amp;Clear History</source>
        <extracomment>The answers to &quot;Clear the history of all pages?&quot;</extracomment>
        <translation>Verlauf &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;Keep It</source>
        <translation>&amp;Behalten</translation>
    </message>
</context>
<context>
    <name>tabwise::HistoryPanel</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Date and time</source>
        <extracomment>Columns of the list of a page&apos;s versions: when it was kept, why, its size, the lines changed</extracomment>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Cause</source>
        <translation>Anlass</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Versionen</translation>
    </message>
    <message>
        <source>Text of the selected version</source>
        <translation>Text der ausgewählten Version</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>History of %1</source>
        <extracomment>%1 is the page&apos;s name</extracomment>
        <translation>Verlauf von „%1“</translation>
    </message>
    <message>
        <source>Reading the versions of this page...</source>
        <translation>Die Versionen dieser Seite werden gelesen...</translation>
    </message>
    <message>
        <source>The history could not be read:

%1</source>
        <translation>Der Verlauf konnte nicht gelesen werden:

%1</translation>
    </message>
    <message>
        <source>No version of this page has been kept yet.</source>
        <translation>Von dieser Seite wurde noch keine Version aufbewahrt.</translation>
    </message>
    <message>
        <source>Reading this version...</source>
        <translation>Diese Version wird gelesen...</translation>
    </message>
    <message>
        <source>This version could not be read:

%1</source>
        <translation>Diese Version konnte nicht gelesen werden:

%1</translation>
    </message>
    <message>
        <source>Every line of this version is in the page as it is now.</source>
        <translation>Jede Zeile dieser Version steht auch in der jetzigen Fassung der Seite.</translation>
    </message>
    <message>
        <source>Marked lines are not in the page as it is now.</source>
        <translation>Markierte Zeilen fehlen in der jetzigen Fassung der Seite.</translation>
    </message>
</context>
<context>
    <name>tabwise::KeyField</name>
    <message>
        <source>Show/hide key: bind
tabwise --toggle
in the desktop&apos;s settings</source>
        <extracomment>In the place of the show/hide key where the desktop gives programs no keys; tabwise --toggle is a command and stays as it is</extracomment>
        <translation>Ein-/Ausblenden: Kürzel für
tabwise --toggle in der
Arbeitsumgebung anlegen</translation>
    </message>
    <message>
        <source>This desktop gives programs no keys of their own: let its keyboard shortcut settings run tabwise --toggle to show and hide the window.</source>
        <translation>Diese Arbeitsumgebung vergibt keine eigenen Tastenkürzel an Programme: Legen Sie in ihren Tastenkürzel-Einstellungen ein Kürzel an, das tabwise --toggle ausführt, um das Fenster ein- und auszublenden.</translation>
    </message>
    <message>
        <source>Show/hide &amp;key:</source>
        <extracomment>Above the field of the key that shows and hides the window from any program</extracomment>
        <translation>&amp;Ein-/Ausblenden mit:</translation>
    </message>
    <message>
        <source>Key that shows and hides the window from anywhere</source>
        <translation>Tastenkürzel, das das Fenster von überall aus ein- und ausblendet</translation>
    </message>
    <message>
        <source>Shows and hides the window from any program</source>
        <translation>Blendet das Fenster aus jedem Programm heraus ein und aus</translation>
    </message>
    <message>
        <source>Clear the key</source>
        <translation>Tastenkürzel löschen</translation>
    </message>
</context>
<context>
    <name>tabwise::ListBox</name>
    <message>
        <source>&amp;Open</source>
        <extracomment>An entry&apos;s context menu: opens the web page or writes a mail to the address</extracomment>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>An entry&apos;s context menu: copies the entry</extracomment>
        <translation>&amp;Kopieren</translation>
    </message>
</context>
<context>
    <name>tabwise::MainWindow</name>
    <message>
        <source>Options</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an „%1“ speichern?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds typing that is not saved. Put the chosen version in its place?</source>
        <extracomment>%1 is the page&apos;s name</extracomment>
        <translation>„%1“ enthält ungespeicherte Eingaben. Sollen sie durch die ausgewählte Version ersetzt werden?</translation>
    </message>
    <message>
        <source>&amp;Keep My Typing</source>
        <translation>&amp;Meine Eingaben behalten</translation>
    </message>
    <message>
        <source>&amp;Replace It</source>
        <translation>&amp;Ersetzen</translation>
    </message>
</context>
<context>
    <name>tabwise::NoteBar</name>
    <message>
        <source>Close note</source>
        <translation>Hinweis schließen</translation>
    </message>
</context>
<context>
    <name>tabwise::OptionsPanel</name>
    <message>
        <source>Program Options</source>
        <translation>Programmeinstellungen</translation>
    </message>
    <message>
        <source>Start Program Minimized</source>
        <translation>Minimiert starten</translation>
    </message>
    <message>
        <source>Start at Log-on</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>Stay on top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <extracomment>The options panel&apos;s button that stores the options and closes the panel</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>The options panel&apos;s button that closes it without storing anything</extracomment>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Tab Options</source>
        <translation>Tab-Einstellungen</translation>
    </message>
    <message>
        <source>Name of tab %1</source>
        <translation>Name von Tab %1</translation>
    </message>
    <message>
        <source>Show tab %1</source>
        <translation>Tab %1 anzeigen</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>The heading of the tab table&apos;s column of boxes that show or hide each tab</extracomment>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Tab Description</source>
        <extracomment>The heading of the tab table&apos;s column of the tabs&apos; names</extracomment>
        <translation>Tab-Bezeichnung</translation>
    </message>
    <message>
        <source>Current Tab</source>
        <extracomment>The heading of the tab table&apos;s column that numbers the tabs, &quot;(Tab #1)&quot; to &quot;(Tab #5)&quot;</extracomment>
        <translation>Tab-Nummer</translation>
    </message>
    <message>
        <source>(Tab #%1)</source>
        <extracomment>A row of the tab table: the number of the tab it names</extracomment>
        <translation>(Tab Nr. %1)</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>The window&apos;s title while the options panel is open: &quot;Tabwise (Options)&quot;</extracomment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Tabwise could not be set to start at log-on:

%1</source>
        <translation>Tabwise konnte nicht für den Start beim Anmelden eingerichtet werden:

%1</translation>
    </message>
    <message>
        <source>Tabwise could not be kept from starting at log-on:

%1</source>
        <translation>Der Start von Tabwise beim Anmelden konnte nicht abgeschaltet werden:

%1</translation>
    </message>
</context>
<context>
    <name>tabwise::PageDocument</name>
    <message>
        <source>The folder cannot be reached. Your typing is kept.</source>
        <translation>Der Ordner ist nicht erreichbar. Ihre Eingaben bleiben erhalten.</translation>
    </message>
    <message>
        <source>%1

The file cannot be read, so saving could replace text you have not seen.</source>
        <extracomment>%1 names the file and why it cannot be read</extracomment>
        <translation>%1

Die Datei kann nicht gelesen werden; Speichern könnte daher Text ersetzen, den Sie nicht gesehen haben.</translation>
    </message>
    <message>
        <source>The other version could not be kept, so the page was not saved:

%1</source>
        <translation>Die andere Version konnte nicht aufbewahrt werden, daher wurde die Seite nicht gespeichert:

%1</translation>
    </message>
</context>
<context>
    <name>tabwise::PageKeeper</name>
    <message>
        <source>The history of your pages could not be written, so earlier versions may be missing from it:

%1

Your pages are saved as usual.</source>
        <translation>Der Verlauf Ihrer Seiten konnte nicht geschrieben werden, daher fehlen darin möglicherweise frühere Versionen:

%1

Ihre Seiten werden wie gewohnt gespeichert.</translation>
    </message>
    <message>
        <source>The history of your pages is cleared.</source>
        <translation>Der Verlauf Ihrer Seiten wurde geleert.</translation>
    </message>
    <message>
        <source>The history of your pages could not be cleared completely:

%1</source>
        <translation>Der Verlauf Ihrer Seiten konnte nicht vollständig geleert werden:

%1</translation>
    </message>
    <message>
        <source>%1

It was kept aside as:
%2</source>
        <extracomment>%1 is what is wrong with a draft file, %2 where it was put</extracomment>
        <translation>%1

Die Datei wurde beiseitegelegt unter:
%2</translation>
    </message>
    <message>
        <source>Unsaved typing kept from the last session could not be read:

%1</source>
        <translation>Ungespeicherte Eingaben aus der letzten Sitzung konnten nicht gelesen werden:

%1</translation>
    </message>
    <message>
        <source>These pages hold unsaved typing and still show it: %1

Save asks whether to keep the restored version beside your typing.</source>
        <extracomment>%1 lists the pages&apos; names</extracomment>
        <translation>Diese Seiten enthalten ungespeicherte Eingaben und zeigen sie weiterhin an: %1

Beim Speichern werden Sie gefragt, ob die zurückgespielte Version neben Ihren Eingaben aufbewahrt werden soll.</translation>
    </message>
    <message>
        <source>The folder of your pages cannot be reached: %1
%2
What you see is kept, and nothing is saved there until the folder is back.</source>
        <extracomment>%1 is the folder, %2 the reason</extracomment>
        <translation>Der Ordner Ihrer Seiten ist nicht erreichbar: %1
%2
Was Sie sehen, bleibt erhalten, und dort wird nichts gespeichert, bis der Ordner wieder verfügbar ist.</translation>
    </message>
    <message>
        <source>Your typing could not be kept in a draft, so a crash could lose it:

%1

Save the page to keep it.</source>
        <translation>Ihre Eingaben konnten nicht in einem Entwurf gesichert werden und könnten daher bei einem Absturz verloren gehen:

%1

Speichern Sie die Seite, um sie zu behalten.</translation>
    </message>
</context>
<context>
    <name>tabwise::PagePrinter</name>
    <message>
        <source>The page could not be printed.

%1</source>
        <translation>Die Seite konnte nicht gedruckt werden.

%1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Stops the printing of a page</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel printing</source>
        <translation>Drucken abbrechen</translation>
    </message>
    <message>
        <source>Printing %1: %2 % done, page %3.</source>
        <extracomment>%1 is the page&apos;s name, %2 how many per cent are done, %3 the number of the sheet being printed</extracomment>
        <translation>„%1“ wird gedruckt: %2 % erledigt, Blatt %3.</translation>
    </message>
</context>
<context>
    <name>tabwise::PageView</name>
    <message>
        <source>The page could not be read:

%1</source>
        <translation>Die Seite konnte nicht gelesen werden:

%1</translation>
    </message>
    <message>
        <source>This page&apos;s file cannot be read; what you see is kept.
%1</source>
        <translation>Die Datei dieser Seite kann nicht gelesen werden; was Sie sehen, bleibt erhalten.
%1</translation>
    </message>
    <message>
        <source>Changed on disk by another program. Your typing is kept; Save asks which version to keep.</source>
        <translation>Die Datei wurde von einem anderen Programm geändert. Ihre Eingaben bleiben erhalten; beim Speichern werden Sie gefragt, welche Version gelten soll.</translation>
    </message>
    <message>
        <source>Unsaved typing from the last session was restored. Save keeps it.</source>
        <translation>Ungespeicherte Eingaben aus der letzten Sitzung wurden wiederhergestellt. Speichern übernimmt sie.</translation>
    </message>
    <message>
        <source>The other program&apos;s version was kept as &quot;%1&quot;.</source>
        <extracomment>%1 is the name of the copy, a file beside the page&apos;s</extracomment>
        <translation>Die Version des anderen Programms wurde als „%1“ aufbewahrt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed on disk by another program since this page was read.

Keep both: your typing becomes the page, and the other version is kept beside it as &quot;%2&quot;.</source>
        <extracomment>%1 is the page&apos;s name, %2 the name of the copy made of the other version</extracomment>
        <translation>„%1“ wurde von einem anderen Programm geändert, seit diese Seite gelesen wurde.

Beide behalten: Ihre Eingaben werden zur Seite, und die andere Version wird daneben als „%2“ aufbewahrt.</translation>
    </message>
    <message>
        <source>Keep &amp;Both</source>
        <translation>&amp;Beide behalten</translation>
    </message>
    <message>
        <source>&amp;Replace It</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>There has been a error!

%1</source>
        <extracomment>The message of a list that could not be written, as it has always been worded</extracomment>
        <translation>Es ist ein Fehler aufgetreten!

%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>tabwise::PortalGlobalKey</name>
    <message>
        <source>the desktop did not open a shortcut session</source>
        <translation>die Arbeitsumgebung hat keine Sitzung für Tastenkürzel geöffnet</translation>
    </message>
    <message>
        <source>Show or hide the Tabwise window</source>
        <translation>Das Tabwise-Fenster ein- oder ausblenden</translation>
    </message>
    <message>
        <source>the desktop did not grant it</source>
        <translation>die Arbeitsumgebung hat es nicht freigegeben</translation>
    </message>
</context>
<context>
    <name>tabwise::ShowHideKey</name>
    <message>
        <source>Tabwise cannot use the key %1 to show and hide its window: %2.

Choose another key in the options.</source>
        <extracomment>%2 says why, in words such as &quot;another program holds it&quot;</extracomment>
        <translation>Tabwise kann das Tastenkürzel %1 nicht zum Ein- und Ausblenden seines Fensters verwenden: %2.

Wählen Sie in den Einstellungen ein anderes Tastenkürzel.</translation>
    </message>
</context>
<context>
    <name>tabwise::SpellingChoice</name>
    <message>
        <source>S&amp;pelling:</source>
        <extracomment>Before the list of spelling dictionaries (Off, English (US), ...)</extracomment>
        <translation>&amp;Wörterbuch:</translation>
    </message>
    <message>
        <source>Spelling dictionary</source>
        <translation>Wörterbuch der Rechtschreibprüfung</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed (Debian: hunspell-en-us, hunspell-de-de, ...).</source>
        <translation>Es ist kein Wörterbuch für die Rechtschreibprüfung installiert (Debian: hunspell-de-de, hunspell-en-us, ...).</translation>
    </message>
</context>
<context>
    <name>tabwise::SplashScreen</name>
    <message>
        <source>Platform: %1</source>
        <extracomment>%1 is the operating system&apos;s name</extracomment>
        <translation>Plattform: %1</translation>
    </message>
    <message>
        <source>Made by the %1</source>
        <extracomment>The splash&apos;s notice line; %1 is the maker&apos;s name (&quot;Tabwise team&quot;)</extracomment>
        <translation>Entwickelt vom %1</translation>
    </message>
    <message>
        <source>Tabwise team</source>
        <translation>Tabwise-Team</translation>
    </message>
</context>
<context>
    <name>tabwise::TabControl</name>
    <message>
        <source>%1 (unsaved typing)</source>
        <extracomment>A tab&apos;s tooltip while its page holds typing that is not saved: the tab&apos;s name, then the note</extracomment>
        <translation>%1 (ungespeicherte Eingaben)</translation>
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
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <extracomment>Prints the current page</extracomment>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>&amp;Nächstes suchen</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>&amp;Vorheriges suchen</translation>
    </message>
    <message>
        <source>Find in &amp;All Pages...</source>
        <translation>In &amp;allen Seiten suchen...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <extracomment>Opens the earlier versions of the current page</extracomment>
        <translation>&amp;Verlauf...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <extracomment>The tray menu&apos;s entry that opens the options panel</extracomment>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>The tray menu&apos;s entry that opens the About panel</extracomment>
        <translation>&amp;Über Tabwise</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <extracomment>The tray menu&apos;s entry that brings the window back from the tray (not a restore of a backup)</extracomment>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Show/&amp;Hide</source>
        <translation>Ein-/&amp;Ausblenden</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>The tray menu&apos;s entry that ends the program</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
</context>
</TS>
