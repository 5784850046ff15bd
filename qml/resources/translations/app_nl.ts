<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>HelpPage</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Opening page in external app...</source>
        <translation>Pagina wordt geopend in externe app...</translation>
    </message>
    <message>
        <source>The help document could not be read: %1</source>
        <translation>Het helpdocument kon niet worden gelezen: %1</translation>
    </message>
</context>
<context>
    <name>JEX::TaskProfileList</name>
    <message>
        <source>Enter a name</source>
        <translation>Voer een naam in</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the page&apos;s own working profile: choose another name</source>
        <translation>&quot;%1&quot; is het werkprofiel van de pagina: kies een andere naam</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Disconnected</source>
        <translation>Verbinding verbroken</translation>
    </message>
    <message>
        <source>Connected to %1 at %2</source>
        <translation>Verbonden met %1 via %2</translation>
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
        <translation>Niet verbonden</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Updated power level</source>
        <translation>Voedingsniveau bijgewerkt</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Verbinden…</translation>
    </message>
    <message>
        <source>Click to stop reconnecting</source>
        <translation>Klik om het opnieuw verbinden te stoppen</translation>
    </message>
    <message>
        <source>Astrophotography</source>
        <translation>Astrofotografie</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Astro-timelapse</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Timelapse met normale belichting</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Timelapse met lange belichting</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Read the voltage again</source>
        <translation>Spanning opnieuw lezen</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Astrophotography</source>
        <translation>Astrofotografie</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Astro-timelapse</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Timelapse met normale belichting</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Timelapse met lange belichting</translation>
    </message>
    <message>
        <source>Manual Control</source>
        <translation>Handmatige bediening</translation>
    </message>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Poolklok</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Hide Log</source>
        <translation>Logboek verbergen</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Logboek tonen</translation>
    </message>
    <message>
        <source>Choose a page from the list.</source>
        <translation>Kies een pagina uit de lijst.</translation>
    </message>
</context>
<context>
    <name>ManualControl</name>
    <message>
        <source>Manual Control</source>
        <translation>Handmatige bediening</translation>
    </message>
    <message>
        <source>Hold an arrow to turn the mount</source>
        <translation>Houd een pijl ingedrukt om de montering te draaien</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Niet verbonden</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Nulstellen</translation>
    </message>
    <message>
        <source>Zero the Angle</source>
        <translation>Hoek op nul zetten</translation>
    </message>
    <message>
        <source>The angle shown is counted from the axis&apos;s present position from now on.</source>
        <translation>De getoonde hoek wordt vanaf nu geteld vanaf de huidige stand van de as.</translation>
    </message>
</context>
<context>
    <name>NavList</name>
    <message>
        <source>Astrophotography</source>
        <translation>Astrofotografie</translation>
    </message>
    <message>
        <source>Tracks the stars for long exposures</source>
        <translation>Volgt de sterren voor lange belichtingen</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Astro-timelapse</translation>
    </message>
    <message>
        <source>A time-lapse that follows the sky</source>
        <translation>Een timelapse die de hemel volgt</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Timelapse met normale belichting</translation>
    </message>
    <message>
        <source>Turns a step between short exposures</source>
        <translation>Draait een stap tussen korte belichtingen</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Timelapse met lange belichting</translation>
    </message>
    <message>
        <source>Turns slowly through long exposures</source>
        <translation>Draait langzaam tijdens lange belichtingen</translation>
    </message>
    <message>
        <source>Manual Control</source>
        <translation>Handmatige bediening</translation>
    </message>
    <message>
        <source>Turn the mount by hand</source>
        <translation>De montering met de hand draaien</translation>
    </message>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Poolklok</translation>
    </message>
    <message>
        <source>Where Polaris sits in the polar scope</source>
        <translation>Waar Polaris in de poolzoeker staat</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Language, night, connection, mount</source>
        <translation>Taal, nacht, verbinding, montering</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Logboek tonen</translation>
    </message>
    <message>
        <source>Hide Log</source>
        <translation>Logboek verbergen</translation>
    </message>
    <message>
        <source>The console&apos;s journal under the page</source>
        <translation>Het logboek van de console onder de pagina</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Loopt</translation>
    </message>
</context>
<context>
    <name>Outcomes</name>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
