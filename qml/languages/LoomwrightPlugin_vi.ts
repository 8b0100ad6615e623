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
        <source>%1 - Select App</source>
        <translation>%1 - Chọn ứng dụng</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Chọn thư mục ứng dụng</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Thư mục không chứa dự án ứng dụng hợp lệ</translation>
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
        <source>Update available</source>
        <translation>Có bản cập nhật</translation>
    </message>
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
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - Chọn ứng dụng</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - Chọn thư mục ứng dụng</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>Thư mục không chứa dự án ứng dụng hợp lệ</translation>
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
