<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>JEX::PolarScopeInfo</name>
    <message>
        <source>Local longitude</source>
        <translation>Longitudine locală</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Ora locală</translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>Poziția Octantului</translation>
    </message>
    <message>
        <source>Polaris Position (precise) </source>
        <translation>Poziția Stelei Polare (precisă) </translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>Poziția Stelei Polare </translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Location saved</source>
        <translation>Locație salvată</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Locație</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvează</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitudine</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>W</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Altitude (m)</source>
        <translation>Altitudine (m)</translation>
    </message>
    <message>
        <source>Use location sensor</source>
        <translation>Folosește senzorul de locație</translation>
    </message>
    <message>
        <source>Waiting for the sensor…</source>
        <translation>Se așteaptă senzorul…</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Actualizează acum</translation>
    </message>
</context>
<context>
    <name>LocationUpdater</name>
    <message>
        <source>Location Updated</source>
        <translation>Locație actualizată</translation>
    </message>
    <message>
        <source>No location from the sensor within 30 seconds</source>
        <translation>Senzorul nu a dat nicio locație în 30 de secunde</translation>
    </message>
</context>
<context>
    <name>PopupConnect</name>
    <message>
        <source>No Device Found</source>
        <translation>Nicio montură găsită</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulează</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Deconectează</translation>
    </message>
    <message>
        <source>A running program goes on without the console.</source>
        <translation>Un program în curs continuă fără consolă.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
</context>
<context>
    <name>UI_ConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Anulează</translation>
    </message>
</context>
</TS>
