<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- The menu titles and a counter's words: enough to see which catalogue the
     game chose, and that the screen reader speaks it too. -->
<TS version="2.1" language="de_DE">
<context>
    <name>GameMainWindow</name>
    <message>
        <source>File        </source>
        <translation>Datei        </translation>
    </message>
    <message>
        <source>Prefs        </source>
        <translation>Einstellungen        </translation>
    </message>
    <message>
        <source>Help        </source>
        <translation>Hilfe        </translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message numerus="yes">
        <source>%1: %n left</source>
        <translation>
            <numerusform>%1: noch %n</numerusform>
            <numerusform>%1: noch %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ColourNames</name>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
</context>
</TS>
