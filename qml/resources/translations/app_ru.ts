<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>HelpPage</name>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Браузер</translation>
    </message>
    <message>
        <source>Opening page in external app...</source>
        <translation>Открытие страницы во внешнем приложении...</translation>
    </message>
    <message>
        <source>The help document could not be read: %1</source>
        <translation>Не удалось прочитать справку: %1</translation>
    </message>
</context>
<context>
    <name>JEX::TaskProfileList</name>
    <message>
        <source>Enter a name</source>
        <translation>Введите имя</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the page&apos;s own working profile: choose another name</source>
        <translation>«%1» — рабочий профиль страницы: выберите другое имя</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Disconnected</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Connected to %1 at %2</source>
        <translation>Подключено к %1 по адресу %2</translation>
    </message>
</context>
<context>
    <name>MainFooter</name>
    <message>
        <source>%1V</source>
        <translation>%1 В</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Не подключено</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Демо</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Прогресс</translation>
    </message>
    <message>
        <source>Updated power level</source>
        <translation>Уровень питания обновлён</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Подключение…</translation>
    </message>
    <message>
        <source>Click to stop reconnecting</source>
        <translation>Нажмите, чтобы прекратить переподключение</translation>
    </message>
    <message>
        <source>Astrophotography</source>
        <translation>Астрофотография</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Астро-таймлапс</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Таймлапс с обычной выдержкой</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Таймлапс с длинной выдержкой</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Read the voltage again</source>
        <translation>Считать напряжение снова</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Astrophotography</source>
        <translation>Астрофотография</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Астро-таймлапс</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Таймлапс с обычной выдержкой</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Таймлапс с длинной выдержкой</translation>
    </message>
    <message>
        <source>Manual Control</source>
        <translation>Ручное управление</translation>
    </message>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Полярные часы</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Hide Log</source>
        <translation>Скрыть журнал</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Показать журнал</translation>
    </message>
    <message>
        <source>Choose a page from the list.</source>
        <translation>Выберите страницу в списке.</translation>
    </message>
</context>
<context>
    <name>ManualControl</name>
    <message>
        <source>Manual Control</source>
        <translation>Ручное управление</translation>
    </message>
    <message>
        <source>Hold an arrow to turn the mount</source>
        <translation>Удерживайте стрелку, чтобы вращать монтировку</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Не подключено</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Обнулить</translation>
    </message>
    <message>
        <source>Zero the Angle</source>
        <translation>Обнулить угол</translation>
    </message>
    <message>
        <source>The angle shown is counted from the axis&apos;s present position from now on.</source>
        <translation>Показываемый угол теперь отсчитывается от текущего положения оси.</translation>
    </message>
</context>
<context>
    <name>NavList</name>
    <message>
        <source>Astrophotography</source>
        <translation>Астрофотография</translation>
    </message>
    <message>
        <source>Tracks the stars for long exposures</source>
        <translation>Ведёт звёзды для длинных выдержек</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Астро-таймлапс</translation>
    </message>
    <message>
        <source>A time-lapse that follows the sky</source>
        <translation>Таймлапс, следующий за небом</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Таймлапс с обычной выдержкой</translation>
    </message>
    <message>
        <source>Turns a step between short exposures</source>
        <translation>Поворот на шаг между короткими выдержками</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Таймлапс с длинной выдержкой</translation>
    </message>
    <message>
        <source>Turns slowly through long exposures</source>
        <translation>Медленный поворот во время длинных выдержек</translation>
    </message>
    <message>
        <source>Manual Control</source>
        <translation>Ручное управление</translation>
    </message>
    <message>
        <source>Turn the mount by hand</source>
        <translation>Поворачивать монтировку вручную</translation>
    </message>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Полярные часы</translation>
    </message>
    <message>
        <source>Where Polaris sits in the polar scope</source>
        <translation>Где Полярная в полярном искателе</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Language, night, connection, mount</source>
        <translation>Язык, ночь, связь, монтировка</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Показать журнал</translation>
    </message>
    <message>
        <source>Hide Log</source>
        <translation>Скрыть журнал</translation>
    </message>
    <message>
        <source>The console&apos;s journal under the page</source>
        <translation>Журнал консоли под страницей</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Выполняется</translation>
    </message>
</context>
<context>
    <name>Outcomes</name>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
