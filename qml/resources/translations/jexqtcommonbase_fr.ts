<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>JEX::NumberEntry</name>
    <message>
        <source>Enter a number</source>
        <translation>Saisissez un nombre</translation>
    </message>
    <message>
        <source>Cannot be negative</source>
        <translation>Ne peut pas être négatif</translation>
    </message>
    <message>
        <source>Use &quot;%1&quot; for decimals, without thousands separators</source>
        <translation>Utilisez « %1 » pour les décimales, sans séparateur de milliers</translation>
    </message>
    <message>
        <source>Not a number</source>
        <translation>Pas un nombre</translation>
    </message>
    <message>
        <source>Ambiguous: the point may separate thousands; write the decimals with &quot;%1&quot;</source>
        <translation>Ambigu : le point peut séparer les milliers ; écrivez les décimales avec « %1 »</translation>
    </message>
    <message>
        <source>Whole numbers only</source>
        <translation>Nombres entiers uniquement</translation>
    </message>
    <message>
        <source>At least %1</source>
        <translation>Au moins %1</translation>
    </message>
    <message>
        <source>At most %1</source>
        <translation>Au plus %1</translation>
    </message>
    <message>
        <source>Not used: the other ticked values determine it</source>
        <translation>Non utilisé : les autres valeurs cochées le déterminent</translation>
    </message>
    <message>
        <source>Not used: the program uses %1</source>
        <translation>Non utilisé : le programme utilise %1</translation>
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
        <translation>SO</translation>
    </message>
    <message>
        <source>W</source>
        <translation>O</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>NO</translation>
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
        <translation>O</translation>
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
