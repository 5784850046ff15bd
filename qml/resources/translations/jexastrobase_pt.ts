<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>JEX::WifiForm</name>
    <message>
        <source>Enter the network&apos;s name</source>
        <translation>Escreva o nome da rede</translation>
    </message>
    <message>
        <source>At most %1 bytes; this has %2</source>
        <translation>No máximo %1 bytes; este tem %2</translation>
    </message>
    <message>
        <source>At most 63 bytes; this has %1</source>
        <translation>No máximo 63 bytes; este tem %1</translation>
    </message>
    <message>
        <source>Empty for an open network, else at least 8 characters</source>
        <translation>Vazia para uma rede aberta; caso contrário, pelo menos 8 caracteres</translation>
    </message>
    <message>
        <source>At least 8 characters</source>
        <translation>Pelo menos 8 caracteres</translation>
    </message>
    <message>
        <source>The mount uses a security this console does not know (%1): choose one</source>
        <translation>A montagem usa uma segurança que esta consola não conhece (%1): escolha uma</translation>
    </message>
    <message>
        <source>Four numbers from 0 to 255 joined by dots, such as 192.168.1.50</source>
        <translation>Quatro números de 0 a 255 separados por pontos, como 192.168.1.50</translation>
    </message>
</context>
<context>
    <name>LogPane</name>
    <message>
        <source>Log</source>
        <translation>Registo</translation>
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
        <translation>Sucesso</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Resposta negativa</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Erro de comunicação</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Operação cancelada</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Resposta inesperada</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>Não é possível abrir a porta serial</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Procurando</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>Pesquisa concluída</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Conectando</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Não é possível conectar</translation>
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
        <translation>%1 deve estar entre 0 e %2%3 para a montagem o poder guardar.</translation>
    </message>
    <message>
        <source>%1 must be between -%2° and %2° for the mount to hold it.</source>
        <translation>%1 deve estar entre -%2° e %2° para a montagem o poder guardar.</translation>
    </message>
    <message>
        <source>Frame period</source>
        <translation>Período de fotograma</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposição</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Angle per frame</source>
        <translation>Ângulo por fotograma</translation>
    </message>
    <message>
        <source>Dithering range</source>
        <translation>Amplitude do dithering</translation>
    </message>
    <message>
        <source>Swing range</source>
        <translation>Amplitude do vaivém</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>%1 must be 0 or from %2 to %3 °/h for the mount to hold it.</source>
        <translation>%1 deve ser 0 ou estar entre %2 e %3 °/h para a montagem o poder guardar.</translation>
    </message>
    <message>
        <source>No mount yet. Switch the tracker on, join its Wi-Fi and press Not Connected below to search for it. For a serial cable or the demo mount, choose the connection in Settings first.</source>
        <translation>Ainda não há montagem. Ligue o rastreador, conecte-se ao Wi-Fi dele e toque em “Não conectado” abaixo para procurá-lo. Para um cabo serial ou a montagem de demonstração, escolha primeiro a conexão em Configurações.</translation>
    </message>
    <message>
        <source>No reply</source>
        <translation>Sem resposta</translation>
    </message>
    <message>
        <source>Poor link</source>
        <translation>Ligação fraca</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>No link</source>
        <translation>Sem ligação</translation>
    </message>
    <message>
        <source>Last %1 exchanges: %2 without a reply, %3 of %4 requests lost; %5 ms on average, %6 ms at worst.</source>
        <translation>Últimas %1 trocas: %2 sem resposta, %3 de %4 pedidos perdidos; %5 ms em média, %6 ms no pior caso.</translation>
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
        <translation>ligação fechada</translation>
    </message>
    <message>
        <source>Reconnecting… last heard %1 ago</source>
        <translation>A reconectar… última resposta há %1</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>sem resposta</translation>
    </message>
    <message>
        <source>Connection lost (%1); reconnecting</source>
        <translation>Ligação perdida (%1); a reconectar</translation>
    </message>
    <message>
        <source>Another mount answered; not reconnected</source>
        <translation>Outra montagem respondeu; não reconectado</translation>
    </message>
    <message>
        <source>Another mount answers where the last one was. Connect to it from the connection dialog if it is the one you want.</source>
        <translation>Outra montagem responde onde estava a última. Ligue-se a ela pela janela de ligação se for a que pretende.</translation>
    </message>
    <message>
        <source>Reconnected after %1</source>
        <translation>Reconectado após %1</translation>
    </message>
    <message>
        <source>Program still running: %1 of %2 photos</source>
        <translation>O programa continua a correr: %1 de %2 fotos</translation>
    </message>
    <message>
        <source>Program finished while disconnected: %1 of %2 photos</source>
        <translation>Programa terminado durante a desconexão: %1 de %2 fotos</translation>
    </message>
    <message>
        <source>Program finished while disconnected: %1 photos</source>
        <translation>Programa terminado durante a desconexão: %1 fotos</translation>
    </message>
    <message>
        <source>Reconnecting cancelled</source>
        <translation>Reconexão cancelada</translation>
    </message>
    <message>
        <source>The program was not started; the mount keeps its previous state.</source>
        <translation>O programa não foi iniciado; a montagem mantém o estado anterior.</translation>
    </message>
    <message>
        <source>The program was not started, and the previous one may have been stopped.</source>
        <translation>O programa não foi iniciado, e o anterior pode ter sido parado.</translation>
    </message>
    <message>
        <source>The start of the program was sent, but the mount did not confirm it. Read the mount&apos;s status to see whether it runs.</source>
        <translation>O início do programa foi enviado, mas a montagem não o confirmou. Leia o estado da montagem para ver se está em execução.</translation>
    </message>
    <message>
        <source>The program was not stopped; the mount keeps its previous state.</source>
        <translation>O programa não foi parado; a montagem mantém o estado anterior.</translation>
    </message>
    <message>
        <source>The stop was sent, but the mount did not confirm it. Read the mount&apos;s status to see whether its program still runs.</source>
        <translation>A paragem foi enviada, mas a montagem não a confirmou. Leia o estado da montagem para ver se o programa ainda está em execução.</translation>
    </message>
    <message>
        <source>The Wi-Fi settings were not applied; the mount keeps its current Wi-Fi.</source>
        <translation>As definições de Wi-Fi não foram aplicadas; a montagem mantém o Wi-Fi atual.</translation>
    </message>
    <message>
        <source>The Wi-Fi settings were written, but the mount did not confirm that it applied them. If its Wi-Fi restarts under the new name, it did.</source>
        <translation>As definições de Wi-Fi foram escritas, mas a montagem não confirmou que as aplicou. Se o seu Wi-Fi reiniciar com o novo nome, aplicou-as.</translation>
    </message>
</context>
</TS>
