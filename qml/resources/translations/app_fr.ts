<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>HelpPage</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navigateur</translation>
    </message>
    <message>
        <source>Opening page in external app...</source>
        <translation>Ouverture de la page dans une application externe…</translation>
    </message>
    <message>
        <source>The help document could not be read: %1</source>
        <translation>Le document d&apos;aide n&apos;a pas pu être lu : %1</translation>
    </message>
</context>
<context>
    <name>JEX::TaskProfileList</name>
    <message>
        <source>Enter a name</source>
        <translation>Saisissez un nom</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the page&apos;s own working profile: choose another name</source>
        <translation>« %1 » est le profil de travail de la page : choisissez un autre nom</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Connected to %1 at %2</source>
        <translation>Connecté à %1 sur %2</translation>
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
    <message>
        <source>Connecting…</source>
        <translation>Connexion…</translation>
    </message>
    <message>
        <source>Click to stop reconnecting</source>
        <translation>Cliquer pour arrêter la reconnexion</translation>
    </message>
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
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Read the voltage again</source>
        <translation>Relire la tension</translation>
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
    <message>
        <source>Hide Log</source>
        <translation>Masquer le journal</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Afficher le journal</translation>
    </message>
    <message>
        <source>Choose a page from the list.</source>
        <translation>Choisissez une page dans la liste.</translation>
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
    <message>
        <source>Zero the Angle</source>
        <translation>Remettre l&apos;angle à zéro</translation>
    </message>
    <message>
        <source>The angle shown is counted from the axis&apos;s present position from now on.</source>
        <translation>L&apos;angle affiché est désormais compté depuis la position actuelle de l&apos;axe.</translation>
    </message>
</context>
<context>
    <name>NavList</name>
    <message>
        <source>Astrophotography</source>
        <translation>Astrophotographie</translation>
    </message>
    <message>
        <source>Tracks the stars for long exposures</source>
        <translation>Suit les étoiles pour les longues poses</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Timelapse astro</translation>
    </message>
    <message>
        <source>A time-lapse that follows the sky</source>
        <translation>Un time-lapse qui suit le ciel</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Timelapse en pose normale</translation>
    </message>
    <message>
        <source>Turns a step between short exposures</source>
        <translation>Tourne d&apos;un pas entre de courtes poses</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Timelapse en pose longue</translation>
    </message>
    <message>
        <source>Turns slowly through long exposures</source>
        <translation>Tourne lentement pendant de longues poses</translation>
    </message>
    <message>
        <source>Manual Control</source>
        <translation>Contrôle manuel</translation>
    </message>
    <message>
        <source>Turn the mount by hand</source>
        <translation>Tourner la monture à la main</translation>
    </message>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Horloge polaire</translation>
    </message>
    <message>
        <source>Where Polaris sits in the polar scope</source>
        <translation>Où se trouve Polaris dans le viseur polaire</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Language, night, connection, mount</source>
        <translation>Langue, nuit, connexion, monture</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Afficher le journal</translation>
    </message>
    <message>
        <source>Hide Log</source>
        <translation>Masquer le journal</translation>
    </message>
    <message>
        <source>The console&apos;s journal under the page</source>
        <translation>Le journal de la console sous la page</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En cours</translation>
    </message>
</context>
<context>
    <name>Outcomes</name>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>ParamRows_AP</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Pose (s)</translation>
    </message>
    <message>
        <source>Interval (sec)</source>
        <translation>Intervalle (s)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>Tracking Rate</source>
        <translation>Vitesse de suivi</translation>
    </message>
    <message>
        <source>Dithering (arcmin)</source>
        <translation>Dithering (arcmin)</translation>
    </message>
    <message>
        <source>Total Time</source>
        <translation>Durée totale</translation>
    </message>
    <message>
        <source>Finish Time</source>
        <translation>Heure de fin</translation>
    </message>
</context>
<context>
    <name>ParamRows_ATL</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Pose (s)</translation>
    </message>
    <message>
        <source>Tracking Rate</source>
        <translation>Vitesse de suivi</translation>
    </message>
    <message>
        <source>Total Time (hours)</source>
        <translation>Durée totale (h)</translation>
    </message>
    <message>
        <source>Video Length (sec)</source>
        <translation>Durée de la vidéo (s)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