</context>
<context>
    <name>ParamRows_AP</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Belichting (s)</translation>
    </message>
    <message>
        <source>Interval (sec)</source>
        <translation>Interval (s)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Foto&apos;s</translation>
    </message>
    <message>
        <source>Tracking Rate</source>
        <translation>Volgsnelheid</translation>
    </message>
    <message>
        <source>Dithering (arcmin)</source>
        <translation>Dithering (boogmin.)</translation>
    </message>
    <message>
        <source>Total Time</source>
        <translation>Totale duur</translation>
    </message>
    <message>
        <source>Finish Time</source>
        <translation>Eindtijd</translation>
    </message>
</context>
<context>
    <name>ParamRows_ATL</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Belichting (s)</translation>
    </message>
    <message>
        <source>Tracking Rate</source>
        <translation>Volgsnelheid</translation>
    </message>
    <message>
        <source>Total Time (hours)</source>
        <translation>Totale duur (u)</translation>
    </message>
    <message>
        <source>Video Length (sec)</source>
        <translation>Videoduur (s)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Foto&apos;s</translation>
    </message>
</context>
<context>
    <name>ParamRows_RegLong</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Belichting (s)</translation>
    </message>
    <message>
        <source>Total Time (hours)</source>
        <translation>Totale duur (u)</translation>
    </message>
    <message>
        <source>Frame Period (sec)</source>
        <translation>Opname-interval (s)</translation>
    </message>
    <message>
        <source>Video Length (sec)</source>
        <translation>Videoduur (s)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Foto&apos;s</translation>
    </message>
    <message>
        <source>Swing Range (deg)</source>
        <translation>Zwaaibereik (°)</translation>
    </message>
    <message>
        <source>Swings</source>
        <translation>Zwaaien</translation>
    </message>
    <message>
        <source>Speed (deg/hour)</source>
        <translation>Snelheid (°/u)</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Met de klok mee</translation>
    </message>
</context>
<context>
    <name>Param_AstroRateX</name>
    <message>
        <source>Solar</source>
        <translation>Zon</translation>
    </message>
    <message>
        <source>Lunar</source>
        <translation>Maan</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Aangepast</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>Siderisch</translation>
    </message>
    <message>
        <source>%1x %2</source>
        <translation>%1x %2</translation>
    </message>
    <message>
        <source>Deg/Sec</source>
        <translation>Graden/s</translation>
    </message>
</context>
<context>
    <name>Param_Common</name>
    <message>
        <source>Manual</source>
        <translation>Handmatig</translation>
    </message>
    <message>
        <source>Astrophotography</source>
        <translation>Astrofotografie</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Timelapse met normale belichting</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Timelapse met lange belichting</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Astro-timelapse</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Not connected: connect to a mount to run the program</source>
        <translation>Niet verbonden: verbind met een montering om het programma te starten</translation>
    </message>
    <message>
        <source>Tick enough values for the frame period and the speed to follow from them</source>
        <translation>Vink genoeg waarden aan om de interval en de snelheid eruit af te leiden</translation>
    </message>
    <message>
        <source>Exposure is 0 s: meant as tracking only?</source>
        <translation>Belichting 0 s: alleen volgen bedoeld?</translation>
    </message>
    <message>
        <source>Stop the Program</source>
        <translation>Programma stoppen</translation>
    </message>
    <message>
        <source>The mount stops tracking and taking photos. A stopped program cannot be resumed where it was.</source>
        <translation>De montering stopt met volgen en fotograferen. Een gestopt programma kan niet verder waar het was.</translation>
    </message>
</context>
<context>
    <name>Param_FrameRate</name>
    <message>
        <source>Frame Rate</source>
        <translation>Framerate</translation>
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
        <translation>Geen einde</translation>
    </message>
    <message>
        <source>Ends %1</source>
        <translation>Eindigt %1</translation>
    </message>
    <message>
        <source>%1 · dawn %2</source>
        <translation>%1 · dageraad %2</translation>
    </message>
    <message>
        <source>%1 · no astronomical night; nautical dawn %2</source>
        <translation>%1 · geen astronomische nacht; nautische dageraad %2</translation>
    </message>
    <message>
        <source>%1 · no astronomical or nautical night</source>
        <translation>%1 · geen astronomische of nautische nacht</translation>
    </message>
    <message>
        <source>%1 · set the location to compare with dawn</source>
        <translation>%1 · stel de locatie in om met de dageraad te vergelijken</translation>
    </message>
    <message>
        <source>The run ends after dawn</source>
        <translation>De reeks eindigt na de dageraad</translation>
    </message>
    <message>
        <source>At %1 from the start: %2°</source>
        <translation>Op %1 na de start: %2°</translation>
    </message>
    <message>
        <source>Axis angle against time, photos along the bottom, reversals as rings; within a cycle the motion is a model</source>
        <translation>Ashoek tegen de tijd, foto&apos;s onderaan, omkeringen als ringen; binnen een cyclus is de beweging een model</translation>
    </message>
    <message>
        <source>%1 · before dusk %2</source>
        <translation>%1 · voor de schemering %2</translation>
    </message>
    <message>
        <source>It begins before dusk (%1)</source>
        <translation>Hij begint voor de schemering (%1)</translation>
    </message>
