<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1٪</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>%n ثانية متبقية</numerusform>
            <numerusform>ثانية واحدة متبقية</numerusform>
            <numerusform>ثانيتان متبقيتان</numerusform>
            <numerusform>%n ثوانٍ متبقية</numerusform>
            <numerusform>%n ثانية متبقية</numerusform>
            <numerusform>%n ثانية متبقية</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>%n دقيقة متبقية</numerusform>
            <numerusform>دقيقة واحدة متبقية</numerusform>
            <numerusform>دقيقتان متبقيتان</numerusform>
            <numerusform>%n دقائق متبقية</numerusform>
            <numerusform>%n دقيقة متبقية</numerusform>
            <numerusform>%n دقيقة متبقية</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>تفاصيل العنصر</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>تفاصيل العنصر</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>الإصدار %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>بواسطة %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>تاريخ الإنشاء: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>آخر تعديل: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>مزيد من تفاصيل العنصر</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>المالك &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>Download App</source>
        <translation>تنزيل التطبيق</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>جارٍ تنزيل %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>اكتمل التنزيل</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>اكتمل تنزيل %1</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>خطأ في التنزيل</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>تحديد تطبيق - %1</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>تحديد مجلد التطبيق - %1</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>لا يحتوي المجلد على مشروع تطبيق صالح</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 موجود بالفعل على نظامك المحلي.
هل تريد تنزيله مرة أخرى؟</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 غير موجود على نظامك المحلي.
هل تريد تنزيله الآن؟</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>التطبيق %1 غير موجود على نظامك المحلي.

هل تريد تنزيله الآن؟</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>تم تحديث %1 محليًا. سيؤدي التنزيل إلى الكتابة فوق التغييرات المحلية.

هل تريد تنزيله مرة أخرى؟</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>التطبيق %1 موجود بالفعل على نظامك المحلي.

هل تريد تنزيله مرة أخرى؟</translation>
    </message>
    <message>
        <source>Download App</source>
        <translation>تنزيل التطبيق</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>جارٍ تنزيل %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>اكتمل التنزيل</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>اكتمل تنزيل %1</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>خطأ في التنزيل</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>ليست لديك أذونات للوصول إلى هذا المورد أو تنفيذ هذه العملية.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>العنصر غير موجود أو يتعذر الوصول إليه.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>التطبيق غير معدّل</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>غير متوفر</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>منذ أسابيع: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>منذ أيام: %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>منذ ساعات: %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>منذ دقائق: %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>الآن</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>يتوفر تحديث</translation>
    </message>
    <message>
        <source>Not Signed In</source>
        <translation>لم يتم تسجيل الدخول</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>إدارة البوابات</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>تسجيل الخروج</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>تسجيل الدخول</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>تحديد تطبيق - %1</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>تحديد مجلد التطبيق - %1</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>لا يحتوي المجلد على مشروع تطبيق صالح</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>التطبيقات</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>AppsGridView</name>
    <message>
        <source>No results found</source>
        <translation>لم يتم العثور على نتائج</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>تعذر بدء %1</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>يتوفر تحديث</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>رفع</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>رفع تطبيق لمستخدمي Varnex Online أو Varnex Portal الآخرين</translation>
    </message>
</context>
<context>
    <name>InlineStyledTextEdit</name>
    <message>
        <source>App</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>حفظ التغييرات</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>تحرير العنوان</translation>
    </message>
</context>
<context>
    <name>ItemProgress</name>
    <message>
        <source>%1%</source>
        <translation>%1٪</translation>
    </message>
    <message>
        <source>Almost done</source>
        <translation>على وشك الانتهاء</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>الوقت المتبقي المقدّر %n دقيقة</numerusform>
            <numerusform>الوقت المتبقي المقدّر دقيقة واحدة</numerusform>
            <numerusform>الوقت المتبقي المقدّر دقيقتان</numerusform>
            <numerusform>الوقت المتبقي المقدّر %n دقائق</numerusform>
            <numerusform>الوقت المتبقي المقدّر %n دقيقة</numerusform>
            <numerusform>الوقت المتبقي المقدّر %n دقيقة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>الوقت المتبقي المقدّر %n ثانية</numerusform>
            <numerusform>الوقت المتبقي المقدّر ثانية واحدة</numerusform>
            <numerusform>الوقت المتبقي المقدّر ثانيتان</numerusform>
            <numerusform>الوقت المتبقي المقدّر %n ثوانٍ</numerusform>
            <numerusform>الوقت المتبقي المقدّر %n ثانية</numerusform>
            <numerusform>الوقت المتبقي المقدّر %n ثانية</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>زر</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>تسجيل الخروج</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>تسجيل الدخول</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>تسجيل خروج %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>تسجيل الدخول</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>تسجيل الدخول</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>الإصدار %1</translation>
    </message>
    <message>
        <source>Portal: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>البوابة: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>UserButton</name>
    <message>
        <source>Sign In</source>
        <translation>تسجيل الدخول</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>تم تسجيل الدخول</translation>
    </message>
</context>
</TS>
