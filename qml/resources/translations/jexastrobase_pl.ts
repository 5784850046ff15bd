<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>JEX::WifiForm</name>
    <message>
        <source>Enter the network&apos;s name</source>
        <translation>Wpisz nazwę sieci</translation>
    </message>
    <message>
        <source>At most %1 bytes; this has %2</source>
        <translation>Najwyżej %1 bajtów; ten ma %2</translation>
    </message>
    <message>
        <source>At most 63 bytes; this has %1</source>
        <translation>Najwyżej 63 bajty; ten ma %1</translation>
    </message>
    <message>
        <source>Empty for an open network, else at least 8 characters</source>
        <translation>Puste dla sieci otwartej, w innym razie co najmniej 8 znaków</translation>
    </message>
    <message>
        <source>At least 8 characters</source>
        <translation>Co najmniej 8 znaków</translation>
    </message>
    <message>
        <source>The mount uses a security this console does not know (%1): choose one</source>
        <translation>Montaż używa zabezpieczenia nieznanego tej konsoli (%1): wybierz jedno</translation>
    </message>
    <message>
        <source>Four numbers from 0 to 255 joined by dots, such as 192.168.1.50</source>
        <translation>Cztery liczby od 0 do 255 rozdzielone kropkami, np. 192.168.1.50</translation>
    </message>
</context>
<context>
    <name>LogPane</name>
    <message>
        <source>Log</source>
        <translation>Dziennik</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Powodzenie</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Odpowiedź odmowna</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Błąd komunikacji</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Operacja anulowana</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Nieoczekiwana odpowiedź</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>Nie można otworzyć portu szeregowego</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Wyszukiwanie</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>Wyszukiwanie zakończone</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Łączenie</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Nie można połączyć</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Połączono</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Rozłączanie</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Rozłącz</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>%1 must be from 0 to %2%3 for the mount to hold it.</source>
        <translation>%1 musi mieścić się w zakresie od 0 do %2%3, aby montaż mógł to zapisać.</translation>
    </message>
    <message>
        <source>%1 must be between -%2° and %2° for the mount to hold it.</source>
        <translation>%1 musi mieścić się w zakresie od -%2° do %2°, aby montaż mógł to zapisać.</translation>
    </message>
    <message>
        <source>Frame period</source>
        <translation>Okres klatki</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Ekspozycja</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Przerwa</translation>
    </message>
    <message>
        <source>Angle per frame</source>
        <translation>Kąt na klatkę</translation>
    </message>
    <message>
        <source>Dithering range</source>
        <translation>Zakres ditheringu</translation>
    </message>
    <message>
        <source>Swing range</source>
        <translation>Zakres wahania</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Zdjęcia</translation>
    </message>
    <message>
        <source>%1 must be 0 or from %2 to %3 °/h for the mount to hold it.</source>
        <translation>%1 musi wynosić 0 lub mieścić się w zakresie od %2 do %3 °/h, aby montaż mógł to zapisać.</translation>
    </message>
    <message>
        <source>No mount yet. Switch the tracker on, join its Wi-Fi and press Not Connected below to search for it. For a serial cable or the demo mount, choose the connection in Settings first.</source>
        <translation>Brak jeszcze montażu. Włącz tracker, połącz się z jego Wi-Fi i naciśnij poniżej „Nie połączono”, aby go wyszukać. Dla kabla szeregowego lub montażu demonstracyjnego najpierw wybierz połączenie w Ustawieniach.</translation>
    </message>
    <message>
        <source>No reply</source>
        <translation>Brak odpowiedzi</translation>
    </message>
    <message>
        <source>Poor link</source>
        <translation>Słabe łącze</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>No link</source>
        <translation>Brak łącza</translation>
    </message>
    <message>
        <source>Last %1 exchanges: %2 without a reply, %3 of %4 requests lost; %5 ms on average, %6 ms at worst.</source>
        <translation>Ostatnie %1 wymian: %2 bez odpowiedzi, utracono %3 z %4 żądań; średnio %5 ms, najwyżej %6 ms.</translation>
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
        <translation>łącze zamknięte</translation>
    </message>
    <message>
        <source>Reconnecting… last heard %1 ago</source>
        <translation>Ponowne łączenie… ostatnia odpowiedź %1 temu</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>brak odpowiedzi</translation>
    </message>
    <message>
        <source>Connection lost (%1); reconnecting</source>
        <translation>Utracono połączenie (%1); ponowne łączenie</translation>
    </message>
    <message>
        <source>Another mount answered; not reconnected</source>
        <translation>Odpowiedział inny montaż; nie połączono ponownie</translation>
    </message>
    <message>
        <source>Another mount answers where the last one was. Connect to it from the connection dialog if it is the one you want.</source>
        <translation>W miejscu ostatniego montażu odpowiada inny. Połącz się z nim w oknie połączenia, jeśli to ten właściwy.</translation>
    </message>
    <message>
        <source>Reconnected after %1</source>
        <translation>Połączono ponownie po %1</translation>
    </message>
    <message>
        <source>Program still running: %1 of %2 photos</source>
        <translation>Program nadal działa: %1 z %2 zdjęć</translation>
    </message>
    <message>
        <source>Program finished while disconnected: %1 of %2 photos</source>
        <translation>Program zakończył się podczas rozłączenia: %1 z %2 zdjęć</translation>
    </message>
    <message>
        <source>Program finished while disconnected: %1 photos</source>
        <translation>Program zakończył się podczas rozłączenia: %1 zdjęć</translation>
    </message>
    <message>
        <source>Reconnecting cancelled</source>
        <translation>Anulowano ponowne łączenie</translation>
    </message>
    <message>
        <source>The program was not started; the mount keeps its previous state.</source>
        <translation>Program nie został uruchomiony; montaż zachowuje poprzedni stan.</translation>
    </message>
    <message>
        <source>The program was not started, and the previous one may have been stopped.</source>
        <translation>Program nie został uruchomiony, a poprzedni mógł zostać zatrzymany.</translation>
    </message>
    <message>
        <source>The start of the program was sent, but the mount did not confirm it. Read the mount&apos;s status to see whether it runs.</source>
        <translation>Polecenie uruchomienia programu zostało wysłane, ale montaż go nie potwierdził. Odczytaj stan montażu, aby sprawdzić, czy program działa.</translation>
    </message>
    <message>
        <source>The program was not stopped; the mount keeps its previous state.</source>
        <translation>Program nie został zatrzymany; montaż zachowuje poprzedni stan.</translation>
    </message>
    <message>
        <source>The stop was sent, but the mount did not confirm it. Read the mount&apos;s status to see whether its program still runs.</source>
        <translation>Polecenie zatrzymania zostało wysłane, ale montaż go nie potwierdził. Odczytaj stan montażu, aby sprawdzić, czy program nadal działa.</translation>
    </message>
    <message>
        <source>The Wi-Fi settings were not applied; the mount keeps its current Wi-Fi.</source>
        <translation>Ustawienia Wi-Fi nie zostały zastosowane; montaż zachowuje obecne Wi-Fi.</translation>
    </message>
    <message>
        <source>The Wi-Fi settings were written, but the mount did not confirm that it applied them. If its Wi-Fi restarts under the new name, it did.</source>
        <translation>Ustawienia Wi-Fi zostały zapisane, ale montaż nie potwierdził, że je zastosował. Jeśli jego Wi-Fi uruchomi się ponownie pod nową nazwą, zastosował je.</translation>
    </message>
</context>
</TS>
