<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Backup</name>
    <message numerus="yes">
        <source>In the backup folder, %1 was a link to a file elsewhere: the copy took the link&apos;s place, and the file it led to is as it was.</source>
        <extracomment>%1 names the page files (&quot;email.ntr&quot; or &quot;email.ntr, web.ntr&quot;); the form follows how many they are</extracomment>
        <translation>
            <numerusform>In the backup folder, %1 was a link to a file elsewhere: the copy took the link&apos;s place, and the file it led to is as it was.</numerusform>
            <numerusform>In the backup folder, %1 were links to files elsewhere: the copies took the links&apos; places, and the files they led to are as they were.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Spelling</name>
    <message numerus="yes">
        <source>It is larger than %n MB.</source>
        <translation>
            <numerusform>It is larger than %n MB.</numerusform>
            <numerusform>It is larger than %n MB.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tabwise::BackupPanel</name>
    <message numerus="yes">
        <source>Backed up %n page file(s) to %1.</source>
        <translation>
            <numerusform>Backed up %n page file to %1.</numerusform>
            <numerusform>Backed up %n page files to %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %n page file(s) from %1.</source>
        <translation>
            <numerusform>Restored %n page file from %1.</numerusform>
            <numerusform>Restored %n page files from %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tabwise::FindBar</name>
    <message numerus="yes">
        <source>%1 of %n</source>
        <extracomment>The find bar&apos;s count: the match selected, of how many in the page (&quot;3 of 12&quot;)</extracomment>
        <translation>
            <numerusform>%1 of %n</numerusform>
            <numerusform>%1 of %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n match(es)</source>
        <translation>
            <numerusform>%n match</numerusform>
            <numerusform>%n matches</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tabwise::FindPanel</name>
    <message numerus="yes">
        <source>More than %n line(s); the first of each page are listed</source>
        <translation>
            <numerusform>More than %n line; the first of each page are listed</numerusform>
            <numerusform>More than %n lines; the first of each page are listed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s)</source>
        <translation>
            <numerusform>%n line</numerusform>
            <numerusform>%n lines</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tabwise::HistoryOptions</name>
    <message numerus="yes">
        <source>%n day(s)</source>
        <extracomment>How long earlier versions of the pages are kept: &quot;90 days&quot;</extracomment>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
</context>
</TS>
