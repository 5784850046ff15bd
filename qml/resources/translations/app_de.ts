<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>HelpPage</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Opening page in external app...</source>
        <translation>Seite wird in externer App geöffnet …</translation>
    </message>
    <message>
        <source>The help document could not be read: %1</source>
        <translation>Das Hilfedokument konnte nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>JEX::TaskProfileList</name>
    <message>
        <source>Enter a name</source>
        <translation>Namen eingeben</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the page&apos;s own working profile: choose another name</source>
        <translation>„%1“ ist das Arbeitsprofil der Seite: Bitte einen anderen Namen wählen</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Connected to %1 at %2</source>
        <translation>Verbunden mit %1 über %2</translation>
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
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Updated power level</source>
        <translation>Spannung aktualisiert</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Verbinde…</translation>
    </message>
    <message>
        <source>Click to stop reconnecting</source>
        <translation>Klicken, um das Wiederverbinden zu beenden</translation>
    </message>
    <message>
        <source>Astrophotography</source>
        <translation>Astrofotografie</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Astro-Zeitraffer</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Zeitraffer, normale Belichtung</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Zeitraffer, Langzeitbelichtung</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Read the voltage again</source>
        <translation>Spannung erneut lesen</translation>
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
        <translation>Astro-Zeitraffer</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Zeitraffer, normale Belichtung</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Zeitraffer, Langzeitbelichtung</translation>
    </message>
    <message>
        <source>Manual Control</source>
        <translation>Manuelle Steuerung</translation>
    </message>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Polaruhr</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Hide Log</source>
        <translation>Protokoll ausblenden</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Protokoll anzeigen</translation>
    </message>
    <message>
        <source>Choose a page from the list.</source>
        <translation>Wählen Sie eine Seite aus der Liste.</translation>
    </message>
</context>
<context>
    <name>ManualControl</name>
    <message>
        <source>Manual Control</source>
        <translation>Manuelle Steuerung</translation>
    </message>
    <message>
        <source>Hold an arrow to turn the mount</source>
        <translation>Pfeil gedrückt halten, um die Montierung zu drehen</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Nullen</translation>
    </message>
    <message>
        <source>Zero the Angle</source>
        <translation>Winkel nullen</translation>
    </message>
    <message>
        <source>The angle shown is counted from the axis&apos;s present position from now on.</source>
        <translation>Der angezeigte Winkel wird ab jetzt von der aktuellen Stellung der Achse aus gezählt.</translation>
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
        <translation>Folgt den Sternen für lange Belichtungen</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Astro-Zeitraffer</translation>
    </message>
    <message>
        <source>A time-lapse that follows the sky</source>
        <translation>Ein Zeitraffer, der dem Himmel folgt</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Zeitraffer, normale Belichtung</translation>
    </message>
    <message>
        <source>Turns a step between short exposures</source>
        <translation>Dreht einen Schritt zwischen kurzen Belichtungen</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Zeitraffer, Langzeitbelichtung</translation>
    </message>
    <message>
        <source>Turns slowly through long exposures</source>
        <translation>Dreht langsam während langer Belichtungen</translation>
    </message>
    <message>
        <source>Manual Control</source>
        <translation>Manuelle Steuerung</translation>
    </message>
    <message>
        <source>Turn the mount by hand</source>
        <translation>Die Montierung von Hand drehen</translation>
    </message>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Polaruhr</translation>
    </message>
    <message>
        <source>Where Polaris sits in the polar scope</source>
        <translation>Wo Polaris im Polsucher steht</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Language, night, connection, mount</source>
        <translation>Sprache, Nacht, Verbindung, Montierung</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Protokoll anzeigen</translation>
    </message>
    <message>
        <source>Hide Log</source>
        <translation>Protokoll ausblenden</translation>
    </message>
    <message>
        <source>The console&apos;s journal under the page</source>
        <translation>Das Protokoll der Konsole unter der Seite</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Läuft</translation>
    </message>
