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
        <source>%1 - Select App</source>
        <translation>%1 - アプリの選択</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - アプリ フォルダーの選択</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>フォルダーに有効なアプリ プロジェクトが含まれていません</translation>
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
        <source>Update available</source>
        <translation>アップデートがあります</translation>
    </message>
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
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - アプリの選択</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - アプリ フォルダーの選択</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>フォルダーに有効なアプリ プロジェクトが含まれていません</translation>
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
        <translation>アップデートがあります</translation>
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
        <translation>ポータル：&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
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
