<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Geslaagd</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Negatief antwoord</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Communicatiefout</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Bewerking geannuleerd</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Onverwacht antwoord</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>Kan seriële poort niet openen</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Bezig met zoeken</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>Zoeken voltooid</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Verbinding wordt gemaakt</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Kan geen verbinding maken</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbonden</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Verbinding wordt verbroken</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Verbinding verbreken</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
</context>
</TS>
