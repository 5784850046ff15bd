<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>JEX::PolarScopeInfo</name>
    <message>
        <source>Local longitude</source>
        <translation>Lokale lengtegraad</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Lokale tijd</translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>Positie van het Octant</translation>
    </message>
    <message>
        <source>Polaris Position (precise) </source>
        <translation>Positie van de Poolster (nauwkeurig) </translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>Positie van de Poolster </translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Location saved</source>
        <translation>Locatie opgeslagen</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Locatie</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breedtegraad</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Lengtegraad</translation>
    </message>
    <message>
        <source>E</source>
        <translation>O</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Altitude (m)</source>
        <translation>Hoogte (m)</translation>
    </message>
    <message>
        <source>Use location sensor</source>
        <translation>Locatiesensor gebruiken</translation>
    </message>
    <message>
        <source>Waiting for the sensor…</source>
        <translation>Wachten op de sensor…</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Nu bijwerken</translation>
    </message>
</context>
<context>
    <name>LocationUpdater</name>
    <message>
        <source>Location Updated</source>
        <translation>Locatie bijgewerkt</translation>
    </message>
    <message>
        <source>No location from the sensor within 30 seconds</source>
        <translation>Geen locatie van de sensor binnen 30 seconden</translation>
    </message>
</context>
<context>
    <name>PopupConnect</name>
    <message>
        <source>No Device Found</source>
        <translation>Geen montering gevonden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Verbinding verbreken</translation>
    </message>
    <message>
        <source>A running program goes on without the console.</source>
        <translation>Een lopend programma gaat door zonder de console.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>UI_ConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
</TS>
