<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Two items of the File menu claim the same key, N: the check of
     accelerators must catch it. -->
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>GameMainWindow</name>
    <message>
        <source>New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>&amp;Nochmal</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
</context>
</TS>
