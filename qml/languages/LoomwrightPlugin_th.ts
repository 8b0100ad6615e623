<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>เหลืออีก %n วินาที</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>เหลืออีก %n นาที</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - เลือกโฟลเดอร์แอป</translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>รายละเอียดรายการ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>บันทึก</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>รายละเอียดรายการ</translation>
    </message>
</context>
<context>
    <name>AppSession</name>
    <message>
        <source>Download App</source>
        <translation>ดาวน์โหลดแอป</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>กำลังดาวน์โหลด %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>ดาวน์โหลดเสร็จสมบูรณ์</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>ดาวน์โหลด %1 เสร็จสมบูรณ์</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>ข้อผิดพลาดในการดาวน์โหลด</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>โฟลเดอร์ไม่มีโปรเจกต์แอปที่ถูกต้อง</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>เวอร์ชัน %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>โดย %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>สร้างเมื่อ: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>แก้ไขล่าสุด: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>รายละเอียดรายการเพิ่มเติม</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>เจ้าของ &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - เลือกแอป</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 มีอยู่ในระบบภายในเครื่องของคุณแล้ว
คุณต้องการดาวน์โหลดอีกครั้งหรือไม่</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 ไม่มีอยู่ในระบบภายในเครื่องของคุณ
คุณต้องการดาวน์โหลดตอนนี้หรือไม่</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 ไม่มีอยู่ในระบบภายในเครื่องของคุณ

คุณต้องการดาวน์โหลดตอนนี้หรือไม่</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 ได้รับการอัปเดตในเครื่อง การดาวน์โหลดจะเขียนทับการเปลี่ยนแปลงในเครื่อง

คุณต้องการดาวน์โหลดอีกครั้งหรือไม่</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 มีอยู่ในระบบภายในเครื่องของคุณแล้ว

คุณต้องการดาวน์โหลดอีกครั้งหรือไม่</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>คุณไม่มีสิทธิ์เข้าถึงทรัพยากรนี้หรือดำเนินการนี้</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>ไม่มีรายการนี้หรือไม่สามารถเข้าถึงได้</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>แอปไม่มีการแก้ไข</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>ไม่พร้อมใช้งาน</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>%1 สัปดาห์ที่แล้ว</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>%1 วันที่แล้ว</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>%1 ชั่วโมงที่แล้ว</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>%1 นาทีที่แล้ว</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>เมื่อสักครู่</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - เลือกแอป</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>มีการอัปเดต</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
    <message>
        <source>Not Signed In</source>
        <translation>ยังไม่ได้ลงชื่อเข้าใช้</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>จัดการพอร์ทัล</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>ออกจากระบบ</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>ลงชื่อเข้าใช้</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>แอป</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
</context>
<context>
    <name>AppsGridView</name>
    <message>
        <source>No results found</source>
        <translation>ไม่พบผลลัพธ์</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>ไม่สามารถเริ่ม %1</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>อัปเดต</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>มีการอัปเดต</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>อัปโหลด</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>อัปโหลดแอปให้ผู้ใช้ Varnex Online หรือ Varnex Portal คนอื่นๆ</translation>
    </message>
</context>
<context>
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>โปรดเลือกรูปภาพก่อน</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>โปรดเลือกอย่างน้อยหนึ่งแพลตฟอร์ม</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>โปรดเลือกโฟลเดอร์เอาต์พุต</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>แพลตฟอร์มที่ไม่รู้จัก %n รายการ: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>ไม่สามารถสร้างโฟลเดอร์ %1</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>ไอคอนแอป</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>พื้นหลังแบบปรับได้</translation>
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
        <translation>แอป</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>บันทึกการเปลี่ยนแปลง</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>แก้ไขชื่อเรื่อง</translation>
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
        <translation>ใกล้เสร็จแล้ว</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>เหลืออีกประมาณ %n นาที</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>เหลืออีกประมาณ %n วินาที</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>ปุ่ม</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Yes</source>
        <translation>ใช่</translation>
    </message>
    <message>
        <source>No</source>
        <translation>ไม่</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
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
        <translation>ผลลัพธ์</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n ไฟล์</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n ขนาด สูงสุด %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>รูปภาพตัวอย่าง</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>กำลังสร้างชุดไอคอน</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>สร้างชุดทั้งหมดแล้ว: %n ไฟล์</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>การสร้างล้มเหลว</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>ชุดไอคอน</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ธีมมืด</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>แอป (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>แอป</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>เลือกรูปภาพ</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>รูปภาพ (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>ไฟล์ทั้งหมด (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>เลือกโฟลเดอร์เอาต์พุต</translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>รูปภาพ</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>เลือก…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>แพลตฟอร์ม</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>ตัวเลือก</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>โฟลเดอร์เอาต์พุต</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>เลือกโฟลเดอร์เอาต์พุต</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>สร้าง</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>พื้นหลังไอคอน</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation>ค่าเริ่มต้น</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>รูปภาพตัวอย่าง</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>ออกจากระบบ</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>ลงชื่อเข้าใช้</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>ออกจากระบบของ %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>ลงชื่อเข้าใช้</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>ลงชื่อเข้าใช้</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>ตัด</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>คัดลอก</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>วาง</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>ช่วยเหลือ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>เวอร์ชัน %1</translation>
    </message>
    <message>
        <source>Portal: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>พอร์ทัล: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>UserButton</name>
    <message>
        <source>Sign In</source>
        <translation>ลงชื่อเข้าใช้</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>ลงชื่อเข้าใช้แล้ว</translation>
    </message>
</context>
</TS>
