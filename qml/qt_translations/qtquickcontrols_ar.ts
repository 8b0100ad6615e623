<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>DefaultMessageDialog</name>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation>نعم للكل</translation>
    </message>
    <message>
        <source>No to All</source>
        <translation>لا للكل</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>احفظ</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>احفظ الكل</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>افتح</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>أوقف</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>أعد المحاولة</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>تجاهل</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>أغلق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ألغِ</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>أهمِل</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>طبّق</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>أعد التعيين</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>استعد الافتراضيات</translation>
    </message>
    <message>
        <source>Show Details...</source>
        <translation>أظهر التفاصيل...</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>أخفِ التفاصيل</translation>
    </message>
</context>
<context>
    <name>DefaultDialogWrapper</name>
    <message>
        <source>Show Details...</source>
        <translation>أظهر التفاصيل...</translation>
    </message>
</context>
<context>
    <name>EditMenu_base</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;تراجع</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>أ&amp;عد</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;قص</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>ا&amp;نسخ</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>أل&amp;صق</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>احذف</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>حدّد الكل</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>امسح</translation>
    </message>
</context>
<context>
    <name>DefaultFileDialog</name>
    <message>
        <source>Open</source>
        <translation>افتح</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>احفظ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ألغِ</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>اختر</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>اسم الملف</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>تاريخ التعديل</translation>
    </message>
    <message>
        <source>Accessed</source>
        <translation>تاريخ الوصول</translation>
    </message>
    <message>
        <source>Add the current directory as a favorite</source>
        <translation>أضف المجلد الحالي إلى المفضلة</translation>
    </message>
    <message>
        <source>Remove favorite</source>
        <translation>أزل من المفضلة</translation>
    </message>
    <message>
        <source>Go up to the folder containing this one</source>
        <translation>انتقل إلى المجلد الذي يحتوي هذا المجلد</translation>
    </message>
</context>
<context>
    <name>DefaultColorDialog</name>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ألغِ</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>الصبغة</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>التشبع</translation>
    </message>
    <message>
        <source>Luminosity</source>
        <translation>السطوع</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>ألفا</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>احفظ</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>احفظ الكل</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>افتح</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;نعم</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>ن&amp;عم للكل</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;لا</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>لا لل&amp;كل</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>أوقف</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>أعد المحاولة</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>تجاهل</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>أغلق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ألغِ</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>أهمِل</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>طبّق</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>أعد التعيين</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>استعد الافتراضيات</translation>
    </message>
</context>
</TS>
