<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr_HR">
<context>
    <name>JEX::PolarScopeInfo</name>
    <message>
        <source>Local longitude</source>
        <translation>Lokalna geografska dužina</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Lokalno vrijeme</translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>Položaj Oktanta</translation>
    </message>
    <message>
        <source>Polaris Position (precise) </source>
        <translation>Položaj Sjevernjače (precizno) </translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>Položaj Sjevernjače </translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Location saved</source>
        <translation>Lokacija spremljena</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lokacija</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spremi</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Geografska širina</translation>
    </message>
    <message>
        <source>N</source>
        <translation>S</translation>
    </message>
    <message>
        <source>S</source>
        <translation>J</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Geografska dužina</translation>
    </message>
    <message>
        <source>E</source>
        <translation>I</translation>
    </message>
    <message>
        <source>W</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Altitude (m)</source>
        <translation>Nadmorska visina (m)</translation>
    </message>
    <message>
        <source>Use location sensor</source>
        <translation>Koristi senzor lokacije</translation>
    </message>
    <message>
        <source>Waiting for the sensor…</source>
        <translation>Čekanje senzora…</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Ažuriraj sada</translation>
    </message>
</context>
<context>
    <name>LocationUpdater</name>
    <message>
        <source>Location Updated</source>
        <translation>Lokacija ažurirana</translation>
    </message>
    <message>
        <source>No location from the sensor within 30 seconds</source>
        <translation>Senzor nije dao lokaciju unutar 30 sekundi</translation>
    </message>
</context>
<context>
    <name>PopupConnect</name>
    <message>
        <source>No Device Found</source>
        <translation>Nije pronađena nijedna montaža</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Prekini vezu</translation>
    </message>
    <message>
        <source>A running program goes on without the console.</source>
        <translation>Program koji radi nastavlja bez konzole.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
</context>
<context>
    <name>UI_ConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
</context>
</TS>
