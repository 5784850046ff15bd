<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>HelpPage</name>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>Opening page in external app...</source>
        <translation>Abrindo a página em um aplicativo externo...</translation>
    </message>
    <message>
        <source>The help document could not be read: %1</source>
        <translation>Não foi possível ler o documento de ajuda: %1</translation>
    </message>
</context>
<context>
    <name>JEX::TaskProfileList</name>
    <message>
        <source>Enter a name</source>
        <translation>Introduza um nome</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the page&apos;s own working profile: choose another name</source>
        <translation>&quot;%1&quot; é o perfil de trabalho da página: escolha outro nome</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Disconnected</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>Connected to %1 at %2</source>
        <translation>Ligado a %1 em %2</translation>
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
        <translation>Não conectado</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Updated power level</source>
        <translation>Nível de energia atualizado</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Conectando…</translation>
    </message>
    <message>
        <source>Click to stop reconnecting</source>
        <translation>Clique para parar de reconectar</translation>
    </message>
    <message>
        <source>Astrophotography</source>
        <translation>Astrofotografia</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Time-lapse astronômico</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Time-lapse de exposição normal</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Time-lapse de longa exposição</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Read the voltage again</source>
        <translation>Ler a tensão novamente</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Astrophotography</source>
        <translation>Astrofotografia</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Time-lapse astronômico</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Time-lapse de exposição normal</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Time-lapse de longa exposição</translation>
    </message>
    <message>
        <source>Manual Control</source>
        <translation>Controle manual</translation>
    </message>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Relógio polar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Hide Log</source>
        <translation>Ocultar registo</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Mostrar registo</translation>
    </message>
    <message>
        <source>Choose a page from the list.</source>
        <translation>Escolha uma página da lista.</translation>
    </message>
</context>
<context>
    <name>ManualControl</name>
    <message>
        <source>Manual Control</source>
        <translation>Controle manual</translation>
    </message>
    <message>
        <source>Hold an arrow to turn the mount</source>
        <translation>Mantenha uma seta pressionada para girar a montagem</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Não conectado</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Zerar</translation>
    </message>
    <message>
        <source>Zero the Angle</source>
        <translation>Pôr o ângulo a zero</translation>
    </message>
    <message>
        <source>The angle shown is counted from the axis&apos;s present position from now on.</source>
        <translation>A partir de agora, o ângulo mostrado é contado a partir da posição atual do eixo.</translation>
    </message>
</context>
<context>
    <name>NavList</name>
    <message>
        <source>Astrophotography</source>
        <translation>Astrofotografia</translation>
    </message>
    <message>
        <source>Tracks the stars for long exposures</source>
        <translation>Segue as estrelas em longas exposições</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Time-lapse astronômico</translation>
    </message>
    <message>
        <source>A time-lapse that follows the sky</source>
        <translation>Um time-lapse que segue o céu</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Time-lapse de exposição normal</translation>
    </message>
    <message>
        <source>Turns a step between short exposures</source>
        <translation>Gira um passo entre exposições curtas</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Time-lapse de longa exposição</translation>
    </message>
    <message>
        <source>Turns slowly through long exposures</source>
        <translation>Gira devagar durante exposições longas</translation>
    </message>
    <message>
        <source>Manual Control</source>
        <translation>Controle manual</translation>
    </message>
    <message>
        <source>Turn the mount by hand</source>
        <translation>Girar a montagem à mão</translation>
    </message>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Relógio polar</translation>
    </message>
    <message>
        <source>Where Polaris sits in the polar scope</source>
        <translation>Onde está Polaris na luneta polar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Language, night, connection, mount</source>
        <translation>Idioma, noite, ligação, montagem</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Mostrar registo</translation>
    </message>
    <message>
        <source>Hide Log</source>
        <translation>Ocultar registo</translation>
    </message>
    <message>
        <source>The console&apos;s journal under the page</source>
        <translation>O registo da consola sob a página</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Em curso</translation>
    </message>
</context>
<context>
    <name>Outcomes</name>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
