<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>JEX::PolarScopeInfo</name>
    <message>
        <source>Local longitude</source>
        <translation>Helyi földrajzi hosszúság</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Helyi idő</translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>Az Oktáns helyzete</translation>
    </message>
    <message>
        <source>Polaris Position (precise) </source>
        <translation>A Sarkcsillag helyzete (pontos) </translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>A Sarkcsillag helyzete </translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Location saved</source>
        <translation>Helyszín mentve</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Helyszín</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Szélesség</translation>
    </message>
    <message>
        <source>N</source>
        <translation>É</translation>
    </message>
    <message>
        <source>S</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Hosszúság</translation>
    </message>
    <message>
        <source>E</source>
        <translation>K</translation>
    </message>
    <message>
        <source>W</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Altitude (m)</source>
        <translation>Magasság (m)</translation>
    </message>
    <message>
        <source>Use location sensor</source>
        <translation>Helymeghatározás használata</translation>
    </message>
    <message>
        <source>Waiting for the sensor…</source>
        <translation>Várakozás az érzékelőre…</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Frissítés most</translation>
    </message>
</context>
<context>
    <name>LocationUpdater</name>
    <message>
        <source>Location Updated</source>
        <translation>Helyszín frissítve</translation>
    </message>
    <message>
        <source>No location from the sensor within 30 seconds</source>
        <translation>Az érzékelő 30 másodpercen belül nem adott helyet</translation>
    </message>
</context>
<context>
    <name>PopupConnect</name>
    <message>
        <source>No Device Found</source>
        <translation>Nem található mechanika</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Bontás</translation>
    </message>
    <message>
        <source>A running program goes on without the console.</source>
        <translation>A futó program a konzol nélkül folytatódik.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
</context>
<context>
    <name>UI_ConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
</TS>
