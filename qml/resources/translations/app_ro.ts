<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
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
        <translation>Aprinde lumina</translation>
    </message>
    <message>
        <source>Light Off</source>
        <translation>Stinge lumina</translation>
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
        <source>Opening page in external app...</source>
        <translation>Se deschide pagina într-o aplicație externă...</translation>
    </message>
</context>
<context>
    <name>WifiSettingsPage</name>
    <message>
        <source>Done</source>
        <translation>Gata</translation>
    </message>
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
</context>
<context>
    <name>mount</name>
    <message>
        <source>Velmora Console</source>
        <translation>Consola Velmora</translation>
    </message>
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
