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
        <source>%1 - Select App</source>
        <translation>%1 - Избор на приложение</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Избор на папка на приложение</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Папката не съдържа валиден проект на приложение</translation>
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
        <source>Update available</source>
        <translation>Налична е актуализация</translation>
    </message>
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
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Избор на приложение</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Избор на папка на приложение</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Папката не съдържа валиден проект на приложение</translation>
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
