<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>mount</name>
    <message>
        <source>Velmora Console</source>
        <translation>Velmora Console</translation>
    </message>
</context>
<context>
    <name>tavo_profile</name>
    <message>
        <source>Invalid Speed</source>
        <translation>Ongeldige snelheid</translation>
    </message>
    <message>
        <source>Frame period must be at least %1 seconds longer than exposure</source>
        <translation>Het opname-interval moet minstens %1 seconden langer zijn dan de belichtingstijd</translation>
    </message>
    <message>
        <source>Speed too fast for frame period and exposure</source>
        <translation>Snelheid te hoog voor opname-interval en belichtingstijd</translation>
    </message>
</context>
</TS>
