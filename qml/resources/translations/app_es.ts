<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>HelpPage</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>Opening page in external app...</source>
        <translation>Abriendo la página en una aplicación externa...</translation>
    </message>
    <message>
        <source>The help document could not be read: %1</source>
        <translation>No se pudo leer el documento de ayuda: %1</translation>
    </message>
</context>
<context>
    <name>JEX::TaskProfileList</name>
    <message>
        <source>Enter a name</source>
        <translation>Introduzca un nombre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the page&apos;s own working profile: choose another name</source>
        <translation>&quot;%1&quot; es el perfil de trabajo de la página: elija otro nombre</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Connected to %1 at %2</source>
        <translation>Conectado a %1 en %2</translation>
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
        <translation>No conectado</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Updated power level</source>
        <translation>Nivel de energía actualizado</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Conectando…</translation>
    </message>
    <message>
        <source>Click to stop reconnecting</source>
        <translation>Haga clic para dejar de reconectar</translation>
    </message>
    <message>
        <source>Astrophotography</source>
        <translation>Astrofotografía</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Time-lapse astronómico</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Time-lapse de exposición normal</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Time-lapse de larga exposición</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Read the voltage again</source>
        <translation>Volver a leer la tensión</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Astrophotography</source>
        <translation>Astrofotografía</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Time-lapse astronómico</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Time-lapse de exposición normal</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Time-lapse de larga exposición</translation>
    </message>
    <message>
        <source>Manual Control</source>
        <translation>Control manual</translation>
    </message>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Reloj polar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Hide Log</source>
        <translation>Ocultar registro</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Mostrar registro</translation>
    </message>
    <message>
        <source>Choose a page from the list.</source>
        <translation>Elija una página de la lista.</translation>
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
        <translation>Mantenga pulsada una flecha para girar la montura</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>No conectado</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Poner a cero</translation>
    </message>
    <message>
        <source>Zero the Angle</source>
        <translation>Poner el ángulo a cero</translation>
    </message>
    <message>
        <source>The angle shown is counted from the axis&apos;s present position from now on.</source>
        <translation>A partir de ahora, el ángulo mostrado se cuenta desde la posición actual del eje.</translation>
    </message>
</context>
<context>
    <name>NavList</name>
    <message>
        <source>Astrophotography</source>
        <translation>Astrofotografía</translation>
    </message>
    <message>
        <source>Tracks the stars for long exposures</source>
        <translation>Sigue las estrellas en exposiciones largas</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Time-lapse astronómico</translation>
    </message>
    <message>
        <source>A time-lapse that follows the sky</source>
        <translation>Un time-lapse que sigue al cielo</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Time-lapse de exposición normal</translation>
    </message>
    <message>
        <source>Turns a step between short exposures</source>
        <translation>Gira un paso entre exposiciones cortas</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Time-lapse de larga exposición</translation>
    </message>
    <message>
        <source>Turns slowly through long exposures</source>
        <translation>Gira despacio durante exposiciones largas</translation>
    </message>
    <message>
        <source>Manual Control</source>
        <translation>Control manual</translation>
    </message>
    <message>
        <source>Turn the mount by hand</source>
        <translation>Girar la montura a mano</translation>
    </message>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Reloj polar</translation>
    </message>
    <message>
        <source>Where Polaris sits in the polar scope</source>
        <translation>Dónde está Polaris en el buscador polar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Language, night, connection, mount</source>
        <translation>Idioma, noche, conexión, montura</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Mostrar registro</translation>
    </message>
    <message>
        <source>Hide Log</source>
        <translation>Ocultar registro</translation>
    </message>
    <message>
        <source>The console&apos;s journal under the page</source>
        <translation>El registro de la consola bajo la página</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En marcha</translation>
    </message>
