<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>%n detik lagi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>%n menit lagi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Pilih Folder Aplikasi</translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Detail Item</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Detail item</translation>
    </message>
</context>
<context>
    <name>AppSession</name>
    <message>
        <source>Download App</source>
        <translation>Unduh Aplikasi</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Mengunduh %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Unduhan Selesai</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Unduhan %1 selesai</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Kesalahan Unduhan</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Folder tidak berisi proyek aplikasi yang valid</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>Versi %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>Oleh %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Dibuat: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Terakhir diubah: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Detail item lainnya</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Pemilik &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Pilih Aplikasi</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 sudah ada di sistem lokal Anda.
Apakah Anda ingin mengunduhnya lagi?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 tidak ada di sistem lokal Anda.
Apakah Anda ingin mengunduhnya sekarang?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 tidak ada di sistem lokal Anda.

Apakah Anda ingin mengunduhnya sekarang?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 telah diperbarui secara lokal. Mengunduh akan menimpa perubahan lokal.

Apakah Anda ingin mengunduhnya lagi?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 sudah ada di sistem lokal Anda.

Apakah Anda ingin mengunduhnya lagi?</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>Anda tidak memiliki izin untuk mengakses sumber daya ini atau melakukan operasi ini.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>Item tidak ada atau tidak dapat diakses.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>Aplikasi Tidak Diubah</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Tidak Tersedia</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>Minggu yang lalu: %1</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>Hari yang lalu: %1</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>Jam yang lalu: %1</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>Menit yang lalu: %1</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Baru saja</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Pilih Aplikasi</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>Pembaruan tersedia</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
    <message>
        <source>Not Signed In</source>
        <translation>Belum Masuk</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Kelola Portal</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Masuk</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>Aplikasi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AppsGridView</name>
    <message>
        <source>No results found</source>
        <translation>Tidak ada hasil yang ditemukan</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>Tidak dapat memulai %1</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Perbarui</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Pembaruan Tersedia</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Unggah</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Unggah aplikasi untuk pengguna Varnex Online atau Varnex Portal lainnya</translation>
    </message>
</context>
<context>
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>Pilih gambar terlebih dahulu.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>Tidak ada gambar di %1.</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 adalah folder; pilih berkas gambar.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>%1 tidak dapat dibaca sebagai gambar: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>Pilih setidaknya satu platform.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>&quot;%1&quot; bukan warna; gunakan nama seperti white atau kode seperti #1d3b8f.</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>Pilih folder keluaran.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1 adalah berkas; pilih folder untuk set.</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>Tidak ada yang dapat ditulis ke %1: %2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>Gambar berukuran %1 × %2 piksel, bukan persegi: ikon akan mengisinya hingga menjadi persegi.</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>Gambar berukuran %1 × %2 piksel: ikon hingga %3 × %3 diperbesar dan akan tampak buram.</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>%n platform tidak dikenal: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Folder %1 tidak dapat dibuat.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>ikon aplikasi</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>gambar pembuka</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>latar belakang adaptif</translation>
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
        <translation>Aplikasi</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Simpan Perubahan</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Edit Judul</translation>
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
        <translation>Hampir selesai</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Perkiraan %n menit lagi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Perkiraan %n detik lagi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Tombol</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Ya</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Tidak</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Hasil</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation>Gambar untuk platform yang dipilih muncul di sini setelah &quot;Buat&quot;.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n berkas</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation>Semua set telah dibuat: %1 di %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>Tidak semua set dibuat; yang ditulis: %1 di %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n ukuran hingga %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>Gambar Contoh</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>Gambar contoh tidak dapat ditulis.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>Tidak Ada yang Dibuat</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>Tidak ada yang perlu dibuat.</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>Membuat set ikon</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>Semua set telah dibuat: %n berkas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>Pembuatan Gagal</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>%n set tidak dapat dibuat. Berkas dari set lainnya ditampilkan; lihat log untuk mengetahui penyebabnya.</numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>Set Ikon</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Gelap</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>Aplikasi (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Aplikasi</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation>Tidak ada aplikasi yang ditemukan di %1.</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>Masuk dengan tombol pengguna untuk melihat aplikasi Anda di %1.</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Pilih Gambar</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>Gambar (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Semua berkas (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Pilih Folder Keluaran</translation>
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
        <translation>Gambar penginstal</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Gambar</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>Belum ada gambar: pilih gambar atau letakkan di jendela.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Pilih…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>Platform</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opsi</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Folder keluaran</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Pilih folder keluaran</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Buat</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>Gunakan gambar contoh proyek</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>Latar belakang ikon</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>Latar belakang layar pembuka</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Bawaan</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>Gambar Contoh</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Masuk</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>Keluarkan %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Masuk</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Masuk</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Potong</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Salin</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Tempel</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>Versi %1</translation>
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
        <translation>Masuk</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Sudah Masuk</translation>
    </message>
</context>
</TS>
