<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>JEX::WifiForm</name>
    <message>
        <source>Enter the network&apos;s name</source>
        <translation>Escriba el nombre de la red</translation>
    </message>
    <message>
        <source>At most %1 bytes; this has %2</source>
        <translation>Como máximo %1 bytes; este tiene %2</translation>
    </message>
    <message>
        <source>At most 63 bytes; this has %1</source>
        <translation>Como máximo 63 bytes; este tiene %1</translation>
    </message>
    <message>
        <source>Empty for an open network, else at least 8 characters</source>
        <translation>Vacía para una red abierta; si no, al menos 8 caracteres</translation>
    </message>
    <message>
        <source>At least 8 characters</source>
        <translation>Al menos 8 caracteres</translation>
    </message>
    <message>
        <source>The mount uses a security this console does not know (%1): choose one</source>
        <translation>La montura usa una seguridad que esta consola no conoce (%1): elija una</translation>
    </message>
    <message>
        <source>Four numbers from 0 to 255 joined by dots, such as 192.168.1.50</source>
        <translation>Cuatro números de 0 a 255 unidos por puntos, como 192.168.1.50</translation>
    </message>
</context>
<context>
    <name>LogPane</name>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Respuesta negativa</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Error de comunicación</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Operación cancelada</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Respuesta inesperada</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>No se puede abrir el puerto serie</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Buscando</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>Búsqueda terminada</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Conectando</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>No se puede conectar</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Desconectando</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>%1 must be from 0 to %2%3 for the mount to hold it.</source>
        <translation>%1 debe estar entre 0 y %2%3 para que la montura pueda guardarlo.</translation>
    </message>
    <message>
        <source>%1 must be between -%2° and %2° for the mount to hold it.</source>
        <translation>%1 debe estar entre -%2° y %2° para que la montura pueda guardarlo.</translation>
    </message>
    <message>
        <source>Frame period</source>
        <translation>Periodo de fotograma</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposición</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Angle per frame</source>
        <translation>Ángulo por fotograma</translation>
    </message>
    <message>
        <source>Dithering range</source>
        <translation>Rango de dithering</translation>
    </message>
    <message>
        <source>Swing range</source>
        <translation>Rango de vaivén</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>%1 must be 0 or from %2 to %3 °/h for the mount to hold it.</source>
        <translation>%1 debe ser 0 o estar entre %2 y %3 °/h para que la montura pueda guardarlo.</translation>
    </message>
    <message>
        <source>No mount yet. Switch the tracker on, join its Wi-Fi and press Not Connected below to search for it. For a serial cable or the demo mount, choose the connection in Settings first.</source>
        <translation>Aún no hay montura. Encienda el seguidor, conéctese a su Wi-Fi y pulse «No conectado» abajo para buscarlo. Para un cable serie o la montura de demostración, elija primero la conexión en Ajustes.</translation>
    </message>
    <message>
        <source>No reply</source>
        <translation>Sin respuesta</translation>
    </message>
    <message>
        <source>Poor link</source>
        <translation>Enlace débil</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>No link</source>
        <translation>Sin enlace</translation>
    </message>
    <message>
        <source>Last %1 exchanges: %2 without a reply, %3 of %4 requests lost; %5 ms on average, %6 ms at worst.</source>
        <translation>Últimos %1 intercambios: %2 sin respuesta, %3 de %4 peticiones perdidas; %5 ms de media, %6 ms como máximo.</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>link closed</source>
        <translation>enlace cerrado</translation>
    </message>
    <message>
        <source>Reconnecting… last heard %1 ago</source>
        <translation>Reconectando… última respuesta hace %1</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>Connection lost (%1); reconnecting</source>
        <translation>Conexión perdida (%1); reconectando</translation>
    </message>
    <message>
        <source>Another mount answered; not reconnected</source>
        <translation>Respondió otra montura; no se reconectó</translation>
    </message>
    <message>
        <source>Another mount answers where the last one was. Connect to it from the connection dialog if it is the one you want.</source>
        <translation>Donde estaba la última montura responde otra. Conéctese a ella desde el diálogo de conexión si es la que desea.</translation>
    </message>
    <message>
        <source>Reconnected after %1</source>
        <translation>Reconectado tras %1</translation>
    </message>
    <message>
        <source>Program still running: %1 of %2 photos</source>
        <translation>El programa sigue en marcha: %1 de %2 fotos</translation>
    </message>
    <message>
        <source>Program finished while disconnected: %1 of %2 photos</source>
        <translation>Programa terminado durante la desconexión: %1 de %2 fotos</translation>
    </message>
    <message>
        <source>Program finished while disconnected: %1 photos</source>
        <translation>Programa terminado durante la desconexión: %1 fotos</translation>
    </message>
    <message>
        <source>Reconnecting cancelled</source>
        <translation>Reconexión cancelada</translation>
    </message>
    <message>
        <source>The program was not started; the mount keeps its previous state.</source>
        <translation>El programa no se inició; la montura conserva su estado anterior.</translation>
    </message>
    <message>
        <source>The program was not started, and the previous one may have been stopped.</source>
        <translation>El programa no se inició, y puede que el anterior se haya detenido.</translation>
    </message>
    <message>
        <source>The start of the program was sent, but the mount did not confirm it. Read the mount&apos;s status to see whether it runs.</source>
        <translation>Se envió el inicio del programa, pero la montura no lo confirmó. Lea el estado de la montura para ver si se está ejecutando.</translation>
    </message>
    <message>
        <source>The program was not stopped; the mount keeps its previous state.</source>
        <translation>El programa no se detuvo; la montura conserva su estado anterior.</translation>
    </message>
    <message>
        <source>The stop was sent, but the mount did not confirm it. Read the mount&apos;s status to see whether its program still runs.</source>
        <translation>Se envió la orden de detener, pero la montura no la confirmó. Lea el estado de la montura para ver si su programa sigue en ejecución.</translation>
    </message>
    <message>
        <source>The Wi-Fi settings were not applied; the mount keeps its current Wi-Fi.</source>
        <translation>La configuración Wi-Fi no se aplicó; la montura conserva su Wi-Fi actual.</translation>
    </message>
    <message>
        <source>The Wi-Fi settings were written, but the mount did not confirm that it applied them. If its Wi-Fi restarts under the new name, it did.</source>
        <translation>Se escribió la configuración Wi-Fi, pero la montura no confirmó que la aplicara. Si su Wi-Fi se reinicia con el nuevo nombre, la aplicó.</translation>
    </message>
</context>
</TS>
