<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>mount</name>
    <message>
        <source>Velmora Console</source>
        <translation>Velmora コンソール</translation>
    </message>
</context>
<context>
    <name>tavo_profile</name>
    <message>
        <source>Invalid Speed</source>
        <translation>速度が無効です</translation>
    </message>
    <message>
        <source>Frame period must be at least %1 seconds longer than exposure</source>
        <translation>撮影間隔は露出時間より %1 秒以上長くしてください</translation>
    </message>
    <message>
        <source>Speed too fast for frame period and exposure</source>
        <translation>撮影間隔と露出時間に対して速度が速すぎます</translation>
    </message>
</context>
</TS>
