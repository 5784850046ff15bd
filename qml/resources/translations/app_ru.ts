<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>mount</name>
    <message>
        <source>Velmora Console</source>
        <translation>Консоль Velmora</translation>
    </message>
</context>
<context>
    <name>tavo_profile</name>
    <message>
        <source>Invalid Speed</source>
        <translation>Недопустимая скорость</translation>
    </message>
    <message>
        <source>Frame period must be at least %1 seconds longer than exposure</source>
        <translation>Интервал между кадрами должен превышать выдержку не менее чем на %1 с</translation>
    </message>
    <message>
        <source>Speed too fast for frame period and exposure</source>
        <translation>Слишком высокая скорость для такого интервала между кадрами и выдержки</translation>
    </message>
</context>
</TS>
