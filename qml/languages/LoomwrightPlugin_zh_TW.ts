<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>剩餘 %n 秒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>剩餘 %n 分鐘</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - 選取應用程式資料夾</translation>
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
    <name>AppSession</name>
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
        <source>Folder does not contain a valid app project</source>
        <translation>資料夾未包含有效的應用程式專案</translation>
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
        <translation>建立時間：%1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>上次修改時間：%1</translation>
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
        <source>%1 - Select App</source>
        <translation>%1 - 選取應用程式</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 已在您的本機系統上。
是否要重新下載？</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 不在您的本機系統上。
是否要立即下載？</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 不在您的本機系統上。

是否要立即下載？</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 已在本機更新。下載將覆寫本機變更。

是否要重新下載？</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 已在您的本機系統上。

是否要重新下載？</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>您沒有權限存取此資源或執行此作業。</translation>
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
        <translation>無法使用</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>%1 週前</translation>
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
        <source>%1 - Select App</source>
        <translation>%1 - 選取應用程式</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>有可用的更新</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
    <message>
        <source>Not Signed In</source>
        <translation>未登入</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>管理入口網站</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>登出</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>登入</translation>
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
        <translation>找不到任何結果</translation>
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
        <translation>有可用的更新</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>上傳</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>上傳應用程式，與其他 Varnex Online 或 Varnex Portal 使用者共用</translation>
    </message>
</context>
<context>
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>請先選擇一張圖片。</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>%1 沒有圖片。</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 是資料夾；請選擇圖片檔案。</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>無法將 %1 讀取為圖片：%2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>請至少選擇一個平台。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>「%1」不是色彩；請使用 white 之類的名稱或 #1d3b8f 之類的代碼。</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>請選擇輸出資料夾。</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1 是檔案；請為圖示集選擇資料夾。</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>無法寫入 %1：%2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>圖片大小為 %1 × %2 像素，不是正方形：圖示會將其補滿為正方形。</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>圖片大小為 %1 × %2 像素：最大 %3 × %3 的圖示會被放大，看起來會模糊。</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>%n 個未知的平台：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>無法建立資料夾 %1。</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>應用程式圖示</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>啟動圖片</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>自適應背景</translation>
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
            <numerusform>預估剩餘 %n 分鐘</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>預估剩餘 %n 秒</numerusform>
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
    <name>ResultsView</name>
    <message>
        <source>%1 B</source>
        <translation>%1 位元組</translation>
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
        <translation>結果</translation>
    </message>
    <message>
        <source>The pictures of the chosen platforms appear here after Generate.</source>
        <translation>按一下「產生」後，所選平台的圖片會顯示在這裡。</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n 個檔案</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation>已建立所有圖示集：%1，位於 %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>未能建立所有圖示集；已寫入：%1，位於 %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 像素</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n 種尺寸，最大 %1 × %2 像素</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>範例圖片</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>無法寫入範例圖片。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>未產生任何內容</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>沒有要建立的內容。</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>正在產生圖示集</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>已建立所有圖示集：%n 個檔案。</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>產生失敗</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>有 %n 個圖示集無法建立。已顯示其他圖示集的檔案；原因請參閱記錄檔。</numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>圖示集</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>應用程式 (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>應用程式</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation>在 %1 上找不到應用程式。</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>請使用使用者按鈕登入，以查看您在 %1 上的應用程式。</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>選擇圖片</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>圖片 (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有檔案 (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>選擇輸出資料夾</translation>
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
        <translation>Windows 市集</translation>
    </message>
    <message>
        <source>Installer pictures</source>
        <translation>安裝程式圖片</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>圖片</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>尚無圖片：請選擇一張，或將它拖放到視窗上。</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>選擇…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>平台</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>輸出資料夾</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>選擇輸出資料夾</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>產生</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>使用專案的範例圖片</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>圖示背景</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>啟動畫面背景</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>範例圖片</translation>
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
