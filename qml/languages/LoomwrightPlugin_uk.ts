<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>Залишилася %n секунда</numerusform>
            <numerusform>Залишилося %n секунди</numerusform>
            <numerusform>Залишилося %n секунд</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>Залишилася %n хвилина</numerusform>
            <numerusform>Залишилося %n хвилини</numerusform>
            <numerusform>Залишилося %n хвилин</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Вибір папки застосунку</translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Відомості про елемент</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Відомості про елемент</translation>
    </message>
</context>
<context>
    <name>AppSession</name>
    <message>
        <source>Download App</source>
        <translation>Завантажити застосунок</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Завантаження: %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Завантаження завершено</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Завантаження застосунку %1 завершено</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Помилка завантаження</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Папка не містить дійсного проєкту застосунку</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>Версія %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>Автор: %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Створено: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Востаннє змінено: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Докладніше про елемент</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Власник &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Вибір застосунку</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> Застосунок %1 уже є у вашій локальній системі.
Завантажити його знову?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> Застосунку %1 немає у вашій локальній системі.
Завантажити його зараз?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>Застосунку %1 немає у вашій локальній системі.

Завантажити його зараз?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>Застосунок %1 було оновлено локально. Завантаження перезапише локальні зміни.

Завантажити його знову?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>Застосунок %1 уже є у вашій локальній системі.

Завантажити його знову?</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>У вас немає дозволу на доступ до цього ресурсу або виконання цієї операції.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>Елемент не існує або недоступний.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>Застосунок не змінювався</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Недоступно</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Тижнів тому: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Днів тому: %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Годин тому: %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Хвилин тому: %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Щойно</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Вибір застосунку</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>Доступне оновлення</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
    <message>
        <source>Not Signed In</source>
        <translation>Вхід не виконано</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Керування порталами</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Увійти</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>Застосунки</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
</context>
<context>
    <name>AppsGridView</name>
    <message>
        <source>No results found</source>
        <translation>Нічого не знайдено</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>Не вдається запустити %1</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Оновити</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Доступне оновлення</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Вивантажити</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Вивантажити застосунок для інших користувачів Varnex Online або Varnex Portal</translation>
    </message>
</context>
<context>
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>Спочатку виберіть зображення.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>За шляхом %1 немає зображення.</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 — це папка; виберіть файл зображення.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>Не вдається прочитати %1 як зображення: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>Виберіть принаймні одну платформу.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>«%1» — не колір; використайте назву, наприклад white, або код, наприклад #1d3b8f.</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>Виберіть вихідну папку.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1 — це файл; виберіть папку для наборів.</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>Не вдається записати до %1: %2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>Зображення має розмір %1 × %2 пікс. і не квадратне: значки доповнюють його до квадрата.</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>Зображення має розмір %1 × %2 пікс.: значки розміром до %3 × %3 буде збільшено, і вони виглядатимуть розмитими.</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>%n невідома платформа: %1</numerusform>
            <numerusform>%n невідомі платформи: %1</numerusform>
            <numerusform>%n невідомих платформ: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Не вдається створити папку %1.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>значок застосунку</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>зображення екрана запуску</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>адаптивний фон</translation>
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
        <translation>Застосунок</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Зберегти зміни</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Змінити назву</translation>
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
        <translation>Майже готово</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Залишилася приблизно %n хвилина</numerusform>
            <numerusform>Залишилося приблизно %n хвилини</numerusform>
            <numerusform>Залишилося приблизно %n хвилин</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Залишилася приблизно %n секунда</numerusform>
            <numerusform>Залишилося приблизно %n секунди</numerusform>
            <numerusform>Залишилося приблизно %n секунд</numerusform>
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
        <translation>Так</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
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
        <translation>%1 КіБ</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 МіБ</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Результати</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation>Зображення для вибраних платформ з’являться тут після натискання кнопки «Створити».</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n файл</numerusform>
            <numerusform>%n файли</numerusform>
            <numerusform>%n файлів</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation>Усі набори створено: %1 у %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>Створено не всі набори; записано: %1 у %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 пікс.</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n розмір, до %1 × %2 пікс.</numerusform>
            <numerusform>%n розміри, до %1 × %2 пікс.</numerusform>
            <numerusform>%n розмірів, до %1 × %2 пікс.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>Зразок зображення</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>Не вдається записати зразок зображення.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>Нічого не створено</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>Нічого створювати.</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>Створення наборів значків</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>Усі набори створено: %n файл.</numerusform>
            <numerusform>Усі набори створено: %n файли.</numerusform>
            <numerusform>Усі набори створено: %n файлів.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>Помилка створення</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>Не вдалося створити %n набір. Показано файли інших наборів; причини див. у журналі.</numerusform>
            <numerusform>Не вдалося створити %n набори. Показано файли інших наборів; причини див. у журналі.</numerusform>
            <numerusform>Не вдалося створити %n наборів. Показано файли інших наборів; причини див. у журналі.</numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>Набори значків</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Темна тема</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>Застосунки (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Застосунки</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation>На %1 не знайдено застосунків.</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>Увійдіть за допомогою кнопки користувача, щоб побачити свої застосунки на %1.</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Вибір зображення</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>Зображення (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Усі файли (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Вибір вихідної папки</translation>
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
        <translation>Зображення інсталятора</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Зображення</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>Зображення ще не вибрано: виберіть його або перетягніть у вікно.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Вибрати…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>Платформи</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Вихідна папка</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Вибрати вихідну папку</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Створити</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>Використати зразок зображення з проєкту</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>Фон значка</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>Фон екрана запуску</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>За замовчуванням</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>Зразок зображення</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Увійти</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>Вийти з облікового запису %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Увійти</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Увійти</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Вирізати</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставити</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>Версія %1</translation>
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
        <translation>Увійти</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Вхід виконано</translation>
    </message>
</context>
</TS>
