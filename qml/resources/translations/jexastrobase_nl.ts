<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>JEX::WifiForm</name>
    <message>
        <source>Enter the network&apos;s name</source>
        <translation>Voer de naam van het netwerk in</translation>
    </message>
    <message>
        <source>At most %1 bytes; this has %2</source>
        <translation>Hoogstens %1 bytes; dit heeft er %2</translation>
    </message>
    <message>
        <source>At most 63 bytes; this has %1</source>
        <translation>Hoogstens 63 bytes; dit heeft er %1</translation>
    </message>
    <message>
        <source>Empty for an open network, else at least 8 characters</source>
        <translation>Leeg voor een open netwerk, anders minstens 8 tekens</translation>
    </message>
    <message>
        <source>At least 8 characters</source>
        <translation>Minstens 8 tekens</translation>
    </message>
    <message>
        <source>The mount uses a security this console does not know (%1): choose one</source>
        <translation>De montering gebruikt een beveiliging die deze console niet kent (%1): kies er een</translation>
    </message>
    <message>
        <source>Four numbers from 0 to 255 joined by dots, such as 192.168.1.50</source>
        <translation>Vier getallen van 0 tot 255 met punten ertussen, zoals 192.168.1.50</translation>
    </message>
</context>
<context>
    <name>LogPane</name>
    <message>
        <source>Log</source>
        <translation>Logboek</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Geslaagd</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Negatief antwoord</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Communicatiefout</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Bewerking geannuleerd</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Onverwacht antwoord</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>Kan seriële poort niet openen</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Bezig met zoeken</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>Zoeken voltooid</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Verbinding wordt gemaakt</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Kan geen verbinding maken</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbonden</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Verbinding wordt verbroken</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Verbinding verbreken</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>%1 must be from 0 to %2%3 for the mount to hold it.</source>
        <translation>%1 moet tussen 0 en %2%3 liggen om in de montering te passen.</translation>
    </message>
    <message>
        <source>%1 must be between -%2° and %2° for the mount to hold it.</source>
        <translation>%1 moet tussen -%2° en %2° liggen om in de montering te passen.</translation>
    </message>
    <message>
        <source>Frame period</source>
        <translation>Beeldperiode</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Belichting</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>Angle per frame</source>
        <translation>Hoek per beeld</translation>
    </message>
    <message>
        <source>Dithering range</source>
        <translation>Ditheringbereik</translation>
    </message>
    <message>
        <source>Swing range</source>
        <translation>Zwaaibereik</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Foto&apos;s</translation>
    </message>
    <message>
        <source>%1 must be 0 or from %2 to %3 °/h for the mount to hold it.</source>
        <translation>%1 moet 0 zijn of tussen %2 en %3 °/h liggen om in de montering te passen.</translation>
    </message>
    <message>
        <source>No mount yet. Switch the tracker on, join its Wi-Fi and press Not Connected below to search for it. For a serial cable or the demo mount, choose the connection in Settings first.</source>
        <translation>Nog geen montering. Zet de tracker aan, maak verbinding met zijn wifi en druk onderaan op ‘Niet verbonden’ om hem te zoeken. Kies voor een seriële kabel of de demomontering eerst de verbinding in Instellingen.</translation>
    </message>
    <message>
        <source>No reply</source>
        <translation>Geen antwoord</translation>
    </message>
    <message>
        <source>Poor link</source>
        <translation>Zwakke verbinding</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>No link</source>
        <translation>Geen verbinding</translation>
    </message>
    <message>
        <source>Last %1 exchanges: %2 without a reply, %3 of %4 requests lost; %5 ms on average, %6 ms at worst.</source>
        <translation>Laatste %1 uitwisselingen: %2 zonder antwoord, %3 van %4 verzoeken verloren; gemiddeld %5 ms, hoogstens %6 ms.</translation>
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
        <translation>%1 u %2 min</translation>
    </message>
    <message>
        <source>link closed</source>
        <translation>verbinding gesloten</translation>
    </message>
    <message>
        <source>Reconnecting… last heard %1 ago</source>
        <translation>Opnieuw verbinden… laatst gehoord %1 geleden</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>geen antwoord</translation>
    </message>
    <message>
        <source>Connection lost (%1); reconnecting</source>
        <translation>Verbinding verloren (%1); opnieuw verbinden</translation>
    </message>
    <message>
        <source>Another mount answered; not reconnected</source>
        <translation>Een andere montering antwoordde; niet opnieuw verbonden</translation>
    </message>
    <message>
        <source>Another mount answers where the last one was. Connect to it from the connection dialog if it is the one you want.</source>
        <translation>Waar de vorige montering was, antwoordt een andere. Verbind ermee via het verbindingsvenster als u die bedoelt.</translation>
    </message>
    <message>
        <source>Reconnected after %1</source>
        <translation>Opnieuw verbonden na %1</translation>
    </message>
    <message>
        <source>Program still running: %1 of %2 photos</source>
        <translation>Programma loopt nog: %1 van %2 foto&apos;s</translation>
    </message>
    <message>
        <source>Program finished while disconnected: %1 of %2 photos</source>
        <translation>Programma beëindigd tijdens de onderbreking: %1 van %2 foto&apos;s</translation>
    </message>
    <message>
        <source>Program finished while disconnected: %1 photos</source>
        <translation>Programma beëindigd tijdens de onderbreking: %1 foto&apos;s</translation>
    </message>
    <message>
        <source>Reconnecting cancelled</source>
        <translation>Opnieuw verbinden geannuleerd</translation>
    </message>
    <message>
        <source>The program was not started; the mount keeps its previous state.</source>
        <translation>Het programma is niet gestart; de montering behoudt haar vorige toestand.</translation>
    </message>
    <message>
        <source>The program was not started, and the previous one may have been stopped.</source>
        <translation>Het programma is niet gestart, en het vorige is mogelijk gestopt.</translation>
    </message>
    <message>
        <source>The start of the program was sent, but the mount did not confirm it. Read the mount&apos;s status to see whether it runs.</source>
        <translation>De start van het programma is verzonden, maar de montering heeft die niet bevestigd. Lees de status van de montering om te zien of het loopt.</translation>
    </message>
    <message>
        <source>The program was not stopped; the mount keeps its previous state.</source>
        <translation>Het programma is niet gestopt; de montering behoudt haar vorige toestand.</translation>
    </message>
    <message>
        <source>The stop was sent, but the mount did not confirm it. Read the mount&apos;s status to see whether its program still runs.</source>
        <translation>De stop is verzonden, maar de montering heeft die niet bevestigd. Lees de status van de montering om te zien of haar programma nog loopt.</translation>
    </message>
    <message>
        <source>The Wi-Fi settings were not applied; the mount keeps its current Wi-Fi.</source>
        <translation>De wifi-instellingen zijn niet toegepast; de montering behoudt haar huidige wifi.</translation>
    </message>
    <message>
        <source>The Wi-Fi settings were written, but the mount did not confirm that it applied them. If its Wi-Fi restarts under the new name, it did.</source>
        <translation>De wifi-instellingen zijn geschreven, maar de montering heeft niet bevestigd dat ze zijn toegepast. Als haar wifi onder de nieuwe naam opnieuw start, zijn ze toegepast.</translation>
    </message>
</context>
</TS>
