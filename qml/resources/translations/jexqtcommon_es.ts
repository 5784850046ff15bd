<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>JEX::PolarScopeInfo</name>
    <message>
        <source>Local longitude</source>
        <translation>Longitud local</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Hora local</translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>Posición de Octans</translation>
    </message>
    <message>
        <source>Polaris Position (precise) </source>
        <translation>Posición de Polaris (precisa) </translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>Posición de Polaris </translation>
    </message>
</context>
</TS>
