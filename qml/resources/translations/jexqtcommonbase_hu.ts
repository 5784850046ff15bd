<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>JEX::NumberEntry</name>
    <message>
        <source>Enter a number</source>
        <translation>Adjon meg egy számot</translation>
    </message>
    <message>
        <source>Cannot be negative</source>
        <translation>Nem lehet negatív</translation>
    </message>
    <message>
        <source>Use &quot;%1&quot; for decimals, without thousands separators</source>
        <translation>Tizedesjelként ezt használja: „%1”, ezres elválasztó nélkül</translation>
    </message>
    <message>
        <source>Not a number</source>
        <translation>Nem szám</translation>
    </message>
    <message>
        <source>Ambiguous: the point may separate thousands; write the decimals with &quot;%1&quot;</source>
        <translation>Kétértelmű: a pont ezreseket választhat el; a tizedeseket „%1” jellel írja</translation>
    </message>
    <message>
        <source>Whole numbers only</source>
        <translation>Csak egész számok</translation>
    </message>
    <message>
        <source>At least %1</source>
        <translation>Legalább %1</translation>
    </message>
    <message>
        <source>At most %1</source>
        <translation>Legfeljebb %1</translation>
    </message>
    <message>
        <source>Not used: the other ticked values determine it</source>
        <translation>Nincs használva: a többi bejelölt érték meghatározza</translation>
    </message>
    <message>
        <source>Not used: the program uses %1</source>
        <translation>Nincs használva: a program ezt használja: %1</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 ó %2 perc</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 perc %2 mp</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 perc</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 mp</translation>
    </message>
</context>
<context>
    <name>cardinal_direction</name>
    <message>
        <source>N</source>
        <translation>É</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>ÉK</translation>
    </message>
    <message>
        <source>E</source>
        <translation>K</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>DK</translation>
    </message>
    <message>
        <source>S</source>
        <translation>D</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>DNy</translation>
    </message>
    <message>
        <source>W</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>ÉNy</translation>
    </message>
</context>
<context>
    <name>latitude_longitude</name>
    <message>
        <source>N</source>
        <translation>É</translation>
    </message>
    <message>
        <source>S</source>
        <translation>D</translation>
    </message>
    <message>
        <source>W</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>E</source>
        <translation>K</translation>
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
