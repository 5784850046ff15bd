<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr_HR">
<context>
    <name>JEX::PolarScopeInfo</name>
    <message>
        <source>Local longitude</source>
        <translation>Lokalna geografska dužina</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Lokalno vrijeme</translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>Položaj Oktanta</translation>
    </message>
    <message>
        <source>Polaris Position (precise) </source>
        <translation>Položaj Sjevernjače (precizno) </translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>Položaj Sjevernjače </translation>
    </message>
</context>
</TS>
