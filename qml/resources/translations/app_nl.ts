<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
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
        <translation>Op nul</translation>
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
        <source>Opening page in external app...</source>
        <translation>Pagina wordt geopend in externe app...</translation>
    </message>
</context>
<context>
    <name>WifiSettingsPage</name>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
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
</context>
<context>
    <name>mount</name>
    <message>
        <source>Velmora Console</source>
        <translation>Velmora Console</translation>
    </message>
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
