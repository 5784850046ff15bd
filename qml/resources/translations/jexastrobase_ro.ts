<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Reușit</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Răspuns negativ</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Eroare de comunicare</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Operațiune anulată</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Răspuns neașteptat</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>Portul serial nu poate fi deschis</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Se caută</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>Căutare încheiată</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Se conectează</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Conectare imposibilă</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectat</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Se deconectează</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Deconectare</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectare</translation>
    </message>
</context>
</TS>
