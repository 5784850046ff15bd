<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr_HR">
<context>
    <name>HelpPage</name>
    <message>
        <source>Help</source>
        <translation>Pomoć</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Preglednik</translation>
    </message>
    <message>
        <source>Opening page in external app...</source>
        <translation>Otvaranje stranice u vanjskoj aplikaciji...</translation>
    </message>
    <message>
        <source>The help document could not be read: %1</source>
        <translation>Dokument pomoći nije moguće pročitati: %1</translation>
    </message>
</context>
<context>
    <name>JEX::TaskProfileList</name>
    <message>
        <source>Enter a name</source>
        <translation>Unesite naziv</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the page&apos;s own working profile: choose another name</source>
        <translation>&quot;%1&quot; je radni profil stranice: odaberite drugi naziv</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Disconnected</source>
        <translation>Veza prekinuta</translation>
    </message>
    <message>
        <source>Connected to %1 at %2</source>
        <translation>Povezano s %1 na %2</translation>
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
        <translation>Nije povezano</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Napredak</translation>
    </message>
    <message>
        <source>Updated power level</source>
        <translation>Razina napajanja ažurirana</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Povezivanje…</translation>
    </message>
    <message>
        <source>Click to stop reconnecting</source>
        <translation>Kliknite za prekid ponovnog povezivanja</translation>
    </message>
    <message>
        <source>Astrophotography</source>
        <translation>Astrofotografija</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Astro timelapse</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Timelapse s običnom ekspozicijom</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Timelapse s dugom ekspozicijom</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Read the voltage again</source>
        <translation>Ponovno očitaj napon</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Astrophotography</source>
        <translation>Astrofotografija</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Astro timelapse</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Timelapse s običnom ekspozicijom</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Timelapse s dugom ekspozicijom</translation>
    </message>
    <message>
        <source>Manual Control</source>
        <translation>Ručno upravljanje</translation>
    </message>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Polarni sat</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Postavke</translation>
    </message>
    <message>
        <source>Hide Log</source>
        <translation>Sakrij zapisnik</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Prikaži zapisnik</translation>
    </message>
    <message>
        <source>Choose a page from the list.</source>
        <translation>Odaberite stranicu s popisa.</translation>
    </message>
</context>
<context>
    <name>ManualControl</name>
    <message>
        <source>Manual Control</source>
        <translation>Ručno upravljanje</translation>
    </message>
    <message>
        <source>Hold an arrow to turn the mount</source>
        <translation>Držite strelicu za okretanje montaže</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Nije povezano</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Nuliraj</translation>
    </message>
    <message>
        <source>Zero the Angle</source>
        <translation>Poništi kut</translation>
    </message>
    <message>
        <source>The angle shown is counted from the axis&apos;s present position from now on.</source>
        <translation>Prikazani kut od sada se broji od trenutnog položaja osi.</translation>
    </message>
</context>
<context>
    <name>NavList</name>
    <message>
        <source>Astrophotography</source>
        <translation>Astrofotografija</translation>
    </message>
    <message>
        <source>Tracks the stars for long exposures</source>
        <translation>Prati zvijezde za duge ekspozicije</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Astro timelapse</translation>
    </message>
    <message>
        <source>A time-lapse that follows the sky</source>
        <translation>Time-lapse koji prati nebo</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Timelapse s običnom ekspozicijom</translation>
    </message>
    <message>
        <source>Turns a step between short exposures</source>
        <translation>Okreće se za korak između kratkih ekspozicija</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Timelapse s dugom ekspozicijom</translation>
    </message>
    <message>
        <source>Turns slowly through long exposures</source>
        <translation>Polako se okreće tijekom dugih ekspozicija</translation>
    </message>
    <message>
        <source>Manual Control</source>
        <translation>Ručno upravljanje</translation>
    </message>
    <message>
        <source>Turn the mount by hand</source>
        <translation>Ručno okretanje montaže</translation>
    </message>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Polarni sat</translation>
    </message>
    <message>
        <source>Where Polaris sits in the polar scope</source>
        <translation>Gdje je Polaris u polarnom tražilu</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Postavke</translation>
    </message>
    <message>
        <source>Language, night, connection, mount</source>
        <translation>Jezik, noć, veza, montaža</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Prikaži zapisnik</translation>
    </message>
    <message>
        <source>Hide Log</source>
        <translation>Sakrij zapisnik</translation>
    </message>
    <message>
        <source>The console&apos;s journal under the page</source>
        <translation>Dnevnik konzole ispod stranice</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>U tijeku</translation>
    </message>
</context>
<context>
    <name>Outcomes</name>
    <message>
        <source>Done</source>
        <translation>Gotovo</translation>
    </message>
