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
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Uygulama Klasörü Seç</translation>
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
    <name>AppSession</name>
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
        <source>Folder does not contain a valid app project</source>
        <translation>Klasör geçerli bir uygulama projesi içermiyor</translation>
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
        <source>%1 - Select App</source>
        <translation>%1 - Uygulama Seç</translation>
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
        <source>%1 - Select App</source>
        <translation>%1 - Uygulama Seç</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>Güncelleme var</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
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
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>Önce bir resim seçin.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>%1 konumunda resim yok.</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 bir klasör; bir resim dosyası seçin.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>%1 resim olarak okunamıyor: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>En az bir platform seçin.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>&quot;%1&quot; bir renk değil; white gibi bir ad veya #1d3b8f gibi bir kod kullanın.</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>Bir çıktı klasörü seçin.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1 bir dosya; setler için bir klasör seçin.</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>%1 içine hiçbir şey yazılamıyor: %2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>Resim %1 × %2 piksel ve kare değil: simgeler onu kareye tamamlar.</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>Resim %1 × %2 piksel: %3 × %3 boyutuna kadar olan simgeler büyütülür ve bulanık görünür.</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>%n bilinmeyen platform: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>%1 klasörü oluşturulamıyor.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>uygulama simgesi</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>açılış görüntüleri</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>uyarlanabilir arka plan</translation>
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
        <translation>Sonuçlar</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation>Seçilen platformların resimleri &quot;Oluştur&quot; düğmesinden sonra burada görünür.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n dosya</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation>Tüm setler oluşturuldu: %1, konum: %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>Tüm setler oluşturulamadı; yazılanlar: %1, konum: %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n boyut, en fazla %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>Örnek Resim</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>Örnek resim yazılamıyor.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>Hiçbir Şey Oluşturulmadı</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>Oluşturulacak bir şey yok.</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>Simge setleri oluşturuluyor</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>Tüm setler oluşturuldu: %n dosya.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>Oluşturma Başarısız</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>%n set oluşturulamadı. Diğer setlerin dosyaları gösteriliyor; nedenler için günlüğe bakın.</numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>Simge Setleri</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Koyu</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>Uygulamalar (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Uygulamalar</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation>%1 üzerinde uygulama bulunamadı.</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>%1 üzerindeki uygulamalarınızı görmek için kullanıcı düğmesiyle oturum açın.</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Resim Seç</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>Resimler (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Çıktı Klasörünü Seç</translation>
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
        <translation>Windows Mağazası</translation>
    </message>
    <message>
        <source>Installer pictures</source>
        <translation>Yükleyici resimleri</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Resim</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>Henüz resim yok: bir resim seçin veya pencereye bırakın.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Seç…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>Platformlar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Çıktı klasörü</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Çıktı klasörünü seç</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Oluştur</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>Projenin örnek resmini kullan</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>Simge arka planı</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>Açılış ekranı arka planı</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Varsayılan</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>Örnek Resim</translation>
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
