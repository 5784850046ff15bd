<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>HelpPage</name>
    <message>
        <source>Help</source>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Opening page in external app...</source>
        <translation>Se deschide pagina într-o aplicație externă...</translation>
    </message>
    <message>
        <source>The help document could not be read: %1</source>
        <translation>Documentul de ajutor nu a putut fi citit: %1</translation>
    </message>
</context>
<context>
    <name>JEX::TaskProfileList</name>
    <message>
        <source>Enter a name</source>
        <translation>Introduceți un nume</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the page&apos;s own working profile: choose another name</source>
        <translation>„%1” este profilul de lucru al paginii: alegeți alt nume</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Disconnected</source>
        <translation>Deconectat</translation>
    </message>
    <message>
        <source>Connected to %1 at %2</source>
        <translation>Conectat la %1 prin %2</translation>
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
        <translation>Neconectat</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progres</translation>
    </message>
    <message>
        <source>Updated power level</source>
        <translation>Nivelul alimentării a fost actualizat</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Se conectează…</translation>
    </message>
    <message>
        <source>Click to stop reconnecting</source>
        <translation>Faceți clic pentru a opri reconectarea</translation>
    </message>
    <message>
        <source>Astrophotography</source>
        <translation>Astrofotografie</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Timelapse astro</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Timelapse cu expunere normală</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Timelapse cu expunere lungă</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Read the voltage again</source>
        <translation>Citește din nou tensiunea</translation>
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
        <translation>Timelapse astro</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Timelapse cu expunere normală</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Timelapse cu expunere lungă</translation>
    </message>
    <message>
        <source>Manual Control</source>
        <translation>Control manual</translation>
    </message>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Ceas polar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Setări</translation>
    </message>
    <message>
        <source>Hide Log</source>
        <translation>Ascunde jurnalul</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Afișează jurnalul</translation>
    </message>
    <message>
        <source>Choose a page from the list.</source>
        <translation>Alegeți o pagină din listă.</translation>
    </message>
</context>
<context>
    <name>ManualControl</name>
    <message>
        <source>Manual Control</source>
        <translation>Control manual</translation>
    </message>
    <message>
        <source>Hold an arrow to turn the mount</source>
        <translation>Țineți apăsată o săgeată pentru a roti montura</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Neconectat</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Aducere la zero</translation>
    </message>
    <message>
        <source>Zero the Angle</source>
        <translation>Zero unghi</translation>
    </message>
    <message>
        <source>The angle shown is counted from the axis&apos;s present position from now on.</source>
        <translation>De acum, unghiul afișat se numără de la poziția actuală a axei.</translation>
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
        <translation>Urmărește stelele pentru expuneri lungi</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Timelapse astro</translation>
    </message>
    <message>
        <source>A time-lapse that follows the sky</source>
        <translation>Un time-lapse care urmărește cerul</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Timelapse cu expunere normală</translation>
    </message>
    <message>
        <source>Turns a step between short exposures</source>
        <translation>Se rotește un pas între expuneri scurte</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Timelapse cu expunere lungă</translation>
    </message>
    <message>
        <source>Turns slowly through long exposures</source>
        <translation>Se rotește încet în timpul expunerilor lungi</translation>
    </message>
    <message>
        <source>Manual Control</source>
        <translation>Control manual</translation>
    </message>
    <message>
        <source>Turn the mount by hand</source>
        <translation>Rotiți montura manual</translation>
    </message>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Ceas polar</translation>
    </message>
    <message>
        <source>Where Polaris sits in the polar scope</source>
        <translation>Unde se află Polaris în luneta polară</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Setări</translation>
    </message>
    <message>
        <source>Language, night, connection, mount</source>
        <translation>Limbă, noapte, conexiune, montură</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Afișează jurnalul</translation>
    </message>
    <message>
        <source>Hide Log</source>
        <translation>Ascunde jurnalul</translation>
    </message>
    <message>
        <source>The console&apos;s journal under the page</source>
        <translation>Jurnalul consolei sub pagină</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>În desfășurare</translation>
    </message>
</context>
<context>
    <name>Outcomes</name>
    <message>
        <source>Done</source>
        <translation>Gata</translation>
    </message>
</context>
<context>
    <name>ParamRows_AP</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Expunere (s)</translation>
    </message>
    <message>
        <source>Interval (sec)</source>
        <translation>Interval (s)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotografii</translation>
    </message>
    <message>
        <source>Tracking Rate</source>
        <translation>Viteză de urmărire</translation>
    </message>
    <message>
        <source>Dithering (arcmin)</source>
        <translation>Dithering (arcmin)</translation>
    </message>
    <message>
        <source>Total Time</source>
        <translation>Durată totală</translation>
    </message>
    <message>
        <source>Finish Time</source>
        <translation>Ora de final</translation>
    </message>
