<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>Остава %n секунда</numerusform>
            <numerusform>Остават %n секунди</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>Остава %n минута</numerusform>
            <numerusform>Остават %n минути</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Избор на папка на приложение</translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Подробности за елемента</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Запазване</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Подробности за елемента</translation>
    </message>
</context>
<context>
    <name>AppSession</name>
    <message>
        <source>Download App</source>
        <translation>Изтегляне на приложение</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Изтегляне на %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Изтеглянето завърши</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Изтеглянето на %1 завърши</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Грешка при изтегляне</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Папката не съдържа валиден проект на приложение</translation>
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
        <translation>От %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Създаден: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Последна промяна: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Още подробности за елемента</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Собственик &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Избор на приложение</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 вече е във вашата локална система.
Искате ли да го изтеглите отново?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 не е във вашата локална система.
Искате ли да го изтеглите сега?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 не е във вашата локална система.

Искате ли да го изтеглите сега?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 е актуализирано локално. Изтеглянето ще презапише локалните промени.

Искате ли да го изтеглите отново?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 вече е във вашата локална система.

Искате ли да го изтеглите отново?</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>Нямате разрешение за достъп до този ресурс или за извършване на тази операция.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>Елементът не съществува или е недостъпен.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>Приложението не е променяно</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Не е налично</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Преди седмици: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Преди дни: %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Преди часове: %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Преди минути: %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Току-що</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Избор на приложение</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>Налична е актуализация</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
    <message>
        <source>Not Signed In</source>
        <translation>Не сте влезли</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Управление на порталите</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Изход</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Вход</translation>
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
        <translation>Отказ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AppsGridView</name>
    <message>
        <source>No results found</source>
        <translation>Няма намерени резултати</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>%1 не може да се стартира</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Обновяване</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Налична е актуализация</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Качване</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Качване на приложение за други потребители на Varnex Online или Varnex Portal</translation>
    </message>
</context>
<context>
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>Първо изберете изображение.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>Няма изображение в %1.</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 е папка; изберете файл с изображение.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>%1 не може да се прочете като изображение: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>Изберете поне една платформа.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>„%1“ не е цвят; използвайте име като white или код като #1d3b8f.</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>Изберете изходна папка.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1 е файл; изберете папка за наборите.</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>Нищо не може да се запише в %1: %2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>Изображението е %1 × %2 пиксела и не е квадратно: иконите го допълват до квадрат.</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>Изображението е %1 × %2 пиксела: иконите до %3 × %3 се увеличават и изглеждат размазани.</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>Неизвестна платформа: %1</numerusform>
            <numerusform>%n неизвестни платформи: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Папката %1 не може да бъде създадена.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>икона на приложението</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>изображения за стартовия екран</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>адаптивен фон</translation>
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
        <translation>Запазване на промените</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Редактиране на заглавието</translation>
    </message>
</context>
<context>
    <name>ItemProgress</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Almost done</source>
        <translation>Почти готово</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Остава около %n минута</numerusform>
            <numerusform>Остават около %n минути</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Остава около %n секунда</numerusform>
            <numerusform>Остават около %n секунди</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Бутон</translation>
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
        <translation>Не</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Резултати</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation>Изображенията за избраните платформи се показват тук след „Генериране“.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n файл</numerusform>
            <numerusform>%n файла</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation>Всички набори са създадени: %1 в %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>Не всички набори са създадени; записано: %1 в %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n размер, до %1 × %2 px</numerusform>
            <numerusform>%n размера, до %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>Примерно изображение</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>Примерното изображение не може да бъде записано.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>Нищо не е генерирано</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>Няма какво да се създаде.</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>Генериране на набори от икони</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>Всички набори са създадени: %n файл.</numerusform>
            <numerusform>Всички набори са създадени: %n файла.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>Неуспешно генериране</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>%n набор не можа да бъде създаден. Показани са файловете на останалите набори; причините ще намерите в журнала.</numerusform>
            <numerusform>%n набора не можаха да бъдат създадени. Показани са файловете на останалите набори; причините ще намерите в журнала.</numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>Набори от икони</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тъмна тема</translation>
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
        <translation>Няма намерени приложения в %1.</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>Влезте чрез потребителския бутон, за да видите приложенията си в %1.</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Избор на изображение</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>Изображения (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Всички файлове (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Избор на изходна папка</translation>
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
        <translation>Windows Store</translation>
    </message>
    <message>
        <source>Installer pictures</source>
        <translation>Изображения за инсталатора</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Изображение</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>Все още няма изображение: изберете или го пуснете върху прозореца.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Избор…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>Платформи</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Опции</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Изходна папка</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Избор на изходна папка</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Генериране</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>Използване на примерното изображение на проекта</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>Фон на иконата</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>Фон на стартовия екран</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По подразбиране</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>Примерно изображение</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>Изход</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>Изход на %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Вход</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Вход</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Изрязване</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копиране</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Поставяне</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Помощ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Затваряне</translation>
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
        <translation>Вход</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Влезли сте</translation>
    </message>
</context>
</TS>
