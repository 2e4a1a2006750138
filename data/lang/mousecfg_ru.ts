<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>AccessAdvice</name>
    <message>
        <location filename="../../src/device/link/AccessAdvice.cpp" line="+35"/>
        <source>The mouse is plugged in, but you may not open it (%1: permission denied).</source>
        <translation>Мышь подключена, но у вас нет прав на её открытие (%1: отказано в доступе).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Install the udev rule %1 from the source folder:</source>
        <translation>Установите правило udev %1 из каталога с исходным кодом:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>then plug the receiver in again.</source>
        <translation>а затем снова подключите приёмник.</translation>
    </message>
</context>
<context>
    <name>AppProfilesDialog</name>
    <message>
        <location filename="../../src/ui/main/AppProfilesDialog.cpp" line="+33"/>
        <source>Profile %1</source>
        <translation>Профиль %1</translation>
    </message>
    <message>
        <location line="+92"/>
        <location line="+1"/>
        <source>APPLICATIONS</source>
        <translation>ПРИЛОЖЕНИЯ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Command</source>
        <translation>Команда</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TURN ON</source>
        <translation>ВКЛЮЧИТЬ</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Switch profiles by application</source>
        <translation>Переключать профили по приложениям</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>Other programs</source>
        <translation>Другие программы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ADD</source>
        <translation>ДОБАВИТЬ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a rule for a program</source>
        <translation>Добавить правило для программы</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Leave the profile as it is</source>
        <translation>Не менять профиль</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+104"/>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <location line="-103"/>
        <source>The rules could not be saved to &quot;%1&quot;.</source>
        <translation>Не удалось сохранить правила в «%1».</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>No rules yet. ADD a program to give it a profile.</source>
        <translation>Правил пока нет. Нажмите ДОБАВИТЬ, чтобы назначить программе профиль.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Profile for %1</source>
        <translation>Профиль для %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>REMOVE</source>
        <translation>УДАЛИТЬ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove the rule for %1</source>
        <translation>Удалить правило для %1</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Choose a program file…</source>
        <translation>Выбрать файл программы…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choose a program</source>
        <translation>Выбор программы</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; cannot be given a rule.</source>
        <translation>Для «%1» нельзя задать правило.</translation>
    </message>
</context>
<context>
    <name>AppSwitchSupport</name>
    <message>
        <location filename="../../src/ui/main/AppSwitchSupport.cpp" line="+9"/>
        <source>%1: profiles follow the program in front through the GNOME Shell extension “mousecfg window focus”.</source>
        <translation>%1: профили следуют за программой на переднем плане через расширение GNOME Shell «mousecfg window focus».</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Profiles follow the program in front through this compositor&apos;s window list, by application id only.</source>
        <translation>Профили переключаются вслед за активной программой через список окон этого композитора, только по идентификатору приложения.</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>%1: the GNOME Shell extension “mousecfg window focus” is off, so profiles cannot follow the program in front. Turn it on with the button or this command:</source>
        <translation>%1: расширение GNOME Shell «mousecfg window focus» выключено, поэтому профили не могут следовать за программой на переднем плане. Включите его кнопкой или этой командой:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: the GNOME Shell extension “mousecfg window focus” is not installed, so profiles cannot follow the program in front. It comes with mousecfg&apos;s package.</source>
        <translation>%1: расширение GNOME Shell «mousecfg window focus» не установлено, поэтому профили не могут следовать за программой на переднем плане. Оно входит в пакет mousecfg.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: GNOME Shell could not run the extension “mousecfg window focus”, so profiles cannot follow the program in front.</source>
        <translation>%1: GNOME Shell не смог запустить расширение «mousecfg window focus», поэтому профили не могут следовать за программой на переднем плане.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>This desktop does not tell which program is in front, so profiles cannot follow it here.</source>
        <translation>Эта среда рабочего стола не сообщает, какая программа активна, поэтому профили не могут переключаться вслед за ней.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 does not tell which program is in front, so profiles cannot follow it here.</source>
        <translation>%1 не сообщает, какая программа на переднем плане, поэтому профили не могут следовать за ней здесь.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Profiles follow the program in front on this desktop.</source>
        <translation>Профили переключаются вслед за активной программой в этой среде рабочего стола.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: profiles follow the program in front.</source>
        <translation>%1: профили следуют за программой на переднем плане.</translation>
    </message>
</context>
<context>
    <name>AppSwitching</name>
    <message>
        <location filename="../../src/ui/main/AppSwitching.cpp" line="+50"/>
        <source>The mouse did not switch to profile %1</source>
        <translation>Мышь не переключилась на профиль %1</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>Applications…</source>
        <translation>Приложения…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch profiles by application</source>
        <translation>Переключать профили по приложениям</translation>
    </message>