</context>
<context>
    <name>ParamRows_ATL</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Expunere (s)</translation>
    </message>
    <message>
        <source>Tracking Rate</source>
        <translation>Viteză de urmărire</translation>
    </message>
    <message>
        <source>Total Time (hours)</source>
        <translation>Durată totală (ore)</translation>
    </message>
    <message>
        <source>Video Length (sec)</source>
        <translation>Durata video (s)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotografii</translation>
    </message>
</context>
<context>
    <name>ParamRows_RegLong</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Expunere (s)</translation>
    </message>
    <message>
        <source>Total Time (hours)</source>
        <translation>Durată totală (ore)</translation>
    </message>
    <message>
        <source>Frame Period (sec)</source>
        <translation>Interval între cadre (s)</translation>
    </message>
    <message>
        <source>Video Length (sec)</source>
        <translation>Durata video (s)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotografii</translation>
    </message>
    <message>
        <source>Swing Range (deg)</source>
        <translation>Amplitudine baleiaj (°)</translation>
    </message>
    <message>
        <source>Swings</source>
        <translation>Baleieri</translation>
    </message>
    <message>
        <source>Speed (deg/hour)</source>
        <translation>Viteză (°/h)</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Sens orar</translation>
    </message>
</context>
<context>
    <name>Param_AstroRateX</name>
    <message>
        <source>Solar</source>
        <translation>Solar</translation>
    </message>
    <message>
        <source>Lunar</source>
        <translation>Lunar</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizată</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>Sideral</translation>
    </message>
    <message>
        <source>%1x %2</source>
        <translation>%2 %1x</translation>
    </message>
    <message>
        <source>Deg/Sec</source>
        <translation>Grade/s</translation>
    </message>
</context>
<context>
    <name>Param_Common</name>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Astrophotography</source>
        <translation>Astrofotografie</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Timelapse cu expunere normală</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Timelapse cu expunere lungă</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Timelapse astro</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Oprește</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Pornește</translation>
    </message>
    <message>
        <source>Not connected: connect to a mount to run the program</source>
        <translation>Neconectat: conectați-vă la o montură pentru a rula programul</translation>
    </message>
    <message>
        <source>Tick enough values for the frame period and the speed to follow from them</source>
        <translation>Bifați destule valori încât intervalul și viteza să rezulte din ele</translation>
    </message>
    <message>
        <source>Exposure is 0 s: meant as tracking only?</source>
        <translation>Expunere de 0 s: doar urmărire?</translation>
    </message>
    <message>
        <source>Stop the Program</source>
        <translation>Oprește programul</translation>
    </message>
    <message>
        <source>The mount stops tracking and taking photos. A stopped program cannot be resumed where it was.</source>
        <translation>Montura oprește urmărirea și fotografierea. Un program oprit nu poate fi reluat de unde a rămas.</translation>
    </message>
</context>
<context>
    <name>Param_FrameRate</name>
    <message>
        <source>Frame Rate</source>
        <translation>Cadență cadre</translation>
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
        <translation>Fără sfârșit</translation>
    </message>
    <message>
        <source>Ends %1</source>
        <translation>Se termină %1</translation>
    </message>
    <message>
        <source>%1 · dawn %2</source>
        <translation>%1 · zori %2</translation>
    </message>
    <message>
        <source>%1 · no astronomical night; nautical dawn %2</source>
        <translation>%1 · fără noapte astronomică; zori nautice %2</translation>
    </message>
    <message>
        <source>%1 · no astronomical or nautical night</source>
        <translation>%1 · fără noapte astronomică sau nautică</translation>
    </message>
    <message>
        <source>%1 · set the location to compare with dawn</source>
        <translation>%1 · setați locația pentru a compara cu zorii</translation>
    </message>
    <message>
        <source>The run ends after dawn</source>
        <translation>Rularea se termină după zori</translation>
    </message>
    <message>
        <source>At %1 from the start: %2°</source>
        <translation>La %1 de la pornire: %2°</translation>
    </message>
    <message>
        <source>Axis angle against time, photos along the bottom, reversals as rings; within a cycle the motion is a model</source>
        <translation>Unghiul axei în timp, fotografii jos, inversări ca inele; în cadrul unui ciclu mișcarea este un model</translation>
    </message>
    <message>
        <source>%1 · before dusk %2</source>
        <translation>%1 · înainte de amurg %2</translation>
    </message>
    <message>
        <source>It begins before dusk (%1)</source>
        <translation>Începe înainte de amurg (%1)</translation>
    </message>
