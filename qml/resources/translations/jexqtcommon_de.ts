<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>JEX::PolarScopeInfo</name>
    <message>
        <source>Local longitude</source>
        <translation>Geografische Länge</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Ortszeit</translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>Position im Oktanten</translation>
    </message>
    <message>
        <source>Polaris Position (precise) </source>
        <translation>Position des Polarsterns (genau) </translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>Position des Polarsterns </translation>
    </message>
</context>
</TS>
