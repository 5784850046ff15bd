<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>JEX::PolarScopeInfo</name>
    <message>
        <source>Local longitude</source>
        <translation>Lokale lengtegraad</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Lokale tijd</translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>Positie van het Octant</translation>
    </message>
    <message>
        <source>Polaris Position (precise) </source>
        <translation>Positie van de Poolster (nauwkeurig) </translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>Positie van de Poolster </translation>
    </message>
</context>
</TS>
