<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr" sourcelanguage="en">
<context>
    <name>DefaultMessageDialog</name>
    <message>
        <source>OK</source>
        <translation>У реду</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Не</translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation>Да за све</translation>
    </message>
    <message>
        <source>No to All</source>
        <translation>Не за све</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сачувај</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Сачувај све</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Отвори</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Прекини</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Покушај поново</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Занемари</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Затвори</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Откажи</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Одбаци</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помоћ</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Примени</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ресетуј</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Врати подразумеване вредности</translation>
    </message>
    <message>
        <source>Show Details...</source>
        <translation>Прикажи детаље...</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>Сакриј детаље</translation>
    </message>
</context>
<context>
    <name>DefaultDialogWrapper</name>
    <message>
        <source>Show Details...</source>
        <translation>Прикажи детаље...</translation>
    </message>
</context>
<context>
    <name>EditMenu_base</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Опозови</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Понови</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Исеци</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копирај</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Налепи</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Обриши</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Изабери све</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очисти</translation>
    </message>
</context>
<context>
    <name>DefaultFileDialog</name>
    <message>
        <source>Open</source>
        <translation>Отвори</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сачувај</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Откажи</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Изабери</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Назив датотеке</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Величина</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Врста</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Измењено</translation>
    </message>
    <message>
        <source>Accessed</source>
        <translation>Последњи приступ</translation>
    </message>
    <message>
        <source>Add the current directory as a favorite</source>
        <translation>Додај тренутну фасциклу у омиљене</translation>
    </message>
    <message>
        <source>Remove favorite</source>
        <translation>Уклони из омиљених</translation>
    </message>
    <message>
        <source>Go up to the folder containing this one</source>
        <translation>Иди у фасциклу која садржи ову</translation>
    </message>
</context>
<context>
    <name>DefaultColorDialog</name>
    <message>
        <source>OK</source>
        <translation>У реду</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Откажи</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Нијанса</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Засићеност</translation>
    </message>
    <message>
        <source>Luminosity</source>
        <translation>Осветљеност</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Алфа</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>У реду</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сачувај</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Сачувај све</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Отвори</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Да за &amp;све</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Не</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Н&amp;е за све</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Прекини</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Покушај поново</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Занемари</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Затвори</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Откажи</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Одбаци</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помоћ</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Примени</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ресетуј</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Врати подразумеване вредности</translation>
    </message>
</context>
</TS>