</context>
<context>
    <name>ParamRows_AP</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Exposição (s)</translation>
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
        <translation>Taxa de rastreamento</translation>
    </message>
    <message>
        <source>Dithering (arcmin)</source>
        <translation>Dithering (arcmin)</translation>
    </message>
    <message>
        <source>Total Time</source>
        <translation>Duração total</translation>
    </message>
    <message>
        <source>Finish Time</source>
        <translation>Horário de término</translation>
    </message>
</context>
<context>
    <name>ParamRows_ATL</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Exposição (s)</translation>
    </message>
    <message>
        <source>Tracking Rate</source>
        <translation>Taxa de rastreamento</translation>
    </message>
    <message>
        <source>Total Time (hours)</source>
        <translation>Duração total (h)</translation>
    </message>
    <message>
        <source>Video Length (sec)</source>
        <translation>Duração do vídeo (s)</translation>
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
        <translation>Exposição (s)</translation>
    </message>
    <message>
        <source>Total Time (hours)</source>
        <translation>Duração total (h)</translation>
    </message>
    <message>
        <source>Frame Period (sec)</source>
        <translation>Intervalo entre quadros (s)</translation>
    </message>
    <message>
        <source>Video Length (sec)</source>
        <translation>Duração do vídeo (s)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Swing Range (deg)</source>
        <translation>Amplitude da varredura (°)</translation>
    </message>
    <message>
        <source>Swings</source>
        <translation>Varreduras</translation>
    </message>
    <message>
        <source>Speed (deg/hour)</source>
        <translation>Velocidade (°/h)</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Sentido horário</translation>
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
        <translation>Graus/s</translation>
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
        <translation>Astrofotografia</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Time-lapse de exposição normal</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Time-lapse de longa exposição</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Time-lapse astronômico</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Not connected: connect to a mount to run the program</source>
        <translation>Sem ligação: ligue-se a uma montagem para executar o programa</translation>
    </message>
    <message>
        <source>Tick enough values for the frame period and the speed to follow from them</source>
        <translation>Assinale valores suficientes para que o intervalo e a velocidade resultem deles</translation>
    </message>
    <message>
        <source>Exposure is 0 s: meant as tracking only?</source>
        <translation>Exposição de 0 s: só seguimento?</translation>
    </message>
    <message>
        <source>Stop the Program</source>
        <translation>Parar o programa</translation>
    </message>
    <message>
        <source>The mount stops tracking and taking photos. A stopped program cannot be resumed where it was.</source>
        <translation>A montagem deixa de seguir e de fotografar. Um programa parado não pode ser retomado onde estava.</translation>
    </message>
</context>
<context>
    <name>Param_FrameRate</name>
    <message>
        <source>Frame Rate</source>
        <translation>Taxa de quadros</translation>
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
        <translation>Sem fim</translation>
    </message>
    <message>
        <source>Ends %1</source>
        <translation>Termina %1</translation>
    </message>
    <message>
        <source>%1 · dawn %2</source>
        <translation>%1 · aurora %2</translation>
    </message>
    <message>
        <source>%1 · no astronomical night; nautical dawn %2</source>
        <translation>%1 · sem noite astronómica; aurora náutica %2</translation>
    </message>
    <message>
        <source>%1 · no astronomical or nautical night</source>
        <translation>%1 · sem noite astronómica nem náutica</translation>
    </message>
    <message>
        <source>%1 · set the location to compare with dawn</source>
        <translation>%1 · defina o local para comparar com a aurora</translation>
    </message>
    <message>
        <source>The run ends after dawn</source>
        <translation>A sessão termina depois da aurora</translation>
    </message>
    <message>
        <source>At %1 from the start: %2°</source>
        <translation>A %1 do início: %2°</translation>
    </message>
    <message>
        <source>Axis angle against time, photos along the bottom, reversals as rings; within a cycle the motion is a model</source>
        <translation>Ângulo do eixo no tempo, fotos em baixo, inversões como anéis; dentro de um ciclo o movimento é um modelo</translation>
    </message>
    <message>
        <source>%1 · before dusk %2</source>
        <translation>%1 · antes do crepúsculo %2</translation>
    </message>
    <message>
        <source>It begins before dusk (%1)</source>
        <translation>Começa antes do crepúsculo (%1)</translation>
    </message>
