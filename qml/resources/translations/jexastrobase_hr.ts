<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr_HR">
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Uspješno</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Negativan odgovor</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Pogreška u komunikaciji</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Radnja otkazana</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Neočekivan odgovor</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>Nije moguće otvoriti serijski priključak</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Pretraživanje</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>Pretraživanje završeno</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Povezivanje</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Povezivanje nije moguće</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Povezano</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Prekidanje veze</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Prekini vezu</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Poveži</translation>
    </message>
</context>
</TS>
