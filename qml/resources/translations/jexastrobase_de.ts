<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>JEX::WifiForm</name>
    <message>
        <source>Enter the network&apos;s name</source>
        <translation>Namen des Netzwerks eingeben</translation>
    </message>
    <message>
        <source>At most %1 bytes; this has %2</source>
        <translation>Höchstens %1 Bytes; dies hat %2</translation>
    </message>
    <message>
        <source>At most 63 bytes; this has %1</source>
        <translation>Höchstens 63 Bytes; dies hat %1</translation>
    </message>
    <message>
        <source>Empty for an open network, else at least 8 characters</source>
        <translation>Leer für ein offenes Netzwerk, sonst mindestens 8 Zeichen</translation>
    </message>
    <message>
        <source>At least 8 characters</source>
        <translation>Mindestens 8 Zeichen</translation>
    </message>
    <message>
        <source>The mount uses a security this console does not know (%1): choose one</source>
        <translation>Die Montierung nutzt eine Sicherheit, die diese Konsole nicht kennt (%1): bitte eine wählen</translation>
    </message>
    <message>
        <source>Four numbers from 0 to 255 joined by dots, such as 192.168.1.50</source>
        <translation>Vier Zahlen von 0 bis 255 mit Punkten, etwa 192.168.1.50</translation>
    </message>
</context>
<context>
    <name>LogPane</name>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Erfolgreich</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Negative Antwort</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Kommunikationsfehler</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Vorgang abgebrochen</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Unerwartete Antwort</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>Serielle Schnittstelle kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Suche läuft</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>Suche beendet</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Verbindung wird hergestellt</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Verbindung nicht möglich</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Verbindung wird getrennt</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>%1 must be from 0 to %2%3 for the mount to hold it.</source>
        <translation>%1 muss zwischen 0 und %2%3 liegen, damit die Montierung es speichern kann.</translation>
    </message>
    <message>
        <source>%1 must be between -%2° and %2° for the mount to hold it.</source>
        <translation>%1 muss zwischen -%2° und %2° liegen, damit die Montierung es speichern kann.</translation>
    </message>
    <message>
        <source>Frame period</source>
        <translation>Bildintervall</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Belichtung</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Angle per frame</source>
        <translation>Winkel pro Bild</translation>
    </message>
    <message>
        <source>Dithering range</source>
        <translation>Dithering-Bereich</translation>
    </message>
    <message>
        <source>Swing range</source>
        <translation>Schwenkbereich</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Aufnahmen</translation>
    </message>
    <message>
        <source>%1 must be 0 or from %2 to %3 °/h for the mount to hold it.</source>
        <translation>%1 muss 0 sein oder zwischen %2 und %3 °/h liegen, damit die Montierung es speichern kann.</translation>
    </message>
    <message>
        <source>No mount yet. Switch the tracker on, join its Wi-Fi and press Not Connected below to search for it. For a serial cable or the demo mount, choose the connection in Settings first.</source>
        <translation>Noch keine Montierung. Schalten Sie den Tracker ein, verbinden Sie sich mit seinem WLAN und tippen Sie unten auf „Nicht verbunden“, um ihn zu suchen. Für ein serielles Kabel oder die Demo-Montierung wählen Sie zuerst die Verbindung in den Einstellungen.</translation>
    </message>
    <message>
        <source>No reply</source>
        <translation>Keine Antwort</translation>
    </message>
    <message>
        <source>Poor link</source>
        <translation>Schwache Verbindung</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>No link</source>
        <translation>Keine Verbindung</translation>
    </message>
    <message>
        <source>Last %1 exchanges: %2 without a reply, %3 of %4 requests lost; %5 ms on average, %6 ms at worst.</source>
        <translation>Letzte %1 Austausche: %2 ohne Antwort, %3 von %4 Anfragen verloren; im Mittel %5 ms, höchstens %6 ms.</translation>
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
        <translation>Verbindung geschlossen</translation>
    </message>
    <message>
        <source>Reconnecting… last heard %1 ago</source>
        <translation>Verbinde erneut… zuletzt vor %1 gehört</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>Connection lost (%1); reconnecting</source>
        <translation>Verbindung verloren (%1); verbinde erneut</translation>
    </message>
    <message>
        <source>Another mount answered; not reconnected</source>
        <translation>Eine andere Montierung hat geantwortet; nicht wieder verbunden</translation>
    </message>
    <message>
        <source>Another mount answers where the last one was. Connect to it from the connection dialog if it is the one you want.</source>
        <translation>Wo die letzte Montierung war, antwortet eine andere. Verbinden Sie sich im Verbindungsdialog mit ihr, wenn Sie diese meinen.</translation>
    </message>
    <message>
        <source>Reconnected after %1</source>
        <translation>Nach %1 wieder verbunden</translation>
    </message>
    <message>
        <source>Program still running: %1 of %2 photos</source>
        <translation>Programm läuft noch: %1 von %2 Fotos</translation>
    </message>
    <message>
        <source>Program finished while disconnected: %1 of %2 photos</source>
        <translation>Programm während der Trennung beendet: %1 von %2 Fotos</translation>
    </message>
    <message>
        <source>Program finished while disconnected: %1 photos</source>
        <translation>Programm während der Trennung beendet: %1 Fotos</translation>
    </message>
    <message>
        <source>Reconnecting cancelled</source>
        <translation>Wiederverbinden abgebrochen</translation>
    </message>
    <message>
        <source>The program was not started; the mount keeps its previous state.</source>
        <translation>Das Programm wurde nicht gestartet; die Montierung behält ihren bisherigen Zustand.</translation>
    </message>
    <message>
        <source>The program was not started, and the previous one may have been stopped.</source>
        <translation>Das Programm wurde nicht gestartet, und das vorherige wurde möglicherweise angehalten.</translation>
    </message>
    <message>
        <source>The start of the program was sent, but the mount did not confirm it. Read the mount&apos;s status to see whether it runs.</source>
        <translation>Der Start des Programms wurde gesendet, aber die Montierung hat ihn nicht bestätigt. Lesen Sie den Status der Montierung, um zu sehen, ob es läuft.</translation>
    </message>
    <message>
        <source>The program was not stopped; the mount keeps its previous state.</source>
        <translation>Das Programm wurde nicht angehalten; die Montierung behält ihren bisherigen Zustand.</translation>
    </message>
    <message>
        <source>The stop was sent, but the mount did not confirm it. Read the mount&apos;s status to see whether its program still runs.</source>
        <translation>Der Stopp wurde gesendet, aber die Montierung hat ihn nicht bestätigt. Lesen Sie den Status der Montierung, um zu sehen, ob ihr Programm noch läuft.</translation>
    </message>
    <message>
        <source>The Wi-Fi settings were not applied; the mount keeps its current Wi-Fi.</source>
        <translation>Die WLAN-Einstellungen wurden nicht übernommen; die Montierung behält ihr aktuelles WLAN.</translation>
    </message>
    <message>
        <source>The Wi-Fi settings were written, but the mount did not confirm that it applied them. If its Wi-Fi restarts under the new name, it did.</source>
        <translation>Die WLAN-Einstellungen wurden geschrieben, aber die Montierung hat nicht bestätigt, dass sie sie übernommen hat. Startet ihr WLAN unter dem neuen Namen neu, hat sie es getan.</translation>
    </message>
</context>
</TS>
