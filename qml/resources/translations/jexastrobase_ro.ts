<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>JEX::WifiForm</name>
    <message>
        <source>Enter the network&apos;s name</source>
        <translation>Introduceți numele rețelei</translation>
    </message>
    <message>
        <source>At most %1 bytes; this has %2</source>
        <translation>Cel mult %1 octeți; acesta are %2</translation>
    </message>
    <message>
        <source>At most 63 bytes; this has %1</source>
        <translation>Cel mult 63 de octeți; acesta are %1</translation>
    </message>
    <message>
        <source>Empty for an open network, else at least 8 characters</source>
        <translation>Gol pentru o rețea deschisă, altfel cel puțin 8 caractere</translation>
    </message>
    <message>
        <source>At least 8 characters</source>
        <translation>Cel puțin 8 caractere</translation>
    </message>
    <message>
        <source>The mount uses a security this console does not know (%1): choose one</source>
        <translation>Montura folosește o securitate necunoscută acestei console (%1): alegeți una</translation>
    </message>
    <message>
        <source>Four numbers from 0 to 255 joined by dots, such as 192.168.1.50</source>
        <translation>Patru numere de la 0 la 255 separate prin puncte, de ex. 192.168.1.50</translation>
    </message>
</context>
<context>
    <name>LogPane</name>
    <message>
        <source>Log</source>
        <translation>Jurnal</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiază</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Reușit</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Răspuns negativ</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Eroare de comunicare</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Operațiune anulată</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Răspuns neașteptat</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>Portul serial nu poate fi deschis</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Se caută</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>Căutare încheiată</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Se conectează</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Conectare imposibilă</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectat</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Se deconectează</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Deconectare</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectare</translation>
    </message>
    <message>
        <source>%1 must be from 0 to %2%3 for the mount to hold it.</source>
        <translation>%1 trebuie să fie între 0 și %2%3 pentru ca montura să-l poată reține.</translation>
    </message>
    <message>
        <source>%1 must be between -%2° and %2° for the mount to hold it.</source>
        <translation>%1 trebuie să fie între -%2° și %2° pentru ca montura să-l poată reține.</translation>
    </message>
    <message>
        <source>Frame period</source>
        <translation>Perioada cadrului</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Expunere</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>Angle per frame</source>
        <translation>Unghi pe cadru</translation>
    </message>
    <message>
        <source>Dithering range</source>
        <translation>Amplitudine dithering</translation>
    </message>
    <message>
        <source>Swing range</source>
        <translation>Amplitudinea balansului</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotografii</translation>
    </message>
    <message>
        <source>%1 must be 0 or from %2 to %3 °/h for the mount to hold it.</source>
        <translation>%1 trebuie să fie 0 sau între %2 și %3 °/h pentru ca montura să-l poată reține.</translation>
    </message>
    <message>
        <source>No mount yet. Switch the tracker on, join its Wi-Fi and press Not Connected below to search for it. For a serial cable or the demo mount, choose the connection in Settings first.</source>
        <translation>Încă nicio montură. Porniți trackerul, conectați-vă la Wi-Fi-ul lui și apăsați „Neconectat” mai jos pentru a-l căuta. Pentru un cablu serial sau montura demo, alegeți mai întâi conexiunea în Setări.</translation>
    </message>
    <message>
        <source>No reply</source>
        <translation>Niciun răspuns</translation>
    </message>
    <message>
        <source>Poor link</source>
        <translation>Legătură slabă</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>No link</source>
        <translation>Nicio legătură</translation>
    </message>
    <message>
        <source>Last %1 exchanges: %2 without a reply, %3 of %4 requests lost; %5 ms on average, %6 ms at worst.</source>
        <translation>Ultimele %1 schimburi: %2 fără răspuns, %3 din %4 cereri pierdute; în medie %5 ms, cel mult %6 ms.</translation>
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
        <translation>legătură închisă</translation>
    </message>
    <message>
        <source>Reconnecting… last heard %1 ago</source>
        <translation>Reconectare… ultimul răspuns acum %1</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>niciun răspuns</translation>
    </message>
    <message>
        <source>Connection lost (%1); reconnecting</source>
        <translation>Conexiune pierdută (%1); se reconectează</translation>
    </message>
    <message>
        <source>Another mount answered; not reconnected</source>
        <translation>A răspuns altă montură; nu s-a reconectat</translation>
    </message>
    <message>
        <source>Another mount answers where the last one was. Connect to it from the connection dialog if it is the one you want.</source>
        <translation>În locul ultimei monturi răspunde alta. Conectați-vă la ea din dialogul de conectare dacă este cea dorită.</translation>
    </message>
    <message>
        <source>Reconnected after %1</source>
        <translation>Reconectat după %1</translation>
    </message>
    <message>
        <source>Program still running: %1 of %2 photos</source>
        <translation>Programul încă rulează: %1 din %2 fotografii</translation>
    </message>
    <message>
        <source>Program finished while disconnected: %1 of %2 photos</source>
        <translation>Program încheiat în timpul deconectării: %1 din %2 fotografii</translation>
    </message>
    <message>
        <source>Program finished while disconnected: %1 photos</source>
        <translation>Program încheiat în timpul deconectării: %1 fotografii</translation>
    </message>
    <message>
        <source>Reconnecting cancelled</source>
        <translation>Reconectare anulată</translation>
    </message>
    <message>
        <source>The program was not started; the mount keeps its previous state.</source>
        <translation>Programul nu a fost pornit; montura își păstrează starea anterioară.</translation>
    </message>
    <message>
        <source>The program was not started, and the previous one may have been stopped.</source>
        <translation>Programul nu a fost pornit, iar cel anterior poate să fi fost oprit.</translation>
    </message>
    <message>
        <source>The start of the program was sent, but the mount did not confirm it. Read the mount&apos;s status to see whether it runs.</source>
        <translation>Pornirea programului a fost trimisă, dar montura nu a confirmat-o. Citiți starea monturii pentru a vedea dacă rulează.</translation>
    </message>
    <message>
        <source>The program was not stopped; the mount keeps its previous state.</source>
        <translation>Programul nu a fost oprit; montura își păstrează starea anterioară.</translation>
    </message>
    <message>
        <source>The stop was sent, but the mount did not confirm it. Read the mount&apos;s status to see whether its program still runs.</source>
        <translation>Oprirea a fost trimisă, dar montura nu a confirmat-o. Citiți starea monturii pentru a vedea dacă programul ei mai rulează.</translation>
    </message>
    <message>
        <source>The Wi-Fi settings were not applied; the mount keeps its current Wi-Fi.</source>
        <translation>Setările Wi-Fi nu au fost aplicate; montura își păstrează Wi-Fi-ul actual.</translation>
    </message>
    <message>
        <source>The Wi-Fi settings were written, but the mount did not confirm that it applied them. If its Wi-Fi restarts under the new name, it did.</source>
        <translation>Setările Wi-Fi au fost scrise, dar montura nu a confirmat că le-a aplicat. Dacă Wi-Fi-ul ei repornește sub noul nume, le-a aplicat.</translation>
    </message>
</context>
</TS>