</context>
<context>
    <name>ParamRows_AP</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Ekspozicija (s)</translation>
    </message>
    <message>
        <source>Interval (sec)</source>
        <translation>Interval (s)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Snimke</translation>
    </message>
    <message>
        <source>Tracking Rate</source>
        <translation>Brzina praćenja</translation>
    </message>
    <message>
        <source>Dithering (arcmin)</source>
        <translation>Dithering (lučne min.)</translation>
    </message>
    <message>
        <source>Total Time</source>
        <translation>Ukupno trajanje</translation>
    </message>
    <message>
        <source>Finish Time</source>
        <translation>Vrijeme završetka</translation>
    </message>
</context>
<context>
    <name>ParamRows_ATL</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Ekspozicija (s)</translation>
    </message>
    <message>
        <source>Tracking Rate</source>
        <translation>Brzina praćenja</translation>
    </message>
    <message>
        <source>Total Time (hours)</source>
        <translation>Ukupno trajanje (h)</translation>
    </message>
    <message>
        <source>Video Length (sec)</source>
        <translation>Trajanje videa (s)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Snimke</translation>
    </message>
</context>
<context>
    <name>ParamRows_RegLong</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Ekspozicija (s)</translation>
    </message>
    <message>
        <source>Total Time (hours)</source>
        <translation>Ukupno trajanje (h)</translation>
    </message>
    <message>
        <source>Frame Period (sec)</source>
        <translation>Razmak snimaka (s)</translation>
    </message>
    <message>
        <source>Video Length (sec)</source>
        <translation>Trajanje videa (s)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Snimke</translation>
    </message>
    <message>
        <source>Swing Range (deg)</source>
        <translation>Raspon zakretanja (°)</translation>
    </message>
    <message>
        <source>Swings</source>
        <translation>Zakretanja</translation>
    </message>
    <message>
        <source>Speed (deg/hour)</source>
        <translation>Brzina (°/h)</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>U smjeru kazaljke</translation>
    </message>
</context>
<context>
    <name>Param_AstroRateX</name>
    <message>
        <source>Solar</source>
        <translation>Sunčeva</translation>
    </message>
    <message>
        <source>Lunar</source>
        <translation>Mjesečeva</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Prilagođena</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>Zvjezdana</translation>
    </message>
    <message>
        <source>%1x %2</source>
        <translation>%1x %2</translation>
    </message>
    <message>
        <source>Deg/Sec</source>
        <translation>Stupnjeva/s</translation>
    </message>
</context>
<context>
    <name>Param_Common</name>
    <message>
        <source>Manual</source>
        <translation>Ručno</translation>
    </message>
    <message>
        <source>Astrophotography</source>
        <translation>Astrofotografija</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Timelapse s običnom ekspozicijom</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Timelapse s dugom ekspozicijom</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Astro timelapse</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zaustavi</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Pokreni</translation>
    </message>
    <message>
        <source>Not connected: connect to a mount to run the program</source>
        <translation>Nije povezano: povežite se s montažom za pokretanje programa</translation>
    </message>
    <message>
        <source>Tick enough values for the frame period and the speed to follow from them</source>
        <translation>Označite dovoljno vrijednosti da iz njih slijede razmak snimaka i brzina</translation>
    </message>
    <message>
        <source>Exposure is 0 s: meant as tracking only?</source>
        <translation>Ekspozicija 0 s: samo praćenje?</translation>
    </message>
    <message>
        <source>Stop the Program</source>
        <translation>Zaustavi program</translation>
    </message>
    <message>
        <source>The mount stops tracking and taking photos. A stopped program cannot be resumed where it was.</source>
        <translation>Montaža prestaje pratiti i snimati. Zaustavljeni program ne može se nastaviti gdje je stao.</translation>
    </message>
</context>
<context>
    <name>Param_FrameRate</name>
    <message>
        <source>Frame Rate</source>
        <translation>Sličica u sekundi</translation>
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
        <translation>Bez kraja</translation>
    </message>
    <message>
        <source>Ends %1</source>
        <translation>Završava %1</translation>
    </message>
    <message>
        <source>%1 · dawn %2</source>
        <translation>%1 · zora %2</translation>
    </message>
    <message>
        <source>%1 · no astronomical night; nautical dawn %2</source>
        <translation>%1 · nema astronomske noći; nautička zora %2</translation>
    </message>
    <message>
        <source>%1 · no astronomical or nautical night</source>
        <translation>%1 · nema astronomske ni nautičke noći</translation>
    </message>
    <message>
        <source>%1 · set the location to compare with dawn</source>
        <translation>%1 · postavite lokaciju za usporedbu sa zorom</translation>
    </message>
    <message>
        <source>The run ends after dawn</source>
        <translation>Snimanje završava nakon zore</translation>
    </message>
    <message>
        <source>At %1 from the start: %2°</source>
        <translation>Na %1 od početka: %2°</translation>
    </message>
    <message>
        <source>Axis angle against time, photos along the bottom, reversals as rings; within a cycle the motion is a model</source>
        <translation>Kut osi kroz vrijeme, fotografije pri dnu, okreti kao prstenovi; unutar ciklusa kretanje je model</translation>
    </message>
    <message>
        <source>%1 · before dusk %2</source>
        <translation>%1 · prije sumraka %2</translation>
    </message>
    <message>
        <source>It begins before dusk (%1)</source>
        <translation>Počinje prije sumraka (%1)</translation>
    </message>
