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
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>בחירת תיקיית יישום - %1</translation>
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
    <name>AppSession</name>
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
        <source>Folder does not contain a valid app project</source>
        <translation>התיקייה אינה מכילה פרויקט יישום תקין</translation>
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
        <source>%1 - Select App</source>
        <translation>בחירת יישום - %1</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> היישום %1 כבר נמצא במערכת המקומית שלך.
האם להוריד אותו שוב?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> היישום %1 אינו נמצא במערכת המקומית שלך.
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
        <source>%1 - Select App</source>
        <translation>בחירת יישום - %1</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>יש עדכון זמין</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
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
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>יש לבחור תמונה תחילה.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>אין תמונה בנתיב %1.</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 היא תיקייה; יש לבחור קובץ תמונה.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>לא ניתן לקרוא את %1 כתמונה: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>יש לבחור פלטפורמה אחת לפחות.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>&quot;%1&quot; אינו צבע; יש להשתמש בשם כמו white או בקוד כמו #1d3b8f.</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>יש לבחור תיקיית פלט.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1 הוא קובץ; יש לבחור תיקייה עבור הערכות.</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>לא ניתן לכתוב לתוך %1: %2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>גודל התמונה הוא %1 × %2 פיקסלים והיא אינה ריבועית: הסמלים משלימים אותה לריבוע.</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>גודל התמונה הוא %1 × %2 פיקסלים: סמלים בגודל של עד %3 × %3 מוגדלים וייראו מטושטשים.</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>פלטפורמה לא מוכרת: %1</numerusform>
            <numerusform>%n פלטפורמות לא מוכרות: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>לא ניתן ליצור את התיקייה %1.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>סמל האפליקציה</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>תמונות מסך הפתיחה</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>רקע אדפטיבי</translation>
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
        <translation>תוצאות</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation>התמונות של הפלטפורמות שנבחרו יופיעו כאן לאחר לחיצה על &quot;יצירה&quot;.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>קובץ אחד</numerusform>
            <numerusform>%n קבצים</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation>כל הערכות נוצרו: %1 בתיקייה %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>לא כל הערכות נוצרו; מה שנכתב: %1 בתיקייה %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 פיקסלים</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>גודל אחד, עד %1 × %2 פיקסלים</numerusform>
            <numerusform>%n גדלים, עד %1 × %2 פיקסלים</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>תמונה לדוגמה</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>לא ניתן לכתוב את התמונה לדוגמה.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>לא נוצר דבר</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>אין מה ליצור.</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>יצירת ערכות סמלים</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>כל הערכות נוצרו: קובץ אחד.</numerusform>
            <numerusform>כל הערכות נוצרו: %n קבצים.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>היצירה נכשלה</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>לא ניתן היה ליצור ערכה אחת. מוצגים הקבצים של שאר הערכות; הסיבות מפורטות ביומן.</numerusform>
            <numerusform>לא ניתן היה ליצור %n ערכות. מוצגים הקבצים של שאר הערכות; הסיבות מפורטות ביומן.</numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>ערכות סמלים</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>כהה</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>יישומים (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>יישומים</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation>לא נמצאו יישומים ב-%1.</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>יש להיכנס באמצעות לחצן המשתמש כדי לראות את היישומים שלך ב-%1.</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>בחירת תמונה</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>תמונות (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>כל הקבצים (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>בחירת תיקיית הפלט</translation>
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
        <translation>תמונות לתוכנית ההתקנה</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>תמונה</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>עדיין אין תמונה: יש לבחור תמונה או לגרור אותה אל החלון.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>בחירה…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>פלטפורמות</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>אפשרויות</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>תיקיית פלט</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>בחירת תיקיית הפלט</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>יצירה</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>שימוש בתמונה לדוגמה של הפרויקט</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>רקע הסמל</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>רקע מסך הפתיחה</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>ברירת מחדל</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>תמונה לדוגמה</translation>
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
        <translation>יציאה מהחשבון של %1</translation>
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