</context>
<context>
    <name>ParamRows_RegLong</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Pose (s)</translation>
    </message>
    <message>
        <source>Total Time (hours)</source>
        <translation>Durée totale (h)</translation>
    </message>
    <message>
        <source>Frame Period (sec)</source>
        <translation>Intervalle entre images (s)</translation>
    </message>
    <message>
        <source>Video Length (sec)</source>
        <translation>Durée de la vidéo (s)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>Swing Range (deg)</source>
        <translation>Amplitude du balayage (°)</translation>
    </message>
    <message>
        <source>Swings</source>
        <translation>Balayages</translation>
    </message>
    <message>
        <source>Speed (deg/hour)</source>
        <translation>Vitesse (°/h)</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Sens horaire</translation>
    </message>
</context>
<context>
    <name>Param_AstroRateX</name>
    <message>
        <source>Solar</source>
        <translation>Solaire</translation>
    </message>
    <message>
        <source>Lunar</source>
        <translation>Lunaire</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>Sidéral</translation>
    </message>
    <message>
        <source>%1x %2</source>
        <translation>%1x %2</translation>
    </message>
    <message>
        <source>Deg/Sec</source>
        <translation>Degrés/s</translation>
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
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Not connected: connect to a mount to run the program</source>
        <translation>Non connecté : connectez une monture pour lancer le programme</translation>
    </message>
    <message>
        <source>Tick enough values for the frame period and the speed to follow from them</source>
        <translation>Cochez assez de valeurs pour en déduire l&apos;intervalle et la vitesse</translation>
    </message>
    <message>
        <source>Exposure is 0 s: meant as tracking only?</source>
        <translation>Pose de 0 s : suivi seul voulu ?</translation>
    </message>
    <message>
        <source>Stop the Program</source>
        <translation>Arrêter le programme</translation>
    </message>
    <message>
        <source>The mount stops tracking and taking photos. A stopped program cannot be resumed where it was.</source>
        <translation>La monture cesse de suivre et de prendre des photos. Un programme arrêté ne peut pas reprendre là où il en était.</translation>
    </message>
</context>
<context>
    <name>Param_FrameRate</name>
    <message>
        <source>Frame Rate</source>
        <translation>Cadence d&apos;images</translation>
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
        <translation>Sans fin</translation>
    </message>
    <message>
        <source>Ends %1</source>
        <translation>Fin %1</translation>
    </message>
    <message>
        <source>%1 · dawn %2</source>
        <translation>%1 · aube %2</translation>
    </message>
    <message>
        <source>%1 · no astronomical night; nautical dawn %2</source>
        <translation>%1 · pas de nuit astronomique ; aube nautique %2</translation>
    </message>
    <message>
        <source>%1 · no astronomical or nautical night</source>
        <translation>%1 · ni nuit astronomique ni nautique</translation>
    </message>
    <message>
        <source>%1 · set the location to compare with dawn</source>
        <translation>%1 · définissez le lieu pour comparer avec l&apos;aube</translation>
    </message>
    <message>
        <source>The run ends after dawn</source>
        <translation>La séance se termine après l&apos;aube</translation>
    </message>
    <message>
        <source>At %1 from the start: %2°</source>
        <translation>À %1 du début : %2°</translation>
    </message>
    <message>
        <source>Axis angle against time, photos along the bottom, reversals as rings; within a cycle the motion is a model</source>
        <translation>Angle de l&apos;axe dans le temps, photos en bas, inversions en anneaux ; dans un cycle le mouvement est un modèle</translation>
    </message>
    <message>
        <source>%1 · before dusk %2</source>
        <translation>%1 · avant le crépuscule %2</translation>
    </message>
    <message>
        <source>It begins before dusk (%1)</source>
        <translation>Elle commence avant le crépuscule (%1)</translation>
    </message>
</context>
<context>
    <name>Param_ProfileNameDialog</name>
    <message>
        <source>Profile Name</source>
        <translation>Nom du profil</translation>
    </message>
    <message>
        <source>Overwrites existing profile</source>
        <translation>Remplace le profil existant</translation>
    </message>
</context>
<context>
    <name>Param_ProfilePane</name>
    <message>
        <source>Profiles</source>
        <translation>Profils</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>No saved profiles</source>
        <translation>Aucun profil enregistré</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>Supprimer le profil</translation>
    </message>
    <message>
        <source>Delete the profile “%1”?</source>
        <translation>Supprimer le profil « %1 » ?</translation>
    </message>
</context>
<context>
    <name>Param_WiFiOffOnRun</name>
    <message>
        <source>WiFi Off on Run</source>
        <translation>Couper le Wi-Fi au lancement</translation>
    </message>