</context>
<context>
    <name>Param_ProfileNameDialog</name>
    <message>
        <source>Profile Name</source>
        <translation>Naziv profila</translation>
    </message>
    <message>
        <source>Overwrites existing profile</source>
        <translation>Prepisuje postojeći profil</translation>
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
        <translation>Spremi</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotovo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Uredi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Učitaj</translation>
    </message>
    <message>
        <source>No saved profiles</source>
        <translation>Nema spremljenih profila</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>Izbriši profil</translation>
    </message>
    <message>
        <source>Delete the profile “%1”?</source>
        <translation>Izbrisati profil „%1”?</translation>
    </message>
</context>
<context>
    <name>Param_WiFiOffOnRun</name>
    <message>
        <source>WiFi Off on Run</source>
        <translation>Isključi Wi-Fi pri pokretanju</translation>
    </message>
</context>
<context>
    <name>PhotoNumberReminderDialog</name>
    <message>
        <source>Number of Photos</source>
        <translation>Broj snimaka</translation>
    </message>
    <message>
        <source>The number of photos to take specified here is also in effect when mount is started using the hardware Mode Dial. When the specified number of photos have been taken, the mount will stop tracking.</source>
        <translation>Ovdje zadani broj snimaka vrijedi i kada se montaža pokrene biračem načina rada na uređaju. Kada se snimi zadani broj snimaka, montaža prestaje pratiti nebo.</translation>
    </message>
    <message>
        <source>Remind me next time</source>
        <translation>Podsjeti me sljedeći put</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Pokreni</translation>
    </message>
</context>
<context>
    <name>PolarScope</name>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Polarni sat</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lokacija</translation>
    </message>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Sjeverna polutka</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Južna polutka</translation>
    </message>
    <message>
        <source>Precise position</source>
        <translation>Precizan položaj</translation>
    </message>
    <message>
        <source>Light On</source>
        <translation>Svjetlo uklj.</translation>
    </message>
    <message>
        <source>Light Off</source>
        <translation>Svjetlo isklj.</translation>
    </message>
    <message>
        <source>Not connected: the light cannot be switched</source>
        <translation>Nije povezano: svjetlo se ne može uključiti</translation>
    </message>
    <message>
        <source>This mount has no polar-scope light</source>
        <translation>Ova montaža nema svjetlo polarnog tražila</translation>
    </message>
    <message>
        <source>No location set: the clock is drawn for 0° N 0° E. Set yours with Location.</source>
        <translation>Lokacija nije postavljena: sat je nacrtan za 0° S 0° I. Postavite svoju pod Lokacija.</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>Žarišna duljina (mm)</translation>
    </message>
    <message>
        <source>Pixel size (µm)</source>
        <translation>Veličina piksela (µm)</translation>
    </message>
    <message>
        <source>Longest exposure (s)</source>
        <translation>Najdulja ekspozicija (s)</translation>
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
        <translation>Polarna os unutar %1′ drži pomak ispod pola piksela</translation>
    </message>
    <message>
        <source>Give focal length, pixel size and exposure</source>
        <translation>Unesite žarišnu duljinu, veličinu piksela i ekspoziciju</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
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
        <translation>Serijski priključak</translation>
    </message>
    <message>
        <source>Demo mount</source>
        <translation>Demo montaža</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Nikad</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Postavke</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jezik</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>Noćni način</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Isključeno</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Uključeno</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatski</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Veza</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Priključak</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lokacija</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Montaža</translation>
    </message>
    <message>
        <source>Mount (not connected)</source>
        <translation>Montaža (nije povezana)</translation>
    </message>
    <message>
        <source>Finder LED Auto-Off</source>
        <translation>Automatsko gašenje LED-a tražila</translation>
    </message>
    <message>
        <source>WiFi Auto-Off</source>
        <translation>Automatsko isključivanje Wi-Fi-ja</translation>
    </message>
    <message>
        <source>Auto Shut Down</source>
        <translation>Automatsko isključivanje</translation>
    </message>
    <message>
        <source>Auto-Run Task</source>
        <translation>Automatsko pokretanje programa</translation>
    </message>
    <message>
        <source>WiFi Network</source>
        <translation>Wi-Fi mreža</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Promijeni</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoć</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvori</translation>
    </message>
    <message>
        <source>Started with --demo: this run connects to the demo mount only.</source>
        <translation>Pokrenuto s --demo: ova sesija spaja se samo na demo montažu.</translation>
    </message>
    <message>
        <source>Connect at Launch</source>
        <translation>Poveži pri pokretanju</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Cijeli zaslon</translation>
    </message>