</context>
<context>
    <name>Param_ProfileNameDialog</name>
    <message>
        <source>Profile Name</source>
        <translation>Profielnaam</translation>
    </message>
    <message>
        <source>Overwrites existing profile</source>
        <translation>Overschrijft bestaand profiel</translation>
    </message>
</context>
<context>
    <name>Param_ProfilePane</name>
    <message>
        <source>Profiles</source>
        <translation>Profielen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>No saved profiles</source>
        <translation>Geen opgeslagen profielen</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>Profiel verwijderen</translation>
    </message>
    <message>
        <source>Delete the profile “%1”?</source>
        <translation>Het profiel ‘%1’ verwijderen?</translation>
    </message>
</context>
<context>
    <name>Param_WiFiOffOnRun</name>
    <message>
        <source>WiFi Off on Run</source>
        <translation>Wifi uit bij starten</translation>
    </message>
</context>
<context>
    <name>PhotoNumberReminderDialog</name>
    <message>
        <source>Number of Photos</source>
        <translation>Aantal foto&apos;s</translation>
    </message>
    <message>
        <source>The number of photos to take specified here is also in effect when mount is started using the hardware Mode Dial. When the specified number of photos have been taken, the mount will stop tracking.</source>
        <translation>Het hier ingestelde aantal foto&apos;s geldt ook als de montering met de moduskiezer op het apparaat wordt gestart. Zodra dat aantal foto&apos;s is gemaakt, stopt de montering met volgen.</translation>
    </message>
    <message>
        <source>Remind me next time</source>
        <translation>Herinner me de volgende keer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Starten</translation>
    </message>
</context>
<context>
    <name>PolarScope</name>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Poolklok</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Locatie</translation>
    </message>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Noordelijk halfrond</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Zuidelijk halfrond</translation>
    </message>
    <message>
        <source>Precise position</source>
        <translation>Nauwkeurige positie</translation>
    </message>
    <message>
        <source>Light On</source>
        <translation>Licht aan</translation>
    </message>
    <message>
        <source>Light Off</source>
        <translation>Licht uit</translation>
    </message>
    <message>
        <source>Not connected: the light cannot be switched</source>
        <translation>Niet verbonden: het licht kan niet worden geschakeld</translation>
    </message>
    <message>
        <source>This mount has no polar-scope light</source>
        <translation>Deze montering heeft geen poolzoekerverlichting</translation>
    </message>
    <message>
        <source>No location set: the clock is drawn for 0° N 0° E. Set yours with Location.</source>
        <translation>Geen locatie ingesteld: de klok is getekend voor 0° N 0° O. Stel de uwe in via Locatie.</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>Brandpuntsafstand (mm)</translation>
    </message>
    <message>
        <source>Pixel size (µm)</source>
        <translation>Pixelgrootte (µm)</translation>
    </message>
    <message>
        <source>Longest exposure (s)</source>
        <translation>Langste belichting (s)</translation>
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
        <translation>Een poolas binnen %1′ houdt de drift onder een halve pixel</translation>
    </message>
    <message>
        <source>Give focal length, pixel size and exposure</source>
        <translation>Geef brandpuntsafstand, pixelgrootte en belichting</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Wi-Fi</source>
        <translation>Wifi</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Seriële poort</translation>
    </message>
    <message>
        <source>Demo mount</source>
        <translation>Demomontering</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Nooit</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>Nachtmodus</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbinding</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Poort</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Locatie</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Montering</translation>
    </message>
    <message>
        <source>Mount (not connected)</source>
        <translation>Montering (niet verbonden)</translation>
    </message>
    <message>
        <source>Finder LED Auto-Off</source>
        <translation>Zoeker-led automatisch uit</translation>
    </message>
    <message>
        <source>WiFi Auto-Off</source>
        <translation>Wifi automatisch uit</translation>
    </message>
    <message>
        <source>Auto Shut Down</source>
        <translation>Automatisch uitschakelen</translation>
    </message>
    <message>
        <source>Auto-Run Task</source>
        <translation>Programma automatisch starten</translation>
    </message>
    <message>
        <source>WiFi Network</source>
        <translation>Wifi-netwerk</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Wijzigen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Started with --demo: this run connects to the demo mount only.</source>
        <translation>Gestart met --demo: deze sessie verbindt alleen met de demomontering.</translation>
    </message>
    <message>
        <source>Connect at Launch</source>
        <translation>Verbinden bij starten</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Volledig scherm</translation>
    </message>
