<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>JEX::PolarScopeInfo</name>
    <message>
        <source>Local longitude</source>
        <translation>Longitudine locale</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Ora locale</translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>Posizione dell&apos;Ottante</translation>
    </message>
    <message>
        <source>Polaris Position (precise) </source>
        <translation>Posizione della Polare (precisa) </translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>Posizione della Polare </translation>
    </message>
</context>
</TS>
