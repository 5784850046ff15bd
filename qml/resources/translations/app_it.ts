<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>MainFooter</name>
    <message>
        <source>%1V</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Non connesso</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Updated power level</source>
        <translation>Livello di alimentazione aggiornato</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Astrophotography</source>
        <translation>Astrofotografia</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Timelapse astronomico</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Timelapse a esposizione normale</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Timelapse a lunga esposizione</translation>
    </message>
    <message>
        <source>Manual Control</source>
        <translation>Controllo manuale</translation>
    </message>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Orologio polare</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
</context>
<context>
    <name>ManualControl</name>
    <message>
        <source>Manual Control</source>
        <translation>Controllo manuale</translation>
    </message>
    <message>
        <source>Hold an arrow to turn the mount</source>
        <translation>Tieni premuta una freccia per ruotare la montatura</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Non connesso</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Azzera</translation>
    </message>
</context>
<context>
    <name>Param_Common</name>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>Astrophotography</source>
        <translation>Astrofotografia</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Timelapse a esposizione normale</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Timelapse a lunga esposizione</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Timelapse astronomico</translation>
    </message>
</context>
<context>
    <name>PolarScope</name>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Orologio polare</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Località</translation>
    </message>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Emisfero nord</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Emisfero sud</translation>
    </message>
    <message>
        <source>Precise position</source>
        <translation>Posizione precisa</translation>
    </message>
    <message>
        <source>Light On</source>
        <translation>Accendi luce</translation>
    </message>
    <message>
        <source>Light Off</source>
        <translation>Spegni luce</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Porta seriale</translation>
    </message>
    <message>
        <source>Demo mount</source>
        <translation>Montatura demo</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>Modalità notte</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connessione</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Località</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Montatura</translation>
    </message>
    <message>
        <source>Mount (not connected)</source>
        <translation>Montatura (non connessa)</translation>
    </message>
    <message>
        <source>Finder LED Auto-Off</source>
        <translation>Spegnimento automatico LED cercatore</translation>
    </message>
    <message>
        <source>WiFi Auto-Off</source>
        <translation>Spegnimento automatico Wi-Fi</translation>
    </message>
    <message>
        <source>Auto Shut Down</source>
        <translation>Spegnimento automatico</translation>
    </message>
    <message>
        <source>Auto-Run Task</source>
        <translation>Avvio automatico del programma</translation>
    </message>
    <message>
        <source>WiFi Network</source>
        <translation>Rete Wi-Fi</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Opening page in external app...</source>
        <translation>Apertura della pagina in un&apos;app esterna...</translation>
    </message>
</context>
<context>
    <name>WifiSettingsPage</name>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>WiFi Network</source>
        <translation>Rete Wi-Fi</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Access Point Mode</source>
        <translation>Modalità access point</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicurezza</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aperta</translation>
    </message>
    <message>
        <source>WPA PSK</source>
        <translation>WPA PSK</translation>
    </message>
    <message>
        <source>WPA2 PSK</source>
        <translation>WPA2 PSK</translation>
    </message>
    <message>
        <source>WPA/WPA2 PSK</source>
        <translation>WPA/WPA2 PSK</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Station Mode</source>
        <translation>Modalità client</translation>
    </message>
    <message>
        <source>Both SSID and Password are case-sensitive</source>
        <translation>SSID e password distinguono tra maiuscole e minuscole</translation>
    </message>
    <message>
        <source>Use DHCP</source>
        <translation>Usa DHCP</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>IP fisso</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Velmora Console</source>
        <translation>Console Velmora</translation>
    </message>
    <message>
        <source>Successful</source>
        <translation>Riuscito</translation>
    </message>
    <message>
        <source>Rejected</source>
        <translation>Rifiutato</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Errore di comunicazione</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>tavo_profile</name>
    <message>
        <source>Invalid Speed</source>
        <translation>Velocità non valida</translation>
    </message>
    <message>
        <source>Frame period must be at least %1 seconds longer than exposure</source>
        <translation>L&apos;intervallo tra i fotogrammi deve superare l&apos;esposizione di almeno %1 secondi</translation>
    </message>
    <message>
        <source>Speed too fast for frame period and exposure</source>
        <translation>Velocità troppo alta per intervallo ed esposizione</translation>
    </message>
</context>
</TS>
