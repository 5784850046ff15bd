<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>mount</name>
    <message>
        <source>Velmora Console</source>
        <translation>Velmora 控制台</translation>
    </message>
</context>
<context>
    <name>tavo_profile</name>
    <message>
        <source>Invalid Speed</source>
        <translation>速度无效</translation>
    </message>
    <message>
        <source>Frame period must be at least %1 seconds longer than exposure</source>
        <translation>拍摄间隔必须比曝光时间至少长 %1 秒</translation>
    </message>
    <message>
        <source>Speed too fast for frame period and exposure</source>
        <translation>对于当前的拍摄间隔和曝光时间，速度过快</translation>
    </message>
</context>
</TS>