</context>
<context>
    <name>ParamRows_AP</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Выдержка (с)</translation>
    </message>
    <message>
        <source>Interval (sec)</source>
        <translation>Интервал (с)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Снимки</translation>
    </message>
    <message>
        <source>Tracking Rate</source>
        <translation>Скорость ведения</translation>
    </message>
    <message>
        <source>Dithering (arcmin)</source>
        <translation>Дизеринг (угл. мин)</translation>
    </message>
    <message>
        <source>Total Time</source>
        <translation>Общее время</translation>
    </message>
    <message>
        <source>Finish Time</source>
        <translation>Время окончания</translation>
    </message>
</context>
<context>
    <name>ParamRows_ATL</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Выдержка (с)</translation>
    </message>
    <message>
        <source>Tracking Rate</source>
        <translation>Скорость ведения</translation>
    </message>
    <message>
        <source>Total Time (hours)</source>
        <translation>Общее время (ч)</translation>
    </message>
    <message>
        <source>Video Length (sec)</source>
        <translation>Длина видео (с)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Снимки</translation>
    </message>
</context>
<context>
    <name>ParamRows_RegLong</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>Выдержка (с)</translation>
    </message>
    <message>
        <source>Total Time (hours)</source>
        <translation>Общее время (ч)</translation>
    </message>
    <message>
        <source>Frame Period (sec)</source>
        <translation>Интервал кадров (с)</translation>
    </message>
    <message>
        <source>Video Length (sec)</source>
        <translation>Длина видео (с)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Снимки</translation>
    </message>
    <message>
        <source>Swing Range (deg)</source>
        <translation>Диапазон качания (°)</translation>
    </message>
    <message>
        <source>Swings</source>
        <translation>Качания</translation>
    </message>
    <message>
        <source>Speed (deg/hour)</source>
        <translation>Скорость (°/ч)</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>По часовой стрелке</translation>
    </message>
</context>
<context>
    <name>Param_AstroRateX</name>
    <message>
        <source>Solar</source>
        <translation>Солнечная</translation>
    </message>
    <message>
        <source>Lunar</source>
        <translation>Лунная</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Своя</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>Звёздная</translation>
    </message>
    <message>
        <source>%1x %2</source>
        <translation>%1x %2</translation>
    </message>
    <message>
        <source>Deg/Sec</source>
        <translation>Град/с</translation>
    </message>
</context>
<context>
    <name>Param_Common</name>
    <message>
        <source>Manual</source>
        <translation>Ручной</translation>
    </message>
    <message>
        <source>Astrophotography</source>
        <translation>Астрофотография</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>Таймлапс с обычной выдержкой</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>Таймлапс с длинной выдержкой</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>Астро-таймлапс</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Запуск</translation>
    </message>
    <message>
        <source>Not connected: connect to a mount to run the program</source>
        <translation>Нет соединения: подключитесь к монтировке, чтобы запустить программу</translation>
    </message>
    <message>
        <source>Tick enough values for the frame period and the speed to follow from them</source>
        <translation>Отметьте достаточно значений, чтобы из них следовали интервал и скорость</translation>
    </message>
    <message>
        <source>Exposure is 0 s: meant as tracking only?</source>
        <translation>Выдержка 0 с: только ведение?</translation>
    </message>
    <message>
        <source>Stop the Program</source>
        <translation>Остановить программу</translation>
    </message>
    <message>
        <source>The mount stops tracking and taking photos. A stopped program cannot be resumed where it was.</source>
        <translation>Монтировка прекращает ведение и съёмку. Остановленную программу нельзя продолжить с того же места.</translation>
    </message>
</context>
<context>
    <name>Param_FrameRate</name>
    <message>
        <source>Frame Rate</source>
        <translation>Частота кадров</translation>
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
        <translation>Без конца</translation>
    </message>
    <message>
        <source>Ends %1</source>
        <translation>Конец %1</translation>
    </message>
    <message>
        <source>%1 · dawn %2</source>
        <translation>%1 · рассвет %2</translation>
    </message>
    <message>
        <source>%1 · no astronomical night; nautical dawn %2</source>
        <translation>%1 · нет астрономической ночи; навигационный рассвет %2</translation>
    </message>
    <message>
        <source>%1 · no astronomical or nautical night</source>
        <translation>%1 · нет астрономической и навигационной ночи</translation>
    </message>
    <message>
        <source>%1 · set the location to compare with dawn</source>
        <translation>%1 · укажите место, чтобы сравнить с рассветом</translation>
    </message>
    <message>
        <source>The run ends after dawn</source>
        <translation>Съёмка закончится после рассвета</translation>
    </message>
    <message>
        <source>At %1 from the start: %2°</source>
        <translation>Через %1 от начала: %2°</translation>
    </message>
    <message>
        <source>Axis angle against time, photos along the bottom, reversals as rings; within a cycle the motion is a model</source>
        <translation>Угол оси во времени, снимки внизу, развороты кольцами; внутри цикла движение — модель</translation>
    </message>
    <message>
        <source>%1 · before dusk %2</source>
        <translation>%1 · до сумерек %2</translation>
    </message>
    <message>
        <source>It begins before dusk (%1)</source>
        <translation>Начинается до сумерек (%1)</translation>
    </message>
