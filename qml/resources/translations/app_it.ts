<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>HelpPage</name>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Opening page in external app...</source>
        <translation>Apertura della pagina in un&apos;app esterna...</translation>
    </message>
    <message>
        <source>The help document could not be read: %1</source>
        <translation>Impossibile leggere il documento di aiuto: %1</translation>
    </message>
</context>
<context>
    <name>JEX::TaskProfileList</name>
    <message>
        <source>Enter a name</source>
        <translation>Inserire un nome</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the page&apos;s own working profile: choose another name</source>
        <translation>&quot;%1&quot; è il profilo di lavoro della pagina: scegliere un altro nome</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Disconnected</source>
        <translation>Disconnesso</translation>
    </message>
    <message>
        <source>Connected to %1 at %2</source>
        <translation>Connesso a %1 su %2</translation>
    </message>
</context>
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
    <message>
        <source>Connecting…</source>
        <translation>Connessione…</translation>
    </message>
    <message>
        <source>Click to stop reconnecting</source>
        <translation>Fai clic per interrompere la riconnessione</translation>
    </message>
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
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Read the voltage again</source>
        <translation>Rileggi la tensione</translation>
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
    <message>
        <source>Hide Log</source>
        <translation>Nascondi registro</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Mostra registro</translation>
    </message>
    <message>
        <source>Choose a page from the list.</source>
        <translation>Scegli una pagina dall&apos;elenco.</translation>
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
    <message>
        <source>Zero the Angle</source>
        <translation>Azzera l&apos;angolo</translation>
    </message>
    <message>
        <source>The angle shown is counted from the axis&apos;s present position from now on.</source>
        <translation>D&apos;ora in poi l&apos;angolo mostrato è contato dalla posizione attuale dell&apos;asse.</translation>
    </message>
</context>
<context>
    <name>NavList</name>
    <message>
        <source>Astrophotography</source>
        <translation>Astrofotografia</translation>
    </message>
    <message>
        <source>Tracks the stars for long exposures</source>
        <translation>Segue le stelle per lunghe esposizioni</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Timelapse astronomico</translation>
    </message>
    <message>
        <source>A time-lapse that follows the sky</source>
        <translation>Un time-lapse che segue il cielo</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Timelapse a esposizione normale</translation>
    </message>
    <message>
        <source>Turns a step between short exposures</source>
        <translation>Ruota di un passo tra brevi esposizioni</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Timelapse a lunga esposizione</translation>
    </message>
    <message>
        <source>Turns slowly through long exposures</source>
        <translation>Ruota lentamente durante lunghe esposizioni</translation>
    </message>
    <message>
        <source>Manual Control</source>
        <translation>Controllo manuale</translation>
    </message>
    <message>
        <source>Turn the mount by hand</source>
        <translation>Ruota la montatura a mano</translation>
    </message>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Orologio polare</translation>
    </message>
    <message>
        <source>Where Polaris sits in the polar scope</source>
        <translation>Dove si trova Polaris nel cannocchiale polare</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Language, night, connection, mount</source>
        <translation>Lingua, notte, connessione, montatura</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Mostra registro</translation>
    </message>
    <message>
        <source>Hide Log</source>
        <translation>Nascondi registro</translation>
    </message>
    <message>
        <source>The console&apos;s journal under the page</source>
        <translation>Il registro della console sotto la pagina</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>In corso</translation>
    </message>
</context>
<context>
    <name>Outcomes</name>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
</context>
<context>
    <name>ParamRows_AP</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Esposizione (s)</translation>
    </message>
    <message>
        <source>Interval (sec)</source>
        <translation>Intervallo (s)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Tracking Rate</source>
        <translation>Velocità di inseguimento</translation>
    </message>
    <message>
        <source>Dithering (arcmin)</source>
        <translation>Dithering (arcmin)</translation>
    </message>
    <message>
        <source>Total Time</source>
        <translation>Durata totale</translation>
    </message>
    <message>
        <source>Finish Time</source>
        <translation>Ora di fine</translation>
    </message>
</context>
<context>
    <name>ParamRows_ATL</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Esposizione (s)</translation>
    </message>
    <message>
        <source>Tracking Rate</source>
        <translation>Velocità di inseguimento</translation>
    </message>
    <message>
        <source>Total Time (hours)</source>
        <translation>Durata totale (ore)</translation>
    </message>
    <message>
        <source>Video Length (sec)</source>
        <translation>Durata del video (s)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Foto</translation>
    </message>
