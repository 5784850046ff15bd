<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>JEX::PolarScopeInfo</name>
    <message>
        <source>Local longitude</source>
        <translation>Długość geograficzna</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Czas lokalny</translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>Położenie Oktantu</translation>
    </message>
    <message>
        <source>Polaris Position (precise) </source>
        <translation>Położenie Gwiazdy Polarnej (dokładne) </translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>Położenie Gwiazdy Polarnej </translation>
    </message>
</context>
</TS>
