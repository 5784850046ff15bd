<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>MainFooter</name>
    <message>
        <source>%1V</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Démo</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Updated power level</source>
        <translation>Niveau d&apos;alimentation mis à jour</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Astrophotography</source>
        <translation>Astrophotographie</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Timelapse astro</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Timelapse en pose normale</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Timelapse en pose longue</translation>
    </message>
    <message>
        <source>Manual Control</source>
        <translation>Contrôle manuel</translation>
    </message>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Horloge polaire</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
</context>
<context>
    <name>ManualControl</name>
    <message>
        <source>Manual Control</source>
        <translation>Contrôle manuel</translation>
    </message>
    <message>
        <source>Hold an arrow to turn the mount</source>
        <translation>Maintenez une flèche pour tourner la monture</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Mettre à zéro</translation>
    </message>
</context>
<context>
    <name>Param_Common</name>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Astrophotography</source>
        <translation>Astrophotographie</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Timelapse en pose normale</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Timelapse en pose longue</translation>
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
        <translation>Horloge polaire</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Hémisphère nord</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Hémisphère sud</translation>
    </message>
    <message>
        <source>Precise position</source>
        <translation>Position précise</translation>
    </message>
    <message>
        <source>Light On</source>
        <translation>Allumer</translation>
    </message>
    <message>
        <source>Light Off</source>
        <translation>Éteindre</translation>
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
        <translation>Port série</translation>
    </message>
    <message>
        <source>Demo mount</source>
        <translation>Monture de démonstration</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>Mode nuit</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Monture</translation>
    </message>
    <message>
        <source>Mount (not connected)</source>
        <translation>Monture (non connectée)</translation>
    </message>
    <message>
        <source>Finder LED Auto-Off</source>
        <translation>Extinction auto de la LED du viseur</translation>
    </message>
    <message>
        <source>WiFi Auto-Off</source>
        <translation>Extinction auto du Wi-Fi</translation>
    </message>
    <message>
        <source>Auto Shut Down</source>
        <translation>Arrêt automatique</translation>
    </message>
    <message>
        <source>Auto-Run Task</source>
        <translation>Lancer le programme automatiquement</translation>
    </message>
    <message>
        <source>WiFi Network</source>
        <translation>Réseau Wi-Fi</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Opening page in external app...</source>
        <translation>Ouverture de la page dans une application externe…</translation>
    </message>
</context>
<context>
    <name>WifiSettingsPage</name>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>WiFi Network</source>
        <translation>Réseau Wi-Fi</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Access Point Mode</source>
        <translation>Mode point d&apos;accès</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvert</translation>
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
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Station Mode</source>
        <translation>Mode station</translation>
    </message>
    <message>
        <source>Both SSID and Password are case-sensitive</source>
        <translation>Le SSID et le mot de passe sont sensibles à la casse</translation>
    </message>
    <message>
        <source>Use DHCP</source>
        <translation>Utiliser DHCP</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>IP fixe</translation>
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
        <translation>Réussi</translation>
    </message>
    <message>
        <source>Rejected</source>
        <translation>Refusé</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Erreur de communication</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>tavo_profile</name>
    <message>
        <source>Invalid Speed</source>
        <translation>Vitesse non valide</translation>
    </message>
    <message>
        <source>Frame period must be at least %1 seconds longer than exposure</source>
        <translation>L&apos;intervalle entre images doit dépasser la pose d&apos;au moins %1 secondes</translation>
    </message>
    <message>
        <source>Speed too fast for frame period and exposure</source>
        <translation>Vitesse trop élevée pour l&apos;intervalle et la pose</translation>
    </message>
</context>
</TS>
