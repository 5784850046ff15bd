<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>HelpPage</name>
    <message>
        <source>Help</source>
        <translation>Súgó</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Böngésző</translation>
    </message>
    <message>
        <source>Opening page in external app...</source>
        <translation>Oldal megnyitása külső alkalmazásban...</translation>
    </message>
    <message>
        <source>The help document could not be read: %1</source>
        <translation>A súgó nem olvasható: %1</translation>
    </message>
</context>
<context>
    <name>JEX::TaskProfileList</name>
    <message>
        <source>Enter a name</source>
        <translation>Adjon meg egy nevet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the page&apos;s own working profile: choose another name</source>
        <translation>„%1” az oldal saját munkaprofilja: válasszon másik nevet</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Disconnected</source>
        <translation>Kapcsolat bontva</translation>
    </message>
    <message>
        <source>Connected to %1 at %2</source>
        <translation>Csatlakozva: %1, itt: %2</translation>
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
        <translation>Nincs csatlakoztatva</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Demó</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Folyamat</translation>
    </message>
    <message>
        <source>Updated power level</source>
        <translation>Tápfeszültség frissítve</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Csatlakozás…</translation>
    </message>
    <message>
        <source>Click to stop reconnecting</source>
        <translation>Kattintson az újracsatlakozás leállításához</translation>
    </message>
    <message>
        <source>Astrophotography</source>
        <translation>Asztrofotózás</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Asztro timelapse</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Timelapse normál expozícióval</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Timelapse hosszú expozícióval</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Read the voltage again</source>
        <translation>Feszültség újraolvasása</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Astrophotography</source>
        <translation>Asztrofotózás</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Asztro timelapse</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Timelapse normál expozícióval</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Timelapse hosszú expozícióval</translation>
    </message>
    <message>
        <source>Manual Control</source>
        <translation>Kézi vezérlés</translation>
    </message>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Pólusóra</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Hide Log</source>
        <translation>Napló elrejtése</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Napló megjelenítése</translation>
    </message>
    <message>
        <source>Choose a page from the list.</source>
        <translation>Válasszon oldalt a listából.</translation>
    </message>
</context>
<context>
    <name>ManualControl</name>
    <message>
        <source>Manual Control</source>
        <translation>Kézi vezérlés</translation>
    </message>
    <message>
        <source>Hold an arrow to turn the mount</source>
        <translation>Tartsa lenyomva a nyilat a mechanika forgatásához</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Nincs csatlakoztatva</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Nullázás</translation>
    </message>
    <message>
        <source>Zero the Angle</source>
        <translation>Szög nullázása</translation>
    </message>
    <message>
        <source>The angle shown is counted from the axis&apos;s present position from now on.</source>
        <translation>A kijelzett szöget mostantól a tengely jelenlegi helyzetétől számoljuk.</translation>
    </message>
</context>
<context>
    <name>NavList</name>
    <message>
        <source>Astrophotography</source>
        <translation>Asztrofotózás</translation>
    </message>
    <message>
        <source>Tracks the stars for long exposures</source>
        <translation>Követi a csillagokat hosszú expozícióhoz</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Asztro timelapse</translation>
    </message>
    <message>
        <source>A time-lapse that follows the sky</source>
        <translation>Az eget követő időzített felvétel</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Timelapse normál expozícióval</translation>
    </message>
    <message>
        <source>Turns a step between short exposures</source>
        <translation>Rövid expozíciók között egy lépést fordul</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Timelapse hosszú expozícióval</translation>
    </message>
    <message>
        <source>Turns slowly through long exposures</source>
        <translation>Hosszú expozíciók alatt lassan fordul</translation>
    </message>
    <message>
        <source>Manual Control</source>
        <translation>Kézi vezérlés</translation>
    </message>
    <message>
        <source>Turn the mount by hand</source>
        <translation>A mechanika kézi forgatása</translation>
    </message>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Pólusóra</translation>
    </message>
    <message>
        <source>Where Polaris sits in the polar scope</source>
        <translation>Hol áll a Sarkcsillag a pólustávcsőben</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Language, night, connection, mount</source>
        <translation>Nyelv, éjszaka, kapcsolat, mechanika</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Napló megjelenítése</translation>
    </message>
    <message>
        <source>Hide Log</source>
        <translation>Napló elrejtése</translation>
    </message>
    <message>
        <source>The console&apos;s journal under the page</source>
        <translation>A konzol naplója az oldal alatt</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Fut</translation>
    </message>
</context>
<context>
    <name>Outcomes</name>
    <message>
        <source>Done</source>
        <translation>Kész</translation>
    </message>
