<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>cardinal_direction</name>
    <message>
        <source>N</source>
        <translation>С</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>СВ</translation>
    </message>
    <message>
        <source>E</source>
        <translation>В</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>ЮВ</translation>
    </message>
    <message>
        <source>S</source>
        <translation>Ю</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>ЮЗ</translation>
    </message>
    <message>
        <source>W</source>
        <translation>З</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>СЗ</translation>
    </message>
</context>
<context>
    <name>latitude_longitude</name>
    <message>
        <source>N</source>
        <translation>с. ш.</translation>
    </message>
    <message>
        <source>S</source>
        <translation>ю. ш.</translation>
    </message>
    <message>
        <source>W</source>
        <translation>з. д.</translation>
    </message>
    <message>
        <source>E</source>
        <translation>в. д.</translation>
    </message>
    <message>
        <source>%1°%2′%3</source>
        <translation>%1°%2′ %3</translation>
    </message>
    <message>
        <source>%1°%2′%3″%4</source>
        <translation>%1°%2′%3″ %4</translation>
    </message>
</context>
</TS>
