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
    <name>IconSetGenerator</name>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>Unknown platform: %1</numerusform>
            <numerusform>%n unknown platforms: %1</numerusform>
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
<context>
    <name>ResultsView</name>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n size up to %1 × %2 px</numerusform>
            <numerusform>%n sizes up to %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>Every set was made: %n file.</numerusform>
            <numerusform>Every set was made: %n files.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>%n set could not be made. The files of the other sets are shown; see the log for the reasons.</numerusform>
            <numerusform>%n sets could not be made. The files of the other sets are shown; see the log for the reasons.</numerusform>
        </translation>
    </message>
</context>
</TS>
