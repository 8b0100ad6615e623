<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>Осталась %n секунда</numerusform>
            <numerusform>Осталось %n секунды</numerusform>
            <numerusform>Осталось %n секунд</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>Осталась %n минута</numerusform>
            <numerusform>Осталось %n минуты</numerusform>
            <numerusform>Осталось %n минут</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Выбор папки приложения</translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Сведения об элементе</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Сведения об элементе</translation>
    </message>
</context>
<context>
    <name>AppSession</name>
    <message>
        <source>Download App</source>
        <translation>Скачать приложение</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Скачивание: %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Скачивание завершено</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Скачивание приложения %1 завершено</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Ошибка скачивания</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Папка не содержит допустимого проекта приложения</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>Автор: %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Создано: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Последнее изменение: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Подробнее об элементе</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Владелец &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Выбор приложения</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> Приложение %1 уже есть в вашей локальной системе.
Скачать его снова?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> Приложения %1 нет в вашей локальной системе.
Скачать его сейчас?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>Приложения %1 нет в вашей локальной системе.

Скачать его сейчас?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>Приложение %1 было изменено локально. Скачивание перезапишет локальные изменения.

Скачать его снова?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>Приложение %1 уже есть в вашей локальной системе.

Скачать его снова?</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>У вас нет разрешения на доступ к этому ресурсу или выполнение этой операции.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>Элемент не существует или недоступен.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>Приложение не изменялось</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Недоступно</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Недель назад: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Дней назад: %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Часов назад: %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Минут назад: %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Только что</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Выбор приложения</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>Доступно обновление</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
    <message>
        <source>Not Signed In</source>
        <translation>Вход не выполнен</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Управление порталами</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Войти</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>Приложения</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>AppsGridView</name>
    <message>
        <source>No results found</source>
        <translation>Ничего не найдено</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>Не удаётся запустить %1</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Доступно обновление</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Загрузить приложение для других пользователей Varnex Online или Varnex Portal</translation>
    </message>
</context>
<context>
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>Сначала выберите изображение.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>По пути %1 нет изображения.</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 — это папка; выберите файл изображения.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>Не удаётся прочитать %1 как изображение: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>Выберите хотя бы одну платформу.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>«%1» — не цвет; укажите название, например white, или код, например #1d3b8f.</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>Выберите выходную папку.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1 — это файл; выберите папку для наборов.</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>Не удаётся записать в %1: %2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>Изображение размером %1 × %2 пикс. не квадратное: значки дополняют его до квадрата.</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>Размер изображения — %1 × %2 пикс.: значки размером до %3 × %3 будут увеличены и получатся размытыми.</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>%n неизвестная платформа: %1</numerusform>
            <numerusform>%n неизвестные платформы: %1</numerusform>
            <numerusform>%n неизвестных платформ: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Не удаётся создать папку %1.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>значок приложения</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>изображения экрана запуска</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>адаптивный фон</translation>
    </message>
    <message>
        <source>it is not a regular file; pictures are read only from files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is %1 × %2 pixels, more than the %3 × %3 that a picture may have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its pixels are cut short or damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the iOS icons are made opaque on white, as the App Store refuses icons with transparency; --icon-background chooses the colour</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InlineStyledTextEdit</name>
    <message>
        <source>App</source>
        <translation>Приложение</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Сохранить изменения</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Изменить название</translation>
    </message>
</context>
<context>
    <name>ItemProgress</name>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Almost done</source>
        <translation>Почти готово</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Осталась примерно %n минута</numerusform>
            <numerusform>Осталось примерно %n минуты</numerusform>
            <numerusform>Осталось примерно %n минут</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Осталась примерно %n секунда</numerusform>
            <numerusform>Осталось примерно %n секунды</numerusform>
            <numerusform>Осталось примерно %n секунд</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Кнопка</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>ResultsView</name>
    <message>
        <source>%1 B</source>
        <translation>%1 Б</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 КиБ</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 МиБ</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation>Изображения для выбранных платформ появятся здесь после нажатия кнопки «Создать».</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n файл</numerusform>
            <numerusform>%n файла</numerusform>
            <numerusform>%n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation>Все наборы созданы: %1 в %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>Созданы не все наборы; записано: %1 в %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 пикс.</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n размер, до %1 × %2 пикс.</numerusform>
            <numerusform>%n размера, до %1 × %2 пикс.</numerusform>
            <numerusform>%n размеров, до %1 × %2 пикс.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>Пример изображения</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>Не удаётся записать пример изображения.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>Ничего не создано</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>Нечего создавать.</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>Создание наборов значков</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>Все наборы созданы: %n файл.</numerusform>
            <numerusform>Все наборы созданы: %n файла.</numerusform>
            <numerusform>Все наборы созданы: %n файлов.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>Ошибка создания</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>Не удалось создать %n набор. Показаны файлы остальных наборов; причины см. в журнале.</numerusform>
            <numerusform>Не удалось создать %n набора. Показаны файлы остальных наборов; причины см. в журнале.</numerusform>
            <numerusform>Не удалось создать %n наборов. Показаны файлы остальных наборов; причины см. в журнале.</numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>Наборы значков</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тёмная тема</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>Приложения (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Приложения</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation>На %1 не найдено приложений.</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>Войдите с помощью кнопки пользователя, чтобы увидеть свои приложения на %1.</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Выбор изображения</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>Изображения (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Выбор выходной папки</translation>
    </message>
</context>
<context>
    <name>SetupPanel</name>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>macOS</source>
        <translation>macOS</translation>
    </message>
    <message>
        <source>Android</source>
        <translation>Android</translation>
    </message>
    <message>
        <source>iOS</source>
        <translation>iOS</translation>
    </message>
    <message>
        <source>Windows Store</source>
        <translation>Магазин Windows</translation>
    </message>
    <message>
        <source>Installer pictures</source>
        <translation>Изображения установщика</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Изображение</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>Изображение не выбрано: выберите его или перетащите в окно.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Выбрать…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>Платформы</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Выходная папка</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Выбрать выходную папку</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>Использовать пример изображения из проекта</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>Фон значка</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>Фон экрана запуска</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>Пример изображения</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Войти</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>Выйти из учётной записи %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Войти</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Войти</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Portal: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Портал: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>UserButton</name>
    <message>
        <source>Sign In</source>
        <translation>Войти</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Вход выполнен</translation>
    </message>
</context>
</TS>