</context>
<context>
    <name>Param_ProfileNameDialog</name>
    <message>
        <source>Profile Name</source>
        <translation>Имя профиля</translation>
    </message>
    <message>
        <source>Overwrites existing profile</source>
        <translation>Заменит существующий профиль</translation>
    </message>
</context>
<context>
    <name>Param_ProfilePane</name>
    <message>
        <source>Profiles</source>
        <translation>Профили</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>No saved profiles</source>
        <translation>Нет сохранённых профилей</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>Удалить профиль</translation>
    </message>
    <message>
        <source>Delete the profile “%1”?</source>
        <translation>Удалить профиль «%1»?</translation>
    </message>
</context>
<context>
    <name>Param_WiFiOffOnRun</name>
    <message>
        <source>WiFi Off on Run</source>
        <translation>Выключать Wi-Fi при запуске</translation>
    </message>
</context>
<context>
    <name>PhotoNumberReminderDialog</name>
    <message>
        <source>Number of Photos</source>
        <translation>Число снимков</translation>
    </message>
    <message>
        <source>The number of photos to take specified here is also in effect when mount is started using the hardware Mode Dial. When the specified number of photos have been taken, the mount will stop tracking.</source>
        <translation>Заданное здесь число снимков действует и при запуске монтировки переключателем режимов на корпусе. Когда указанное число снимков будет сделано, монтировка прекратит ведение.</translation>
    </message>
    <message>
        <source>Remind me next time</source>
        <translation>Напомнить в следующий раз</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Запустить</translation>
    </message>
</context>
<context>
    <name>PolarScope</name>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Полярные часы</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Координаты</translation>
    </message>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Северное полушарие</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Южное полушарие</translation>
    </message>
    <message>
        <source>Precise position</source>
        <translation>Точное положение</translation>
    </message>
    <message>
        <source>Light On</source>
        <translation>Свет вкл.</translation>
    </message>
    <message>
        <source>Light Off</source>
        <translation>Свет выкл.</translation>
    </message>
    <message>
        <source>Not connected: the light cannot be switched</source>
        <translation>Нет соединения: подсветкой нельзя управлять</translation>
    </message>
    <message>
        <source>This mount has no polar-scope light</source>
        <translation>У этой монтировки нет подсветки полярного искателя</translation>
    </message>
    <message>
        <source>No location set: the clock is drawn for 0° N 0° E. Set yours with Location.</source>
        <translation>Координаты не заданы: часы нарисованы для 0° с. ш. 0° в. д. Укажите свои в разделе Координаты.</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>Фокусное расстояние (мм)</translation>
    </message>
    <message>
        <source>Pixel size (µm)</source>
        <translation>Размер пикселя (мкм)</translation>
    </message>
    <message>
        <source>Longest exposure (s)</source>
        <translation>Самая длинная выдержка (с)</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>мм</translation>
    </message>
    <message>
        <source>µm</source>
        <translation>мкм</translation>
    </message>
    <message>
        <source>s</source>
        <translation>с</translation>
    </message>
    <message>
        <source>Polar axis within %1′ keeps the drift under half a pixel</source>
        <translation>Полярная ось в пределах %1′ держит дрейф меньше половины пикселя</translation>
    </message>
    <message>
        <source>Give focal length, pixel size and exposure</source>
        <translation>Укажите фокусное расстояние, размер пикселя и выдержку</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
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
        <translation>Последовательный порт</translation>
    </message>
    <message>
        <source>Demo mount</source>
        <translation>Демо-монтировка</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Никогда</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 мин</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>Ночной режим</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Координаты</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Монтировка</translation>
    </message>
    <message>
        <source>Mount (not connected)</source>
        <translation>Монтировка (не подключена)</translation>
    </message>
    <message>
        <source>Finder LED Auto-Off</source>
        <translation>Автовыключение подсветки искателя</translation>
    </message>
    <message>
        <source>WiFi Auto-Off</source>
        <translation>Автовыключение Wi-Fi</translation>
    </message>
    <message>
        <source>Auto Shut Down</source>
        <translation>Автовыключение</translation>
    </message>
    <message>
        <source>Auto-Run Task</source>
        <translation>Автозапуск программы</translation>
    </message>
    <message>
        <source>WiFi Network</source>
        <translation>Сеть Wi-Fi</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Started with --demo: this run connects to the demo mount only.</source>
        <translation>Запущено с --demo: этот сеанс подключается только к демонстрационной монтировке.</translation>
    </message>
    <message>
        <source>Connect at Launch</source>
        <translation>Подключаться при запуске</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Полный экран</translation>
    </message>
