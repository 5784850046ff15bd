<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>JEX::NumberEntry</name>
    <message>
        <source>Enter a number</source>
        <translation>Introduceți un număr</translation>
    </message>
    <message>
        <source>Cannot be negative</source>
        <translation>Nu poate fi negativ</translation>
    </message>
    <message>
        <source>Use &quot;%1&quot; for decimals, without thousands separators</source>
        <translation>Folosiți „%1” pentru zecimale, fără separatori de mii</translation>
    </message>
    <message>
        <source>Not a number</source>
        <translation>Nu este un număr</translation>
    </message>
    <message>
        <source>Ambiguous: the point may separate thousands; write the decimals with &quot;%1&quot;</source>
        <translation>Ambiguu: punctul poate separa miile; scrieți zecimalele cu „%1”</translation>
    </message>
    <message>
        <source>Whole numbers only</source>
        <translation>Doar numere întregi</translation>
    </message>
    <message>
        <source>At least %1</source>
        <translation>Cel puțin %1</translation>
    </message>
    <message>
        <source>At most %1</source>
        <translation>Cel mult %1</translation>
    </message>
    <message>
        <source>Not used: the other ticked values determine it</source>
        <translation>Nefolosit: celelalte valori bifate îl determină</translation>
    </message>
    <message>
        <source>Not used: the program uses %1</source>
        <translation>Nefolosit: programul folosește %1</translation>
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
        <translation>N</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>NE</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>SE</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>SV</translation>
    </message>
    <message>
        <source>W</source>
        <translation>V</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>NV</translation>
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
        <translation>V</translation>
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
