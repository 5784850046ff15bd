<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>JEX::PolarScopeInfo</name>
    <message>
        <source>Local longitude</source>
        <translation>Местная долгота</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Местное время</translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>Положение Октанта</translation>
    </message>
    <message>
        <source>Polaris Position (precise) </source>
        <translation>Положение Полярной (точное) </translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>Положение Полярной </translation>
    </message>
</context>
</TS>
