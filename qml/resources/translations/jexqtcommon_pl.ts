<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>JEX::PolarScopeInfo</name>
    <message>
        <source>Local longitude</source>
        <translation>Długość geograficzna</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Czas lokalny</translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>Położenie Oktantu</translation>
    </message>
    <message>
        <source>Polaris Position (precise) </source>
        <translation>Położenie Gwiazdy Polarnej (dokładne) </translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>Położenie Gwiazdy Polarnej </translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Location saved</source>
        <translation>Lokalizacja zapisana</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lokalizacja</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Szerokość</translation>
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
        <translation>Długość</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Altitude (m)</source>
        <translation>Wysokość (m)</translation>
    </message>
    <message>
        <source>Use location sensor</source>
        <translation>Użyj czujnika lokalizacji</translation>
    </message>
    <message>
        <source>Waiting for the sensor…</source>
        <translation>Oczekiwanie na czujnik…</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Aktualizuj teraz</translation>
    </message>
</context>
<context>
    <name>LocationUpdater</name>
    <message>
        <source>Location Updated</source>
        <translation>Lokalizacja zaktualizowana</translation>
    </message>
    <message>
        <source>No location from the sensor within 30 seconds</source>
        <translation>Czujnik nie podał położenia w ciągu 30 sekund</translation>
    </message>
</context>
<context>
    <name>PopupConnect</name>
    <message>
        <source>No Device Found</source>
        <translation>Nie znaleziono montażu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Rozłącz</translation>
    </message>
    <message>
        <source>A running program goes on without the console.</source>
        <translation>Uruchomiony program działa dalej bez konsoli.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>UI_ConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
</TS>
