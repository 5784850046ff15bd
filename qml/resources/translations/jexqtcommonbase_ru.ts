<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>JEX::NumberEntry</name>
    <message>
        <source>Enter a number</source>
        <translation>Введите число</translation>
    </message>
    <message>
        <source>Cannot be negative</source>
        <translation>Не может быть отрицательным</translation>
    </message>
    <message>
        <source>Use &quot;%1&quot; for decimals, without thousands separators</source>
        <translation>Используйте «%1» для дробной части, без разделителей тысяч</translation>
    </message>
    <message>
        <source>Not a number</source>
        <translation>Не число</translation>
    </message>
    <message>
        <source>Ambiguous: the point may separate thousands; write the decimals with &quot;%1&quot;</source>
        <translation>Неоднозначно: точка может разделять тысячи; пишите дробную часть через «%1»</translation>
    </message>
    <message>
        <source>Whole numbers only</source>
        <translation>Только целые числа</translation>
    </message>
    <message>
        <source>At least %1</source>
        <translation>Не меньше %1</translation>
    </message>
    <message>
        <source>At most %1</source>
        <translation>Не больше %1</translation>
    </message>
    <message>
        <source>Not used: the other ticked values determine it</source>
        <translation>Не используется: его определяют другие отмеченные значения</translation>
    </message>
    <message>
        <source>Not used: the program uses %1</source>
        <translation>Не используется: программа использует %1</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 ч %2 мин</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 мин %2 с</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 мин</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
</context>
<context>
    <name>cardinal_direction</name>
    <message>
        <source>N</source>
        <translation>С</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>СВ</translation>
    </message>
    <message>
        <source>E</source>
        <translation>В</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>ЮВ</translation>
    </message>
    <message>
        <source>S</source>
        <translation>Ю</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>ЮЗ</translation>
    </message>
    <message>
        <source>W</source>
        <translation>З</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>СЗ</translation>
    </message>
</context>
<context>
    <name>latitude_longitude</name>
    <message>
        <source>N</source>
        <translation>с. ш.</translation>
    </message>
    <message>
        <source>S</source>
        <translation>ю. ш.</translation>
    </message>
    <message>
        <source>W</source>
        <translation>з. д.</translation>
    </message>
    <message>
        <source>E</source>
        <translation>в. д.</translation>
    </message>
    <message>
        <source>%1°%2′%3</source>
        <translation>%1°%2′ %3</translation>
    </message>
    <message>
        <source>%1°%2′%3″%4</source>
        <translation>%1°%2′%3″ %4</translation>
    </message>
</context>
</TS>
