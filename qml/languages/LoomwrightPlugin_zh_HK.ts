<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_HK" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>尚餘 %n 秒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>尚餘 %n 分鐘</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>項目詳細資料</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>項目詳細資料</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>作者：%1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>建立日期：%1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>上次修改日期：%1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>更多項目詳細資料</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>擁有者 &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>Download App</source>
        <translation>下載應用程式</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>正在下載 %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>下載完成</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>%1 下載完成</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>下載錯誤</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - 選擇應用程式</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - 選擇應用程式資料夾</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>資料夾不包含有效的應用程式專案</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 已在您的本機系統上。
要重新下載嗎？</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 不在您的本機系統上。
要立即下載嗎？</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 不在您的本機系統上。

要立即下載嗎？</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 已在本機更新。下載將會覆蓋本機變更。

要重新下載嗎？</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 已在您的本機系統上。

要重新下載嗎？</translation>
    </message>
    <message>
        <source>Download App</source>
        <translation>下載應用程式</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>正在下載 %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>下載完成</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>%1 下載完成</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>下載錯誤</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>您沒有權限存取此資源或執行此操作。</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>項目不存在或無法存取。</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>應用程式未修改</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>不可用</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>%1 星期前</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>%1 天前</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>%1 小時前</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>%1 分鐘前</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>剛剛</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>有可用更新</translation>
    </message>
    <message>
        <source>Not Signed In</source>
        <translation>未登入</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>管理入門網站</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>登出</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - 選擇應用程式</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - 選擇應用程式資料夾</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>資料夾不包含有效的應用程式專案</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>應用程式</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>AppsGridView</name>
    <message>
        <source>No results found</source>
        <translation>找不到結果</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>無法啟動 %1</translation>
    </message>
</context>
<context>
    <name>GalleryItem</name>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>有可用更新</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>上載</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>上載應用程式，與其他 Varnex Online 或 Varnex Portal 用戶分享</translation>
    </message>
</context>
<context>
    <name>InlineStyledTextEdit</name>
    <message>
        <source>App</source>
        <translation>應用程式</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>儲存變更</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>編輯標題</translation>
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
        <translation>即將完成</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>預計尚餘 %n 分鐘</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>預計尚餘 %n 秒</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>按鈕</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>登出</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>登出 %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>登入</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>登入</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Portal: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>入口網站：&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>UserButton</name>
    <message>
        <source>Sign In</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>已登入</translation>
    </message>
</context>
</TS>
