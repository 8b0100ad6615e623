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
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Изаберите фасциклу апликације</translation>
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
    <name>AppSession</name>
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
        <source>Folder does not contain a valid app project</source>
        <translation>Фасцикла не садржи важећи пројекат апликације</translation>
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
        <source>%1 - Select App</source>
        <translation>%1 - Изаберите апликацију</translation>
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
        <source>%1 - Select App</source>
        <translation>%1 - Изаберите апликацију</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>Доступно ажурирање</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
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
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>Прво изаберите слику.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>На локацији %1 нема слике.</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 је фасцикла; изаберите датотеку слике.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>%1 није могуће прочитати као слику: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>Изаберите бар једну платформу.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>„%1” није боја; користите назив као што је white или код као што је #1d3b8f.</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>Изаберите излазну фасциклу.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1 је датотека; изаберите фасциклу за скупове.</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>У %1 није могуће ништа уписати: %2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>Слика је величине %1 × %2 px и није квадратна: иконе је допуњују до квадрата.</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>Слика је величине %1 × %2 px: иконе до %3 × %3 се увећавају и изгледају мутно.</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>%n непозната платформа: %1</numerusform>
            <numerusform>%n непознате платформе: %1</numerusform>
            <numerusform>%n непознатих платформи: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Фасциклу %1 није могуће направити.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>икона апликације</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>слике почетног екрана</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>прилагодљива позадина</translation>
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
    <name>ResultsView</name>
    <message>
        <source>%1 B</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 KiB</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Резултати</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation>Слике изабраних платформи појавиће се овде после „Генериши”.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n датотека</numerusform>
            <numerusform>%n датотеке</numerusform>
            <numerusform>%n датотека</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation>Сви скупови су направљени: %1 у %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>Нису направљени сви скупови; уписано: %1 у %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n величина, до %1 × %2 px</numerusform>
            <numerusform>%n величине, до %1 × %2 px</numerusform>
            <numerusform>%n величина, до %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>Пример слике</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>Пример слике није могуће уписати.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>Ништа није генерисано</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>Нема шта да се направи.</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>Генерисање скупова икона</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>Сви скупови су направљени: %n датотека.</numerusform>
            <numerusform>Сви скупови су направљени: %n датотеке.</numerusform>
            <numerusform>Сви скупови су направљени: %n датотека.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>Генерисање није успело</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>%n скуп није могуће направити. Приказане су датотеке осталих скупова; разлоге потражите у евиденцији.</numerusform>
            <numerusform>%n скупа није могуће направити. Приказане су датотеке осталих скупова; разлоге потражите у евиденцији.</numerusform>
            <numerusform>%n скупова није могуће направити. Приказане су датотеке осталих скупова; разлоге потражите у евиденцији.</numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>Скупови икона</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тамно</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>Апликације (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Апликације</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation>На %1 нису пронађене апликације.</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>Пријавите се корисничким дугметом да бисте видели своје апликације на %1.</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Изаберите слику</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>Слике (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Све датотеке (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Изаберите излазну фасциклу</translation>
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
        <translation>Слике за инсталациони програм</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Слика</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>Још нема слике: изаберите је или је превуците на прозор.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Изабери…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>Платформе</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Опције</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Излазна фасцикла</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Изабери излазну фасциклу</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Генериши</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>Користи пример слике из пројекта</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>Позадина иконе</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>Позадина почетног екрана</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Подразумевано</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>Пример слике</translation>
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
