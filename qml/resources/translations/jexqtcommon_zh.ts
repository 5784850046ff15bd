<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>JEX::PolarScopeInfo</name>
    <message>
        <source>Local longitude</source>
        <translation>当地经度</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>当地时间</translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>南极座位置</translation>
    </message>
    <message>
        <source>Polaris Position (precise) </source>
        <translation>北极星位置（精确） </translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>北极星位置 </translation>
    </message>
</context>
</TS>