</context>
<context>
    <name>Outcomes</name>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>ParamRows_AP</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Belichtung (s)</translation>
    </message>
    <message>
        <source>Interval (sec)</source>
        <translation>Intervall (s)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Aufnahmen</translation>
    </message>
    <message>
        <source>Tracking Rate</source>
        <translation>Nachführrate</translation>
    </message>
    <message>
        <source>Dithering (arcmin)</source>
        <translation>Dithering (Bogenmin.)</translation>
    </message>
    <message>
        <source>Total Time</source>
        <translation>Gesamtdauer</translation>
    </message>
    <message>
        <source>Finish Time</source>
        <translation>Ende um</translation>
    </message>
</context>
<context>
    <name>ParamRows_ATL</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Belichtung (s)</translation>
    </message>
    <message>
        <source>Tracking Rate</source>
        <translation>Nachführrate</translation>
    </message>
    <message>
        <source>Total Time (hours)</source>
        <translation>Gesamtdauer (h)</translation>
    </message>
    <message>
        <source>Video Length (sec)</source>
        <translation>Videolänge (s)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Aufnahmen</translation>
    </message>
</context>
<context>
    <name>ParamRows_RegLong</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Belichtung (s)</translation>
    </message>
    <message>
        <source>Total Time (hours)</source>
        <translation>Gesamtdauer (h)</translation>
    </message>
    <message>
        <source>Frame Period (sec)</source>
        <translation>Aufnahmeintervall (s)</translation>
    </message>
    <message>
        <source>Video Length (sec)</source>
        <translation>Videolänge (s)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Aufnahmen</translation>
    </message>
    <message>
        <source>Swing Range (deg)</source>
        <translation>Schwenkbereich (°)</translation>
    </message>
    <message>
        <source>Swings</source>
        <translation>Schwenks</translation>
    </message>
    <message>
        <source>Speed (deg/hour)</source>
        <translation>Geschwindigkeit (°/h)</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Im Uhrzeigersinn</translation>
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
        <translation>Benutzerdefiniert</translation>
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
        <translation>Grad/s</translation>
    </message>
</context>
<context>
    <name>Param_Common</name>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Astrophotography</source>
        <translation>Astrofotografie</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Zeitraffer, normale Belichtung</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Zeitraffer, Langzeitbelichtung</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Astro-Zeitraffer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Not connected: connect to a mount to run the program</source>
        <translation>Nicht verbunden: Zum Starten des Programms mit einer Montierung verbinden</translation>
    </message>
    <message>
        <source>Tick enough values for the frame period and the speed to follow from them</source>
        <translation>Genug Werte anhaken, damit sich Aufnahmeintervall und Geschwindigkeit daraus ergeben</translation>
    </message>
    <message>
        <source>Exposure is 0 s: meant as tracking only?</source>
        <translation>Belichtung 0 s: nur Nachführung gewollt?</translation>
    </message>
    <message>
        <source>Stop the Program</source>
        <translation>Programm anhalten</translation>
    </message>
    <message>
        <source>The mount stops tracking and taking photos. A stopped program cannot be resumed where it was.</source>
        <translation>Die Montierung hört auf nachzuführen und zu fotografieren. Ein angehaltenes Programm kann nicht an derselben Stelle fortgesetzt werden.</translation>
    </message>
</context>
<context>
    <name>Param_FrameRate</name>
    <message>
        <source>Frame Rate</source>
        <translation>Bildrate</translation>
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
        <translation>Kein Ende</translation>
    </message>
    <message>
        <source>Ends %1</source>
        <translation>Ende %1</translation>
    </message>
    <message>
        <source>%1 · dawn %2</source>
        <translation>%1 · Morgendämmerung %2</translation>
    </message>
    <message>
        <source>%1 · no astronomical night; nautical dawn %2</source>
        <translation>%1 · keine astronomische Nacht; nautische Dämmerung %2</translation>
    </message>
    <message>
        <source>%1 · no astronomical or nautical night</source>
        <translation>%1 · keine astronomische oder nautische Nacht</translation>
    </message>
    <message>
        <source>%1 · set the location to compare with dawn</source>
        <translation>%1 · Standort festlegen, um mit der Dämmerung zu vergleichen</translation>
    </message>
    <message>
        <source>The run ends after dawn</source>
        <translation>Der Lauf endet nach der Morgendämmerung</translation>
    </message>
    <message>
        <source>At %1 from the start: %2°</source>
        <translation>Bei %1 nach dem Start: %2°</translation>
    </message>
    <message>
        <source>Axis angle against time, photos along the bottom, reversals as rings; within a cycle the motion is a model</source>
        <translation>Achswinkel über der Zeit, Fotos am unteren Rand, Umkehrpunkte als Ringe; innerhalb eines Zyklus ist die Bewegung ein Modell</translation>
    </message>
    <message>
        <source>%1 · before dusk %2</source>
        <translation>%1 · vor der Abenddämmerung %2</translation>
    </message>
    <message>
        <source>It begins before dusk (%1)</source>
        <translation>Er beginnt vor der Abenddämmerung (%1)</translation>
    </message>
