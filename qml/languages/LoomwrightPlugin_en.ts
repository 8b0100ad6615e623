<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>%n second remaining</numerusform>
            <numerusform>%n seconds remaining</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>%n minute remaining</numerusform>
            <numerusform>%n minutes remaining</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ItemProgress</name>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Estimated %n minute remaining</numerusform>
            <numerusform>Estimated %n minutes remaining</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Estimated %n second remaining</numerusform>
            <numerusform>Estimated %n seconds remaining</numerusform>
        </translation>
    </message>
</context>
</TS>
