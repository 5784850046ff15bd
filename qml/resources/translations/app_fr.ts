<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>mount</name>
    <message>
        <source>Velmora Console</source>
        <translation>Console Velmora</translation>
    </message>
</context>
<context>
    <name>tavo_profile</name>
    <message>
        <source>Invalid Speed</source>
        <translation>Vitesse non valide</translation>
    </message>
    <message>
        <source>Frame period must be at least %1 seconds longer than exposure</source>
        <translation>L&apos;intervalle entre les prises de vue doit dépasser la pose d&apos;au moins %1 secondes</translation>
    </message>
    <message>
        <source>Speed too fast for frame period and exposure</source>
        <translation>Vitesse trop élevée pour l&apos;intervalle entre les prises de vue et la pose</translation>
    </message>
</context>
</TS>