</context>
<context>
    <name>Param_ProfileNameDialog</name>
    <message>
        <source>Profile Name</source>
        <translation>Profilname</translation>
    </message>
    <message>
        <source>Overwrites existing profile</source>
        <translation>Überschreibt vorhandenes Profil</translation>
    </message>
</context>
<context>
    <name>Param_ProfilePane</name>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>No saved profiles</source>
        <translation>Keine gespeicherten Profile</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>Profil löschen</translation>
    </message>
    <message>
        <source>Delete the profile “%1”?</source>
        <translation>Das Profil „%1“ löschen?</translation>
    </message>
</context>
<context>
    <name>Param_WiFiOffOnRun</name>
    <message>
        <source>WiFi Off on Run</source>
        <translation>WLAN beim Start aus</translation>
    </message>
</context>
<context>
    <name>PhotoNumberReminderDialog</name>
    <message>
        <source>Number of Photos</source>
        <translation>Anzahl Aufnahmen</translation>
    </message>
    <message>
        <source>The number of photos to take specified here is also in effect when mount is started using the hardware Mode Dial. When the specified number of photos have been taken, the mount will stop tracking.</source>
        <translation>Die hier eingestellte Anzahl der Aufnahmen gilt auch, wenn die Montierung mit dem Moduswahlrad am Gerät gestartet wird. Sind so viele Aufnahmen gemacht, beendet die Montierung die Nachführung.</translation>
    </message>
    <message>
        <source>Remind me next time</source>
        <translation>Beim nächsten Mal erinnern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Polaruhr</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Nordhalbkugel</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Südhalbkugel</translation>
    </message>
    <message>
        <source>Precise position</source>
        <translation>Genaue Position</translation>
    </message>
    <message>
        <source>Light On</source>
        <translation>Licht an</translation>
    </message>
    <message>
        <source>Light Off</source>
        <translation>Licht aus</translation>
    </message>
    <message>
        <source>Not connected: the light cannot be switched</source>
        <translation>Nicht verbunden: Das Licht kann nicht geschaltet werden</translation>
    </message>
    <message>
        <source>This mount has no polar-scope light</source>
        <translation>Diese Montierung hat keine Polsucherbeleuchtung</translation>
    </message>
    <message>
        <source>No location set: the clock is drawn for 0° N 0° E. Set yours with Location.</source>
        <translation>Kein Standort gesetzt: Die Uhr ist für 0° N 0° O gezeichnet. Legen Sie Ihren unter Standort fest.</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>Brennweite (mm)</translation>
    </message>
    <message>
        <source>Pixel size (µm)</source>
        <translation>Pixelgröße (µm)</translation>
    </message>
    <message>
        <source>Longest exposure (s)</source>
        <translation>Längste Belichtung (s)</translation>
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
        <translation>Polachse auf %1′ genau hält die Drift unter einem halben Pixel</translation>
    </message>
    <message>
        <source>Give focal length, pixel size and exposure</source>
        <translation>Brennweite, Pixelgröße und Belichtung angeben</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Wi-Fi</source>
        <translation>WLAN</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>Demo mount</source>
        <translation>Demo-Montierung</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>Nachtmodus</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Montierung</translation>
    </message>
    <message>
        <source>Mount (not connected)</source>
        <translation>Montierung (nicht verbunden)</translation>
    </message>
    <message>
        <source>Finder LED Auto-Off</source>
        <translation>Sucher-LED automatisch aus</translation>
    </message>
    <message>
        <source>WiFi Auto-Off</source>
        <translation>WLAN automatisch aus</translation>
    </message>
    <message>
        <source>Auto Shut Down</source>
        <translation>Automatisch ausschalten</translation>
    </message>
    <message>
        <source>Auto-Run Task</source>
        <translation>Programm automatisch starten</translation>
    </message>
    <message>
        <source>WiFi Network</source>
        <translation>WLAN-Netz</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Started with --demo: this run connects to the demo mount only.</source>
        <translation>Mit --demo gestartet: Diese Sitzung verbindet sich nur mit der Demo-Montierung.</translation>
    </message>
    <message>
        <source>Connect at Launch</source>
        <translation>Beim Start verbinden</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