</context>
<context>
    <name>Outcomes</name>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>ParamRows_AP</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Exposición (s)</translation>
    </message>
    <message>
        <source>Interval (sec)</source>
        <translation>Intervalo (s)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Tracking Rate</source>
        <translation>Velocidad de seguimiento</translation>
    </message>
    <message>
        <source>Dithering (arcmin)</source>
        <translation>Dithering (arcmin)</translation>
    </message>
    <message>
        <source>Total Time</source>
        <translation>Duración total</translation>
    </message>
    <message>
        <source>Finish Time</source>
        <translation>Hora de fin</translation>
    </message>
</context>
<context>
    <name>ParamRows_ATL</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Exposición (s)</translation>
    </message>
    <message>
        <source>Tracking Rate</source>
        <translation>Velocidad de seguimiento</translation>
    </message>
    <message>
        <source>Total Time (hours)</source>
        <translation>Duración total (h)</translation>
    </message>
    <message>
        <source>Video Length (sec)</source>
        <translation>Duración del vídeo (s)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
</context>
<context>
    <name>ParamRows_RegLong</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Exposición (s)</translation>
    </message>
    <message>
        <source>Total Time (hours)</source>
        <translation>Duración total (h)</translation>
    </message>
    <message>
        <source>Frame Period (sec)</source>
        <translation>Intervalo entre fotogramas (s)</translation>
    </message>
    <message>
        <source>Video Length (sec)</source>
        <translation>Duración del vídeo (s)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Swing Range (deg)</source>
        <translation>Amplitud del barrido (°)</translation>
    </message>
    <message>
        <source>Swings</source>
        <translation>Barridos</translation>
    </message>
    <message>
        <source>Speed (deg/hour)</source>
        <translation>Velocidad (°/h)</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Sentido horario</translation>
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
        <translation>Personalizada</translation>
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
        <translation>Grados/s</translation>
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
        <translation>Astrofotografía</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Time-lapse de exposición normal</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Time-lapse de larga exposición</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Time-lapse astronómico</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Not connected: connect to a mount to run the program</source>
        <translation>Sin conexión: conéctese a una montura para ejecutar el programa</translation>
    </message>
    <message>
        <source>Tick enough values for the frame period and the speed to follow from them</source>
        <translation>Marque suficientes valores para que el intervalo y la velocidad se deduzcan de ellos</translation>
    </message>
    <message>
        <source>Exposure is 0 s: meant as tracking only?</source>
        <translation>Exposición de 0 s: ¿solo seguimiento?</translation>
    </message>
    <message>
        <source>Stop the Program</source>
        <translation>Detener el programa</translation>
    </message>
    <message>
        <source>The mount stops tracking and taking photos. A stopped program cannot be resumed where it was.</source>
        <translation>La montura deja de seguir y de tomar fotos. Un programa detenido no puede reanudarse donde estaba.</translation>
    </message>
</context>
<context>
    <name>Param_FrameRate</name>
    <message>
        <source>Frame Rate</source>
        <translation>Fotogramas por segundo</translation>
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
        <translation>Sin fin</translation>
    </message>
    <message>
        <source>Ends %1</source>
        <translation>Termina %1</translation>
    </message>
    <message>
        <source>%1 · dawn %2</source>
        <translation>%1 · amanecer %2</translation>
    </message>
    <message>
        <source>%1 · no astronomical night; nautical dawn %2</source>
        <translation>%1 · sin noche astronómica; alba náutica %2</translation>
    </message>
    <message>
        <source>%1 · no astronomical or nautical night</source>
        <translation>%1 · sin noche astronómica ni náutica</translation>
    </message>
    <message>
        <source>%1 · set the location to compare with dawn</source>
        <translation>%1 · indique la ubicación para comparar con el alba</translation>
    </message>
    <message>
        <source>The run ends after dawn</source>
        <translation>La sesión termina después del alba</translation>
    </message>
    <message>
        <source>At %1 from the start: %2°</source>
        <translation>A %1 del inicio: %2°</translation>
    </message>
    <message>
        <source>Axis angle against time, photos along the bottom, reversals as rings; within a cycle the motion is a model</source>
        <translation>Ángulo del eje en el tiempo, fotos abajo, inversiones como anillos; dentro de un ciclo el movimiento es un modelo</translation>
    </message>
    <message>
        <source>%1 · before dusk %2</source>
        <translation>%1 · antes del anochecer %2</translation>
    </message>
    <message>
        <source>It begins before dusk (%1)</source>
        <translation>Empieza antes del anochecer (%1)</translation>
    </message>
