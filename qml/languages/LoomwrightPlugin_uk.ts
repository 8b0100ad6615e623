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
        <source>%1 - Select App</source>
        <translation>%1 - Вибір застосунку</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Вибір папки застосунку</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Папка не містить дійсного проєкту застосунку</translation>
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
        <source>Update available</source>
        <translation>Доступне оновлення</translation>
    </message>
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
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Вибір застосунку</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Вибір папки застосунку</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Папка не містить дійсного проєкту застосунку</translation>
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
