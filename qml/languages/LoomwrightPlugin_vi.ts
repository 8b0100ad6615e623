<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>Còn %n giây</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>Còn %n phút</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Chọn thư mục ứng dụng</translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>Chi tiết mục</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lưu</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>Chi tiết mục</translation>
    </message>
</context>
<context>
    <name>AppSession</name>
    <message>
        <source>Download App</source>
        <translation>Tải ứng dụng xuống</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Đang tải xuống %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>Đã tải xuống xong</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>Đã tải xuống xong %1</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Lỗi tải xuống</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Thư mục không chứa dự án ứng dụng hợp lệ</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>Phiên bản %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>Bởi %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Ngày tạo: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Sửa đổi lần cuối: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>Thêm chi tiết về mục</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Chủ sở hữu &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Chọn ứng dụng</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 đã có trên hệ thống cục bộ của bạn.
Bạn có muốn tải xuống lại không?</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 không có trên hệ thống cục bộ của bạn.
Bạn có muốn tải xuống ngay bây giờ không?</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 không có trên hệ thống cục bộ của bạn.

Bạn có muốn tải xuống ngay bây giờ không?</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 đã được cập nhật cục bộ. Việc tải xuống sẽ ghi đè các thay đổi cục bộ.

Bạn có muốn tải xuống lại không?</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 đã có trên hệ thống cục bộ của bạn.

Bạn có muốn tải xuống lại không?</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>Bạn không có quyền truy cập tài nguyên này hoặc thực hiện thao tác này.</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>Mục không tồn tại hoặc không thể truy cập.</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>Ứng dụng chưa được sửa đổi</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Không khả dụng</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>%1 tuần trước</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>%1 ngày trước</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>%1 giờ trước</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>%1 phút trước</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Vừa xong</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Chọn ứng dụng</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>Có bản cập nhật</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
    <message>
        <source>Not Signed In</source>
        <translation>Chưa đăng nhập</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>Quản lý cổng thông tin</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Đăng xuất</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Đăng nhập</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>Ứng dụng</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
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
        <translation>Không tìm thấy kết quả nào</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>Không thể khởi động %1</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>Cập nhật</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Có bản cập nhật</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Tải lên</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Tải ứng dụng lên cho những người dùng Varnex Online hoặc Varnex Portal khác</translation>
    </message>
</context>
<context>
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>Hãy chọn một hình ảnh trước.</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>Không có hình ảnh nào tại %1.</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 là một thư mục; hãy chọn một tệp hình ảnh.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>Không thể đọc %1 dưới dạng hình ảnh: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>Hãy chọn ít nhất một nền tảng.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>&quot;%1&quot; không phải là màu; hãy dùng tên như white hoặc mã như #1d3b8f.</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>Hãy chọn một thư mục đầu ra.</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1 là một tệp; hãy chọn một thư mục cho các bộ.</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>Không thể ghi vào %1: %2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>Hình ảnh có kích thước %1 × %2 pixel, không phải hình vuông: các biểu tượng sẽ được thêm phần đệm để thành hình vuông.</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>Hình ảnh có kích thước %1 × %2 pixel: các biểu tượng đến %3 × %3 sẽ được phóng to và trông bị mờ.</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>%n nền tảng không xác định: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Không thể tạo thư mục %1.</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>biểu tượng ứng dụng</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>hình ảnh khởi động</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>nền thích ứng</translation>
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
        <translation>Ứng dụng</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Lưu thay đổi</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>Sửa tiêu đề</translation>
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
        <translation>Sắp xong</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>Còn khoảng %n phút</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>Còn khoảng %n giây</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>Nút</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Có</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Không</translation>
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
        <translation>Kết quả</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation>Hình ảnh của các nền tảng đã chọn sẽ xuất hiện ở đây sau khi nhấn &quot;Tạo&quot;.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n tệp</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation>Đã tạo tất cả các bộ: %1 trong %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>Không phải tất cả các bộ đều được tạo; đã ghi: %1 trong %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n kích thước, tối đa %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>Hình ảnh mẫu</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>Không thể ghi hình ảnh mẫu.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>Không có gì được tạo</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>Không có gì để tạo.</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>Đang tạo các bộ biểu tượng</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>Đã tạo tất cả các bộ: %n tệp.</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>Tạo không thành công</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>Không thể tạo %n bộ. Các tệp của những bộ khác được hiển thị; hãy xem nhật ký để biết lý do.</numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>Bộ biểu tượng</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tối</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>Ứng dụng (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Ứng dụng</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation>Không tìm thấy ứng dụng nào trên %1.</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>Hãy đăng nhập bằng nút người dùng để xem các ứng dụng của bạn trên %1.</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Chọn hình ảnh</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>Hình ảnh (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tất cả các tệp (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Chọn thư mục đầu ra</translation>
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
        <translation>Hình ảnh trình cài đặt</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Hình ảnh</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>Chưa có hình ảnh: hãy chọn một hình hoặc thả nó vào cửa sổ.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Chọn…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>Nền tảng</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Tùy chọn</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Thư mục đầu ra</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Chọn thư mục đầu ra</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Tạo</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>Dùng hình ảnh mẫu của dự án</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>Nền biểu tượng</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>Nền màn hình khởi động</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Mặc định</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>Hình ảnh mẫu</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>Đăng xuất</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Đăng nhập</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>Đăng xuất %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Đăng nhập</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Đăng nhập</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>Cắt</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Sao chép</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Dán</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Trợ giúp</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>Phiên bản %1</translation>
    </message>
    <message>
        <source>Portal: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>Cổng thông tin: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>UserButton</name>
    <message>
        <source>Sign In</source>
        <translation>Đăng nhập</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>Đã đăng nhập</translation>
    </message>
</context>
</TS>
