<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Sikeres</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Elutasító válasz</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Kommunikációs hiba</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>A művelet megszakítva</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Váratlan válasz</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>A soros port nem nyitható meg</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Keresés folyamatban</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>A keresés befejeződött</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Csatlakozás folyamatban</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Nem sikerült csatlakozni</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Csatlakoztatva</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Kapcsolat bontása folyamatban</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Kapcsolat bontása</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Csatlakozás</translation>
    </message>
</context>
</TS>
