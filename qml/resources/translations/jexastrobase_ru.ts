<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Успешно</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Отрицательный ответ</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Ошибка связи</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Операция отменена</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Неожиданный ответ</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>Не удаётся открыть последовательный порт</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>Поиск завершён</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Не удаётся подключиться</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Подключено</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Отключение</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
</context>
</TS>
