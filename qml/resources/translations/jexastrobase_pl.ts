<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Powodzenie</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Odpowiedź odmowna</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Błąd komunikacji</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Operacja anulowana</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Nieoczekiwana odpowiedź</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>Nie można otworzyć portu szeregowego</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Wyszukiwanie</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>Wyszukiwanie zakończone</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Łączenie</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Nie można połączyć</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Połączono</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Rozłączanie</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Rozłącz</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Połącz</translation>
    </message>
</context>
</TS>
