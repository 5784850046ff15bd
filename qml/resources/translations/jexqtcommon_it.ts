<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>JEX::PolarScopeInfo</name>
    <message>
        <source>Local longitude</source>
        <translation>Longitudine locale</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Ora locale</translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>Posizione dell&apos;Ottante</translation>
    </message>
    <message>
        <source>Polaris Position (precise) </source>
        <translation>Posizione della Polare (precisa) </translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>Posizione della Polare </translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Location saved</source>
        <translation>Località salvata</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Località</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
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
        <translation>O</translation>
    </message>
    <message>
        <source>Altitude (m)</source>
        <translation>Altitudine (m)</translation>
    </message>
    <message>
        <source>Use location sensor</source>
        <translation>Usa il sensore di posizione</translation>
    </message>
    <message>
        <source>Waiting for the sensor…</source>
        <translation>In attesa del sensore…</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Aggiorna ora</translation>
    </message>
</context>
<context>
    <name>LocationUpdater</name>
    <message>
        <source>Location Updated</source>
        <translation>Località aggiornata</translation>
    </message>
    <message>
        <source>No location from the sensor within 30 seconds</source>
        <translation>Nessuna posizione dal sensore entro 30 secondi</translation>
    </message>
</context>
<context>
    <name>PopupConnect</name>
    <message>
        <source>No Device Found</source>
        <translation>Nessuna montatura trovata</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>A running program goes on without the console.</source>
        <translation>Un programma in corso prosegue senza la console.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>UI_ConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
</TS>
