<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>JEX::WifiForm</name>
    <message>
        <source>Enter the network&apos;s name</source>
        <translation>Введите имя сети</translation>
    </message>
    <message>
        <source>At most %1 bytes; this has %2</source>
        <translation>Не более %1 байт; здесь %2</translation>
    </message>
    <message>
        <source>At most 63 bytes; this has %1</source>
        <translation>Не более 63 байт; здесь %1</translation>
    </message>
    <message>
        <source>Empty for an open network, else at least 8 characters</source>
        <translation>Пусто для открытой сети, иначе не менее 8 символов</translation>
    </message>
    <message>
        <source>At least 8 characters</source>
        <translation>Не менее 8 символов</translation>
    </message>
    <message>
        <source>The mount uses a security this console does not know (%1): choose one</source>
        <translation>Монтировка использует неизвестную консоли защиту (%1): выберите другую</translation>
    </message>
    <message>
        <source>Four numbers from 0 to 255 joined by dots, such as 192.168.1.50</source>
        <translation>Четыре числа от 0 до 255 через точку, например 192.168.1.50</translation>
    </message>
</context>
<context>
    <name>LogPane</name>
    <message>
        <source>Log</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Успешно</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Отрицательный ответ</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Ошибка связи</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Операция отменена</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Неожиданный ответ</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>Не удаётся открыть последовательный порт</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>Поиск завершён</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Не удаётся подключиться</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Подключено</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Отключение</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>%1 must be from 0 to %2%3 for the mount to hold it.</source>
        <translation>%1: допустимо от 0 до %2%3, иначе монтировка не сможет это сохранить.</translation>
    </message>
    <message>
        <source>%1 must be between -%2° and %2° for the mount to hold it.</source>
        <translation>%1: допустимо от -%2° до %2°, иначе монтировка не сможет это сохранить.</translation>
    </message>
    <message>
        <source>Frame period</source>
        <translation>Период кадра</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Выдержка</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Интервал</translation>
    </message>
    <message>
        <source>Angle per frame</source>
        <translation>Угол на кадр</translation>
    </message>
    <message>
        <source>Dithering range</source>
        <translation>Диапазон дизеринга</translation>
    </message>
    <message>
        <source>Swing range</source>
        <translation>Диапазон качания</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Снимки</translation>
    </message>
    <message>
        <source>%1 must be 0 or from %2 to %3 °/h for the mount to hold it.</source>
        <translation>%1: допустимо 0 или от %2 до %3 °/ч, иначе монтировка не сможет это сохранить.</translation>
    </message>
    <message>
        <source>No mount yet. Switch the tracker on, join its Wi-Fi and press Not Connected below to search for it. For a serial cable or the demo mount, choose the connection in Settings first.</source>
        <translation>Монтировки пока нет. Включите трекер, подключитесь к его Wi-Fi и нажмите внизу «Не подключено», чтобы найти его. Для последовательного кабеля или демо-монтировки сначала выберите подключение в Настройках.</translation>
    </message>
    <message>
        <source>No reply</source>
        <translation>Нет ответа</translation>
    </message>
    <message>
        <source>Poor link</source>
        <translation>Слабая связь</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 мс</translation>
    </message>
    <message>
        <source>No link</source>
        <translation>Нет связи</translation>
    </message>
    <message>
        <source>Last %1 exchanges: %2 without a reply, %3 of %4 requests lost; %5 ms on average, %6 ms at worst.</source>
        <translation>Последние обмены (%1): без ответа %2, потеряно %3 из %4 запросов; в среднем %5 мс, максимум %6 мс.</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 мин</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 ч %2 мин</translation>
    </message>
    <message>
        <source>link closed</source>
        <translation>связь закрыта</translation>
    </message>
    <message>
        <source>Reconnecting… last heard %1 ago</source>
        <translation>Переподключение… последний ответ %1 назад</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>нет ответа</translation>
    </message>
    <message>
        <source>Connection lost (%1); reconnecting</source>
        <translation>Связь потеряна (%1); переподключение</translation>
    </message>
    <message>
        <source>Another mount answered; not reconnected</source>
        <translation>Ответила другая монтировка; переподключение не выполнено</translation>
    </message>
    <message>
        <source>Another mount answers where the last one was. Connect to it from the connection dialog if it is the one you want.</source>
        <translation>Там, где была прежняя монтировка, отвечает другая. Подключитесь к ней в окне подключения, если нужна именно она.</translation>
    </message>
    <message>
        <source>Reconnected after %1</source>
        <translation>Связь восстановлена через %1</translation>
    </message>
    <message>
        <source>Program still running: %1 of %2 photos</source>
        <translation>Программа продолжается: %1 из %2 снимков</translation>
    </message>
    <message>
        <source>Program finished while disconnected: %1 of %2 photos</source>
        <translation>Программа завершилась без связи: %1 из %2 снимков</translation>
    </message>
    <message>
        <source>Program finished while disconnected: %1 photos</source>
        <translation>Программа завершилась без связи: %1 снимков</translation>
    </message>
    <message>
        <source>Reconnecting cancelled</source>
        <translation>Переподключение отменено</translation>
    </message>
    <message>
        <source>The program was not started; the mount keeps its previous state.</source>
        <translation>Программа не запущена; монтировка остаётся в прежнем состоянии.</translation>
    </message>
    <message>
        <source>The program was not started, and the previous one may have been stopped.</source>
        <translation>Программа не запущена, а предыдущая, возможно, остановлена.</translation>
    </message>
    <message>
        <source>The start of the program was sent, but the mount did not confirm it. Read the mount&apos;s status to see whether it runs.</source>
        <translation>Команда запуска программы отправлена, но монтировка её не подтвердила. Прочитайте состояние монтировки, чтобы узнать, выполняется ли программа.</translation>
    </message>
    <message>
        <source>The program was not stopped; the mount keeps its previous state.</source>
        <translation>Программа не остановлена; монтировка остаётся в прежнем состоянии.</translation>
    </message>
    <message>
        <source>The stop was sent, but the mount did not confirm it. Read the mount&apos;s status to see whether its program still runs.</source>
        <translation>Команда остановки отправлена, но монтировка её не подтвердила. Прочитайте состояние монтировки, чтобы узнать, выполняется ли ещё программа.</translation>
    </message>
    <message>
        <source>The Wi-Fi settings were not applied; the mount keeps its current Wi-Fi.</source>
        <translation>Настройки Wi-Fi не применены; монтировка сохраняет текущий Wi-Fi.</translation>
    </message>
    <message>
        <source>The Wi-Fi settings were written, but the mount did not confirm that it applied them. If its Wi-Fi restarts under the new name, it did.</source>
        <translation>Настройки Wi-Fi записаны, но монтировка не подтвердила, что применила их. Если её Wi-Fi перезапустится под новым именем, она их применила.</translation>
    </message>
</context>
</TS>
