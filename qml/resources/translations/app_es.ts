<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>mount</name>
    <message>
        <source>Velmora Console</source>
        <translation>Consola Velmora</translation>
    </message>
</context>
<context>
    <name>tavo_profile</name>
    <message>
        <source>Invalid Speed</source>
        <translation>Velocidad no válida</translation>
    </message>
    <message>
        <source>Frame period must be at least %1 seconds longer than exposure</source>
        <translation>El intervalo entre fotos debe superar la exposición en al menos %1 segundos</translation>
    </message>
    <message>
        <source>Speed too fast for frame period and exposure</source>
        <translation>Velocidad demasiado alta para el intervalo entre fotos y la exposición</translation>
    </message>
</context>
</TS>
