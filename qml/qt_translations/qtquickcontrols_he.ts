<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he" sourcelanguage="en">
<context>
    <name>DefaultMessageDialog</name>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>כן</translation>
    </message>
    <message>
        <source>No</source>
        <translation>לא</translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation>כן להכול</translation>
    </message>
    <message>
        <source>No to All</source>
        <translation>לא להכול</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>שמירה</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>שמירת הכול</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>פתיחה</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>הפסקה</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>ניסיון חוזר</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>התעלמות</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>השלכה</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>עזרה</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>החלה</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>איפוס</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>שחזור ברירות המחדל</translation>
    </message>
    <message>
        <source>Show Details...</source>
        <translation>הצגת פרטים...</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>הסתרת פרטים</translation>
    </message>
</context>
<context>
    <name>DefaultDialogWrapper</name>
    <message>
        <source>Show Details...</source>
        <translation>הצגת פרטים...</translation>
    </message>
</context>
<context>
    <name>EditMenu_base</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;ביטול פעולה</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;חזרה על פעולה</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;גזירה</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>הע&amp;תקה</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ה&amp;דבקה</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>מחיקה</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>בחירת הכול</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>ניקוי</translation>
    </message>
</context>
<context>
    <name>DefaultFileDialog</name>
    <message>
        <source>Open</source>
        <translation>פתיחה</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>שמירה</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>בחירה</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>שם קובץ</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>גודל</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>סוג</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>שונה</translation>
    </message>
    <message>
        <source>Accessed</source>
        <translation>גישה אחרונה</translation>
    </message>
    <message>
        <source>Add the current directory as a favorite</source>
        <translation>הוספת התיקייה הנוכחית למועדפים</translation>
    </message>
    <message>
        <source>Remove favorite</source>
        <translation>הסרה מהמועדפים</translation>
    </message>
    <message>
        <source>Go up to the folder containing this one</source>
        <translation>מעבר לתיקייה המכילה את זו</translation>
    </message>
</context>
<context>
    <name>DefaultColorDialog</name>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>גוון</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>רוויה</translation>
    </message>
    <message>
        <source>Luminosity</source>
        <translation>בהירות</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>אלפא</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>שמירה</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>שמירת הכול</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>פתיחה</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;כן</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>כן ל&amp;הכול</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;לא</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>ל&amp;א להכול</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>הפסקה</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>ניסיון חוזר</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>התעלמות</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>השלכה</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>עזרה</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>החלה</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>איפוס</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>שחזור ברירות המחדל</translation>
    </message>
</context>
</TS>
