<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>Преостала је %n секунда</numerusform>
            <numerusform>Преостале су %n секунде</numerusform>
            <numerusform>Преостало је %n секунди</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>Преостао је %n минут</numerusform>
            <numerusform>Преостала су %n минута</numerusform>
            <numerusform>Преостало је %n минута</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Детаљи ставке</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Откажи</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сачувај</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Детаљи ставке</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>Верзија %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>Аутор: %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Направљено: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Последња измена: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Више детаља о ставци</translation>
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
        <translation>Преузми апликацију</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Преузимање: %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Преузимање је завршено</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Преузимање апликације %1 је завршено</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Грешка при преузимању</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Изаберите апликацију</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Изаберите фасциклу апликације</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Фасцикла не садржи важећи пројекат апликације</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> Апликација %1 је већ на вашем локалном систему.
Да ли желите поново да је преузмете?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> Апликација %1 није на вашем локалном систему.
Да ли желите да је сада преузмете?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>Апликација %1 није на вашем локалном систему.

Да ли желите да је сада преузмете?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>Апликација %1 је локално ажурирана. Преузимање ће преписати локалне измене.

Да ли желите поново да је преузмете?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>Апликација %1 је већ на вашем локалном систему.

Да ли желите поново да је преузмете?</translation>
    </message>
    <message>
        <source>Download App</source>
        <translation>Преузми апликацију</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Преузимање: %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Преузимање је завршено</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Преузимање апликације %1 је завршено</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Грешка при преузимању</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>Немате дозволу за приступ овом ресурсу нити за извршавање ове операције.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>Ставка не постоји или није доступна.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>Апликација није мењана</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Није доступно</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Пре (недеља): %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Пре (дана): %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Пре (сати): %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Пре (минута): %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Управо сада</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Доступно ажурирање</translation>
    </message>
    <message>
        <source>Not Signed In</source>
        <translation>Нисте пријављени</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Управљање порталима</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Одјава</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Пријава</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Изаберите апликацију</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Изаберите фасциклу апликације</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Фасцикла не садржи важећи пројекат апликације</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>Апликације</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Откажи</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>У реду</translation>
    </message>
</context>
<context>
    <name>AppsGridView</name>
    <message>
        <source>No results found</source>
        <translation>Нема резултата</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>Није могуће покренути %1</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Ажурирај</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Доступно ажурирање</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Отпреми</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Отпремите апликацију другим корисницима услуга Varnex Online или Varnex Portal</translation>
    </message>
</context>
<context>
    <name>InlineStyledTextEdit</name>
    <message>
        <source>App</source>
        <translation>Апликација</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Сачувај измене</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Уреди наслов</translation>
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
        <translation>Скоро готово</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Процена: преостао је %n минут</numerusform>
            <numerusform>Процена: преостала су %n минута</numerusform>
            <numerusform>Процена: преостало је %n минута</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Процена: преостала је %n секунда</numerusform>
            <numerusform>Процена: преостале су %n секунде</numerusform>
            <numerusform>Процена: преостало је %n секунди</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Дугме</translation>
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
        <translation>У реду</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>Одјава</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Пријава</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>Одјава корисника %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Пријава</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Пријава</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Исеци</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копирај</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Налепи</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Помоћ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Затвори</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>Верзија %1</translation>
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
        <translation>Пријава</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Пријављени сте</translation>
    </message>
</context>
</TS>
