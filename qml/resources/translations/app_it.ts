<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>mount</name>
    <message>
        <source>Velmora Console</source>
        <translation>Console Velmora</translation>
    </message>
</context>
<context>
    <name>tavo_profile</name>
    <message>
        <source>Invalid Speed</source>
        <translation>Velocità non valida</translation>
    </message>
    <message>
        <source>Frame period must be at least %1 seconds longer than exposure</source>
        <translation>L&apos;intervallo tra gli scatti deve superare l&apos;esposizione di almeno %1 secondi</translation>
    </message>
    <message>
        <source>Speed too fast for frame period and exposure</source>
        <translation>Velocità troppo alta per l&apos;intervallo tra gli scatti e l&apos;esposizione</translation>
    </message>
</context>
</TS>
