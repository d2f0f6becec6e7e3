<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- The menu titles only: enough to see which catalogue the game chose. -->
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
</TS>
