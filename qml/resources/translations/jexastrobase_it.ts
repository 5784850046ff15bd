<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Riuscito</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Risposta negativa</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Errore di comunicazione</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Operazione annullata</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Risposta inattesa</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>Impossibile aprire la porta seriale</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Ricerca in corso</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>Ricerca terminata</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Connessione in corso</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Impossibile connettersi</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connesso</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Disconnessione in corso</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
</context>
</TS>