</context>
<context>
    <name>Param_ProfileNameDialog</name>
    <message>
        <source>Profile Name</source>
        <translation>Nombre del perfil</translation>
    </message>
    <message>
        <source>Overwrites existing profile</source>
        <translation>Sobrescribe el perfil existente</translation>
    </message>
</context>
<context>
    <name>Param_ProfilePane</name>
    <message>
        <source>Profiles</source>
        <translation>Perfiles</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>No saved profiles</source>
        <translation>No hay perfiles guardados</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>Eliminar perfil</translation>
    </message>
    <message>
        <source>Delete the profile “%1”?</source>
        <translation>¿Eliminar el perfil «%1»?</translation>
    </message>
</context>
<context>
    <name>Param_WiFiOffOnRun</name>
    <message>
        <source>WiFi Off on Run</source>
        <translation>Apagar Wi-Fi al iniciar</translation>
    </message>
</context>
<context>
    <name>PhotoNumberReminderDialog</name>
    <message>
        <source>Number of Photos</source>
        <translation>Número de fotos</translation>
    </message>
    <message>
        <source>The number of photos to take specified here is also in effect when mount is started using the hardware Mode Dial. When the specified number of photos have been taken, the mount will stop tracking.</source>
        <translation>El número de fotos indicado aquí también se aplica cuando la montura se inicia con el selector de modo del aparato. Cuando se hayan tomado esas fotos, la montura dejará de seguir.</translation>
    </message>
    <message>
        <source>Remind me next time</source>
        <translation>Recordármelo la próxima vez</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Iniciar</translation>
    </message>
</context>
<context>
    <name>PolarScope</name>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Reloj polar</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Hemisferio norte</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Hemisferio sur</translation>
    </message>
    <message>
        <source>Precise position</source>
        <translation>Posición precisa</translation>
    </message>
    <message>
        <source>Light On</source>
        <translation>Encender luz</translation>
    </message>
    <message>
        <source>Light Off</source>
        <translation>Apagar luz</translation>
    </message>
    <message>
        <source>Not connected: the light cannot be switched</source>
        <translation>Sin conexión: no se puede encender ni apagar la luz</translation>
    </message>
    <message>
        <source>This mount has no polar-scope light</source>
        <translation>Esta montura no tiene luz en el buscador polar</translation>
    </message>
    <message>
        <source>No location set: the clock is drawn for 0° N 0° E. Set yours with Location.</source>
        <translation>Sin ubicación: el reloj se dibuja para 0° N 0° E. Indique la suya en Ubicación.</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>Distancia focal (mm)</translation>
    </message>
    <message>
        <source>Pixel size (µm)</source>
        <translation>Tamaño de píxel (µm)</translation>
    </message>
    <message>
        <source>Longest exposure (s)</source>
        <translation>Exposición más larga (s)</translation>
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
        <translation>Un eje polar a menos de %1′ mantiene la deriva bajo medio píxel</translation>
    </message>
    <message>
        <source>Give focal length, pixel size and exposure</source>
        <translation>Indique distancia focal, tamaño de píxel y exposición</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>Puerto serie</translation>
    </message>
    <message>
        <source>Demo mount</source>
        <translation>Montura de demostración</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>Modo nocturno</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Montura</translation>
    </message>
    <message>
        <source>Mount (not connected)</source>
        <translation>Montura (no conectada)</translation>
    </message>
    <message>
        <source>Finder LED Auto-Off</source>
        <translation>Apagado automático del LED del buscador</translation>
    </message>
    <message>
        <source>WiFi Auto-Off</source>
        <translation>Apagado automático del Wi-Fi</translation>
    </message>
    <message>
        <source>Auto Shut Down</source>
        <translation>Apagado automático</translation>
    </message>
    <message>
        <source>Auto-Run Task</source>
        <translation>Iniciar programa automáticamente</translation>
    </message>
    <message>
        <source>WiFi Network</source>
        <translation>Red Wi-Fi</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Started with --demo: this run connects to the demo mount only.</source>
        <translation>Iniciado con --demo: esta sesión solo se conecta a la montura de demostración.</translation>
    </message>
    <message>
        <source>Connect at Launch</source>
        <translation>Conectar al iniciar</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
