<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>mount</name>
    <message>
        <source>Velmora Console</source>
        <translation>Velmora Konsole</translation>
    </message>
</context>
<context>
    <name>tavo_profile</name>
    <message>
        <source>Invalid Speed</source>
        <translation>Ungültige Geschwindigkeit</translation>
    </message>
    <message>
        <source>Frame period must be at least %1 seconds longer than exposure</source>
        <translation>Das Aufnahmeintervall muss mindestens %1 Sekunden länger als die Belichtungszeit sein</translation>
    </message>
    <message>
        <source>Speed too fast for frame period and exposure</source>
        <translation>Geschwindigkeit zu hoch für Aufnahmeintervall und Belichtungszeit</translation>
    </message>
</context>
</TS>