</context>
<context>
    <name>ParamRows_RegLong</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Esposizione (s)</translation>
    </message>
    <message>
        <source>Total Time (hours)</source>
        <translation>Durata totale (ore)</translation>
    </message>
    <message>
        <source>Frame Period (sec)</source>
        <translation>Intervallo fotogrammi (s)</translation>
    </message>
    <message>
        <source>Video Length (sec)</source>
        <translation>Durata del video (s)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Swing Range (deg)</source>
        <translation>Ampiezza oscillazione (°)</translation>
    </message>
    <message>
        <source>Swings</source>
        <translation>Oscillazioni</translation>
    </message>
    <message>
        <source>Speed (deg/hour)</source>
        <translation>Velocità (°/h)</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Senso orario</translation>
    </message>
</context>
<context>
    <name>Param_AstroRateX</name>
    <message>
        <source>Solar</source>
        <translation>Solare</translation>
    </message>
    <message>
        <source>Lunar</source>
        <translation>Lunare</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzata</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>Siderale</translation>
    </message>
    <message>
        <source>%1x %2</source>
        <translation>%2 %1x</translation>
    </message>
    <message>
        <source>Deg/Sec</source>
        <translation>Gradi/s</translation>
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
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Not connected: connect to a mount to run the program</source>
        <translation>Non connesso: collegarsi a una montatura per avviare il programma</translation>
    </message>
    <message>
        <source>Tick enough values for the frame period and the speed to follow from them</source>
        <translation>Spuntare abbastanza valori da cui ricavare intervallo e velocità</translation>
    </message>
    <message>
        <source>Exposure is 0 s: meant as tracking only?</source>
        <translation>Esposizione di 0 s: solo inseguimento?</translation>
    </message>
    <message>
        <source>Stop the Program</source>
        <translation>Ferma il programma</translation>
    </message>
    <message>
        <source>The mount stops tracking and taking photos. A stopped program cannot be resumed where it was.</source>
        <translation>La montatura smette di inseguire e di scattare foto. Un programma fermato non può riprendere da dove era.</translation>
    </message>
</context>
<context>
    <name>Param_FrameRate</name>
    <message>
        <source>Frame Rate</source>
        <translation>Frequenza fotogrammi</translation>
    </message>
    <message>
        <source>30 (NTSC)</source>
        <translation>30 (NTSC)</translation>
    </message>
    <message>
        <source>25 (PAL)</source>
        <translation>25 (PAL)</translation>
    </message>
</context>
<context>
    <name>Param_Preview</name>
    <message>
        <source>No end</source>
        <translation>Senza fine</translation>
    </message>
    <message>
        <source>Ends %1</source>
        <translation>Termina %1</translation>
    </message>
    <message>
        <source>%1 · dawn %2</source>
        <translation>%1 · alba %2</translation>
    </message>
    <message>
        <source>%1 · no astronomical night; nautical dawn %2</source>
        <translation>%1 · nessuna notte astronomica; alba nautica %2</translation>
    </message>
    <message>
        <source>%1 · no astronomical or nautical night</source>
        <translation>%1 · nessuna notte astronomica né nautica</translation>
    </message>
    <message>
        <source>%1 · set the location to compare with dawn</source>
        <translation>%1 · imposta la posizione per confrontare con l&apos;alba</translation>
    </message>
    <message>
        <source>The run ends after dawn</source>
        <translation>L&apos;esecuzione termina dopo l&apos;alba</translation>
    </message>
    <message>
        <source>At %1 from the start: %2°</source>
        <translation>A %1 dall&apos;inizio: %2°</translation>
    </message>
    <message>
        <source>Axis angle against time, photos along the bottom, reversals as rings; within a cycle the motion is a model</source>
        <translation>Angolo dell&apos;asse nel tempo, foto in basso, inversioni come anelli; all&apos;interno di un ciclo il moto è un modello</translation>
    </message>
    <message>
        <source>%1 · before dusk %2</source>
        <translation>%1 · prima del crepuscolo %2</translation>
    </message>
    <message>
        <source>It begins before dusk (%1)</source>
        <translation>Inizia prima del crepuscolo (%1)</translation>
    </message>
</context>
<context>
    <name>Param_ProfileNameDialog</name>
    <message>
        <source>Profile Name</source>
        <translation>Nome profilo</translation>
    </message>
    <message>
        <source>Overwrites existing profile</source>
        <translation>Sovrascrive il profilo esistente</translation>
    </message>
</context>
<context>
    <name>Param_ProfilePane</name>
    <message>
        <source>Profiles</source>
        <translation>Profili</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>No saved profiles</source>
        <translation>Nessun profilo salvato</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>Elimina profilo</translation>
    </message>
    <message>
        <source>Delete the profile “%1”?</source>
        <translation>Eliminare il profilo «%1»?</translation>
    </message>
</context>
<context>
    <name>Param_WiFiOffOnRun</name>
    <message>
        <source>WiFi Off on Run</source>
        <translation>Spegni Wi-Fi all&apos;avvio</translation>
    </message>
