<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>残り %n 秒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>残り %n 分</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppFolderDialogLoader</name>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - アプリ フォルダーの選択</translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>アイテムの詳細</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>アイテムの詳細</translation>
    </message>
</context>
<context>
    <name>AppSession</name>
    <message>
        <source>Download App</source>
        <translation>アプリのダウンロード</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>%1 をダウンロードしています</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>ダウンロード完了</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>%1 のダウンロードが完了しました</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>ダウンロード エラー</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>フォルダーに有効なアプリ プロジェクトが含まれていません</translation>
    </message>
</context>
<context>
    <name>AppSummary</name>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>作成者: %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>作成日: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>最終更新日: %1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>アイテムの詳細情報</translation>
    </message>
    <message>
        <source>Owner &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>所有者 &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AppToolWindow</name>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - アプリの選択</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 はすでにローカル システムにあります。
もう一度ダウンロードしますか？</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 はローカル システムにありません。
今すぐダウンロードしますか？</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 はローカル システムにありません。

今すぐダウンロードしますか？</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 はローカルで更新されています。ダウンロードするとローカルの変更は上書きされます。

もう一度ダウンロードしますか？</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 はすでにローカル システムにあります。

もう一度ダウンロードしますか？</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>このリソースにアクセスする権限、またはこの操作を実行する権限がありません。</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>アイテムが存在しないか、アクセスできません。</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>アプリは変更されていません</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>利用できません</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>%1 週間前</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>%1 日前</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>%1 時間前</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>%1 分前</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>たった今</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - アプリの選択</translation>
    </message>
</context>
<context>
    <name>AppWindowHeader</name>
    <message>
        <source>Update available</source>
        <translation>更新があります</translation>
    </message>
</context>
<context>
    <name>AppWindowUserPanel</name>
    <message>
        <source>Not Signed In</source>
        <translation>サインインしていません</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>ポータルの管理</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>サインアウト</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>サインイン</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>アプリ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>結果が見つかりません</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>%1 を開始できません</translation>
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
        <translation>更新があります</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>アップロード</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>Varnex Online または Varnex Portal の他のユーザー向けにアプリをアップロードします</translation>
    </message>
</context>
<context>
    <name>IconSetGenerator</name>
    <message>
        <source>Choose a picture first.</source>
        <translation>先に画像を選択してください。</translation>
    </message>
    <message>
        <source>There is no picture at %1.</source>
        <translation>%1 に画像がありません。</translation>
    </message>
    <message>
        <source>%1 is a folder; choose a picture file.</source>
        <translation>%1 はフォルダーです。画像ファイルを選択してください。</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture: %2</source>
        <translation>%1 を画像として読み込めません: %2</translation>
    </message>
    <message>
        <source>Choose at least one platform.</source>
        <translation>プラットフォームを 1 つ以上選択してください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; use a name such as white or a code such as #1d3b8f.</source>
        <translation>「%1」は色ではありません。white などの名前か、#1d3b8f などのコードを使用してください。</translation>
    </message>
    <message>
        <source>Choose an output folder.</source>
        <translation>出力フォルダーを選択してください。</translation>
    </message>
    <message>
        <source>%1 is a file; choose a folder for the sets.</source>
        <translation>%1 はファイルです。セットを保存するフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Nothing can be written into %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels, not square: the icons pad it to a square.</source>
        <translation>画像は %1 × %2 ピクセルで、正方形ではありません。アイコンでは余白を加えて正方形にします。</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.</source>
        <translation>画像は %1 × %2 ピクセルです。%3 × %3 までのアイコンは拡大されるため、ぼやけて見えます。</translation>
    </message>
    <message numerus="yes">
        <source>%n unknown platform(s): %1</source>
        <translation>
            <numerusform>%n 個の不明なプラットフォーム: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>フォルダー %1 を作成できません。</translation>
    </message>
