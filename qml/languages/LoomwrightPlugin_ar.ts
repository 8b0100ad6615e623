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
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>تحديد مجلد التطبيق - %1</translation>
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
    <name>AppSession</name>
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
        <source>Folder does not contain a valid app project</source>
        <translation>لا يحتوي المجلد على مشروع تطبيق صالح</translation>
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
        <source>%1 - Select App</source>
        <translation>تحديد تطبيق - %1</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> التطبيق %1 موجود بالفعل على نظامك المحلي.
هل تريد تنزيله مرة أخرى؟</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> التطبيق %1 غير موجود على نظامك المحلي.
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
        <source>%1 - Select App</source>
        <translation>تحديد تطبيق - %1</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>يتوفر تحديث</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
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
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>اختر صورة أولاً.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>لا توجد صورة في %1.</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 مجلد؛ اختر ملف صورة.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>تتعذر قراءة %1 كصورة: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>اختر منصة واحدة على الأقل.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>«%1» ليس لونًا؛ استخدم اسمًا مثل white أو رمزًا مثل #1d3b8f.</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>اختر مجلد الإخراج.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1 ملف؛ اختر مجلدًا للمجموعات.</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>تتعذر الكتابة في %1: %2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>أبعاد الصورة %1 × %2 بكسل، وهي ليست مربعة: ستُضاف إليها حواشٍ في الأيقونات لتصبح مربعة.</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>أبعاد الصورة %1 × %2 بكسل: ستُكبَّر الأيقونات التي يصل حجمها إلى %3 × %3 وستبدو غير واضحة.</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>%n منصة غير معروفة: %1</numerusform>
            <numerusform>منصة غير معروفة: %1</numerusform>
            <numerusform>منصتان غير معروفتين: %1</numerusform>
            <numerusform>%n منصات غير معروفة: %1</numerusform>
            <numerusform>%n منصة غير معروفة: %1</numerusform>
            <numerusform>%n منصة غير معروفة: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>يتعذر إنشاء المجلد %1.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>أيقونة التطبيق</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>صور شاشة البدء</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>خلفية تكيفية</translation>
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
            <numerusform>الوقت المتبقي المقدّر: %n دقيقة</numerusform>
            <numerusform>الوقت المتبقي المقدّر: دقيقة واحدة</numerusform>
            <numerusform>الوقت المتبقي المقدّر: دقيقتان</numerusform>
            <numerusform>الوقت المتبقي المقدّر: %n دقائق</numerusform>
            <numerusform>الوقت المتبقي المقدّر: %n دقيقة</numerusform>
            <numerusform>الوقت المتبقي المقدّر: %n دقيقة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>الوقت المتبقي المقدّر: %n ثانية</numerusform>
            <numerusform>الوقت المتبقي المقدّر: ثانية واحدة</numerusform>
            <numerusform>الوقت المتبقي المقدّر: ثانيتان</numerusform>
            <numerusform>الوقت المتبقي المقدّر: %n ثوانٍ</numerusform>
            <numerusform>الوقت المتبقي المقدّر: %n ثانية</numerusform>
            <numerusform>الوقت المتبقي المقدّر: %n ثانية</numerusform>
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
    <name>ResultsView</name>
    <message>
        <source>%1 B</source>
        <translation>%1 بايت</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 كيلوبايت</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 ميغابايت</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>النتائج</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation>تظهر هنا صور المنصات المختارة بعد النقر على «إنشاء».</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n ملف</numerusform>
            <numerusform>ملف واحد</numerusform>
            <numerusform>ملفان</numerusform>
            <numerusform>%n ملفات</numerusform>
            <numerusform>%n ملفًا</numerusform>
            <numerusform>%n ملف</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation>تم إنشاء كل المجموعات: %1 في %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>لم يتم إنشاء كل المجموعات؛ ما تمت كتابته: %1 في %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 بكسل</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n حجم، حتى %1 × %2 بكسل</numerusform>
            <numerusform>حجم واحد، حتى %1 × %2 بكسل</numerusform>
            <numerusform>حجمان، حتى %1 × %2 بكسل</numerusform>
            <numerusform>%n أحجام، حتى %1 × %2 بكسل</numerusform>
            <numerusform>%n حجمًا، حتى %1 × %2 بكسل</numerusform>
            <numerusform>%n حجم، حتى %1 × %2 بكسل</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>صورة نموذجية</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>تتعذر كتابة الصورة النموذجية.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>لم يتم إنشاء أي شيء</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>لا يوجد ما يمكن إنشاؤه.</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>جارٍ إنشاء مجموعات الأيقونات</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>تم إنشاء كل المجموعات: %n ملف.</numerusform>
            <numerusform>تم إنشاء كل المجموعات: ملف واحد.</numerusform>
            <numerusform>تم إنشاء كل المجموعات: ملفان.</numerusform>
            <numerusform>تم إنشاء كل المجموعات: %n ملفات.</numerusform>
            <numerusform>تم إنشاء كل المجموعات: %n ملفًا.</numerusform>
            <numerusform>تم إنشاء كل المجموعات: %n ملف.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>فشل الإنشاء</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>تعذر إنشاء %n مجموعة. تُعرض ملفات المجموعات الأخرى؛ راجع السجل لمعرفة الأسباب.</numerusform>
            <numerusform>تعذر إنشاء مجموعة واحدة. تُعرض ملفات المجموعات الأخرى؛ راجع السجل لمعرفة الأسباب.</numerusform>
            <numerusform>تعذر إنشاء مجموعتين. تُعرض ملفات المجموعات الأخرى؛ راجع السجل لمعرفة الأسباب.</numerusform>
            <numerusform>تعذر إنشاء %n مجموعات. تُعرض ملفات المجموعات الأخرى؛ راجع السجل لمعرفة الأسباب.</numerusform>
            <numerusform>تعذر إنشاء %n مجموعة. تُعرض ملفات المجموعات الأخرى؛ راجع السجل لمعرفة الأسباب.</numerusform>
            <numerusform>تعذر إنشاء %n مجموعة. تُعرض ملفات المجموعات الأخرى؛ راجع السجل لمعرفة الأسباب.</numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>مجموعات الأيقونات</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>داكن</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>التطبيقات (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>التطبيقات</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation>لم يتم العثور على تطبيقات في %1.</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>سجّل الدخول باستخدام زر المستخدم لعرض تطبيقاتك في %1.</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>اختيار صورة</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>الصور (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>كل الملفات (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>اختيار مجلد الإخراج</translation>
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
        <translation>متجر Windows</translation>
    </message>
    <message>
        <source>Installer pictures</source>
        <translation>صور برنامج التثبيت</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>الصورة</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>لا توجد صورة بعد: اختر صورة أو أفلتها على النافذة.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>اختيار…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>المنصات</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>الخيارات</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>مجلد الإخراج</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>اختيار مجلد الإخراج</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>إنشاء</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>استخدام الصورة النموذجية للمشروع</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>خلفية الأيقونة</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>خلفية شاشة البدء</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>صورة نموذجية</translation>
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
