<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>נותרה שנייה אחת</numerusform>
            <numerusform>נותרו %n שניות</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>נותרה דקה אחת</numerusform>
            <numerusform>נותרו %n דקות</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>פרטי הפריט</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>שמירה</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>פרטי הפריט</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>גרסה %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>מאת %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>נוצר: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>שונה לאחרונה: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>פרטים נוספים על הפריט</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>בעלים &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>Download App</source>
        <translation>הורדת יישום</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>מתבצעת הורדה של %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>ההורדה הושלמה</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>ההורדה של %1 הושלמה</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>שגיאת הורדה</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>בחירת יישום - %1</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>בחירת תיקיית יישום - %1</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>התיקייה אינה מכילה פרויקט יישום תקין</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 כבר נמצא במערכת המקומית שלך.
האם להוריד אותו שוב?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 אינו נמצא במערכת המקומית שלך.
האם להוריד אותו עכשיו?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>היישום %1 אינו נמצא במערכת המקומית שלך.

האם להוריד אותו עכשיו?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>היישום %1 עודכן באופן מקומי. ההורדה תדרוס את השינויים המקומיים.

האם להוריד אותו שוב?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>היישום %1 כבר נמצא במערכת המקומית שלך.

האם להוריד אותו שוב?</translation>
    </message>
    <message>
        <source>Download App</source>
        <translation>הורדת יישום</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>מתבצעת הורדה של %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>ההורדה הושלמה</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>ההורדה של %1 הושלמה</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>שגיאת הורדה</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>אין לך הרשאות לגשת למשאב זה או לבצע פעולה זו.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>הפריט אינו קיים או שאינו נגיש.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>היישום לא שונה</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>לא זמין</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>לפני שבועות: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>לפני ימים: %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>לפני שעות: %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>לפני דקות: %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>הרגע</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>יש עדכון זמין</translation>
    </message>
    <message>
        <source>Not Signed In</source>
        <translation>לא מחובר</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>ניהול פורטלים</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>יציאה</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>כניסה</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>בחירת יישום - %1</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>בחירת תיקיית יישום - %1</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>התיקייה אינה מכילה פרויקט יישום תקין</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>יישומים</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
</context>
<context>
    <name>AppsGridView</name>
    <message>
        <source>No results found</source>
        <translation>לא נמצאו תוצאות</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>לא ניתן להפעיל את %1</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>עדכון</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>יש עדכון זמין</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>העלאה</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>העלאת יישום עבור משתמשים אחרים של Varnex Online או Varnex Portal</translation>
    </message>
</context>
<context>
    <name>InlineStyledTextEdit</name>
    <message>
        <source>App</source>
        <translation>יישום</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>שמירת השינויים</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>עריכת הכותרת</translation>
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
        <translation>כמעט הושלם</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>נותרה בערך דקה אחת</numerusform>
            <numerusform>נותרו בערך %n דקות</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>נותרה בערך שנייה אחת</numerusform>
            <numerusform>נותרו בערך %n שניות</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>לחצן</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Yes</source>
        <translation>כן</translation>
    </message>
    <message>
        <source>No</source>
        <translation>לא</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>יציאה</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>כניסה</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>יציאה של %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>כניסה</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>כניסה</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>גזירה</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>העתקה</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>הדבקה</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>עזרה</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>גרסה %1</translation>
    </message>
    <message>
        <source>Portal: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>פורטל: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>UserButton</name>
    <message>
        <source>Sign In</source>
        <translation>כניסה</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>מחובר</translation>
    </message>
</context>
</TS>
