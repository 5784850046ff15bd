<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>JEX::WifiForm</name>
    <message>
        <source>Enter the network&apos;s name</source>
        <translation>Saisissez le nom du réseau</translation>
    </message>
    <message>
        <source>At most %1 bytes; this has %2</source>
        <translation>%1 octets au plus ; celui-ci en a %2</translation>
    </message>
    <message>
        <source>At most 63 bytes; this has %1</source>
        <translation>63 octets au plus ; celui-ci en a %1</translation>
    </message>
    <message>
        <source>Empty for an open network, else at least 8 characters</source>
        <translation>Vide pour un réseau ouvert, sinon 8 caractères au moins</translation>
    </message>
    <message>
        <source>At least 8 characters</source>
        <translation>8 caractères au moins</translation>
    </message>
    <message>
        <source>The mount uses a security this console does not know (%1): choose one</source>
        <translation>La monture utilise une sécurité que cette console ne connaît pas (%1) : choisissez-en une</translation>
    </message>
    <message>
        <source>Four numbers from 0 to 255 joined by dots, such as 192.168.1.50</source>
        <translation>Quatre nombres de 0 à 255 séparés par des points, comme 192.168.1.50</translation>
    </message>
</context>
<context>
    <name>LogPane</name>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Réponse négative</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Erreur de communication</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Opération annulée</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Réponse inattendue</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>Impossible d&apos;ouvrir le port série</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Recherche en cours</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>Recherche terminée</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Connexion en cours</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Connexion impossible</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Déconnexion en cours</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>%1 must be from 0 to %2%3 for the mount to hold it.</source>
        <translation>%1 doit être compris entre 0 et %2%3 pour que la monture puisse l’enregistrer.</translation>
    </message>
    <message>
        <source>%1 must be between -%2° and %2° for the mount to hold it.</source>
        <translation>%1 doit être compris entre -%2° et %2° pour que la monture puisse l’enregistrer.</translation>
    </message>
    <message>
        <source>Frame period</source>
        <translation>Période d’image</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposition</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Angle per frame</source>
        <translation>Angle par image</translation>
    </message>
    <message>
        <source>Dithering range</source>
        <translation>Amplitude du dithering</translation>
    </message>
    <message>
        <source>Swing range</source>
        <translation>Amplitude du balayage</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>%1 must be 0 or from %2 to %3 °/h for the mount to hold it.</source>
        <translation>%1 doit valoir 0 ou être compris entre %2 et %3 °/h pour que la monture puisse l’enregistrer.</translation>
    </message>
    <message>
        <source>No mount yet. Switch the tracker on, join its Wi-Fi and press Not Connected below to search for it. For a serial cable or the demo mount, choose the connection in Settings first.</source>
        <translation>Pas encore de monture. Allumez le suiveur, rejoignez son Wi-Fi et appuyez sur « Non connecté » en bas pour le chercher. Pour un câble série ou la monture de démonstration, choisissez d’abord la connexion dans Réglages.</translation>
    </message>
    <message>
        <source>No reply</source>
        <translation>Pas de réponse</translation>
    </message>
    <message>
        <source>Poor link</source>
        <translation>Liaison faible</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>No link</source>
        <translation>Pas de liaison</translation>
    </message>
    <message>
        <source>Last %1 exchanges: %2 without a reply, %3 of %4 requests lost; %5 ms on average, %6 ms at worst.</source>
        <translation>%1 derniers échanges : %2 sans réponse, %3 requêtes perdues sur %4 ; %5 ms en moyenne, %6 ms au pire.</translation>
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
        <translation>liaison fermée</translation>
    </message>
    <message>
        <source>Reconnecting… last heard %1 ago</source>
        <translation>Reconnexion… dernière réponse il y a %1</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>pas de réponse</translation>
    </message>
    <message>
        <source>Connection lost (%1); reconnecting</source>
        <translation>Connexion perdue (%1) ; reconnexion</translation>
    </message>
    <message>
        <source>Another mount answered; not reconnected</source>
        <translation>Une autre monture a répondu ; pas de reconnexion</translation>
    </message>
    <message>
        <source>Another mount answers where the last one was. Connect to it from the connection dialog if it is the one you want.</source>
        <translation>Une autre monture répond à la place de la dernière. Connectez-vous-y depuis la fenêtre de connexion si c&apos;est celle que vous voulez.</translation>
    </message>
    <message>
        <source>Reconnected after %1</source>
        <translation>Reconnecté après %1</translation>
    </message>
    <message>
        <source>Program still running: %1 of %2 photos</source>
        <translation>Programme toujours en cours : %1 photos sur %2</translation>
    </message>
    <message>
        <source>Program finished while disconnected: %1 of %2 photos</source>
        <translation>Programme terminé pendant la déconnexion : %1 photos sur %2</translation>
    </message>
    <message>
        <source>Program finished while disconnected: %1 photos</source>
        <translation>Programme terminé pendant la déconnexion : %1 photos</translation>
    </message>
    <message>
        <source>Reconnecting cancelled</source>
        <translation>Reconnexion annulée</translation>
    </message>
    <message>
        <source>The program was not started; the mount keeps its previous state.</source>
        <translation>Le programme n’a pas été démarré ; la monture garde son état précédent.</translation>
    </message>
    <message>
        <source>The program was not started, and the previous one may have been stopped.</source>
        <translation>Le programme n’a pas été démarré, et le précédent a peut-être été arrêté.</translation>
    </message>
    <message>
        <source>The start of the program was sent, but the mount did not confirm it. Read the mount&apos;s status to see whether it runs.</source>
        <translation>Le démarrage du programme a été envoyé, mais la monture ne l’a pas confirmé. Lisez l’état de la monture pour savoir s’il s’exécute.</translation>
    </message>
    <message>
        <source>The program was not stopped; the mount keeps its previous state.</source>
        <translation>Le programme n’a pas été arrêté ; la monture garde son état précédent.</translation>
    </message>
    <message>
        <source>The stop was sent, but the mount did not confirm it. Read the mount&apos;s status to see whether its program still runs.</source>
        <translation>L’arrêt a été envoyé, mais la monture ne l’a pas confirmé. Lisez l’état de la monture pour savoir si son programme s’exécute encore.</translation>
    </message>
    <message>
        <source>The Wi-Fi settings were not applied; the mount keeps its current Wi-Fi.</source>
        <translation>Les réglages Wi-Fi n’ont pas été appliqués ; la monture garde son Wi-Fi actuel.</translation>
    </message>
    <message>
        <source>The Wi-Fi settings were written, but the mount did not confirm that it applied them. If its Wi-Fi restarts under the new name, it did.</source>
        <translation>Les réglages Wi-Fi ont été écrits, mais la monture n’a pas confirmé les avoir appliqués. Si son Wi-Fi redémarre sous le nouveau nom, elle l’a fait.</translation>
    </message>
</context>
</TS>