</context>
<context>
    <name>IconSetJob</name>
    <message>
        <source>app icon</source>
        <translation>アプリ アイコン</translation>
    </message>
    <message>
        <source>launch images</source>
        <translation>起動画像</translation>
    </message>
    <message>
        <source>adaptive background</source>
        <translation>アダプティブ背景</translation>
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
        <translation>アプリ</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>変更を保存</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>タイトルの編集</translation>
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
        <translation>まもなく完了</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>残り約 %n 分</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>残り約 %n 秒</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>ボタン</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
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
        <translation>%1 バイト</translation>
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
        <translation>[生成] をクリックすると、選択したプラットフォームの画像がここに表示されます。</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n 個のファイル</numerusform>
        </translation>
    </message>
    <message>
        <source>Every set was made: %1 in %2</source>
        <translation>すべてのセットを作成しました: %1、保存先 %2</translation>
    </message>
    <message>
        <source>Not every set was made; what was written: %1 in %2</source>
        <translation>作成できなかったセットがあります。書き込まれた内容: %1、保存先 %2</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message numerus="yes">
        <source>%n size(s) up to %1 × %2 px</source>
        <translation>
            <numerusform>%n サイズ、最大 %1 × %2 px</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleToolWindow</name>
    <message>
        <source>Sample Picture</source>
        <translation>サンプル画像</translation>
    </message>
    <message>
        <source>The sample picture cannot be written.</source>
        <translation>サンプル画像を書き込めません。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing Generated</source>
        <translation>何も生成されませんでした</translation>
    </message>
    <message>
        <source>There is nothing to make.</source>
        <translation>作成するものがありません。</translation>
    </message>
    <message>
        <source>Generating icon sets</source>
        <translation>アイコン セットを生成しています</translation>
    </message>
    <message numerus="yes">
        <source>Every set was made: %n file(s).</source>
        <translation>
            <numerusform>すべてのセットを作成しました: %n 個のファイル。</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation Failed</source>
        <translation>生成に失敗しました</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.</source>
        <translation>
            <numerusform>%n 個のセットを作成できませんでした。他のセットのファイルを表示しています。原因はログで確認してください。</numerusform>
        </translation>
    </message>
    <message>
        <source>Icon Sets</source>
        <translation>アイコン セット</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク モード</translation>
    </message>
    <message>
        <source>Apps (%1)</source>
        <translation>アプリ (%1)</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>アプリ</translation>
    </message>
    <message>
        <source>No apps found on %1.</source>
        <translation>%1 にアプリが見つかりません。</translation>
    </message>
    <message>
        <source>Sign in with the user button to see your apps on %1.</source>
        <translation>%1 のアプリを表示するには、ユーザー ボタンからサインインしてください。</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>画像の選択</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</source>
        <translation>画像 (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>出力フォルダーの選択</translation>
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
        <translation>Windows ストア</translation>
    </message>
    <message>
        <source>Installer pictures</source>
        <translation>インストーラーの画像</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>No picture yet: choose one or drop it onto the window.</source>
        <translation>画像がまだありません。画像を選択するか、ウィンドウにドロップしてください。</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>選択…</translation>
    </message>
    <message>
        <source>Platforms</source>
        <translation>プラットフォーム</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>出力フォルダー</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>出力フォルダーを選択</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>生成</translation>
    </message>
    <message>
        <source>Use the project&apos;s sample picture</source>
        <translation>プロジェクトのサンプル画像を使用</translation>
    </message>
    <message>
        <source>Icon background</source>
        <translation>アイコンの背景</translation>
    </message>
    <message>
        <source>Launch background</source>
        <translation>起動画面の背景</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>既定</translation>
    </message>
    <message>
        <source>Sample Picture</source>
        <translation>サンプル画像</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>サインアウト</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>サインイン</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>%1 をサインアウト</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>サインイン</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>サインイン</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>ToolSideBar</name>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Portal: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>ポータル: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>UserButton</name>
    <message>
        <source>Sign In</source>
        <translation>サインイン</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>サインイン済み</translation>
    </message>
</context>
</TS>