</context>
<context>
    <name>PhotoNumberReminderDialog</name>
    <message>
        <source>Number of Photos</source>
        <translation>Nombre de photos</translation>
    </message>
    <message>
        <source>The number of photos to take specified here is also in effect when mount is started using the hardware Mode Dial. When the specified number of photos have been taken, the mount will stop tracking.</source>
        <translation>Le nombre de photos indiqué ici s&apos;applique aussi lorsque la monture est lancée avec le sélecteur de mode de l&apos;appareil. Une fois ce nombre de photos atteint, la monture arrête le suivi.</translation>
    </message>
    <message>
        <source>Remind me next time</source>
        <translation>Me le rappeler la prochaine fois</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Lancer</translation>
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
    <message>
        <source>Not connected: the light cannot be switched</source>
        <translation>Non connecté : l&apos;éclairage ne peut pas être commandé</translation>
    </message>
    <message>
        <source>This mount has no polar-scope light</source>
        <translation>Cette monture n&apos;a pas d&apos;éclairage du viseur polaire</translation>
    </message>
    <message>
        <source>No location set: the clock is drawn for 0° N 0° E. Set yours with Location.</source>
        <translation>Aucun lieu défini : l&apos;horloge est tracée pour 0° N 0° E. Indiquez le vôtre dans Lieu.</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>Focale (mm)</translation>
    </message>
    <message>
        <source>Pixel size (µm)</source>
        <translation>Taille de pixel (µm)</translation>
    </message>
    <message>
        <source>Longest exposure (s)</source>
        <translation>Pose la plus longue (s)</translation>
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
        <translation>Un axe polaire à moins de %1′ garde la dérive sous un demi-pixel</translation>
    </message>
    <message>
        <source>Give focal length, pixel size and exposure</source>
        <translation>Indiquez focale, taille de pixel et pose</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
        <source>Started with --demo: this run connects to the demo mount only.</source>
        <translation>Lancé avec --demo : cette session ne se connecte qu&apos;à la monture de démonstration.</translation>
    </message>
    <message>
        <source>Connect at Launch</source>
        <translation>Connecter au démarrage</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
</context>
<context>
    <name>TaskProgressDialog</name>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Photos taken (estimated)</source>
        <translation>Photos prises (estimation)</translation>
    </message>
    <message>
        <source>Photos taken</source>
        <translation>Photos prises</translation>
    </message>
    <message>
        <source>Task done</source>
        <translation>Programme terminé</translation>
    </message>
    <message>
        <source>Read %1 seconds ago</source>
        <translation>Lu il y a %1 secondes</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Unlimited Photos</source>
        <translation>Photos illimitées</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>Temps restant : %1</translation>
    </message>
    <message>
        <source>Not connected: the mount&apos;s state is unknown</source>
        <translation>Non connecté : l&apos;état de la monture est inconnu</translation>
    </message>
    <message>
        <source>Corrected to the mount&apos;s own count</source>
        <translation>Corrigé selon le compte de la monture</translation>
    </message>
</context>
<context>
    <name>WifiSettingsPage</name>
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
    <message>
        <source>Apply Wi-Fi Settings</source>
        <translation>Appliquer les réglages Wi-Fi</translation>
    </message>
    <message>
        <source>The mount restarts its Wi-Fi and the console lets the link go. Join “%1”, then connect again.</source>
        <translation>La monture redémarre son Wi-Fi et la console lâche la liaison. Rejoignez « %1 », puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>Discard Changes</source>
        <translation>Abandonner les modifications</translation>
    </message>
    <message>
        <source>The Wi-Fi settings you changed are not applied.</source>
        <translation>Les réglages Wi-Fi modifiés ne sont pas appliqués.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Reading the mount&apos;s settings…</source>
        <translation>Lecture des réglages de la monture…</translation>
    </message>
    <message>
        <source>Could not read the mount&apos;s settings: %1</source>
        <translation>Impossible de lire les réglages de la monture : %1</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>The mount runs its access point and a station at once. Apply keeps both unless you choose one.</source>
        <translation>La monture est à la fois point d&apos;accès et station. Appliquer garde les deux si vous n&apos;en choisissez pas un.</translation>
    </message>
    <message>
        <source>Not valid text on the mount: shown as well as it can be and kept unchanged</source>
        <translation>Texte invalide sur la monture : affiché au mieux et conservé tel quel</translation>
    </message>
</context>
<context>
    <name>mount</name>
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
