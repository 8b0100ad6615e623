<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%%1</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>%n saniye kaldı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>%n dakika kaldı</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Öğe Ayrıntıları</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Öğe ayrıntıları</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>Sürüm %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>Oluşturan: %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Oluşturulma: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Son değişiklik: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Diğer öğe ayrıntıları</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Sahip &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>Download App</source>
        <translation>Uygulamayı İndir</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>%1 indiriliyor</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>İndirme Tamamlandı</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>%1 indirmesi tamamlandı</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>İndirme Hatası</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Uygulama Seç</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Uygulama Klasörü Seç</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Klasör geçerli bir uygulama projesi içermiyor</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 zaten yerel sisteminizde.
Yeniden indirmek ister misiniz?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 yerel sisteminizde değil.
Şimdi indirmek ister misiniz?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 yerel sisteminizde değil.

Şimdi indirmek ister misiniz?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 yerel olarak güncellendi. İndirme işlemi yerel değişikliklerin üzerine yazacak.

Yeniden indirmek ister misiniz?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 zaten yerel sisteminizde.

Yeniden indirmek ister misiniz?</translation>
    </message>
    <message>
        <source>Download App</source>
        <translation>Uygulamayı İndir</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>%1 indiriliyor</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>İndirme Tamamlandı</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>%1 indirmesi tamamlandı</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>İndirme Hatası</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>Bu kaynağa erişme veya bu işlemi gerçekleştirme izniniz yok.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>Öğe mevcut değil veya erişilemiyor.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>Uygulama Değiştirilmedi</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Kullanılamıyor</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>%1 hafta önce</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>%1 gün önce</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>%1 saat önce</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>%1 dakika önce</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Az önce</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Güncelleme var</translation>
    </message>
    <message>
        <source>Not Signed In</source>
        <translation>Oturum Açılmadı</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Portalları Yönet</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Oturumu Kapat</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Oturum aç</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Uygulama Seç</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Uygulama Klasörü Seç</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Klasör geçerli bir uygulama projesi içermiyor</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>Uygulamalar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>AppsGridView</name>
    <message>
        <source>No results found</source>
        <translation>Sonuç bulunamadı</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>%1 başlatılamıyor</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Güncelle</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Güncelleme Var</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Karşıya Yükle</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Varnex Online veya Varnex Portal’ın diğer kullanıcıları için bir uygulama yükleyin</translation>
    </message>
</context>
<context>
    <name>InlineStyledTextEdit</name>
    <message>
        <source>App</source>
        <translation>Uygulama</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Değişiklikleri Kaydet</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Başlığı Düzenle</translation>
    </message>
</context>
<context>
    <name>ItemProgress</name>
    <message>
        <source>%1%</source>
        <translation>%%1</translation>
    </message>
    <message>
        <source>Almost done</source>
        <translation>Neredeyse bitti</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Tahmini %n dakika kaldı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Tahmini %n saniye kaldı</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Düğme</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>Oturumu kapat</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Oturum aç</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>%1 oturumunu kapat</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Oturum aç</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Oturum aç</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Kes</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Yapıştır</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>Sürüm %1</translation>
    </message>
    <message>
        <source>Portal: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Portal: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>UserButton</name>
    <message>
        <source>Sign In</source>
        <translation>Oturum aç</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Oturum Açıldı</translation>
    </message>
</context>
</TS>
