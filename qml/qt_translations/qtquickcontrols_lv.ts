<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv" sourcelanguage="en">
<context>
    <name>DefaultMessageDialog</name>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Jā</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nē</translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation>Jā visam</translation>
    </message>
    <message>
        <source>No to All</source>
        <translation>Nē visam</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Saglabāt</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Saglabāt visu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Atvērt</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Pārtraukt</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Mēģināt vēlreiz</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorēt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Aizvērt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Atmest</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Palīdzība</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Lietot</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Atiestatīt</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Atjaunot noklusējumus</translation>
    </message>
    <message>
        <source>Show Details...</source>
        <translation>Rādīt detaļas...</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>Slēpt detaļas</translation>
    </message>
</context>
<context>
    <name>DefaultDialogWrapper</name>
    <message>
        <source>Show Details...</source>
        <translation>Rādīt detaļas...</translation>
    </message>
</context>
<context>
    <name>EditMenu_base</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Atsaukt</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Atkā&amp;rtot</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Izgriez&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopēt</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Ielīmēt</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Dzēst</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Atlasīt visu</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Notīrīt</translation>
    </message>
</context>
<context>
    <name>DefaultFileDialog</name>
    <message>
        <source>Open</source>
        <translation>Atvērt</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Saglabāt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Izvēlēties</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Datnes nosaukums</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Izmērs</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Mainīts</translation>
    </message>
    <message>
        <source>Accessed</source>
        <translation>Piekļūts</translation>
    </message>
    <message>
        <source>Add the current directory as a favorite</source>
        <translation>Pievienot pašreizējo mapi izlasei</translation>
    </message>
    <message>
        <source>Remove favorite</source>
        <translation>Izņemt no izlases</translation>
    </message>
    <message>
        <source>Go up to the folder containing this one</source>
        <translation>Doties uz mapi, kurā atrodas šī</translation>
    </message>
</context>
<context>
    <name>DefaultColorDialog</name>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Nokrāsa</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Piesātinājums</translation>
    </message>
    <message>
        <source>Luminosity</source>
        <translation>Spilgtums</translation>
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
        <translation>Labi</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Saglabāt</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Saglabāt visu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Atvērt</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Jā</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Jā vis&amp;am</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nē</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Nē &amp;visam</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Pārtraukt</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Mēģināt vēlreiz</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorēt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Aizvērt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Atmest</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Palīdzība</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Lietot</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Atiestatīt</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Atjaunot noklusējumus</translation>
    </message>
</context>
</TS>
