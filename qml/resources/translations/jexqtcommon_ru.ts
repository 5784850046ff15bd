<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>JEX::PolarScopeInfo</name>
    <message>
        <source>Local longitude</source>
        <translation>Местная долгота</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Местное время</translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>Положение Октанта</translation>
    </message>
    <message>
        <source>Polaris Position (precise) </source>
        <translation>Положение Полярной (точное) </translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>Положение Полярной </translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Location saved</source>
        <translation>Координаты сохранены</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Координаты</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 м</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>N</source>
        <translation>С</translation>
    </message>
    <message>
        <source>S</source>
        <translation>Ю</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <source>E</source>
        <translation>В</translation>
    </message>
    <message>
        <source>W</source>
        <translation>З</translation>
    </message>
    <message>
        <source>Altitude (m)</source>
        <translation>Высота (м)</translation>
    </message>
    <message>
        <source>Use location sensor</source>
        <translation>Использовать датчик местоположения</translation>
    </message>
    <message>
        <source>Waiting for the sensor…</source>
        <translation>Ожидание датчика…</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Обновить сейчас</translation>
    </message>
</context>
<context>
    <name>LocationUpdater</name>
    <message>
        <source>Location Updated</source>
        <translation>Координаты обновлены</translation>
    </message>
    <message>
        <source>No location from the sensor within 30 seconds</source>
        <translation>Датчик не дал координаты за 30 секунд</translation>
    </message>
</context>
<context>
    <name>PopupConnect</name>
    <message>
        <source>No Device Found</source>
        <translation>Монтировка не найдена</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>A running program goes on without the console.</source>
        <translation>Работающая программа продолжится без консоли.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>UI_ConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
</TS>
