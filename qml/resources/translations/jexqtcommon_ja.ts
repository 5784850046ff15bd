<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>JEX::PolarScopeInfo</name>
    <message>
        <source>Local longitude</source>
        <translation>現地の経度</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>現地時刻</translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>はちぶんぎ座の位置</translation>
    </message>
    <message>
        <source>Polaris Position (precise) </source>
        <translation>北極星の位置（精密） </translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>北極星の位置 </translation>
    </message>
</context>
</TS>
