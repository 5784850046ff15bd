<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr_HR">
<context>
    <name>mount</name>
    <message>
        <source>Velmora Console</source>
        <translation>Velmora konzola</translation>
    </message>
</context>
<context>
    <name>tavo_profile</name>
    <message>
        <source>Invalid Speed</source>
        <translation>Neispravna brzina</translation>
    </message>
    <message>
        <source>Frame period must be at least %1 seconds longer than exposure</source>
        <translation>Interval snimanja mora biti barem %1 sekundi dulji od ekspozicije</translation>
    </message>
    <message>
        <source>Speed too fast for frame period and exposure</source>
        <translation>Brzina je prevelika za interval snimanja i ekspoziciju</translation>
    </message>
</context>
</TS>
