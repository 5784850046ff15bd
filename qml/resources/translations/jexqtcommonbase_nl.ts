<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>JEX::NumberEntry</name>
    <message>
        <source>Enter a number</source>
        <translation>Voer een getal in</translation>
    </message>
    <message>
        <source>Cannot be negative</source>
        <translation>Mag niet negatief zijn</translation>
    </message>
    <message>
        <source>Use &quot;%1&quot; for decimals, without thousands separators</source>
        <translation>Gebruik &quot;%1&quot; voor decimalen, zonder scheidingstekens voor duizendtallen</translation>
    </message>
    <message>
        <source>Not a number</source>
        <translation>Geen getal</translation>
    </message>
    <message>
        <source>Ambiguous: the point may separate thousands; write the decimals with &quot;%1&quot;</source>
        <translation>Dubbelzinnig: de punt kan duizendtallen scheiden; schrijf de decimalen met &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Whole numbers only</source>
        <translation>Alleen gehele getallen</translation>
    </message>
    <message>
        <source>At least %1</source>
        <translation>Minstens %1</translation>
    </message>
    <message>
        <source>At most %1</source>
        <translation>Hoogstens %1</translation>
    </message>
    <message>
        <source>Not used: the other ticked values determine it</source>
        <translation>Niet gebruikt: de andere aangevinkte waarden bepalen het</translation>
    </message>
    <message>
        <source>Not used: the program uses %1</source>
        <translation>Niet gebruikt: het programma gebruikt %1</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 u %2 min</translation>
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
        <translation>NO</translation>
    </message>
    <message>
        <source>E</source>
        <translation>O</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>ZO</translation>
    </message>
    <message>
        <source>S</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>ZW</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>NW</translation>
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
        <translation>Z</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>E</source>
        <translation>O</translation>
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
