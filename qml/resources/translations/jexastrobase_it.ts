<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>JEX::WifiForm</name>
    <message>
        <source>Enter the network&apos;s name</source>
        <translation>Inserisci il nome della rete</translation>
    </message>
    <message>
        <source>At most %1 bytes; this has %2</source>
        <translation>Al massimo %1 byte; questo ne ha %2</translation>
    </message>
    <message>
        <source>At most 63 bytes; this has %1</source>
        <translation>Al massimo 63 byte; questo ne ha %1</translation>
    </message>
    <message>
        <source>Empty for an open network, else at least 8 characters</source>
        <translation>Vuota per una rete aperta, altrimenti almeno 8 caratteri</translation>
    </message>
    <message>
        <source>At least 8 characters</source>
        <translation>Almeno 8 caratteri</translation>
    </message>
    <message>
        <source>The mount uses a security this console does not know (%1): choose one</source>
        <translation>La montatura usa una sicurezza che questa console non conosce (%1): scegline una</translation>
    </message>
    <message>
        <source>Four numbers from 0 to 255 joined by dots, such as 192.168.1.50</source>
        <translation>Quattro numeri da 0 a 255 separati da punti, come 192.168.1.50</translation>
    </message>
</context>
<context>
    <name>LogPane</name>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Riuscito</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Risposta negativa</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Errore di comunicazione</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Operazione annullata</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Risposta inattesa</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>Impossibile aprire la porta seriale</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Ricerca in corso</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>Ricerca terminata</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Connessione in corso</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Impossibile connettersi</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connesso</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Disconnessione in corso</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>%1 must be from 0 to %2%3 for the mount to hold it.</source>
        <translation>%1 deve essere tra 0 e %2%3 perché la montatura possa memorizzarlo.</translation>
    </message>
    <message>
        <source>%1 must be between -%2° and %2° for the mount to hold it.</source>
        <translation>%1 deve essere tra -%2° e %2° perché la montatura possa memorizzarlo.</translation>
    </message>
    <message>
        <source>Frame period</source>
        <translation>Periodo di scatto</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Esposizione</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>Angle per frame</source>
        <translation>Angolo per scatto</translation>
    </message>
    <message>
        <source>Dithering range</source>
        <translation>Ampiezza del dithering</translation>
    </message>
    <message>
        <source>Swing range</source>
        <translation>Ampiezza dell’oscillazione</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>%1 must be 0 or from %2 to %3 °/h for the mount to hold it.</source>
        <translation>%1 deve essere 0 oppure tra %2 e %3 °/h perché la montatura possa memorizzarlo.</translation>
    </message>
    <message>
        <source>No mount yet. Switch the tracker on, join its Wi-Fi and press Not Connected below to search for it. For a serial cable or the demo mount, choose the connection in Settings first.</source>
        <translation>Ancora nessuna montatura. Accendi l’inseguitore, collegati al suo Wi-Fi e premi «Non connesso» in basso per cercarlo. Per un cavo seriale o la montatura demo, scegli prima la connessione nelle Impostazioni.</translation>
    </message>
    <message>
        <source>No reply</source>
        <translation>Nessuna risposta</translation>
    </message>
    <message>
        <source>Poor link</source>
        <translation>Collegamento debole</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>No link</source>
        <translation>Nessun collegamento</translation>
    </message>
    <message>
        <source>Last %1 exchanges: %2 without a reply, %3 of %4 requests lost; %5 ms on average, %6 ms at worst.</source>
        <translation>Ultimi %1 scambi: %2 senza risposta, %3 richieste perse su %4; %5 ms in media, %6 ms al massimo.</translation>
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
        <translation>collegamento chiuso</translation>
    </message>
    <message>
        <source>Reconnecting… last heard %1 ago</source>
        <translation>Riconnessione… ultima risposta %1 fa</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>nessuna risposta</translation>
    </message>
    <message>
        <source>Connection lost (%1); reconnecting</source>
        <translation>Connessione persa (%1); riconnessione</translation>
    </message>
    <message>
        <source>Another mount answered; not reconnected</source>
        <translation>Ha risposto un&apos;altra montatura; non riconnesso</translation>
    </message>
    <message>
        <source>Another mount answers where the last one was. Connect to it from the connection dialog if it is the one you want.</source>
        <translation>Dove c&apos;era l&apos;ultima montatura ne risponde un&apos;altra. Collegati dalla finestra di connessione se è quella che desideri.</translation>
    </message>
    <message>
        <source>Reconnected after %1</source>
        <translation>Riconnesso dopo %1</translation>
    </message>
    <message>
        <source>Program still running: %1 of %2 photos</source>
        <translation>Programma ancora in corso: %1 di %2 foto</translation>
    </message>
    <message>
        <source>Program finished while disconnected: %1 of %2 photos</source>
        <translation>Programma terminato durante la disconnessione: %1 di %2 foto</translation>
    </message>
    <message>
        <source>Program finished while disconnected: %1 photos</source>
        <translation>Programma terminato durante la disconnessione: %1 foto</translation>
    </message>
    <message>
        <source>Reconnecting cancelled</source>
        <translation>Riconnessione annullata</translation>
    </message>
    <message>
        <source>The program was not started; the mount keeps its previous state.</source>
        <translation>Il programma non è stato avviato; la montatura mantiene lo stato precedente.</translation>
    </message>
    <message>
        <source>The program was not started, and the previous one may have been stopped.</source>
        <translation>Il programma non è stato avviato e il precedente potrebbe essere stato fermato.</translation>
    </message>
    <message>
        <source>The start of the program was sent, but the mount did not confirm it. Read the mount&apos;s status to see whether it runs.</source>
        <translation>L’avvio del programma è stato inviato, ma la montatura non l’ha confermato. Leggi lo stato della montatura per vedere se è in esecuzione.</translation>
    </message>
    <message>
        <source>The program was not stopped; the mount keeps its previous state.</source>
        <translation>Il programma non è stato fermato; la montatura mantiene lo stato precedente.</translation>
    </message>
    <message>
        <source>The stop was sent, but the mount did not confirm it. Read the mount&apos;s status to see whether its program still runs.</source>
        <translation>L’arresto è stato inviato, ma la montatura non l’ha confermato. Leggi lo stato della montatura per vedere se il suo programma è ancora in esecuzione.</translation>
    </message>
    <message>
        <source>The Wi-Fi settings were not applied; the mount keeps its current Wi-Fi.</source>
        <translation>Le impostazioni Wi-Fi non sono state applicate; la montatura mantiene il Wi-Fi attuale.</translation>
    </message>
    <message>
        <source>The Wi-Fi settings were written, but the mount did not confirm that it applied them. If its Wi-Fi restarts under the new name, it did.</source>
        <translation>Le impostazioni Wi-Fi sono state scritte, ma la montatura non ha confermato di averle applicate. Se il suo Wi-Fi si riavvia con il nuovo nome, le ha applicate.</translation>
    </message>
</context>
</TS>