</context>
<context>
    <name>BatteryAlerts</name>
    <message>
        <location filename="../../src/ui/main/BatteryAlerts.cpp" line="+25"/>
        <source>Mouse battery almost empty</source>
        <translation>Батарея мыши почти разряжена</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2% left. Connect the cable to charge it.</source>
        <translation>%1: осталось %2%. Подключите кабель для зарядки.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mouse battery low</source>
        <translation>Низкий заряд батареи мыши</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2% left. Charge it soon.</source>
        <translation>%1: осталось %2%. Скоро потребуется зарядка.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Not connected</source>
        <translation>Не подключена</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Charging</source>
        <translation>Заряжается</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Battery: %1%</source>
        <translation>Батарея: %1%</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>MOUSE OFF</source>
        <translation>МЫШЬ ВЫКЛЮЧЕНА</translation>
    </message>
</context>
<context>
    <name>ButtonCatalogue</name>
    <message>
        <location filename="../../src/core/settings/ButtonCatalogue.cpp" line="+14"/>
        <source>Left</source>
        <translation>Левая кнопка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right</source>
        <translation>Правая кнопка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Middle</source>
        <translation>Средняя кнопка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SINGLE KEY</source>
        <translation>ОДНА КЛАВИША</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>COMBO KEY</source>
        <translation>СОЧЕТАНИЕ КЛАВИШ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FIRE KEY</source>
        <translation>КЛАВИША СТРЕЛЬБЫ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Off</source>
        <translation>Кнопка отключена</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All</source>
        <translation>Выделить всё</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Switch Window</source>
        <translation>Переключить окно</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close Window</source>
        <translation>Закрыть окно</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>My Computer</source>
        <translation>Мой компьютер</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Run</source>
        <translation>Выполнить</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Desktop</source>
        <translation>Показать рабочий стол</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lock PC</source>
        <translation>Заблокировать ПК</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Home</source>
        <translation>Браузер: домашняя страница</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Backward</source>
        <translation>Браузер: назад</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Forward</source>
        <translation>Браузер: вперёд</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Stop</source>
        <translation>Браузер: остановить</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Refresh</source>
        <translation>Браузер: обновить</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Search</source>
        <translation>Браузер: поиск</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Favorite</source>
        <translation>Браузер: избранное</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mail</source>
        <translation>Почта</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boss Key</source>
        <translation>Клавиша босса</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play/Pause</source>
        <translation>Воспроизведение/пауза</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous Track</source>
        <translation>Предыдущий трек</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next Track</source>
        <translation>Следующий трек</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume Up</source>
        <translation>Громче</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume Down</source>
        <translation>Тише</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mute</source>
        <translation>Без звука</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Media Player</source>
        <translation>Медиаплеер</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPI Switch</source>
        <translation>Переключение DPI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPI +</source>
        <translation>DPI +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPI -</source>
        <translation>DPI -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rate Switch</source>
        <translation>Переключение частоты</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rate +</source>
        <translation>Частота +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rate -</source>
        <translation>Частота -</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scroll Up</source>
        <translation>Прокрутка вверх</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scroll Down</source>
        <translation>Прокрутка вниз</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Led Switch</source>
        <translation>Подсветка вкл./выкл.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SNIPER</source>
        <translation>СНАЙПЕР</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile Switch</source>
        <translation>Переключение профиля</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile +</source>
        <translation>Профиль +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile -</source>
        <translation>Профиль -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Macro Manager</source>
        <translation>Менеджер макросов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GunFile Manager</source>
        <translation>Менеджер GunFile</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Basic</source>
        <translation>Основные</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Advance</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Media</source>
        <translation>Мультимедиа</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Polling Rate</source>
        <translation>Частота опроса</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile Menu</source>
        <translation>Профили</translation>
    </message>
    <message>
        <location filename="../../src/ui/buttons/AssignmentDialogs.cpp" line="+70"/>
        <source>GUNFILE SELECT</source>
        <translation>ВЫБОР GUNFILE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MACRO SELECT</source>
        <translation>ВЫБОР МАКРОСА</translation>
    </message>
</context>
<context>
    <name>ConfirmButtons</name>
    <message>
        <location filename="../../src/ui/widgets/ConfirmButtons.cpp" line="+56"/>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>ConnectionDisplay</name>
    <message>
        <location filename="../../src/ui/main/ConnectionDisplay.cpp" line="+49"/>
        <location line="+46"/>
        <source>MOUSE OFF</source>
        <translation>МЫШЬ ВЫКЛЮЧЕНА</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>Connected through the receiver</source>
        <translation>Подключена через приёмник</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connected by cable</source>
        <translation>Подключена кабелем</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not connected</source>
        <translation>Не подключена</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Connection and battery</source>
        <translation>Подключение и батарея</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Battery level</source>
        <translation>Уровень заряда</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Receiver</source>
        <translation>Приёмник</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Charging</source>
        <translation>Заряжается</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <location filename="../../src/ui/main/FirmwareUpdate.cpp" line="+35"/>
        <location line="+4"/>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>Для обновления прошивки подключите мышь к компьютеру кабелем.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Обновить прошивку?</translation>
    </message>
