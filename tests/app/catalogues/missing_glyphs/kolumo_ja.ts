<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Letters of scripts that no font on a desktop draws (Cypro-Minoan,
     Vithkuqi, Egyptian hieroglyphs): the game must fall back to English. -->
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>ButtonBar</name>
    <message>
        <source>New</source>
        <translation>&#x12F90;&#x12F91;</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>&#x10570;&#x13000; Retry</translation>
    </message>
</context>
</TS>
