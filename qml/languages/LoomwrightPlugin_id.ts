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
        <source>%1 - Select App</source>
        <translation>%1 - Pilih Aplikasi</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Pilih Folder Aplikasi</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Folder tidak berisi proyek aplikasi yang valid</translation>
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
        <source>Update available</source>
        <translation>Pembaruan tersedia</translation>
    </message>
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
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Pilih Aplikasi</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Pilih Folder Aplikasi</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Folder tidak berisi proyek aplikasi yang valid</translation>
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