</context>
<context>
    <name>TaskProgressDialog</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Photos taken (estimated)</source>
        <translation>Aufnahmen gemacht (geschätzt)</translation>
    </message>
    <message>
        <source>Photos taken</source>
        <translation>Aufnahmen gemacht</translation>
    </message>
    <message>
        <source>Task done</source>
        <translation>Programm beendet</translation>
    </message>
    <message>
        <source>Read %1 seconds ago</source>
        <translation>Vor %1 Sekunden gelesen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Unlimited Photos</source>
        <translation>Unbegrenzte Aufnahmen</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>Restzeit: %1</translation>
    </message>
    <message>
        <source>Not connected: the mount&apos;s state is unknown</source>
        <translation>Nicht verbunden: Der Zustand der Montierung ist unbekannt</translation>
    </message>
    <message>
        <source>Corrected to the mount&apos;s own count</source>
        <translation>Auf die eigene Zählung der Montierung berichtigt</translation>
    </message>
</context>
<context>
    <name>WifiSettingsPage</name>
    <message>
        <source>WiFi Network</source>
        <translation>WLAN-Netz</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Access Point Mode</source>
        <translation>Access-Point-Modus</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Offen</translation>
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
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Station Mode</source>
        <translation>Client-Modus</translation>
    </message>
    <message>
        <source>Both SSID and Password are case-sensitive</source>
        <translation>SSID und Passwort unterscheiden Groß- und Kleinschreibung</translation>
    </message>
    <message>
        <source>Use DHCP</source>
        <translation>DHCP verwenden</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>Feste IP-Adresse</translation>
    </message>
    <message>
        <source>Apply Wi-Fi Settings</source>
        <translation>WLAN-Einstellungen anwenden</translation>
    </message>
    <message>
        <source>The mount restarts its Wi-Fi and the console lets the link go. Join “%1”, then connect again.</source>
        <translation>Die Montierung startet ihr WLAN neu und die Konsole trennt die Verbindung. Verbinden Sie sich mit „%1“ und dann erneut mit der Montierung.</translation>
    </message>
    <message>
        <source>Discard Changes</source>
        <translation>Änderungen verwerfen</translation>
    </message>
    <message>
        <source>The Wi-Fi settings you changed are not applied.</source>
        <translation>Die geänderten WLAN-Einstellungen werden nicht angewendet.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Reading the mount&apos;s settings…</source>
        <translation>Einstellungen der Montierung werden gelesen…</translation>
    </message>
    <message>
        <source>Could not read the mount&apos;s settings: %1</source>
        <translation>Die Einstellungen der Montierung konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>The mount runs its access point and a station at once. Apply keeps both unless you choose one.</source>
        <translation>Die Montierung betreibt Zugangspunkt und Station zugleich. Anwenden behält beides, sofern Sie nicht eines wählen.</translation>
    </message>
    <message>
        <source>Not valid text on the mount: shown as well as it can be and kept unchanged</source>
        <translation>Auf der Montierung kein gültiger Text: so gut wie möglich angezeigt und unverändert behalten</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Erfolgreich</translation>
    </message>
    <message>
        <source>Rejected</source>
        <translation>Abgelehnt</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Kommunikationsfehler</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>tavo_profile</name>
    <message>
        <source>Invalid Speed</source>
        <translation>Ungültige Geschwindigkeit</translation>
    </message>
    <message>
        <source>Frame period must be at least %1 seconds longer than exposure</source>
        <translation>Das Aufnahmeintervall muss mindestens %1 Sekunden länger als die Belichtungszeit sein</translation>
    </message>
    <message>
        <source>Speed too fast for frame period and exposure</source>
        <translation>Geschwindigkeit zu hoch für Aufnahmeintervall und Belichtungszeit</translation>
    </message>
</context>
</TS>