</context>
<context>
    <name>ParamRows_AP</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Expozíció (s)</translation>
    </message>
    <message>
        <source>Interval (sec)</source>
        <translation>Időköz (s)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Képek</translation>
    </message>
    <message>
        <source>Tracking Rate</source>
        <translation>Követési sebesség</translation>
    </message>
    <message>
        <source>Dithering (arcmin)</source>
        <translation>Dithering (ívperc)</translation>
    </message>
    <message>
        <source>Total Time</source>
        <translation>Teljes idő</translation>
    </message>
    <message>
        <source>Finish Time</source>
        <translation>Befejezés ideje</translation>
    </message>
</context>
<context>
    <name>ParamRows_ATL</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Expozíció (s)</translation>
    </message>
    <message>
        <source>Tracking Rate</source>
        <translation>Követési sebesség</translation>
    </message>
    <message>
        <source>Total Time (hours)</source>
        <translation>Teljes idő (óra)</translation>
    </message>
    <message>
        <source>Video Length (sec)</source>
        <translation>Videó hossza (s)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Képek</translation>
    </message>
</context>
<context>
    <name>ParamRows_RegLong</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Expozíció (s)</translation>
    </message>
    <message>
        <source>Total Time (hours)</source>
        <translation>Teljes idő (óra)</translation>
    </message>
    <message>
        <source>Frame Period (sec)</source>
        <translation>Képköz (s)</translation>
    </message>
    <message>
        <source>Video Length (sec)</source>
        <translation>Videó hossza (s)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Képek</translation>
    </message>
    <message>
        <source>Swing Range (deg)</source>
        <translation>Pásztázási tartomány (°)</translation>
    </message>
    <message>
        <source>Swings</source>
        <translation>Pásztázások</translation>
    </message>
    <message>
        <source>Speed (deg/hour)</source>
        <translation>Sebesség (°/óra)</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Óramutató irányában</translation>
    </message>
</context>
<context>
    <name>Param_AstroRateX</name>
    <message>
        <source>Solar</source>
        <translation>Nap</translation>
    </message>
    <message>
        <source>Lunar</source>
        <translation>Hold</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Egyéni</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>Sziderikus</translation>
    </message>
    <message>
        <source>%1x %2</source>
        <translation>%1x %2</translation>
    </message>
    <message>
        <source>Deg/Sec</source>
        <translation>Fok/s</translation>
    </message>
</context>
<context>
    <name>Param_Common</name>
    <message>
        <source>Manual</source>
        <translation>Kézi</translation>
    </message>
    <message>
        <source>Astrophotography</source>
        <translation>Asztrofotózás</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Timelapse normál expozícióval</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Timelapse hosszú expozícióval</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Asztro timelapse</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Leállítás</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Indítás</translation>
    </message>
    <message>
        <source>Not connected: connect to a mount to run the program</source>
        <translation>Nincs kapcsolat: a program futtatásához csatlakozzon egy mechanikához</translation>
    </message>
    <message>
        <source>Tick enough values for the frame period and the speed to follow from them</source>
        <translation>Jelöljön be annyi értéket, hogy a képköz és a sebesség kiadódjon belőlük</translation>
    </message>
    <message>
        <source>Exposure is 0 s: meant as tracking only?</source>
        <translation>0 s expozíció: csak követés a cél?</translation>
    </message>
    <message>
        <source>Stop the Program</source>
        <translation>Program leállítása</translation>
    </message>
    <message>
        <source>The mount stops tracking and taking photos. A stopped program cannot be resumed where it was.</source>
        <translation>A mechanika leállítja a követést és a fotózást. A leállított program nem folytatható onnan, ahol tartott.</translation>
    </message>
</context>
<context>
    <name>Param_FrameRate</name>
    <message>
        <source>Frame Rate</source>
        <translation>Képkockasebesség</translation>
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
        <translation>Nincs vége</translation>
    </message>
    <message>
        <source>Ends %1</source>
        <translation>Vége %1</translation>
    </message>
    <message>
        <source>%1 · dawn %2</source>
        <translation>%1 · hajnal %2</translation>
    </message>
    <message>
        <source>%1 · no astronomical night; nautical dawn %2</source>
        <translation>%1 · nincs csillagászati éjszaka; nautikai hajnal %2</translation>
    </message>
    <message>
        <source>%1 · no astronomical or nautical night</source>
        <translation>%1 · nincs csillagászati vagy nautikai éjszaka</translation>
    </message>
    <message>
        <source>%1 · set the location to compare with dawn</source>
        <translation>%1 · adja meg a helyet a hajnallal való összevetéshez</translation>
    </message>
    <message>
        <source>The run ends after dawn</source>
        <translation>A futás hajnal után ér véget</translation>
    </message>
    <message>
        <source>At %1 from the start: %2°</source>
        <translation>%1 a kezdettől: %2°</translation>
    </message>
    <message>
        <source>Axis angle against time, photos along the bottom, reversals as rings; within a cycle the motion is a model</source>
        <translation>A tengely szöge az idő függvényében, fotók alul, fordulók gyűrűként; cikluson belül a mozgás modell</translation>
    </message>
    <message>
        <source>%1 · before dusk %2</source>
        <translation>%1 · szürkület előtt %2</translation>
    </message>
    <message>
        <source>It begins before dusk (%1)</source>
        <translation>A szürkület előtt kezdődik (%1)</translation>
    </message>