</context>
<context>
    <name>Param_ProfileNameDialog</name>
    <message>
        <source>Profile Name</source>
        <translation>Nome do perfil</translation>
    </message>
    <message>
        <source>Overwrites existing profile</source>
        <translation>Substitui o perfil existente</translation>
    </message>
</context>
<context>
    <name>Param_ProfilePane</name>
    <message>
        <source>Profiles</source>
        <translation>Perfis</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>No saved profiles</source>
        <translation>Nenhum perfil salvo</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>Eliminar perfil</translation>
    </message>
    <message>
        <source>Delete the profile “%1”?</source>
        <translation>Eliminar o perfil «%1»?</translation>
    </message>
</context>
<context>
    <name>Param_WiFiOffOnRun</name>
    <message>
        <source>WiFi Off on Run</source>
        <translation>Desligar Wi-Fi ao iniciar</translation>
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
        <translation>O número de fotos definido aqui também vale quando a montagem é iniciada pelo seletor de modo do aparelho. Quando esse número de fotos for atingido, a montagem para de rastrear.</translation>
    </message>
    <message>
        <source>Remind me next time</source>
        <translation>Lembrar-me na próxima vez</translation>
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
        <translation>Relógio polar</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Localização</translation>
    </message>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Hemisfério Norte</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Hemisfério Sul</translation>
    </message>
    <message>
        <source>Precise position</source>
        <translation>Posição precisa</translation>
    </message>
    <message>
        <source>Light On</source>
        <translation>Ligar luz</translation>
    </message>
    <message>
        <source>Light Off</source>
        <translation>Desligar luz</translation>
    </message>
    <message>
        <source>Not connected: the light cannot be switched</source>
        <translation>Sem ligação: a luz não pode ser comandada</translation>
    </message>
    <message>
        <source>This mount has no polar-scope light</source>
        <translation>Esta montagem não tem luz no buscador polar</translation>
    </message>
    <message>
        <source>No location set: the clock is drawn for 0° N 0° E. Set yours with Location.</source>
        <translation>Sem localização: o relógio está desenhado para 0° N 0° E. Defina a sua em Localização.</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>Distância focal (mm)</translation>
    </message>
    <message>
        <source>Pixel size (µm)</source>
        <translation>Tamanho do píxel (µm)</translation>
    </message>
    <message>
        <source>Longest exposure (s)</source>
        <translation>Exposição mais longa (s)</translation>
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
        <translation>Um eixo polar dentro de %1′ mantém a deriva abaixo de meio píxel</translation>
    </message>
    <message>
        <source>Give focal length, pixel size and exposure</source>
        <translation>Indique distância focal, tamanho do píxel e exposição</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>Porta serial</translation>
    </message>
    <message>
        <source>Demo mount</source>
        <translation>Montagem de demonstração</translation>
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
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>Modo noturno</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexão</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Localização</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Montagem</translation>
    </message>
    <message>
        <source>Mount (not connected)</source>
        <translation>Montagem (não conectada)</translation>
    </message>
    <message>
        <source>Finder LED Auto-Off</source>
        <translation>Desligamento automático do LED do buscador</translation>
    </message>
    <message>
        <source>WiFi Auto-Off</source>
        <translation>Desligamento automático do Wi-Fi</translation>
    </message>
    <message>
        <source>Auto Shut Down</source>
        <translation>Desligamento automático</translation>
    </message>
    <message>
        <source>Auto-Run Task</source>
        <translation>Iniciar programa automaticamente</translation>
    </message>
    <message>
        <source>WiFi Network</source>
        <translation>Rede Wi-Fi</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Started with --demo: this run connects to the demo mount only.</source>
        <translation>Iniciado com --demo: esta sessão liga-se apenas à montagem de demonstração.</translation>
    </message>
    <message>
        <source>Connect at Launch</source>
        <translation>Conectar ao iniciar</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Ecrã inteiro</translation>
    </message>