</context>
<context>
    <name>HeaderBar</name>
    <message>
        <location filename="../../src/ui/main/HeaderBar.cpp" line="+74"/>
        <location line="+8"/>
        <source>Model: %1</source>
        <translation>Модель: %1</translation>
    </message>
    <message>
        <location line="+42"/>
        <location line="+1"/>
        <source>Minimise</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Firmware Update</source>
        <translation>Обновление прошивки</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>mousecfg %1</source>
        <translation>mousecfg %1</translation>
    </message>
</context>
<context>
    <name>ImportCheck</name>
    <message>
        <location filename="../../src/storage/ImportCheck.cpp" line="+200"/>
        <source>cannot read &apos;%1&apos;: no such file</source>
        <translation>не удаётся прочитать «%1»: файл не существует</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read &apos;%1&apos;: a folder</source>
        <translation>не удаётся прочитать «%1»: это каталог</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read &apos;%1&apos;: not a plain file</source>
        <translation>не удаётся прочитать «%1»: это не обычный файл</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read &apos;%1&apos;: permission denied</source>
        <translation>не удаётся прочитать «%1»: отказано в доступе</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is too large (%2 bytes) to be a file of this program</source>
        <translation>«%1» слишком велик для файла этой программы (размер в байтах: %2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is not a profile or configuration file</source>
        <translation>«%1» не является файлом профиля или конфигурации</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&apos;%1&apos; is a profile file, not a configuration file</source>
        <translation>«%1» — файл профиля, а не файл конфигурации</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;%1&apos; is a configuration file, not a profile file</source>
        <translation>«%1» — файл конфигурации, а не файл профиля</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is incomplete: the key &apos;%2&apos; is missing</source>
        <translation>«%1» неполный: отсутствует ключ «%2»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;%1&apos; is incomplete: %2 keys are missing, the first is &apos;%3&apos;</source>
        <translation>«%1» неполный: не хватает ключей: %2, первый из них — «%3»</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&apos;%1&apos; is damaged: &apos;%2&apos; does not hold a colour</source>
        <translation>«%1» повреждён: «%2» не содержит цвет</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;%1&apos; is damaged: &apos;%2&apos; does not hold a number</source>
        <translation>«%1» повреждён: «%2» не содержит число</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&apos;%1&apos; gives profiles %2 and %3 the same name &apos;%4&apos;: each needs a name of its own</source>
        <translation>«%1» даёт профилям %2 и %3 одно и то же имя «%4»: у каждого должно быть своё имя</translation>
    </message>
</context>
<context>
    <name>KeyDialogFrame</name>
    <message>
        <location filename="../../src/ui/buttons/KeyDialogFrame.cpp" line="+75"/>
        <source>Keys are read only while this window has the focus.</source>
        <translation>Клавиши считываются, только пока это окно активно.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Taken: %1</source>
        <translation>Захвачено: %1</translation>
    </message>
    <message>
        <location line="+95"/>
        <location line="+35"/>
        <source>Captured key</source>
        <translation>Захваченная клавиша</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>Captured key: %1</source>
        <translation>Захваченная клавиша: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Capture again</source>
        <translation>Захватить снова</translation>
    </message>
</context>
<context>
    <name>LanguageButton</name>
    <message>
        <location filename="../../src/ui/main/LanguageButton.cpp" line="+81"/>
        <source>Language: %1</source>
        <translation>Язык: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <location filename="../../src/ui/macro/MacroDialog.cpp" line="+303"/>
        <source>WITHOUT A DELAY THE MOUSE KEEPS ONLY THE FIRST %1 OF THESE %2 EVENTS. INSERT A DELAY TO SEND THEM ALL.</source>
        <translation>БЕЗ ЗАДЕРЖКИ МЫШЬ СОХРАНИТ ЛИШЬ ПЕРВЫЕ СОБЫТИЯ (%1 ИЗ %2). ВСТАВЬТЕ ЗАДЕРЖКУ, ЧТОБЫ ОТПРАВИТЬ ВСЕ.</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+1"/>
        <source>MOUSE ACTION</source>
        <translation>ДЕЙСТВИЕ МЫШИ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MACRO EVENTS</source>
        <translation>СОБЫТИЯ МАКРОСА</translation>
    </message>
    <message>
        <location filename="../../src/ui/macro/MacroEventText.cpp" line="+13"/>
        <source>LEFT CLICK</source>
        <translation>ЛЕВАЯ КНОПКА</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MIDDLE CLICK</source>
        <translation>СРЕДНЯЯ КНОПКА</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RIGHT CLICK</source>
        <translation>ПРАВАЯ КНОПКА</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>FORWARD</source>
        <translation>ВПЕРЁД</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BACKWARD</source>
        <translation>НАЗАД</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>MOVE LEFT</source>
        <translation>ВЛЕВО</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOVE RIGHT</source>
        <translation>ВПРАВО</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOVE UP</source>
        <translation>ВВЕРХ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOVE DOWN</source>
        <translation>ВНИЗ</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 ms</source>
        <translation>%1 мс</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Press</source>
        <translation>Нажатие</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Release</source>
        <translation>Отпускание</translation>
    </message>
    <message>
        <location filename="../../src/ui/macro/MacroNotices.cpp" line="+26"/>
        <source>WARNING</source>
        <translation>ПРЕДУПРЕЖДЕНИЕ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>СЛИШКОМ МНОГО МАКРОСОВ: НОВЫЙ СОЗДАТЬ НЕЛЬЗЯ!</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+6"/>
        <location line="+7"/>
        <location line="+8"/>
        <location line="+6"/>
        <location line="+6"/>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>Macro Exist!</source>
        <translation>Такой макрос уже существует!</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>THIS NAME CANNOT NAME A FILE: USE NO &quot;/&quot;, &quot;\&quot; OR &quot;..&quot;.</source>
        <translation>ЭТО ИМЯ НЕЛЬЗЯ ДАТЬ ФАЙЛУ: НЕ ИСПОЛЬЗУЙТЕ &quot;/&quot;, &quot;\&quot; ИЛИ &quot;..&quot;.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A MACRO HOLDS AT MOST %1 EVENTS.</source>
        <translation>МАКСИМАЛЬНОЕ ЧИСЛО СОБЫТИЙ В МАКРОСЕ: %1.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>THE MACRO FILE COULD NOT BE COPIED.</source>
        <translation>НЕ УДАЛОСЬ СКОПИРОВАТЬ ФАЙЛ МАКРОСА.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>ОДНА ИЛИ НЕСКОЛЬКО КЛАВИШ НЕ БЫЛИ ОТПУЩЕНЫ.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please input file name.</source>
        <translation>Введите имя файла.</translation>
    </message>
    <message>
        <location filename="../../src/ui/macro/TarnTreeItem.cpp" line="+28"/>
        <source>PRESS DOWN</source>
        <translation>НАЖАТИЕ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>BOUNCE UP</source>
        <translation>ОТПУСКАНИЕ</translation>
    </message>
</context>
<context>
    <name>MacroEditPanel</name>
    <message>
        <location filename="../../src/ui/macro/MacroEditPanel.cpp" line="+148"/>
        <location line="+6"/>
        <location line="+4"/>
        <source>KEY</source>
        <translation>КЛАВИША</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+7"/>
        <source>MOVEMENT</source>
        <translation>ДВИЖЕНИЕ</translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+4"/>
        <source>DELAY</source>
        <translation>ЗАДЕРЖКА</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+3"/>
        <source>DISTANCE</source>
        <translation>РАССТОЯНИЕ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SAVE</source>
        <translation>СОХРАНИТЬ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CANCEL</source>
        <translation>ОТМЕНА</translation>
    </message>
</context>
<context>
    <name>MacroEventButtons</name>
    <message>
        <location filename="../../src/ui/macro/MacroEventButtons.cpp" line="+20"/>
        <source>RECORD AFTER</source>
        <translation>ДОЗАПИСЬ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DELETE</source>
        <translation>УДАЛИТЬ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MOVE UP</source>
        <translation>ВВЕРХ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MOVE DOWN</source>
        <translation>ВНИЗ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TOP</source>
        <translation>В НАЧАЛО</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BOTTOM</source>
        <translation>В КОНЕЦ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CLEAR</source>
        <translation>ОЧИСТИТЬ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>EDIT</source>
        <translation>ИЗМЕНИТЬ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>COPY</source>
        <translation>КОПИРОВАТЬ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CUT</source>
        <translation>ВЫРЕЗАТЬ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PASTE</source>
        <translation>ВСТАВИТЬ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>INSERT DELAY</source>
        <translation>ЗАДЕРЖКА</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>GUN SET</source>
        <translation>НАСТРОЙКА ОРУЖИЯ</translation>
    </message>
</context>
<context>
    <name>MacroEventModel</name>
    <message>
        <location filename="../../src/ui/macro/MacroEventModel.cpp" line="+38"/>
        <source>KEY</source>
        <translation>КЛАВИША</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ACTION</source>
        <translation>ДЕЙСТВИЕ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DELAY(ms)</source>
        <translation>ЗАДЕРЖКА (мс)</translation>
    </message>
</context>
<context>
    <name>MacroListPanel</name>
    <message>
        <location filename="../../src/ui/macro/MacroListPanel.cpp" line="+21"/>
        <source>Macro File(*.MSMACRO)</source>
        <translation>Файл макроса (*.MSMACRO)</translation>
    </message>
    <message>
        <location line="+134"/>
        <location line="+23"/>
        <source>Load Macro File</source>
        <translation>Загрузить файл макроса</translation>
    </message>
    <message>
        <location line="+34"/>
        <location line="+8"/>
        <source>Save Macro File</source>
        <translation>Сохранить файл макроса</translation>
    </message>
    <message>
        <location line="+45"/>
        <location line="+1"/>
        <source>MACRO LIST</source>
        <translation>СПИСОК МАКРОСОВ</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>MACRO NAME</source>
        <translation>ИМЯ МАКРОСА</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>NEW</source>
        <translation>СОЗДАТЬ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DELETE</source>
        <translation>УДАЛИТЬ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CHANGE NAME</source>
        <translation>ПЕРЕИМЕНОВАТЬ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IMPORT</source>
        <translation>ИМПОРТ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>EXPORT</source>
        <translation>ЭКСПОРТ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>BATCH</source>
        <translation>ПАКЕТНО</translation>
    </message>
</context>
<context>
    <name>MacroRecordPanel</name>
    <message>
        <location filename="../../src/ui/macro/MacroRecordPanel.cpp" line="+127"/>
        <source>START</source>
        <translation>СТАРТ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>STOP</source>
        <translation>СТОП</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>ЗАПИСЫВАТЬ ЗАДЕРЖКИ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INSERT DEFAULT DELAY</source>
        <translation>ВСТАВЛЯТЬ ЗАДЕРЖКУ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOOPS TIME(1-255)</source>
        <translation>ПОВТОРЫ (1-255)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>ПОВТОР, ПОКА НАЖАТА</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>ПОВТОР ДО НОВОГО НАЖАТИЯ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ms</source>
        <translation>мс</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DEFAULT DELAY</source>
        <translation>ЗАДЕРЖКА ПО УМОЛЧАНИЮ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOOP COUNT</source>
        <translation>ЧИСЛО ПОВТОРОВ</translation>
    </message>
</context>
<context>
    <name>MousePicture</name>
    <message>
        <location filename="../../src/ui/main/MousePicture.cpp" line="+212"/>
        <location line="+1"/>
        <source>Front</source>
        <translation>Спереди</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Side</source>
        <translation>Сбоку</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every button of this mouse is set in the front view.</source>
        <translation>Все кнопки этой мыши настраиваются в виде «Спереди».</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>Wheel up</source>
        <translation>Колесо вверх</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Wheel down</source>
        <translation>Колесо вниз</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Selects this button in the list</source>
        <translation>Выбирает эту кнопку в списке</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button %1</source>
        <translation>Кнопка %1</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <location filename="../../src/ui/main/MousecfgWidget.cpp" line="+299"/>
        <location filename="../../src/ui/main/MousecfgWidgetWindow.cpp" line="+39"/>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>ДОЛЖНА ОСТАТЬСЯ ХОТЯ БЫ ОДНА ФУНКЦИЯ ЩЕЛЧКА.</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/MousecfgWidgetDevice.cpp" line="+150"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/MousecfgWidgetReturn.cpp" line="+28"/>
        <source>No access to the mouse</source>
        <translation>Нет доступа к мыши</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/MousecfgWidgetWindow.cpp" line="+1"/>
        <source>Dongle Disconnect!</source>
        <translation>Приёмник отключён!</translation>
    </message>
</context>
<context>
    <name>ProfileActions</name>
    <message>
        <location filename="../../src/ui/main/ProfileActions.cpp" line="+54"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
</context>
<context>
    <name>ProfileBar</name>
    <message>
        <location filename="../../src/ui/main/ProfileBar.cpp" line="+126"/>
        <location line="+131"/>
        <source>Profile</source>
        <translation>Профиль</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>NAME</source>
        <translation>ИМЯ</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Press Enter To Apply</source>
        <translation>Enter — применить</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Stored profiles</source>
        <translation>Сохранённые профили</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ADD</source>
        <translation>НОВЫЙ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>COPY</source>
        <translation>КОПИЯ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DELETE</source>
        <translation>УДАЛИТЬ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RESET</source>
        <translation>СБРОС</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset All</source>
        <translation>Сброс всех</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Save Profile File</source>
        <translation>Сохранить файл профиля</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Load Profile File</source>
        <translation>Загрузить файл профиля</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOAD1</source>
        <translation>ЗАГР.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SAVE</source>
        <translation>СОХР.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>APPLICATIONS</source>
        <translation>ПРИЛОЖЕНИЯ</translation>
    </message>
</context>
<context>
    <name>ProfileOperations</name>
    <message>
        <location filename="../../src/ui/main/ProfileOperations.cpp" line="+70"/>
        <location line="+5"/>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+91"/>
        <location line="+18"/>
        <location line="+19"/>
        <location line="+24"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="+146"/>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation>Не удалось записать файл «%1».</translation>
    </message>
    <message>
        <location line="-106"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="-12"/>
        <source>Profile is Already Used!</source>
        <translation>Этот профиль уже используется!</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="+9"/>
        <source>The file &quot;%1&quot; could not be read.</source>
        <translation>Не удалось прочитать файл «%1».</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+113"/>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>Профиль по умолчанию нельзя удалить или переименовать.</translation>
    </message>
    <message>
        <location line="-108"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="-3"/>
        <source>&quot;%1&quot; cannot name a profile file.</source>
        <translation>«%1» не может быть именем файла профиля.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="-3"/>
        <source>Profile Exist!</source>
        <translation>Такой профиль уже существует!</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The file &quot;%1&quot; could not be renamed.</source>
        <translation>Не удалось переименовать файл «%1».</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>ДОЛЖЕН ОСТАТЬСЯ ХОТЯ БЫ ОДИН ПРОФИЛЬ.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Are you sure you want delete this profile?</source>
        <translation>Вы действительно хотите удалить этот профиль?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Every other profile is held by another slot, so this one cannot be deleted.</source>
        <translation>Все остальные профили заняты другими слотами, поэтому этот удалить нельзя.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file &quot;%1&quot; could not be deleted.</source>
        <translation>Не удалось удалить файл «%1».</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Are you sure you want reset this profile?</source>
        <translation>Вы действительно хотите сбросить этот профиль?</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Вы действительно хотите сбросить все профили?</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="-119"/>
        <source>Profile File(*.prof)</source>
        <translation>Файл профиля (*.prof)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Config File(*.conf)</source>
        <translation>Файл конфигурации (*.conf)</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Mouse is sleeping or not connected.</source>
        <translation>Мышь в спящем режиме или не подключена.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send data failed, please try again.</source>
        <translation>Не удалось отправить данные. Повторите попытку.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The settings were sent, but the mouse did not confirm them.</source>
        <translation>Настройки отправлены, но мышь их не подтвердила.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>The file is not match current mouse!</source>
        <translation>Этот файл не подходит для текущей мыши!</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Save Profile File</source>
        <translation>Сохранить файл профиля</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Load Profile File</source>
        <translation>Загрузить файл профиля</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Save Config File</source>
        <translation>Сохранить файл конфигурации</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Load Config File</source>
        <translation>Загрузить файл конфигурации</translation>
    </message>
</context>
<context>
    <name>SlotIndicators</name>
    <message>
        <location filename="../../src/ui/main/SlotIndicators.cpp" line="+45"/>
        <source>Profile</source>
        <translation>Проф.</translation>
    </message>
</context>
<context>
    <name>TabBar</name>
    <message>
        <location filename="../../src/ui/main/TabBar.cpp" line="+42"/>
        <source>LIGHTING</source>
        <translation>СВЕТ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CUSTOMIZE</source>
        <translation>КНОПКИ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MACRO</source>
        <translation>МАКРОСЫ</translation>
    </message>
</context>
<context>
    <name>TarnBtnWindow</name>
    <message>
        <location filename="../../src/ui/buttons/TarnBtnWindow.cpp" line="+129"/>
        <source>WHEEL UP</source>
        <translation>КОЛЕСО ВВЕРХ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WHEEL DOWN</source>
        <translation>КОЛЕСО ВНИЗ</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Button %1</source>
        <translation>Кнопка %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Left Button Can not be Gun Function.</source>
        <translation>Левой кнопке нельзя назначить функцию оружия.</translation>
    </message>
</context>
<context>
    <name>TarnColorArea</name>
    <message>
        <location filename="../../src/ui/pages/TarnColorArea.cpp" line="+33"/>
        <location line="+322"/>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <location line="-322"/>
        <location line="+323"/>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <location line="-322"/>
        <location line="+323"/>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <location line="-323"/>
        <source>Cyan</source>
        <translation>Голубой</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Magenta</source>
        <translation>Пурпурный</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>White</source>
        <translation>Белый</translation>
    </message>
    <message>
        <location line="+309"/>
        <location line="+1"/>
        <source>Color Edit</source>
        <translation>Изменение цвета</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>COLOR</source>
        <translation>ЦВЕТ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>APPLY</source>
        <translation>ПРИМЕНИТЬ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>Hue</source>
        <translation>Оттенок</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Saturation and value</source>
        <translation>Насыщенность и яркость</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saturation</source>
        <translation>Насыщенность</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Value</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hexadecimal colour</source>
        <translation>Шестнадцатеричный цвет</translation>
    </message>
</context>
<context>
    <name>TarnColorWindow</name>
    <message>
        <location filename="../../src/core/settings/LightingEffects.cpp" line="+17"/>
        <source>OFF</source>
        <translation>ВЫКЛЮЧЕНО</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FULL LIGHTED</source>
        <translation>ПОСТОЯННОЕ СВЕЧЕНИЕ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BREATHING</source>
        <translation>ДЫХАНИЕ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>7 COLOR BREATHING</source>
        <translation>ДЫХАНИЕ 7 ЦВЕТОВ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RAINBOW</source>
        <translation>РАДУГА</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FLASH</source>
        <translation>МИГАНИЕ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Horizontal WAVE</source>
        <translation>Горизонтальная ВОЛНА</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>Горизонтально БЕЗ СЛЕДА</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Raindrop</source>
        <translation>Капли дождя</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WAVE</source>
        <translation>ВОЛНА</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GO WITHOUT TRACE</source>
        <translation>БЕЗ СЛЕДА</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>REACTIVE</source>
        <translation>РЕАКТИВНЫЙ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yo-yo</source>
        <translation>йо-йо</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Marbles</source>
        <translation>Шарики</translation>
    </message>
    <message>
        <location filename="../../src/ui/pages/TarnColorWindow.cpp" line="+141"/>
        <location line="+63"/>
        <source>EFFECT</source>
        <translation>ЭФФЕКТ</translation>
    </message>
    <message>
        <location line="-48"/>
        <source> MINUTE</source>
        <translation> МИН</translation>
    </message>
    <message>
        <location line="+49"/>
        <location line="+5"/>
        <source>BRIGHTNESS</source>
        <translation>ЯРКОСТЬ</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+5"/>
        <source>SPEED</source>
        <translation>СКОРОСТЬ</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+6"/>
        <source>COLOR</source>
        <translation>ЦВЕТ</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+4"/>
        <source>SLEEP TIME</source>
        <translation>ВРЕМЯ ДО СНА</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>MOVE TO LIGHT OFF</source>
        <translation>ГАСИТЬ ПРИ ДВИЖЕНИИ</translation>
    </message>
</context>
<context>
    <name>TarnComboKeyWindow</name>
    <message>
        <location filename="../../src/ui/buttons/TarnComboKeyWindow.cpp" line="+6"/>
        <source>Combo Key</source>
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hold the modifiers and press the key.</source>
        <translation>Удерживая клавиши-модификаторы, нажмите клавишу.</translation>
    </message>
</context>
<context>
    <name>TarnDPIWindow</name>
    <message>
        <location filename="../../src/ui/pages/TarnDPIWindow.cpp" line="+139"/>
        <source>DPI STAGES</source>
        <translation>УРОВНИ DPI</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>SLEEP TIME</source>
        <translation>ВРЕМЯ ДО СНА</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOVE TO LIGHT OFF</source>
        <translation>ГАСИТЬ ПРИ ДВИЖЕНИИ</translation>
    </message>
    <message>
        <location line="+64"/>
        <source> MINUTE</source>
        <translation> МИН</translation>
    </message>
</context>
<context>
    <name>TarnFireKeyWindow</name>
    <message>
        <location filename="../../src/ui/buttons/TarnFireKeyWindow.cpp" line="+24"/>
        <source>FireKey Setting</source>
        <translation>Настройка клавиши стрельбы</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Left</source>
        <translation>Левая</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Right</source>
        <translation>Правая</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Middle</source>
        <translation>Средняя</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keyboard Key</source>
        <translation>Клавиша клавиатуры</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+8"/>
        <source>Times:</source>
        <translation>Количество:</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+8"/>
        <source>Delay:</source>
        <translation>Задержка:</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Press a key</source>
        <translation>Нажмите клавишу</translation>
    </message>
</context>
<context>
    <name>TarnGunsetDialog</name>
    <message>
        <location filename="../../src/ui/macro/TarnGunsetDialog.cpp" line="+38"/>
        <source>Gun Set</source>
        <translation>Настройка оружия</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>GUN SET</source>
        <translation>НАСТРОЙКА ОРУЖИЯ</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+2"/>
        <source>GUNFILE NAME</source>
        <translation>ИМЯ GUNFILE</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+51"/>
        <source>BULLETS</source>
        <translation>ПУЛИ</translation>
    </message>
    <message>
        <location line="-42"/>
        <location line="+13"/>
        <source>DELAY(MS)</source>
        <translation>ПАУЗА (МС)</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <source>VERTICAL</source>
        <translation>ВЕРТИКАЛЬ</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+15"/>
        <source>HORIZONTAL</source>
        <translation>ГОРИЗОНТАЛЬ</translation>
    </message>
</context>
<context>
    <name>TarnMacroSelect</name>
    <message>
        <location filename="../../src/ui/macro/TarnMacroSelect.cpp" line="+51"/>
        <source>LOOPS TIME(1-255)</source>
        <translation>ПОВТОРЫ (1-255)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>ПОВТОР, ПОКА НАЖАТА</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>ПОВТОР ДО НОВОГО НАЖАТИЯ</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>LOOP COUNT</source>
        <translation>ЧИСЛО ПОВТОРОВ</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>SELECT A MACRO</source>
        <translation>ВЫБЕРИТЕ МАКРОС</translation>
    </message>
</context>
<context>
    <name>TarnPointSpeed</name>
    <message>
        <location filename="../../src/ui/pages/TarnPointSpeed.cpp" line="+181"/>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No mouse settings program of the desktop was found.</source>
        <translation>Программа настройки мыши для этой среды рабочего стола не найдена.</translation>
    </message>
    <message>
        <location line="+48"/>
        <location line="+1"/>
        <source>Key Response</source>
        <translation>Отклик кнопок</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Scroll Speed</source>
        <translation>Скорость колеса</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enable sync</source>
        <translation>Включить синхронизацию</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lift Distance</source>
        <translation>Высота отрыва</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1mm</source>
        <translation>1 мм</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2mm</source>
        <translation>2 мм</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Angle Snapping</source>
        <translation>Коррекция угла</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jitter</source>
        <translation>Джиттер</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motion Wake</source>
        <translation>Пробуждение движением</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor Mode</source>
        <translation>Режим сенсора</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eco</source>
        <translation>Эко</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standard</source>
        <translation>Стандартный</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Competitive</source>
        <translation>Турнирный</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Mouse Setting</source>
        <translation>Настройки мыши</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This desktop&apos;s pointer speed cannot be set from here: use the desktop&apos;s own mouse settings.</source>
        <translation>Скорость указателя этой среды рабочего стола нельзя задать отсюда: используйте настройки мыши самой среды.</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>The pointer speed applies while mousecfg runs: the desktop&apos;s own settings are left as they are.</source>
        <translation>Скорость указателя действует, пока работает mousecfg: собственные настройки среды не меняются.</translation>
    </message>
</context>
<context>
    <name>TarnProcessDialog</name>
    <message>
        <location filename="../../src/ui/main/TarnProcessDialog.cpp" line="+24"/>
        <source>Sending data to the mouse</source>
        <translation>Отправка данных в мышь</translation>
    </message>
</context>
<context>
    <name>TarnReportRate</name>
    <message>
        <location filename="../../src/ui/pages/TarnReportRate.cpp" line="+21"/>
        <source>125 HZ</source>
        <translation>125 Гц</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>250 HZ</source>
        <translation>250 Гц</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>500 HZ</source>
        <translation>500 Гц</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>1000 HZ</source>
        <translation>1000 Гц</translation>
    </message>
    <message>
        <location line="+70"/>
        <location line="+33"/>
        <source>REPORT RATE</source>
        <translation>ЧАСТОТА ОПРОСА</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lift off Distance</source>
        <translation>Высота отрыва</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 mm</source>
        <translation>1 мм</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2 mm</source>
        <translation>2 мм</translation>
    </message>
</context>
<context>
    <name>TarnSingleDPI</name>
    <message>
        <location filename="../../src/ui/pages/TarnSingleDPI.cpp" line="+128"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Link XY</source>
        <translation>Связать X/Y</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enable %1</source>
        <translation>Включить %1</translation>
    </message>
</context>
<context>
    <name>TarnSingleKeyWindow</name>
    <message>
        <location filename="../../src/ui/buttons/TarnSingleKeyWindow.cpp" line="+10"/>
        <source>Single Key</source>
        <translation>Одна клавиша</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Press the key for this button.</source>
        <translation>Нажмите клавишу для этой кнопки.</translation>
    </message>
</context>
<context>
    <name>TarnSniperWindow</name>
    <message>
        <location filename="../../src/ui/buttons/TarnSniperWindow.cpp" line="+9"/>
        <source>Sniper Setting</source>
        <translation>Настройка режима снайпера</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Sniper resolution</source>
        <translation>Разрешение в режиме снайпера</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>%1 DPI</source>
        <translation>%1 DPI</translation>
    </message>
</context>
<context>
    <name>TarnTreeWidget</name>
    <message>
        <location filename="../../src/ui/macro/TarnTreeWidget.cpp" line="+54"/>
        <location line="+1"/>
        <source>MOUSE COMMAND</source>
        <translation>КОМАНДА МЫШИ</translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+9"/>
        <source>DISTANCE</source>
        <translation>СДВИГ</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <location filename="../../src/ui/main/TrayIcon.cpp" line="+40"/>
        <source>&amp;Load Config</source>
        <translation>&amp;Загрузить конфигурацию</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start at login</source>
        <translation>Запускать при входе в систему</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Quit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The login start entry %1 could not be changed.</source>
        <translation>Не удалось изменить запись автозапуска %1.</translation>
    </message>
</context>
<context>
    <name>UploadRecovery</name>
    <message>
        <location filename="../../src/ui/main/UploadRecovery.cpp" line="+38"/>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The last transfer to the mouse did not finish. Send the settings again?</source>
        <translation>Последняя передача в мышь не завершилась. Отправить настройки снова?</translation>
    </message>
</context>
</TS>
