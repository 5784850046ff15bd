<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr_HR">
<context>
    <name>JEX::NumberEntry</name>
    <message>
        <source>Enter a number</source>
        <translation>Unesite broj</translation>
    </message>
    <message>
        <source>Cannot be negative</source>
        <translation>Ne smije biti negativan</translation>
    </message>
    <message>
        <source>Use &quot;%1&quot; for decimals, without thousands separators</source>
        <translation>Za decimale koristite &quot;%1&quot;, bez razdjelnika tisućica</translation>
    </message>
    <message>
        <source>Not a number</source>
        <translation>Nije broj</translation>
    </message>
    <message>
        <source>Ambiguous: the point may separate thousands; write the decimals with &quot;%1&quot;</source>
        <translation>Dvosmisleno: točka može odvajati tisućice; decimale pišite s &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Whole numbers only</source>
        <translation>Samo cijeli brojevi</translation>
    </message>
    <message>
        <source>At least %1</source>
        <translation>Najmanje %1</translation>
    </message>
    <message>
        <source>At most %1</source>
        <translation>Najviše %1</translation>
    </message>
    <message>
        <source>Not used: the other ticked values determine it</source>
        <translation>Ne koristi se: određuju ga ostale označene vrijednosti</translation>
    </message>
    <message>
        <source>Not used: the program uses %1</source>
        <translation>Ne koristi se: program koristi %1</translation>
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
        <translation>S</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>SI</translation>
    </message>
    <message>
        <source>E</source>
        <translation>I</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>JI</translation>
    </message>
    <message>
        <source>S</source>
        <translation>J</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>JZ</translation>
    </message>
    <message>
        <source>W</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>SZ</translation>
    </message>
</context>
<context>
    <name>latitude_longitude</name>
    <message>
        <source>N</source>
        <translation>S</translation>
    </message>
    <message>
        <source>S</source>
        <translation>J</translation>
    </message>
    <message>
        <source>W</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>E</source>
        <translation>I</translation>
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