</context>
<context>
    <name>TaskProgressDialog</name>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Photos taken (estimated)</source>
        <translation>Foto&apos;s gemaakt (geschat)</translation>
    </message>
    <message>
        <source>Photos taken</source>
        <translation>Foto&apos;s gemaakt</translation>
    </message>
    <message>
        <source>Task done</source>
        <translation>Programma voltooid</translation>
    </message>
    <message>
        <source>Read %1 seconds ago</source>
        <translation>%1 seconden geleden gelezen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Vernieuwen</translation>
    </message>
    <message>
        <source>Unlimited Photos</source>
        <translation>Onbeperkt aantal foto&apos;s</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>Resterende tijd: %1</translation>
    </message>
    <message>
        <source>Not connected: the mount&apos;s state is unknown</source>
        <translation>Niet verbonden: de toestand van de montering is onbekend</translation>
    </message>
    <message>
        <source>Corrected to the mount&apos;s own count</source>
        <translation>Gecorrigeerd naar de eigen telling van de montering</translation>
    </message>
</context>
<context>
    <name>WifiSettingsPage</name>
    <message>
        <source>WiFi Network</source>
        <translation>Wifi-netwerk</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Access Point Mode</source>
        <translation>Toegangspuntmodus</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Beveiliging</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
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
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Station Mode</source>
        <translation>Clientmodus</translation>
    </message>
    <message>
        <source>Both SSID and Password are case-sensitive</source>
        <translation>SSID en wachtwoord zijn hoofdlettergevoelig</translation>
    </message>
    <message>
        <source>Use DHCP</source>
        <translation>DHCP gebruiken</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>Vast IP-adres</translation>
    </message>
    <message>
        <source>Apply Wi-Fi Settings</source>
        <translation>Wifi-instellingen toepassen</translation>
    </message>
    <message>
        <source>The mount restarts its Wi-Fi and the console lets the link go. Join “%1”, then connect again.</source>
        <translation>De montering herstart haar wifi en de console laat de verbinding los. Maak verbinding met ‘%1’ en verbind daarna opnieuw.</translation>
    </message>
    <message>
        <source>Discard Changes</source>
        <translation>Wijzigingen verwerpen</translation>
    </message>
    <message>
        <source>The Wi-Fi settings you changed are not applied.</source>
        <translation>De gewijzigde wifi-instellingen worden niet toegepast.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerpen</translation>
    </message>
    <message>
        <source>Reading the mount&apos;s settings…</source>
        <translation>Instellingen van de montering lezen…</translation>
    </message>
    <message>
        <source>Could not read the mount&apos;s settings: %1</source>
        <translation>De instellingen van de montering konden niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>The mount runs its access point and a station at once. Apply keeps both unless you choose one.</source>
        <translation>De montering is tegelijk toegangspunt en station. Toepassen houdt beide, tenzij u er een kiest.</translation>
    </message>
    <message>
        <source>Not valid text on the mount: shown as well as it can be and kept unchanged</source>
        <translation>Geen geldige tekst op de montering: zo goed mogelijk getoond en ongewijzigd bewaard</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Geslaagd</translation>
    </message>
    <message>
        <source>Rejected</source>
        <translation>Geweigerd</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Communicatiefout</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Geannuleerd</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
</context>
<context>
    <name>tavo_profile</name>
    <message>
        <source>Invalid Speed</source>
        <translation>Ongeldige snelheid</translation>
    </message>
    <message>
        <source>Frame period must be at least %1 seconds longer than exposure</source>
        <translation>Het opname-interval moet minstens %1 seconden langer zijn dan de belichting</translation>
    </message>
    <message>
        <source>Speed too fast for frame period and exposure</source>
        <translation>Snelheid te hoog voor opname-interval en belichting</translation>
    </message>
</context>
</TS>
