<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>mount</name>
    <message>
        <source>Velmora Console</source>
        <translation>Consola Velmora</translation>
    </message>
</context>
<context>
    <name>tavo_profile</name>
    <message>
        <source>Invalid Speed</source>
        <translation>Viteză nevalidă</translation>
    </message>
    <message>
        <source>Frame period must be at least %1 seconds longer than exposure</source>
        <translation>Intervalul dintre cadre trebuie să fie cu cel puțin %1 secunde mai lung decât expunerea</translation>
    </message>
    <message>
        <source>Speed too fast for frame period and exposure</source>
        <translation>Viteză prea mare pentru intervalul dintre cadre și expunere</translation>
    </message>
</context>
</TS>
