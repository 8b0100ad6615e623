<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>ActivityOverlay</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) remaining</source>
        <translation>
            <numerusform>剩余 %n 秒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) remaining</source>
        <translation>
            <numerusform>剩余 %n 分钟</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AppItemDetailsDialog</name>
    <message>
        <source>Item Details</source>
        <translation>项目详细信息</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Item details</source>
        <translation>项目详细信息</translation>
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
        <translation>创建时间：%1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>上次修改时间：%1</translation>
    </message>
    <message>
        <source>More item details</source>
        <translation>更多项目详细信息</translation>
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
        <translation>下载应用</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>正在下载 %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>下载完成</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>%1 下载完成</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>下载错误</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - 选择应用</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - 选择应用文件夹</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>文件夹中不包含有效的应用项目</translation>
    </message>
    <message>
        <source> %1 is already on your local system.
Would you like to download it again?</source>
        <translation> %1 已在您的本地系统中。
是否重新下载？</translation>
    </message>
    <message>
        <source> %1 is not on your local system.
Would you like to download it now?</source>
        <translation> %1 不在您的本地系统中。
是否立即下载？</translation>
    </message>
</context>
<context>
    <name>AppWindow</name>
    <message>
        <source>%1 is not on your local system.

Would you like to download it now?</source>
        <translation>%1 不在您的本地系统中。

是否立即下载？</translation>
    </message>
    <message>
        <source>%1 has been updated locally. Downloading will write over local changes.

Would you like to download it again?</source>
        <translation>%1 已在本地更新。下载将覆盖本地更改。

是否重新下载？</translation>
    </message>
    <message>
        <source>%1 is already on your local system.

Would you like to download it again?</source>
        <translation>%1 已在您的本地系统中。

是否重新下载？</translation>
    </message>
    <message>
        <source>Download App</source>
        <translation>下载应用</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>正在下载 %1</translation>
    </message>
    <message>
        <source>Download Completed</source>
        <translation>下载完成</translation>
    </message>
    <message>
        <source>%1 download completed</source>
        <translation>%1 下载完成</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>下载错误</translation>
    </message>
    <message>
        <source>You do not have permissions to access this resource or perform this operation.</source>
        <translation>您无权访问此资源或执行此操作。</translation>
    </message>
    <message>
        <source>Item does not exist or is inaccessible.</source>
        <translation>项目不存在或无法访问。</translation>
    </message>
    <message>
        <source>App Unmodified</source>
        <translation>应用未修改</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>不可用</translation>
    </message>
    <message>
        <source>Weeks ago: %1</source>
        <translation>%1 周前</translation>
    </message>
    <message>
        <source>Days ago: %1</source>
        <translation>%1 天前</translation>
    </message>
    <message>
        <source>Hours ago: %1</source>
        <translation>%1 小时前</translation>
    </message>
    <message>
        <source>Minutes ago: %1</source>
        <translation>%1 分钟前</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>刚刚</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>有可用更新</translation>
    </message>
    <message>
        <source>Not Signed In</source>
        <translation>未登录</translation>
    </message>
    <message>
        <source>Manage Portals</source>
        <translation>管理门户</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>退出登录</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>%1 - Select App</source>
        <translation>%1 - 选择应用</translation>
    </message>
    <message>
        <source>%1 - Select App Folder</source>
        <translation>%1 - 选择应用文件夹</translation>
    </message>
    <message>
        <source>Folder does not contain a valid app project</source>
        <translation>文件夹中不包含有效的应用项目</translation>
    </message>
</context>
<context>
    <name>AppsDialog</name>
    <message>
        <source>Apps</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>AppsGridView</name>
    <message>
        <source>No results found</source>
        <translation>未找到结果</translation>
    </message>
</context>
<context>
    <name>BrimforgeActionWithTool</name>
    <message>
        <source>Unable to start %1</source>
        <translation>无法启动 %1</translation>
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
        <translation>上传</translation>
    </message>
    <message>
        <source>Upload an app with other Varnex Online or Varnex Portal users</source>
        <translation>上传应用，与其他 Varnex Online 或 Varnex Portal 用户共享</translation>
    </message>
</context>
<context>
    <name>InlineStyledTextEdit</name>
    <message>
        <source>App</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>保存更改</translation>
    </message>
    <message>
        <source>Edit Title</source>
        <translation>编辑标题</translation>
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
        <translation>即将完成</translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n minute(s) remaining</source>
        <translation>
            <numerusform>预计剩余 %n 分钟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Estimated %n second(s) remaining</source>
        <translation>
            <numerusform>预计剩余 %n 秒</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaterialButton</name>
    <message>
        <source>Button</source>
        <translation>按钮</translation>
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
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>SignInButton</name>
    <message>
        <source>Sign out</source>
        <translation>退出登录</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Sign out %1</source>
        <translation>退出登录 %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>登录</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>登录</translation>
    </message>
</context>
<context>
    <name>TextControlsContextMenu</name>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
</context>
<context>
    <name>ToolHelpDialog</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
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
        <translation>门户：&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>UserButton</name>
    <message>
        <source>Sign In</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Signed In</source>
        <translation>已登录</translation>
    </message>
</context>
</TS>
