<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <source>Opening page in external app...</source>
        <translation>Abrindo a página em um aplicativo externo...</translation>
    </message>
</context>
<context>
    <name>WifiSettingsPage</name>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
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
</context>
<context>
    <name>mount</name>
    <message>
        <source>Velmora Console</source>
        <translation>Console Velmora</translation>
    </message>
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
