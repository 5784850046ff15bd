<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr_HR">
<context>
    <name>JEX::WifiForm</name>
    <message>
        <source>Enter the network&apos;s name</source>
        <translation>Upišite naziv mreže</translation>
    </message>
    <message>
        <source>At most %1 bytes; this has %2</source>
        <translation>Najviše %1 bajtova; ovo ima %2</translation>
    </message>
    <message>
        <source>At most 63 bytes; this has %1</source>
        <translation>Najviše 63 bajta; ovo ima %1</translation>
    </message>
    <message>
        <source>Empty for an open network, else at least 8 characters</source>
        <translation>Prazno za otvorenu mrežu, inače najmanje 8 znakova</translation>
    </message>
    <message>
        <source>At least 8 characters</source>
        <translation>Najmanje 8 znakova</translation>
    </message>
    <message>
        <source>The mount uses a security this console does not know (%1): choose one</source>
        <translation>Montaža koristi zaštitu koju ova konzola ne poznaje (%1): odaberite jednu</translation>
    </message>
    <message>
        <source>Four numbers from 0 to 255 joined by dots, such as 192.168.1.50</source>
        <translation>Četiri broja od 0 do 255 odvojena točkama, npr. 192.168.1.50</translation>
    </message>
</context>
<context>
    <name>LogPane</name>
    <message>
        <source>Log</source>
        <translation>Zapisnik</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiraj</translation>
    </message>
</context>
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
    <message>
        <source>%1 must be from 0 to %2%3 for the mount to hold it.</source>
        <translation>%1 mora biti od 0 do %2%3 da bi ga montaža mogla spremiti.</translation>
    </message>
    <message>
        <source>%1 must be between -%2° and %2° for the mount to hold it.</source>
        <translation>%1 mora biti između -%2° i %2° da bi ga montaža mogla spremiti.</translation>
    </message>
    <message>
        <source>Frame period</source>
        <translation>Razdoblje snimke</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Ekspozicija</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Razmak</translation>
    </message>
    <message>
        <source>Angle per frame</source>
        <translation>Kut po snimci</translation>
    </message>
    <message>
        <source>Dithering range</source>
        <translation>Raspon ditheringa</translation>
    </message>
    <message>
        <source>Swing range</source>
        <translation>Raspon njihanja</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Snimke</translation>
    </message>
    <message>
        <source>%1 must be 0 or from %2 to %3 °/h for the mount to hold it.</source>
        <translation>%1 mora biti 0 ili od %2 do %3 °/h da bi ga montaža mogla spremiti.</translation>
    </message>
    <message>
        <source>No mount yet. Switch the tracker on, join its Wi-Fi and press Not Connected below to search for it. For a serial cable or the demo mount, choose the connection in Settings first.</source>
        <translation>Još nema montaže. Uključite tracker, spojite se na njegov Wi-Fi i pritisnite „Nije povezano” dolje da ga potražite. Za serijski kabel ili demo montažu najprije odaberite vezu u Postavkama.</translation>
    </message>
    <message>
        <source>No reply</source>
        <translation>Nema odgovora</translation>
    </message>
    <message>
        <source>Poor link</source>
        <translation>Slaba veza</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>No link</source>
        <translation>Nema veze</translation>
    </message>
    <message>
        <source>Last %1 exchanges: %2 without a reply, %3 of %4 requests lost; %5 ms on average, %6 ms at worst.</source>
        <translation>Zadnjih %1 razmjena: %2 bez odgovora, izgubljeno %3 od %4 zahtjeva; prosječno %5 ms, najviše %6 ms.</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>link closed</source>
        <translation>veza zatvorena</translation>
    </message>
    <message>
        <source>Reconnecting… last heard %1 ago</source>
        <translation>Ponovno povezivanje… zadnji odgovor prije %1</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>nema odgovora</translation>
    </message>
    <message>
        <source>Connection lost (%1); reconnecting</source>
        <translation>Veza izgubljena (%1); ponovno povezivanje</translation>
    </message>
    <message>
        <source>Another mount answered; not reconnected</source>
        <translation>Javio se drugi nosač; nije ponovno povezano</translation>
    </message>
    <message>
        <source>Another mount answers where the last one was. Connect to it from the connection dialog if it is the one you want.</source>
        <translation>Na mjestu posljednjeg nosača javlja se drugi. Povežite se s njim iz dijaloga za povezivanje ako je to onaj koji želite.</translation>
    </message>
    <message>
        <source>Reconnected after %1</source>
        <translation>Ponovno povezano nakon %1</translation>
    </message>
    <message>
        <source>Program still running: %1 of %2 photos</source>
        <translation>Program i dalje radi: %1 od %2 fotografija</translation>
    </message>
    <message>
        <source>Program finished while disconnected: %1 of %2 photos</source>
        <translation>Program završen tijekom prekida veze: %1 od %2 fotografija</translation>
    </message>
    <message>
        <source>Program finished while disconnected: %1 photos</source>
        <translation>Program završen tijekom prekida veze: %1 fotografija</translation>
    </message>
    <message>
        <source>Reconnecting cancelled</source>
        <translation>Ponovno povezivanje otkazano</translation>
    </message>
    <message>
        <source>The program was not started; the mount keeps its previous state.</source>
        <translation>Program nije pokrenut; montaža zadržava prethodno stanje.</translation>
    </message>
    <message>
        <source>The program was not started, and the previous one may have been stopped.</source>
        <translation>Program nije pokrenut, a prethodni je možda zaustavljen.</translation>
    </message>
    <message>
        <source>The start of the program was sent, but the mount did not confirm it. Read the mount&apos;s status to see whether it runs.</source>
        <translation>Pokretanje programa je poslano, ali ga montaža nije potvrdila. Pročitajte stanje montaže da vidite radi li program.</translation>
    </message>
    <message>
        <source>The program was not stopped; the mount keeps its previous state.</source>
        <translation>Program nije zaustavljen; montaža zadržava prethodno stanje.</translation>
    </message>
    <message>
        <source>The stop was sent, but the mount did not confirm it. Read the mount&apos;s status to see whether its program still runs.</source>
        <translation>Zaustavljanje je poslano, ali ga montaža nije potvrdila. Pročitajte stanje montaže da vidite radi li njezin program još.</translation>
    </message>
    <message>
        <source>The Wi-Fi settings were not applied; the mount keeps its current Wi-Fi.</source>
        <translation>Wi-Fi postavke nisu primijenjene; montaža zadržava trenutačni Wi-Fi.</translation>
    </message>
    <message>
        <source>The Wi-Fi settings were written, but the mount did not confirm that it applied them. If its Wi-Fi restarts under the new name, it did.</source>
        <translation>Wi-Fi postavke su zapisane, ali montaža nije potvrdila da ih je primijenila. Ako se njezin Wi-Fi ponovno pokrene pod novim imenom, primijenila ih je.</translation>
    </message>
</context>
</TS>
