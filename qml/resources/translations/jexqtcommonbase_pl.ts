<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>JEX::NumberEntry</name>
    <message>
        <source>Enter a number</source>
        <translation>Wpisz liczbę</translation>
    </message>
    <message>
        <source>Cannot be negative</source>
        <translation>Nie może być ujemna</translation>
    </message>
    <message>
        <source>Use &quot;%1&quot; for decimals, without thousands separators</source>
        <translation>Użyj „%1” jako separatora dziesiętnego, bez separatorów tysięcy</translation>
    </message>
    <message>
        <source>Not a number</source>
        <translation>To nie jest liczba</translation>
    </message>
    <message>
        <source>Ambiguous: the point may separate thousands; write the decimals with &quot;%1&quot;</source>
        <translation>Niejednoznaczne: kropka może oddzielać tysiące; części dziesiętne zapisz z „%1”</translation>
    </message>
    <message>
        <source>Whole numbers only</source>
        <translation>Tylko liczby całkowite</translation>
    </message>
    <message>
        <source>At least %1</source>
        <translation>Co najmniej %1</translation>
    </message>
    <message>
        <source>At most %1</source>
        <translation>Co najwyżej %1</translation>
    </message>
    <message>
        <source>Not used: the other ticked values determine it</source>
        <translation>Nieużywane: wyznaczają je inne zaznaczone wartości</translation>
    </message>
    <message>
        <source>Not used: the program uses %1</source>
        <translation>Nieużywane: program używa %1</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>cardinal_direction</name>
    <message>
        <source>N</source>
        <translation>Pn</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>Pn-Wsch</translation>
    </message>
    <message>
        <source>E</source>
        <translation>Wsch</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>Pd-Wsch</translation>
    </message>
    <message>
        <source>S</source>
        <translation>Pd</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>Pd-Zach</translation>
    </message>
    <message>
        <source>W</source>
        <translation>Zach</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>Pn-Zach</translation>
    </message>
</context>
<context>
    <name>latitude_longitude</name>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>%1°%2′%3</source>
        <translation>%1°%2′%3</translation>
    </message>
    <message>
        <source>%1°%2′%3″%4</source>
        <translation>%1°%2′%3″%4</translation>
    </message>
</context>
</TS>