</context>
<context>
    <name>Param_ProfileNameDialog</name>
    <message>
        <source>Profile Name</source>
        <translation>Profil neve</translation>
    </message>
    <message>
        <source>Overwrites existing profile</source>
        <translation>Felülírja a meglévő profilt</translation>
    </message>
</context>
<context>
    <name>Param_ProfilePane</name>
    <message>
        <source>Profiles</source>
        <translation>Profilok</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Kész</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Szerkesztés</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Betöltés</translation>
    </message>
    <message>
        <source>No saved profiles</source>
        <translation>Nincs mentett profil</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>Profil törlése</translation>
    </message>
    <message>
        <source>Delete the profile “%1”?</source>
        <translation>Törli a(z) „%1” profilt?</translation>
    </message>
</context>
<context>
    <name>Param_WiFiOffOnRun</name>
    <message>
        <source>WiFi Off on Run</source>
        <translation>Wi-Fi ki indításkor</translation>
    </message>
</context>
<context>
    <name>PhotoNumberReminderDialog</name>
    <message>
        <source>Number of Photos</source>
        <translation>Képek száma</translation>
    </message>
    <message>
        <source>The number of photos to take specified here is also in effect when mount is started using the hardware Mode Dial. When the specified number of photos have been taken, the mount will stop tracking.</source>
        <translation>Az itt megadott képszám akkor is érvényes, ha a mechanikát a készülék módválasztó tárcsájával indítja. A megadott számú kép elkészülte után a mechanika leállítja a követést.</translation>
    </message>
    <message>
        <source>Remind me next time</source>
        <translation>Emlékeztessen legközelebb is</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Indítás</translation>
    </message>
</context>
<context>
    <name>PolarScope</name>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Pólusóra</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Helyszín</translation>
    </message>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Északi félteke</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Déli félteke</translation>
    </message>
    <message>
        <source>Precise position</source>
        <translation>Pontos helyzet</translation>
    </message>
    <message>
        <source>Light On</source>
        <translation>Fény be</translation>
    </message>
    <message>
        <source>Light Off</source>
        <translation>Fény ki</translation>
    </message>
    <message>
        <source>Not connected: the light cannot be switched</source>
        <translation>Nincs kapcsolat: a fény nem kapcsolható</translation>
    </message>
    <message>
        <source>This mount has no polar-scope light</source>
        <translation>Ennek a mechanikának nincs pólustávcső-világítása</translation>
    </message>
    <message>
        <source>No location set: the clock is drawn for 0° N 0° E. Set yours with Location.</source>
        <translation>Nincs helyszín megadva: az óra a 0° É 0° K pontra készült. Adja meg a sajátját a Helyszín gombbal.</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>Fókusztávolság (mm)</translation>
    </message>
    <message>
        <source>Pixel size (µm)</source>
        <translation>Pixelméret (µm)</translation>
    </message>
    <message>
        <source>Longest exposure (s)</source>
        <translation>Leghosszabb expozíció (s)</translation>
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
        <translation>%1′-en belüli pólustengely fél pixel alatt tartja a sodródást</translation>
    </message>
    <message>
        <source>Give focal length, pixel size and exposure</source>
        <translation>Adja meg a fókusztávolságot, pixelméretet és expozíciót</translation>
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
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
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
        <translation>Soros port</translation>
    </message>
    <message>
        <source>Demo mount</source>
        <translation>Demó mechanika</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Soha</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 perc</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>Éjszakai mód</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Ki</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Be</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatikus</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Kapcsolat</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Helyszín</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Mechanika</translation>
    </message>
    <message>
        <source>Mount (not connected)</source>
        <translation>Mechanika (nincs csatlakoztatva)</translation>
    </message>
    <message>
        <source>Finder LED Auto-Off</source>
        <translation>Kereső LED automatikus kikapcsolása</translation>
    </message>
    <message>
        <source>WiFi Auto-Off</source>
        <translation>Wi-Fi automatikus kikapcsolása</translation>
    </message>
    <message>
        <source>Auto Shut Down</source>
        <translation>Automatikus kikapcsolás</translation>
    </message>
    <message>
        <source>Auto-Run Task</source>
        <translation>Program automatikus indítása</translation>
    </message>
    <message>
        <source>WiFi Network</source>
        <translation>Wi-Fi hálózat</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Módosítás</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Súgó</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Megnyitás</translation>
    </message>
    <message>
        <source>Started with --demo: this run connects to the demo mount only.</source>
        <translation>--demo kapcsolóval indítva: ez a futás csak a bemutató mechanikához kapcsolódik.</translation>
    </message>
    <message>
        <source>Connect at Launch</source>
        <translation>Csatlakozás indításkor</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Teljes képernyő</translation>
    </message>
