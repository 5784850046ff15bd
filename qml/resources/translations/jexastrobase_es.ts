<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Respuesta negativa</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Error de comunicación</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Operación cancelada</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Respuesta inesperada</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>No se puede abrir el puerto serie</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Buscando</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>Búsqueda terminada</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Conectando</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>No se puede conectar</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Desconectando</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
</context>
</TS>
