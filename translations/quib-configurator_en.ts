<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>NoticeBar</name>
    <message numerus="yes">
        <source>%1 changed on disk.</source>
        <extracomment>%1 names one file or more (&quot;quib.cfg and quib.blt&quot;); the count is theirs.</extracomment>
        <translation>
            <numerusform>%1 changed on disk.</numerusform>
            <numerusform>%1 changed on disk.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of your changes were also changed there; Apply will ask which to keep.</source>
        <translation>
            <numerusform>%n of your changes was also changed there; Apply will ask which to keep.</numerusform>
            <numerusform>%n of your changes were also changed there; Apply will ask which to keep.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quib rewrote %1 and undid %n of the settings you applied: %2</source>
        <extracomment>%1 is a file, %2 the settings Quib set back to what they were before.</extracomment>
        <translation>
            <numerusform>Quib rewrote %1 and undid the setting you applied: %2</numerusform>
            <numerusform>Quib rewrote %1 and undid %n of the settings you applied: %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TChangesForm</name>
    <message numerus="yes">
        <source>%n line(s)</source>
        <translation>
            <numerusform>%n line</numerusform>
            <numerusform>%n lines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) added</source>
        <translation>
            <numerusform>%n line added</numerusform>
            <numerusform>%n lines added</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <translation>
            <numerusform>%n removed</numerusform>
            <numerusform>%n removed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at least %n line(s) change(s)</source>
        <translation>
            <numerusform>at least %n line changes</numerusform>
            <numerusform>at least %n lines change</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; the first %n is/are shown</source>
        <translation>
            <numerusform>; the first %n is shown</numerusform>
            <numerusform>; the first %n are shown</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>new file, %n line(s)</source>
        <translation>
            <numerusform>new file, %n line</numerusform>
            <numerusform>new file, %n lines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n file(s) stay as they are.</source>
        <translation>
            <numerusform>The %n file stays as it is.</numerusform>
            <numerusform>All %n files stay as they are.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files change: %2</source>
        <extracomment>%n files change out of %1 (the files read); %2 says how.</extracomment>
        <translation>
            <numerusform>%n of %1 files change: %2</numerusform>
            <numerusform>%n of %1 files change: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) on disk</source>
        <translation>
            <numerusform>%n line on disk</numerusform>
            <numerusform>%n lines on disk</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n to be written</source>
        <translation>
            <numerusform>%n to be written</numerusform>
            <numerusform>%n to be written</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n added</numerusform>
            <numerusform>%n added</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more line(s) of differences are not shown.</source>
        <translation>
            <numerusform>%n more line of differences is not shown.</numerusform>
            <numerusform>%n more lines of differences are not shown.</numerusform>
        </translation>
    </message>
</context>
</TS>