</context>
<context>
    <name>TaskProgressDialog</name>
    <message>
        <source>Progress</source>
        <translation>Folyamat</translation>
    </message>
    <message>
        <source>Photos taken (estimated)</source>
        <translation>Elkészült képek (becsült)</translation>
    </message>
    <message>
        <source>Photos taken</source>
        <translation>Elkészült képek</translation>
    </message>
    <message>
        <source>Task done</source>
        <translation>A program befejeződött</translation>
    </message>
    <message>
        <source>Read %1 seconds ago</source>
        <translation>%1 másodperce olvasva</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Frissítés</translation>
    </message>
    <message>
        <source>Unlimited Photos</source>
        <translation>Korlátlan számú kép</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>Hátralévő idő: %1</translation>
    </message>
    <message>
        <source>Not connected: the mount&apos;s state is unknown</source>
        <translation>Nincs kapcsolat: a mechanika állapota ismeretlen</translation>
    </message>
    <message>
        <source>Corrected to the mount&apos;s own count</source>
        <translation>A mechanika saját számlálása szerint javítva</translation>
    </message>
</context>
<context>
    <name>WifiSettingsPage</name>
    <message>
        <source>WiFi Network</source>
        <translation>Wi-Fi hálózat</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>Access Point Mode</source>
        <translation>Hozzáférési pont mód</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Biztonság</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Nyílt</translation>
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
        <translation>Jelszó</translation>
    </message>
    <message>
        <source>Station Mode</source>
        <translation>Kliens mód</translation>
    </message>
    <message>
        <source>Both SSID and Password are case-sensitive</source>
        <translation>Az SSID és a jelszó is megkülönbözteti a kis- és nagybetűket</translation>
    </message>
    <message>
        <source>Use DHCP</source>
        <translation>DHCP használata</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>Fix IP-cím</translation>
    </message>
    <message>
        <source>Apply Wi-Fi Settings</source>
        <translation>Wi-Fi beállítások alkalmazása</translation>
    </message>
    <message>
        <source>The mount restarts its Wi-Fi and the console lets the link go. Join “%1”, then connect again.</source>
        <translation>A mechanika újraindítja a Wi-Fi-t, a konzol bontja a kapcsolatot. Csatlakozzon a(z) „%1” hálózathoz, majd kapcsolódjon újra.</translation>
    </message>
    <message>
        <source>Discard Changes</source>
        <translation>Módosítások elvetése</translation>
    </message>
    <message>
        <source>The Wi-Fi settings you changed are not applied.</source>
        <translation>A módosított Wi-Fi beállítások nem lépnek életbe.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Elvetés</translation>
    </message>
    <message>
        <source>Reading the mount&apos;s settings…</source>
        <translation>A mechanika beállításainak olvasása…</translation>
    </message>
    <message>
        <source>Could not read the mount&apos;s settings: %1</source>
        <translation>A mechanika beállításai nem olvashatók: %1</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Újra</translation>
    </message>
    <message>
        <source>The mount runs its access point and a station at once. Apply keeps both unless you choose one.</source>
        <translation>A mechanika egyszerre hozzáférési pont és állomás. Az alkalmazás megtartja mindkettőt, hacsak nem választ egyet.</translation>
    </message>
    <message>
        <source>Not valid text on the mount: shown as well as it can be and kept unchanged</source>
        <translation>Érvénytelen szöveg a mechanikán: a lehető legjobban megjelenítve, változatlanul megtartva</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Sikeres</translation>
    </message>
    <message>
        <source>Rejected</source>
        <translation>Elutasítva</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Kommunikációs hiba</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Megszakítva</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Ismeretlen hiba</translation>
    </message>
</context>
<context>
    <name>tavo_profile</name>
    <message>
        <source>Invalid Speed</source>
        <translation>Érvénytelen sebesség</translation>
    </message>
    <message>
        <source>Frame period must be at least %1 seconds longer than exposure</source>
        <translation>A képek közti időköznek legalább %1 másodperccel hosszabbnak kell lennie az expozíciónál</translation>
    </message>
    <message>
        <source>Speed too fast for frame period and exposure</source>
        <translation>A sebesség túl nagy a képközhöz és az expozícióhoz</translation>
    </message>
</context>
</TS>
