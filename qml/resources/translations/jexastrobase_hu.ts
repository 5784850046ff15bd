<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>JEX::WifiForm</name>
    <message>
        <source>Enter the network&apos;s name</source>
        <translation>Adja meg a hálózat nevét</translation>
    </message>
    <message>
        <source>At most %1 bytes; this has %2</source>
        <translation>Legfeljebb %1 bájt; ez %2</translation>
    </message>
    <message>
        <source>At most 63 bytes; this has %1</source>
        <translation>Legfeljebb 63 bájt; ez %1</translation>
    </message>
    <message>
        <source>Empty for an open network, else at least 8 characters</source>
        <translation>Nyílt hálózathoz üres, egyébként legalább 8 karakter</translation>
    </message>
    <message>
        <source>At least 8 characters</source>
        <translation>Legalább 8 karakter</translation>
    </message>
    <message>
        <source>The mount uses a security this console does not know (%1): choose one</source>
        <translation>A mechanika a konzol számára ismeretlen védelmet használ (%1): válasszon egyet</translation>
    </message>
    <message>
        <source>Four numbers from 0 to 255 joined by dots, such as 192.168.1.50</source>
        <translation>Négy szám 0 és 255 között pontokkal elválasztva, pl. 192.168.1.50</translation>
    </message>
</context>
<context>
    <name>LogPane</name>
    <message>
        <source>Log</source>
        <translation>Napló</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Másolás</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Sikeres</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Elutasító válasz</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Kommunikációs hiba</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>A művelet megszakítva</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Váratlan válasz</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>A soros port nem nyitható meg</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Keresés folyamatban</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>A keresés befejeződött</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Csatlakozás folyamatban</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Nem sikerült csatlakozni</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Csatlakoztatva</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Kapcsolat bontása folyamatban</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Kapcsolat bontása</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Csatlakozás</translation>
    </message>
    <message>
        <source>%1 must be from 0 to %2%3 for the mount to hold it.</source>
        <translation>%1 értéke 0 és %2%3 között lehet, hogy a mechanika tárolni tudja.</translation>
    </message>
    <message>
        <source>%1 must be between -%2° and %2° for the mount to hold it.</source>
        <translation>%1 értéke -%2° és %2° között lehet, hogy a mechanika tárolni tudja.</translation>
    </message>
    <message>
        <source>Frame period</source>
        <translation>Képperiódus</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Expozíció</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Szünet</translation>
    </message>
    <message>
        <source>Angle per frame</source>
        <translation>Szög képenként</translation>
    </message>
    <message>
        <source>Dithering range</source>
        <translation>Dithering tartomány</translation>
    </message>
    <message>
        <source>Swing range</source>
        <translation>Lengési tartomány</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Képek</translation>
    </message>
    <message>
        <source>%1 must be 0 or from %2 to %3 °/h for the mount to hold it.</source>
        <translation>%1 értéke 0 vagy %2 és %3 °/h között lehet, hogy a mechanika tárolni tudja.</translation>
    </message>
    <message>
        <source>No mount yet. Switch the tracker on, join its Wi-Fi and press Not Connected below to search for it. For a serial cable or the demo mount, choose the connection in Settings first.</source>
        <translation>Még nincs mechanika. Kapcsolja be a követőt, csatlakozzon a Wi-Fi-jéhez, és a kereséshez nyomja meg lent a „Nincs csatlakoztatva” gombot. Soros kábelhez vagy a bemutató mechanikához előbb válassza ki a kapcsolatot a Beállításokban.</translation>
    </message>
    <message>
        <source>No reply</source>
        <translation>Nincs válasz</translation>
    </message>
    <message>
        <source>Poor link</source>
        <translation>Gyenge kapcsolat</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>No link</source>
        <translation>Nincs kapcsolat</translation>
    </message>
    <message>
        <source>Last %1 exchanges: %2 without a reply, %3 of %4 requests lost; %5 ms on average, %6 ms at worst.</source>
        <translation>Utolsó %1 üzenetváltás: %2 válasz nélkül, %4 kérésből %3 elveszett; átlagosan %5 ms, legfeljebb %6 ms.</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 mp</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 perc</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 ó %2 perc</translation>
    </message>
    <message>
        <source>link closed</source>
        <translation>kapcsolat lezárva</translation>
    </message>
    <message>
        <source>Reconnecting… last heard %1 ago</source>
        <translation>Újracsatlakozás… utolsó válasz %1 ezelőtt</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>nincs válasz</translation>
    </message>
    <message>
        <source>Connection lost (%1); reconnecting</source>
        <translation>A kapcsolat megszakadt (%1); újracsatlakozás</translation>
    </message>
    <message>
        <source>Another mount answered; not reconnected</source>
        <translation>Egy másik mechanika válaszolt; nincs újracsatlakozás</translation>
    </message>
    <message>
        <source>Another mount answers where the last one was. Connect to it from the connection dialog if it is the one you want.</source>
        <translation>Az előző mechanika helyén egy másik válaszol. Csatlakozzon hozzá a kapcsolódási párbeszédablakból, ha azt szeretné.</translation>
    </message>
    <message>
        <source>Reconnected after %1</source>
        <translation>Újracsatlakozva %1 után</translation>
    </message>
    <message>
        <source>Program still running: %1 of %2 photos</source>
        <translation>A program még fut: %1 / %2 fotó</translation>
    </message>
    <message>
        <source>Program finished while disconnected: %1 of %2 photos</source>
        <translation>A program a kapcsolat nélkül befejeződött: %1 / %2 fotó</translation>
    </message>
    <message>
        <source>Program finished while disconnected: %1 photos</source>
        <translation>A program a kapcsolat nélkül befejeződött: %1 fotó</translation>
    </message>
    <message>
        <source>Reconnecting cancelled</source>
        <translation>Újracsatlakozás megszakítva</translation>
    </message>
    <message>
        <source>The program was not started; the mount keeps its previous state.</source>
        <translation>A program nem indult el; a mechanika megtartja korábbi állapotát.</translation>
    </message>
    <message>
        <source>The program was not started, and the previous one may have been stopped.</source>
        <translation>A program nem indult el, és lehet, hogy az előző leállt.</translation>
    </message>
    <message>
        <source>The start of the program was sent, but the mount did not confirm it. Read the mount&apos;s status to see whether it runs.</source>
        <translation>A program indítása elküldve, de a mechanika nem erősítette meg. Olvassa ki a mechanika állapotát, hogy lássa, fut-e.</translation>
    </message>
    <message>
        <source>The program was not stopped; the mount keeps its previous state.</source>
        <translation>A program nem állt le; a mechanika megtartja korábbi állapotát.</translation>
    </message>
    <message>
        <source>The stop was sent, but the mount did not confirm it. Read the mount&apos;s status to see whether its program still runs.</source>
        <translation>A leállítás elküldve, de a mechanika nem erősítette meg. Olvassa ki a mechanika állapotát, hogy lássa, fut-e még a programja.</translation>
    </message>
    <message>
        <source>The Wi-Fi settings were not applied; the mount keeps its current Wi-Fi.</source>
        <translation>A Wi-Fi-beállítások nem léptek életbe; a mechanika megtartja a jelenlegi Wi-Fi-t.</translation>
    </message>
    <message>
        <source>The Wi-Fi settings were written, but the mount did not confirm that it applied them. If its Wi-Fi restarts under the new name, it did.</source>
        <translation>A Wi-Fi-beállítások beíródtak, de a mechanika nem erősítette meg, hogy alkalmazta őket. Ha a Wi-Fi-je az új néven indul újra, alkalmazta.</translation>
    </message>
</context>
</TS>
