<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
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
        <source>Opening page in external app...</source>
        <translation>Oldal megnyitása külső alkalmazásban...</translation>
    </message>
</context>
<context>
    <name>WifiSettingsPage</name>
    <message>
        <source>Done</source>
        <translation>Kész</translation>
    </message>
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
</context>
<context>
    <name>mount</name>
    <message>
        <source>Velmora Console</source>
        <translation>Velmora konzol</translation>
    </message>
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