</context>
<context>
    <name>Param_ProfileNameDialog</name>
    <message>
        <source>Profile Name</source>
        <translation>Nume profil</translation>
    </message>
    <message>
        <source>Overwrites existing profile</source>
        <translation>Suprascrie profilul existent</translation>
    </message>
</context>
<context>
    <name>Param_ProfilePane</name>
    <message>
        <source>Profiles</source>
        <translation>Profiluri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvează</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gata</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editează</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Șterge</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Încarcă</translation>
    </message>
    <message>
        <source>No saved profiles</source>
        <translation>Niciun profil salvat</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>Șterge profilul</translation>
    </message>
    <message>
        <source>Delete the profile “%1”?</source>
        <translation>Ștergeți profilul „%1”?</translation>
    </message>
</context>
<context>
    <name>Param_WiFiOffOnRun</name>
    <message>
        <source>WiFi Off on Run</source>
        <translation>Oprește Wi-Fi la pornire</translation>
    </message>
</context>
<context>
    <name>PhotoNumberReminderDialog</name>
    <message>
        <source>Number of Photos</source>
        <translation>Număr de fotografii</translation>
    </message>
    <message>
        <source>The number of photos to take specified here is also in effect when mount is started using the hardware Mode Dial. When the specified number of photos have been taken, the mount will stop tracking.</source>
        <translation>Numărul de fotografii stabilit aici se aplică și când montura este pornită cu selectorul de mod de pe aparat. După ce s-a atins acest număr de fotografii, montura oprește urmărirea.</translation>
    </message>
    <message>
        <source>Remind me next time</source>
        <translation>Amintește-mi data viitoare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulează</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Pornește</translation>
    </message>
</context>
<context>
    <name>PolarScope</name>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Ceas polar</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Locație</translation>
    </message>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Emisfera nordică</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Emisfera sudică</translation>
    </message>
    <message>
        <source>Precise position</source>
        <translation>Poziție precisă</translation>
    </message>
    <message>
        <source>Light On</source>
        <translation>Aprinde</translation>
    </message>
    <message>
        <source>Light Off</source>
        <translation>Stinge</translation>
    </message>
    <message>
        <source>Not connected: the light cannot be switched</source>
        <translation>Neconectat: lumina nu poate fi comandată</translation>
    </message>
    <message>
        <source>This mount has no polar-scope light</source>
        <translation>Această montură nu are iluminare la luneta polară</translation>
    </message>
    <message>
        <source>No location set: the clock is drawn for 0° N 0° E. Set yours with Location.</source>
        <translation>Nicio locație setată: ceasul este desenat pentru 0° N 0° E. Setați-o pe a dumneavoastră la Locație.</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>Distanța focală (mm)</translation>
    </message>
    <message>
        <source>Pixel size (µm)</source>
        <translation>Dimensiunea pixelului (µm)</translation>
    </message>
    <message>
        <source>Longest exposure (s)</source>
        <translation>Cea mai lungă expunere (s)</translation>
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
        <translation>O axă polară în limita a %1′ ține deriva sub jumătate de pixel</translation>
    </message>
    <message>
        <source>Give focal length, pixel size and exposure</source>
        <translation>Introduceți distanța focală, dimensiunea pixelului și expunerea</translation>
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
        <translation>Anulează</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
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
        <translation>Port serial</translation>
    </message>
    <message>
        <source>Demo mount</source>
        <translation>Montură demo</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Niciodată</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Setări</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Limbă</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>Mod noapte</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Oprit</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Pornit</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automat</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexiune</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Locație</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Montură</translation>
    </message>
    <message>
        <source>Mount (not connected)</source>
        <translation>Montură (neconectată)</translation>
    </message>
    <message>
        <source>Finder LED Auto-Off</source>
        <translation>Oprire automată LED căutător</translation>
    </message>
    <message>
        <source>WiFi Auto-Off</source>
        <translation>Oprire automată Wi-Fi</translation>
    </message>
    <message>
        <source>Auto Shut Down</source>
        <translation>Oprire automată</translation>
    </message>
    <message>
        <source>Auto-Run Task</source>
        <translation>Pornire automată program</translation>
    </message>
    <message>
        <source>WiFi Network</source>
        <translation>Rețea Wi-Fi</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifică</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschide</translation>
    </message>
    <message>
        <source>Started with --demo: this run connects to the demo mount only.</source>
        <translation>Pornit cu --demo: această sesiune se conectează doar la montura demonstrativă.</translation>
    </message>
    <message>
        <source>Connect at Launch</source>
        <translation>Conectare la pornire</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Ecran complet</translation>
    </message>
