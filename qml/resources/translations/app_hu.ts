<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>mount</name>
    <message>
        <source>Velmora Console</source>
        <translation>Velmora konzol</translation>
    </message>
</context>
<context>
    <name>tavo_profile</name>
    <message>
        <source>Invalid Speed</source>
        <translation>Érvénytelen sebesség</translation>
    </message>
    <message>
        <source>Frame period must be at least %1 seconds longer than exposure</source>
        <translation>A felvételi időköznek legalább %1 másodperccel hosszabbnak kell lennie az expozíciós időnél</translation>
    </message>
    <message>
        <source>Speed too fast for frame period and exposure</source>
        <translation>A sebesség túl nagy a felvételi időközhöz és az expozíciós időhöz</translation>
    </message>
</context>
</TS>
