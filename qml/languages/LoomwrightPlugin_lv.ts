<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>Atlikusi %n sekunde</numerusform>
            <numerusform>Atlikušas %n sekundes</numerusform>
            <numerusform>Atlicis %n sekunžu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>Atlikusi %n minūte</numerusform>
            <numerusform>Atlikušas %n minūtes</numerusform>
            <numerusform>Atlicis %n minūšu</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Vienuma informācija</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Saglabāt</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Vienuma informācija</translation>
    </message>
</context>
<context>
    <name>InlineStyledTextEdit</name>
    <message>
        <source>App</source>
        <translation>Lietotne</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Saglabāt izmaiņas</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Rediģēt nosaukumu</translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Poga</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Jā</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nē</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>Izrakstīties</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Pierakstīties</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>Izrakstīt %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Pierakstīties</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Pierakstīties</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Izgriezt</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopēt</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Ielīmēt</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Palīdzība</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Aizvērt</translation>
    </message>
</context>
</TS>
