<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- The menu titles only: enough to see which catalogue the game chose. -->
<TS version="2.1" language="pt_BR">
<context>
    <name>GameMainWindow</name>
    <message>
        <source>File        </source>
        <translation>Arquivo        </translation>
    </message>
    <message>
        <source>Prefs        </source>
        <translation>Preferências        </translation>
    </message>
    <message>
        <source>Help        </source>
        <translation>Ajuda        </translation>
    </message>
</context>
</TS>