</context>
<context>
    <name>TaskProgressDialog</name>
    <message>
        <source>Progress</source>
        <translation>Прогресс</translation>
    </message>
    <message>
        <source>Photos taken (estimated)</source>
        <translation>Снято кадров (оценка)</translation>
    </message>
    <message>
        <source>Photos taken</source>
        <translation>Снято кадров</translation>
    </message>
    <message>
        <source>Task done</source>
        <translation>Программа завершена</translation>
    </message>
    <message>
        <source>Read %1 seconds ago</source>
        <translation>Считано %1 с назад</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Unlimited Photos</source>
        <translation>Без ограничения снимков</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>Осталось: %1</translation>
    </message>
    <message>
        <source>Not connected: the mount&apos;s state is unknown</source>
        <translation>Нет соединения: состояние монтировки неизвестно</translation>
    </message>
    <message>
        <source>Corrected to the mount&apos;s own count</source>
        <translation>Исправлено по счётчику самой монтировки</translation>
    </message>
</context>
<context>
    <name>WifiSettingsPage</name>
    <message>
        <source>WiFi Network</source>
        <translation>Сеть Wi-Fi</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Access Point Mode</source>
        <translation>Режим точки доступа</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Защита</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открытая</translation>
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
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Station Mode</source>
        <translation>Режим клиента</translation>
    </message>
    <message>
        <source>Both SSID and Password are case-sensitive</source>
        <translation>SSID и пароль чувствительны к регистру</translation>
    </message>
    <message>
        <source>Use DHCP</source>
        <translation>Использовать DHCP</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>Статический IP</translation>
    </message>
    <message>
        <source>Apply Wi-Fi Settings</source>
        <translation>Применить настройки Wi-Fi</translation>
    </message>
    <message>
        <source>The mount restarts its Wi-Fi and the console lets the link go. Join “%1”, then connect again.</source>
        <translation>Монтировка перезапустит Wi-Fi, и консоль разорвёт связь. Подключитесь к «%1», затем подключитесь снова.</translation>
    </message>
    <message>
        <source>Discard Changes</source>
        <translation>Отменить изменения</translation>
    </message>
    <message>
        <source>The Wi-Fi settings you changed are not applied.</source>
        <translation>Изменённые настройки Wi-Fi не будут применены.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Reading the mount&apos;s settings…</source>
        <translation>Чтение настроек монтировки…</translation>
    </message>
    <message>
        <source>Could not read the mount&apos;s settings: %1</source>
        <translation>Не удалось прочитать настройки монтировки: %1</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>The mount runs its access point and a station at once. Apply keeps both unless you choose one.</source>
        <translation>Монтировка работает одновременно как точка доступа и станция. Применение сохранит оба режима, если не выбрать один.</translation>
    </message>
    <message>
        <source>Not valid text on the mount: shown as well as it can be and kept unchanged</source>
        <translation>Недопустимый текст на монтировке: показан как возможно и сохранён без изменений</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Успешно</translation>
    </message>
    <message>
        <source>Rejected</source>
        <translation>Отклонено</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Ошибка связи</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Отменено</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>tavo_profile</name>
    <message>
        <source>Invalid Speed</source>
        <translation>Недопустимая скорость</translation>
    </message>
    <message>
        <source>Frame period must be at least %1 seconds longer than exposure</source>
        <translation>Интервал между кадрами должен быть длиннее выдержки не менее чем на %1 с</translation>
    </message>
    <message>
        <source>Speed too fast for frame period and exposure</source>
        <translation>Скорость слишком велика для интервала и выдержки</translation>
    </message>
</context>
</TS>
