<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>JEX::PolarScopeInfo</name>
    <message>
        <source>Local longitude</source>
        <translation>Longitude local</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Hora local</translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>Posição do Octante</translation>
    </message>
    <message>
        <source>Polaris Position (precise) </source>
        <translation>Posição da Polaris (precisa) </translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>Posição da Polaris </translation>
    </message>
</context>
</TS>
