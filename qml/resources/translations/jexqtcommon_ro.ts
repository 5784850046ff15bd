<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>JEX::PolarScopeInfo</name>
    <message>
        <source>Local longitude</source>
        <translation>Longitudine locală</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Ora locală</translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>Poziția Octantului</translation>
    </message>
    <message>
        <source>Polaris Position (precise) </source>
        <translation>Poziția Stelei Polare (precisă) </translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>Poziția Stelei Polare </translation>
    </message>
</context>
</TS>
