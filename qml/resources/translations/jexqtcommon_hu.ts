<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>JEX::PolarScopeInfo</name>
    <message>
        <source>Local longitude</source>
        <translation>Helyi földrajzi hosszúság</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Helyi idő</translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>Az Oktáns helyzete</translation>
    </message>
    <message>
        <source>Polaris Position (precise) </source>
        <translation>A Sarkcsillag helyzete (pontos) </translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>A Sarkcsillag helyzete </translation>
    </message>
</context>
</TS>