</context>
<context>
    <name>TaskProgressDialog</name>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Photos taken (estimated)</source>
        <translation>Fotos tomadas (estimadas)</translation>
    </message>
    <message>
        <source>Photos taken</source>
        <translation>Fotos tomadas</translation>
    </message>
    <message>
        <source>Task done</source>
        <translation>Programa terminado</translation>
    </message>
    <message>
        <source>Read %1 seconds ago</source>
        <translation>Leído hace %1 segundos</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Unlimited Photos</source>
        <translation>Fotos ilimitadas</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>Tiempo restante: %1</translation>
    </message>
    <message>
        <source>Not connected: the mount&apos;s state is unknown</source>
        <translation>Sin conexión: se desconoce el estado de la montura</translation>
    </message>
    <message>
        <source>Corrected to the mount&apos;s own count</source>
        <translation>Corregido según el recuento de la propia montura</translation>
    </message>
</context>
<context>
    <name>WifiSettingsPage</name>
    <message>
        <source>WiFi Network</source>
        <translation>Red Wi-Fi</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Access Point Mode</source>
        <translation>Modo punto de acceso</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abierta</translation>
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
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Station Mode</source>
        <translation>Modo estación</translation>
    </message>
    <message>
        <source>Both SSID and Password are case-sensitive</source>
        <translation>El SSID y la contraseña distinguen entre mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>Use DHCP</source>
        <translation>Usar DHCP</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>IP fija</translation>
    </message>
    <message>
        <source>Apply Wi-Fi Settings</source>
        <translation>Aplicar ajustes Wi-Fi</translation>
    </message>
    <message>
        <source>The mount restarts its Wi-Fi and the console lets the link go. Join “%1”, then connect again.</source>
        <translation>La montura reinicia su Wi-Fi y la consola suelta el enlace. Únase a «%1» y vuelva a conectar.</translation>
    </message>
    <message>
        <source>Discard Changes</source>
        <translation>Descartar cambios</translation>
    </message>
    <message>
        <source>The Wi-Fi settings you changed are not applied.</source>
        <translation>Los ajustes Wi-Fi que cambió no se aplican.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Reading the mount&apos;s settings…</source>
        <translation>Leyendo los ajustes de la montura…</translation>
    </message>
    <message>
        <source>Could not read the mount&apos;s settings: %1</source>
        <translation>No se pudieron leer los ajustes de la montura: %1</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>The mount runs its access point and a station at once. Apply keeps both unless you choose one.</source>
        <translation>La montura funciona como punto de acceso y estación a la vez. Aplicar mantiene ambos salvo que elija uno.</translation>
    </message>
    <message>
        <source>Not valid text on the mount: shown as well as it can be and kept unchanged</source>
        <translation>Texto no válido en la montura: se muestra lo mejor posible y se conserva sin cambios</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Rejected</source>
        <translation>Rechazado</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Error de comunicación</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>tavo_profile</name>
    <message>
        <source>Invalid Speed</source>
        <translation>Velocidad no válida</translation>
    </message>
    <message>
        <source>Frame period must be at least %1 seconds longer than exposure</source>
        <translation>El intervalo entre fotogramas debe ser al menos %1 segundos más largo que la exposición</translation>
    </message>
    <message>
        <source>Speed too fast for frame period and exposure</source>
        <translation>Velocidad demasiado alta para el intervalo y la exposición</translation>
    </message>
</context>
</TS>
