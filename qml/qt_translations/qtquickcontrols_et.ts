<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et" sourcelanguage="en">
<context>
    <name>DefaultMessageDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Jah</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation>Jah kõigile</translation>
    </message>
    <message>
        <source>No to All</source>
        <translation>Ei kõigile</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvesta</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Salvesta kõik</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ava</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Katkesta</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Proovi uuesti</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Eira</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulge</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Hülga</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Abi</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Rakenda</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Lähtesta</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Taasta vaikeväärtused</translation>
    </message>
    <message>
        <source>Show Details...</source>
        <translation>Näita üksikasju...</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>Peida üksikasjad</translation>
    </message>
</context>
<context>
    <name>DefaultDialogWrapper</name>
    <message>
        <source>Show Details...</source>
        <translation>Näita üksikasju...</translation>
    </message>
</context>
<context>
    <name>EditMenu_base</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Võta tagasi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Tee uuesti</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Lõika</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopeeri</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Aseta</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Kustuta</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Vali kõik</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Puhasta</translation>
    </message>
</context>
<context>
    <name>DefaultFileDialog</name>
    <message>
        <source>Open</source>
        <translation>Ava</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvesta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Vali</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Failinimi</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Suurus</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tüüp</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Muudetud</translation>
    </message>
    <message>
        <source>Accessed</source>
        <translation>Viimati avatud</translation>
    </message>
    <message>
        <source>Add the current directory as a favorite</source>
        <translation>Lisa praegune kaust lemmikutesse</translation>
    </message>
    <message>
        <source>Remove favorite</source>
        <translation>Eemalda lemmikutest</translation>
    </message>
    <message>
        <source>Go up to the folder containing this one</source>
        <translation>Mine seda kausta sisaldavasse kausta</translation>
    </message>
</context>
<context>
    <name>DefaultColorDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Toon</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Küllastus</translation>
    </message>
    <message>
        <source>Luminosity</source>
        <translation>Heledus</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Alfa</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvesta</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Salvesta kõik</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ava</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Jah</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Jah &amp;kõigile</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ei</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Ei k&amp;õigile</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Katkesta</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Proovi uuesti</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Eira</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulge</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Hülga</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Abi</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Rakenda</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Lähtesta</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Taasta vaikeväärtused</translation>
    </message>
</context>
</TS>
