<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Velocidade inválida</translation>
    </message>
    <message>
        <source>Frame period must be at least %1 seconds longer than exposure</source>
        <translation>O intervalo entre fotos deve ser pelo menos %1 segundos maior que a exposição</translation>
    </message>
    <message>
        <source>Speed too fast for frame period and exposure</source>
        <translation>Velocidade alta demais para o intervalo entre fotos e a exposição</translation>
    </message>
</context>
</TS>
