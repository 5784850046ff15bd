<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>JEX::PolarScopeInfo</name>
    <message>
        <source>Local longitude</source>
        <translation>Longitude locale</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Heure locale</translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>Position de l&apos;Octant</translation>
    </message>
    <message>
        <source>Polaris Position (precise) </source>
        <translation>Position de Polaris (précise) </translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>Position de Polaris </translation>
    </message>
</context>
</TS>