</context>
<context>
    <name>TaskProgressDialog</name>
    <message>
        <source>Progress</source>
        <translation>Progres</translation>
    </message>
    <message>
        <source>Photos taken (estimated)</source>
        <translation>Fotografii realizate (estimat)</translation>
    </message>
    <message>
        <source>Photos taken</source>
        <translation>Fotografii realizate</translation>
    </message>
    <message>
        <source>Task done</source>
        <translation>Program încheiat</translation>
    </message>
    <message>
        <source>Read %1 seconds ago</source>
        <translation>Citit acum %1 secunde</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Reîmprospătează</translation>
    </message>
    <message>
        <source>Unlimited Photos</source>
        <translation>Fotografii nelimitate</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>Timp rămas: %1</translation>
    </message>
    <message>
        <source>Not connected: the mount&apos;s state is unknown</source>
        <translation>Neconectat: starea monturii este necunoscută</translation>
    </message>
    <message>
        <source>Corrected to the mount&apos;s own count</source>
        <translation>Corectat după numărătoarea monturii</translation>
    </message>
</context>
<context>
    <name>WifiSettingsPage</name>
    <message>
        <source>WiFi Network</source>
        <translation>Rețea Wi-Fi</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplică</translation>
    </message>
    <message>
        <source>Access Point Mode</source>
        <translation>Mod punct de acces</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Securitate</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschisă</translation>
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
        <translation>Parolă</translation>
    </message>
    <message>
        <source>Station Mode</source>
        <translation>Mod client</translation>
    </message>
    <message>
        <source>Both SSID and Password are case-sensitive</source>
        <translation>SSID-ul și parola țin cont de majuscule</translation>
    </message>
    <message>
        <source>Use DHCP</source>
        <translation>Folosește DHCP</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>IP fix</translation>
    </message>
    <message>
        <source>Apply Wi-Fi Settings</source>
        <translation>Aplică setările Wi-Fi</translation>
    </message>
    <message>
        <source>The mount restarts its Wi-Fi and the console lets the link go. Join “%1”, then connect again.</source>
        <translation>Montura își repornește Wi-Fi-ul și consola renunță la legătură. Conectați-vă la „%1”, apoi reconectați-vă.</translation>
    </message>
    <message>
        <source>Discard Changes</source>
        <translation>Renunță la modificări</translation>
    </message>
    <message>
        <source>The Wi-Fi settings you changed are not applied.</source>
        <translation>Setările Wi-Fi modificate nu se aplică.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Renunță</translation>
    </message>
    <message>
        <source>Reading the mount&apos;s settings…</source>
        <translation>Se citesc setările monturii…</translation>
    </message>
    <message>
        <source>Could not read the mount&apos;s settings: %1</source>
        <translation>Setările monturii nu au putut fi citite: %1</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reîncearcă</translation>
    </message>
    <message>
        <source>The mount runs its access point and a station at once. Apply keeps both unless you choose one.</source>
        <translation>Montura funcționează simultan ca punct de acces și stație. Aplicarea le păstrează pe amândouă dacă nu alegeți unul.</translation>
    </message>
    <message>
        <source>Not valid text on the mount: shown as well as it can be and kept unchanged</source>
        <translation>Text nevalid pe montură: afișat cât se poate de bine și păstrat neschimbat</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Reușit</translation>
    </message>
    <message>
        <source>Rejected</source>
        <translation>Respins</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Eroare de comunicare</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Anulat</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Eroare necunoscută</translation>
    </message>
</context>
<context>
    <name>tavo_profile</name>
    <message>
        <source>Invalid Speed</source>
        <translation>Viteză nevalidă</translation>
    </message>
    <message>
        <source>Frame period must be at least %1 seconds longer than exposure</source>
        <translation>Intervalul dintre cadre trebuie să fie cu cel puțin %1 secunde mai lung decât expunerea</translation>
    </message>
    <message>
        <source>Speed too fast for frame period and exposure</source>
        <translation>Viteză prea mare pentru interval și expunere</translation>
    </message>
</context>
</TS>