</context>
<context>
    <name>PhotoNumberReminderDialog</name>
    <message>
        <source>Number of Photos</source>
        <translation>Numero di foto</translation>
    </message>
    <message>
        <source>The number of photos to take specified here is also in effect when mount is started using the hardware Mode Dial. When the specified number of photos have been taken, the mount will stop tracking.</source>
        <translation>Il numero di foto indicato qui vale anche quando la montatura viene avviata con la ghiera delle modalità. Scattato il numero di foto indicato, la montatura interrompe l&apos;inseguimento.</translation>
    </message>
    <message>
        <source>Remind me next time</source>
        <translation>Ricordamelo la prossima volta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Avvia</translation>
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
        <translation>Luce accesa</translation>
    </message>
    <message>
        <source>Light Off</source>
        <translation>Luce spenta</translation>
    </message>
    <message>
        <source>Not connected: the light cannot be switched</source>
        <translation>Non connesso: la luce non può essere comandata</translation>
    </message>
    <message>
        <source>This mount has no polar-scope light</source>
        <translation>Questa montatura non ha la luce del cannocchiale polare</translation>
    </message>
    <message>
        <source>No location set: the clock is drawn for 0° N 0° E. Set yours with Location.</source>
        <translation>Nessuna località impostata: l&apos;orologio è disegnato per 0° N 0° E. Imposta la tua in Località.</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>Lunghezza focale (mm)</translation>
    </message>
    <message>
        <source>Pixel size (µm)</source>
        <translation>Dimensione pixel (µm)</translation>
    </message>
    <message>
        <source>Longest exposure (s)</source>
        <translation>Esposizione più lunga (s)</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>µm</source>
        <translation>µm</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Polar axis within %1′ keeps the drift under half a pixel</source>
        <translation>Un asse polare entro %1′ mantiene la deriva sotto mezzo pixel</translation>
    </message>
    <message>
        <source>Give focal length, pixel size and exposure</source>
        <translation>Indica focale, dimensione pixel ed esposizione</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
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
        <source>Started with --demo: this run connects to the demo mount only.</source>
        <translation>Avviato con --demo: questa sessione si collega solo alla montatura dimostrativa.</translation>
    </message>
    <message>
        <source>Connect at Launch</source>
        <translation>Connetti all’avvio</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Schermo intero</translation>
    </message>
</context>
<context>
    <name>TaskProgressDialog</name>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Photos taken (estimated)</source>
        <translation>Foto scattate (stima)</translation>
    </message>
    <message>
        <source>Photos taken</source>
        <translation>Foto scattate</translation>
    </message>
    <message>
        <source>Task done</source>
        <translation>Programma terminato</translation>
    </message>
    <message>
        <source>Read %1 seconds ago</source>
        <translation>Letto %1 secondi fa</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Unlimited Photos</source>
        <translation>Foto illimitate</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>Tempo rimanente: %1</translation>
    </message>
    <message>
        <source>Not connected: the mount&apos;s state is unknown</source>
        <translation>Non connesso: lo stato della montatura è sconosciuto</translation>
    </message>
    <message>
        <source>Corrected to the mount&apos;s own count</source>
        <translation>Corretto in base al conteggio della montatura</translation>
    </message>
</context>
<context>
    <name>WifiSettingsPage</name>
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
    <message>
        <source>Apply Wi-Fi Settings</source>
        <translation>Applica impostazioni Wi-Fi</translation>
    </message>
    <message>
        <source>The mount restarts its Wi-Fi and the console lets the link go. Join “%1”, then connect again.</source>
        <translation>La montatura riavvia il Wi-Fi e la console lascia il collegamento. Collegati a «%1», poi riconnettiti.</translation>
    </message>
    <message>
        <source>Discard Changes</source>
        <translation>Scarta le modifiche</translation>
    </message>
    <message>
        <source>The Wi-Fi settings you changed are not applied.</source>
        <translation>Le impostazioni Wi-Fi modificate non vengono applicate.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>Reading the mount&apos;s settings…</source>
        <translation>Lettura delle impostazioni della montatura…</translation>
    </message>
    <message>
        <source>Could not read the mount&apos;s settings: %1</source>
        <translation>Impossibile leggere le impostazioni della montatura: %1</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>The mount runs its access point and a station at once. Apply keeps both unless you choose one.</source>
        <translation>La montatura è insieme punto di accesso e stazione. Applica mantiene entrambi se non ne scegli uno.</translation>
    </message>
    <message>
        <source>Not valid text on the mount: shown as well as it can be and kept unchanged</source>
        <translation>Testo non valido sulla montatura: mostrato come si può e mantenuto invariato</translation>
    </message>
</context>
<context>
    <name>mount</name>
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
