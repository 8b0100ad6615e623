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
        <source>Download App</source>
        <translation>Загрузить приложение</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Скачивание: %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Загрузка завершена</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Загрузка приложения %1 завершена</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Ошибка загрузки</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Выбор приложения</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Выбор папки приложения</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Папка не содержит допустимого проекта приложения</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> Приложение %1 уже есть в вашей локальной системе.
Загрузить его снова?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> Приложения %1 нет в вашей локальной системе.
Загрузить его сейчас?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>Приложения %1 нет в вашей локальной системе.

Загрузить его сейчас?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>Приложение %1 было изменено локально. Загрузка перезапишет локальные изменения.

Загрузить его снова?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>Приложение %1 уже есть в вашей локальной системе.

Загрузить его снова?</translation>
    </message>
    <message>
        <source>Download App</source>
        <translation>Загрузить приложение</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Скачивание: %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Загрузка завершена</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Загрузка приложения %1 завершена</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Ошибка загрузки</translation>
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
        <source>Update available</source>
        <translation>Доступно обновление</translation>
    </message>
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
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Выбор приложения</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Выбор папки приложения</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Папка не содержит допустимого проекта приложения</translation>
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
        <translation>Не удается запустить %1</translation>
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
        <translation>Выгрузить приложение для других пользователей Varnex Online или Varnex Portal</translation>
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