</context>
<context>
    <name>TaskProgressDialog</name>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Photos taken (estimated)</source>
        <translation>Fotos tiradas (estimativa)</translation>
    </message>
    <message>
        <source>Photos taken</source>
        <translation>Fotos tiradas</translation>
    </message>
    <message>
        <source>Task done</source>
        <translation>Programa concluído</translation>
    </message>
    <message>
        <source>Read %1 seconds ago</source>
        <translation>Lido há %1 segundos</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Unlimited Photos</source>
        <translation>Fotos ilimitadas</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>Tempo restante: %1</translation>
    </message>
    <message>
        <source>Not connected: the mount&apos;s state is unknown</source>
        <translation>Sem ligação: o estado da montagem é desconhecido</translation>
    </message>
    <message>
        <source>Corrected to the mount&apos;s own count</source>
        <translation>Corrigido pela contagem da própria montagem</translation>
    </message>
</context>
<context>
    <name>WifiSettingsPage</name>
    <message>
        <source>WiFi Network</source>
        <translation>Rede Wi-Fi</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Access Point Mode</source>
        <translation>Modo ponto de acesso</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Segurança</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aberta</translation>
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
        <translation>Senha</translation>
    </message>
    <message>
        <source>Station Mode</source>
        <translation>Modo estação</translation>
    </message>
    <message>
        <source>Both SSID and Password are case-sensitive</source>
        <translation>O SSID e a senha diferenciam maiúsculas de minúsculas</translation>
    </message>
    <message>
        <source>Use DHCP</source>
        <translation>Usar DHCP</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>IP fixo</translation>
    </message>
    <message>
        <source>Apply Wi-Fi Settings</source>
        <translation>Aplicar definições Wi-Fi</translation>
    </message>
    <message>
        <source>The mount restarts its Wi-Fi and the console lets the link go. Join “%1”, then connect again.</source>
        <translation>A montagem reinicia o Wi-Fi e a consola larga a ligação. Junte-se a «%1» e volte a ligar.</translation>
    </message>
    <message>
        <source>Discard Changes</source>
        <translation>Descartar alterações</translation>
    </message>
    <message>
        <source>The Wi-Fi settings you changed are not applied.</source>
        <translation>As definições Wi-Fi alteradas não são aplicadas.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Reading the mount&apos;s settings…</source>
        <translation>A ler as definições da montagem…</translation>
    </message>
    <message>
        <source>Could not read the mount&apos;s settings: %1</source>
        <translation>Não foi possível ler as definições da montagem: %1</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Tentar de novo</translation>
    </message>
    <message>
        <source>The mount runs its access point and a station at once. Apply keeps both unless you choose one.</source>
        <translation>A montagem funciona como ponto de acesso e estação ao mesmo tempo. Aplicar mantém ambos, a menos que escolha um.</translation>
    </message>
    <message>
        <source>Not valid text on the mount: shown as well as it can be and kept unchanged</source>
        <translation>Texto inválido na montagem: mostrado o melhor possível e mantido sem alterações</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Sucesso</translation>
    </message>
    <message>
        <source>Rejected</source>
        <translation>Rejeitado</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Erro de comunicação</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
</context>
<context>
    <name>tavo_profile</name>
    <message>
        <source>Invalid Speed</source>
        <translation>Velocidade inválida</translation>
    </message>
    <message>
        <source>Frame period must be at least %1 seconds longer than exposure</source>
        <translation>O intervalo entre quadros deve ser pelo menos %1 segundos maior que a exposição</translation>
    </message>
    <message>
        <source>Speed too fast for frame period and exposure</source>
        <translation>Velocidade alta demais para o intervalo e a exposição</translation>
    </message>
</context>
</TS>