</context>
<context>
    <name>TaskProgressDialog</name>
    <message>
        <source>Progress</source>
        <translation>Napredak</translation>
    </message>
    <message>
        <source>Photos taken (estimated)</source>
        <translation>Snimljeno (procjena)</translation>
    </message>
    <message>
        <source>Photos taken</source>
        <translation>Snimljeno</translation>
    </message>
    <message>
        <source>Task done</source>
        <translation>Program završen</translation>
    </message>
    <message>
        <source>Read %1 seconds ago</source>
        <translation>Očitano prije %1 s</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Osvježi</translation>
    </message>
    <message>
        <source>Unlimited Photos</source>
        <translation>Neograničeno snimaka</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>Preostalo vrijeme: %1</translation>
    </message>
    <message>
        <source>Not connected: the mount&apos;s state is unknown</source>
        <translation>Nije povezano: stanje montaže nije poznato</translation>
    </message>
    <message>
        <source>Corrected to the mount&apos;s own count</source>
        <translation>Ispravljeno prema brojanju same montaže</translation>
    </message>
</context>
<context>
    <name>WifiSettingsPage</name>
    <message>
        <source>WiFi Network</source>
        <translation>Wi-Fi mreža</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Primijeni</translation>
    </message>
    <message>
        <source>Access Point Mode</source>
        <translation>Način pristupne točke</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sigurnost</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvorena</translation>
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
        <translation>Lozinka</translation>
    </message>
    <message>
        <source>Station Mode</source>
        <translation>Način klijenta</translation>
    </message>
    <message>
        <source>Both SSID and Password are case-sensitive</source>
        <translation>SSID i lozinka razlikuju velika i mala slova</translation>
    </message>
    <message>
        <source>Use DHCP</source>
        <translation>Koristi DHCP</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>Fiksna IP adresa</translation>
    </message>
    <message>
        <source>Apply Wi-Fi Settings</source>
        <translation>Primijeni Wi-Fi postavke</translation>
    </message>
    <message>
        <source>The mount restarts its Wi-Fi and the console lets the link go. Join “%1”, then connect again.</source>
        <translation>Montaža ponovno pokreće Wi-Fi i konzola prekida vezu. Spojite se na „%1”, zatim se ponovno povežite.</translation>
    </message>
    <message>
        <source>Discard Changes</source>
        <translation>Odbaci promjene</translation>
    </message>
    <message>
        <source>The Wi-Fi settings you changed are not applied.</source>
        <translation>Promijenjene Wi-Fi postavke neće se primijeniti.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Odbaci</translation>
    </message>
    <message>
        <source>Reading the mount&apos;s settings…</source>
        <translation>Čitanje postavki montaže…</translation>
    </message>
    <message>
        <source>Could not read the mount&apos;s settings: %1</source>
        <translation>Postavke montaže nije moguće pročitati: %1</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Pokušaj ponovno</translation>
    </message>
    <message>
        <source>The mount runs its access point and a station at once. Apply keeps both unless you choose one.</source>
        <translation>Montaža istodobno radi kao pristupna točka i stanica. Primjena zadržava oboje ako ne odaberete jedno.</translation>
    </message>
    <message>
        <source>Not valid text on the mount: shown as well as it can be and kept unchanged</source>
        <translation>Neispravan tekst na montaži: prikazan koliko je moguće i zadržan nepromijenjen</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Uspješno</translation>
    </message>
    <message>
        <source>Rejected</source>
        <translation>Odbijeno</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Pogreška u komunikaciji</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Otkazano</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Nepoznata pogreška</translation>
    </message>
</context>
<context>
    <name>tavo_profile</name>
    <message>
        <source>Invalid Speed</source>
        <translation>Nevažeća brzina</translation>
    </message>
    <message>
        <source>Frame period must be at least %1 seconds longer than exposure</source>
        <translation>Razmak između snimaka mora biti barem %1 sekundi dulji od ekspozicije</translation>
    </message>
    <message>
        <source>Speed too fast for frame period and exposure</source>
        <translation>Brzina je prevelika za razmak snimaka i ekspoziciju</translation>
    </message>
</context>
</TS>
