<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Sucesso</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Resposta negativa</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Erro de comunicação</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Operação cancelada</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Resposta inesperada</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>Não é possível abrir a porta serial</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Procurando</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>Pesquisa concluída</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Conectando</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Não é possível conectar</translation>
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
