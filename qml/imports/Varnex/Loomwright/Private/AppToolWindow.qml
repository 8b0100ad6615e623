import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Window 2.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Varnex.Hostkit.Desktop 1.0

import "../Internal" as Internal
import "../Internal/toolcontext.js" as ToolContext
import "../Internal/toolwindow.js" as ToolWindow
import "toolstyle.js" as ToolStyle

// The window of the older suite tools: a tiled background, a side bar that
// slides in from the leading edge with the tool's name, help text, user and
// version; the tool's large icon, which toggles the side bar; a strip with
// the active app's summary; the tool's own content (the window's children
// go into its tool area); a status bar with the app's path; and a cover
// that dims the window while a start-up dialog is open. Behind the face is
// the app session that the app window of the Controls module shares: the
// active app with its picker, downloads, one portal connection signed in
// together with the suite's other tools.
//
// A tool:
//
//     AppToolWindow {
//         toolId: "make"                 // remembers its side bar under this
//         toolShortName: qsTr("Make")
//         toolIcon: "images/make.png"
//         title: qsTr("Make")
//         visible: true
//         MyToolContent { anchors.fill: parent }
//     }
//
// It reads, from its QML context, `commandLine` (a first positional argument
// names the app to open), `productVersion` (shown in the side bar) and
// `toolsPath` (where "tool://NAME" links of the help text find the tool
// NAME, started detached).
//
// Start-up: the active app is chosen, the side bar restored, and
// appWindowInitialized() emitted; the sign-in that another tool shared
// follows once the tool configuration has loaded, since until then the
// portal's address is the default one and a record for the configured
// portal would look like another portal's and be deleted.
ApplicationWindow {
    id: root

    property bool appRequired: true
    property int appTypes: AppInfo.AppTypeApp
    property bool showAppSummary: appRequired
    property bool showStatusBar: showAppSummary
    property string toolId
    property string toolShortName
    property url toolIcon
    property bool useAppFileDialog: false
    property string currentInfoText
    property var localeForRTL: ["ar", "he", "he-IL"]
    // The user-interface languages, the preferred first.
    property var uiLanguages: Qt.locale().uiLanguages
    property bool mirror: ToolWindow.isRightToLeft(uiLanguages, localeForRTL)
    // What the app picker shows for an app without a title or a picture.
    property string nullAppTitle
    property url nullAppThumbnail: "images/gis5.png"
    // The path that names the active app: its folder, or a file in it.
    property alias chosenPath: session.chosenPath
    // Makes the sign-in dialog; a tool may give its own (see SharedSignIn).
    property Component signInDialogComponent: defaultSignInDialog
    readonly property int messageDelay: session.messageDelay
    readonly property string productVersionText: typeof productVersion === "undefined" || productVersion === null
                                                 ? "" : String(productVersion)

    readonly property alias appInfo: session.appInfo
    readonly property alias appInfoList: session.appInfoList
    property alias appsAutoRefresh: session.appsAutoRefresh
    readonly property alias appFolder: session.appFolder
    readonly property alias backgroundImage: backgroundImage
    readonly property alias toolItem: toolArea
    property alias toolInfoText: toolSideBar.infoText
    readonly property alias toolConfig: configuration
    readonly property alias toolSideBar: toolSideBar
    readonly property alias qmlFolder: session.qmlFolder
    readonly property alias htmlFolder: session.htmlFolder
    readonly property alias portal: session.portal
    // For tools that build on the window, and for tests.
    readonly property alias appsDialog: appsDialog
    readonly property alias appPackage: session.appPackage
    readonly property alias messageBox: messageBox
    readonly property alias itemProgress: itemProgress
    readonly property alias sharedSignIn: session.sharedSignIn
    readonly property alias toolIconItem: toolIconItem
    readonly property alias summaryStrip: summaryStrip
    readonly property alias statusBar: statusBar
    readonly property alias dialogCover: dialogCover
    readonly property bool toolConfigLoaded: session.toolConfigLoaded
    default property alias toolData: toolArea.data

    readonly property LoggingCategory log: LoggingCategory {
        name: "Varnex.Loomwright.AppToolWindow"
    }

    signal appWindowInitialized()
    signal openUrl(url url)
    signal iconPressAndHold(var button)
    // Emitted just before the window ends the application (a cancelled
    // picker or app check that had to have an app).
    signal quitRequested()

    // Choosing the active app and downloads: the session's

    function selectActiveApp(quitOnRejected) {
        session.selectActiveApp(quitOnRejected)
    }

    function setActiveApp(appInfo) {
        session.setActiveApp(appInfo)
    }

    function clearActiveApp() {
        chosenPath = ""
    }

    function setChosenPath(path) {
        session.setChosenPath(path)
    }

    function applyChosenPath() {
        session.applyChosenPath()
    }

    function quit() {
        session.quit()
    }

    function downloadApp(appInfo, callback, noPrompt) {
        session.downloadApp(appInfo, callback, noPrompt)
    }

    function startDownload(appInfo, callback) {
        session.startDownload(appInfo, callback)
    }

    function downloadFinished() {
        session.downloadFinished()
    }

    function showMessage(icon, title, text, informativeText, detailedText, onAccepted, onRejected) {
        session.showMessage(icon, title, text, informativeText, detailedText, onAccepted, onRejected)
    }

    function confirmYesNo(title, text, onYes, onNo) {
        session.confirmYesNo(title, text, onYes, onNo)
    }

    // The side bar and the help text

    // Shows the side bar as the tool left it last time (shown the first
    // time); without a toolId nothing is remembered.
    function restoreSideBar() {
        if (toolId === "")
            return
        if (Hostkit.settings.boolValue(toolKey(toolId, "sideBarVisible"), true))
            toolSideBar.show()
        else if (toolSideBar.opened)
            toolSideBar.hide()
    }

    function restoreDefaultInfoText() {
        toolSideBar.infoText = session.readHtmlFile(getHtmlFileName("html/toolSummary"))
    }

    // A link of the help text: "tool://NAME" starts the suite's tool NAME,
    // anything else opens in the system's browser.
    function openLink(link) {
        var text = link === undefined || link === null ? "" : String(link)
        if (ToolWindow.isToolLink(text)) {
            startTool(text.substring(ToolWindow.toolScheme.length))
            return
        }
        openUrl(text)
        Qt.openUrlExternally(text)
    }

    // Starts the tool `name` of the suite's tools folder as a process of its
    // own, which outlives this window; the process id, or 0 when it was not
    // started. A name that would leave the folder is refused.
    function startTool(name) {
        var problem = ToolWindow.toolNameProblem(name)
        if (problem !== "") {
            console.warn(log, "Refused tool link:", problem, JSON.stringify(String(name)))
            return 0
        }
        var folder = typeof toolsPath === "undefined" || toolsPath === null ? ToolContext.missing("toolsPath")
                                                                             : String(toolsPath)
        if (!folder) {
            console.warn(log, "No tools folder to start", JSON.stringify(String(name)), "from")
            return 0
        }
        return Loomwright.runDetached(folder + "/" + name)
    }

    // Helpers

    function toolKey(toolName, subKey) {
        return ToolContext.toolKey(toolName, subKey)
    }

    function getHtmlFileName(prefix) {
        return ToolWindow.helpFileName(prefix, uiLanguages && uiLanguages.length > 0 ? uiLanguages[0] : "",
                                       htmlFolder, Hostkit.fileFolder)
    }

    function rot13(text) {
        return ToolWindow.rot13(text)
    }

    function hostCommandLine() {
        return session.hostCommandLine()
    }

    width: Internal.BrimforgeTheme.gridUnit * 250
    height: Internal.BrimforgeTheme.gridUnit * 162.5
    color: ToolStyle.colors.windowFill
    font.family: Internal.BrimforgeTheme.avenir
    font.pointSize: Internal.BrimforgeTheme.baseFontSizePoint

    onCurrentInfoTextChanged: internal.showInfoText()
    Component.onCompleted: internal.startUp()

    Item {
        id: content

        objectName: "windowContent"
        // The distance from the leading edge that the side bar covers now.
        readonly property real sideBarInset: !toolSideBar.visible ? 0
                                             : Math.max(0, Math.min(toolSideBar.width,
                                                                    root.mirror ? width - toolSideBar.x
                                                                                : toolSideBar.x + toolSideBar.width))
        readonly property real iconSize: Internal.BrimforgeTheme.gridUnit * 18.75
        readonly property real iconMargin: Internal.BrimforgeTheme.largeSpacing
        readonly property real bannerHeight: iconSize + 2 * iconMargin
        readonly property real iconInset: Math.max(iconMargin, sideBarInset - iconSize / 2)
        readonly property real toolMargin: Internal.BrimforgeTheme.gridUnit * 1.25

        anchors.fill: parent
        LayoutMirroring.enabled: root.mirror
        LayoutMirroring.childrenInherit: true
        Accessible.name: root.title

        Image {
            id: backgroundImage

            objectName: "backgroundImage"
            anchors.fill: parent
            source: "images/hexagonBannerWhite.png"
            fillMode: Image.Tile
            horizontalAlignment: Image.AlignLeft
            verticalAlignment: Image.AlignTop
        }

        AppToolSummaryStrip {
            id: summaryStrip

            objectName: "summaryStrip"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.leftMargin: content.sideBarInset
            height: content.bannerHeight
            visible: root.showAppSummary
            appInfo: session.appInfo
            toolConfig: configuration
            summaryInset: content.iconInset + content.iconSize - content.sideBarInset
                          + Internal.BrimforgeTheme.xxLargeSpacing
        }

        Item {
            id: toolArea

            objectName: "toolArea"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.bottom: statusBar.visible ? statusBar.top : parent.bottom
            anchors.leftMargin: content.sideBarInset + content.toolMargin
            anchors.rightMargin: content.toolMargin
            anchors.topMargin: content.bannerHeight + content.toolMargin
            anchors.bottomMargin: content.toolMargin
        }

        AppToolStatusBar {
            id: statusBar

            objectName: "statusBar"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.leftMargin: content.sideBarInset
            visible: root.showAppSummary
            toolConfig: configuration
            path: session.appInfo.path
        }

        ToolSideBar {
            id: toolSideBar

            objectName: "toolSideBar"
            y: 0
            width: Internal.BrimforgeTheme.gridUnit * 57.5
            height: parent.height
            mirrored: root.mirror
            toolConfig: configuration
            portal: session.portal
            toolShortName: root.toolShortName
            productVersion: root.productVersionText
            bannerHeight: content.bannerHeight
            bannerTrailingMargin: content.iconSize / 2 + Internal.BrimforgeTheme.mediumSpacing
            onLinkActivated: root.openLink(link)
            onOpenedChanged: internal.rememberSideBar()
        }

        AppToolIcon {
            id: toolIconItem

            objectName: "toolIcon"
            anchors.left: parent.left
            anchors.top: parent.top
            anchors.leftMargin: content.iconInset
            anchors.topMargin: content.iconMargin
            width: content.iconSize
            height: content.iconSize
            source: root.toolIcon
            glowColor: configuration.highlightColor
            effectsAvailable: internal.effectsAvailable
            onClicked: toolSideBar.toggle()
            onPressAndHold: root.iconPressAndHold(button)
        }

        AppToolDialogCover {
            id: dialogCover

            objectName: "dialogCover"
            anchors.fill: parent
            visible: appsDialog.visible || messageBox.visible
                     || (folderDialogLoader.item !== null && folderDialogLoader.item.visible)
            iconSource: root.toolIcon
            iconSize: content.iconSize
            title: root.title
        }
    }

    ItemProgress {
        id: itemProgress

        objectName: "itemProgress"
        parent: root.overlay
        toolConfig: configuration
        LayoutMirroring.enabled: root.mirror
        LayoutMirroring.childrenInherit: true
    }

    AppsDialog {
        id: appsDialog

        objectName: "appsDialog"
        parent: root.overlay
        title: qsTr("%1 - Select App").arg(root.title)
        appInfoList: session.appInfoList
        toolConfig: configuration
        // The window's cover dims it already.
        dim: false
        referenceCellWidth: Internal.BrimforgeTheme.gridUnit * 37.5
        nullAppTitle: root.nullAppTitle
        nullAppThumbnail: root.nullAppThumbnail
        onAccepted: root.setActiveApp(appInfo)
        onRejected: session.pickerRejected()
    }

    MessageBox {
        id: messageBox
    }

    Internal.AppFolderDialogLoader {
        id: folderDialogLoader

        session: session
        windowTitle: root.title
    }

    QtObject {
        id: internal

        property bool completed: false
        property bool sharedSignInChecked: false
        readonly property bool effectsAvailable: root.contentItem.GraphicsInfo.api !== GraphicsInfo.Software
                                                 && root.contentItem.GraphicsInfo.api !== GraphicsInfo.Unknown

        function startUp() {
            showInfoText()
            completed = true
            signInIfShared()
            session.chooseStartingApp()
            root.restoreSideBar()
            root.appWindowInitialized()
        }

        // Once, at start-up, when both the window and its configuration are
        // complete: the portal is then the configured one.
        function signInIfShared() {
            if (!completed || !session.toolConfigLoaded || sharedSignInChecked)
                return
            sharedSignInChecked = true
            session.sharedSignIn.signInIfShared()
        }

        function rememberSideBar() {
            if (root.toolId !== "")
                Hostkit.settings.setValue(root.toolKey(root.toolId, "sideBarVisible"), toolSideBar.opened)
        }

        function showInfoText() {
            if (root.currentInfoText !== "")
                toolSideBar.infoText = root.currentInfoText
            else
                root.restoreDefaultInfoText()
        }
    }

    Internal.AppSession {
        id: session

        appRequired: root.appRequired
        useAppFileDialog: root.useAppFileDialog
        toolConfig: AppToolConfig {
            id: configuration

            settings: Hostkit.settings
            onLoaded: {
                session.toolConfigLoaded = true
                // Once the portal has taken the loaded values.
                Qt.callLater(internal.signInIfShared)
            }
        }
        messageBox: messageBox
        appsDialog: appsDialog
        folderDialogLoader: folderDialogLoader
        windowTitle: root.title
        log: root.log
        // The older tools' questions break their line the Windows way; the
        // catalogues keep plain line feeds.
        downloadQuestion: function (appInfo) {
            var question = appInfo.isLocal === true
                    ? qsTr(" %1 is already on your local system.\nWould you like to download it again?")
                    : qsTr(" %1 is not on your local system.\nWould you like to download it now?")
            return question.replace(/\r?\n/g, "\r\n")
        }
        quitOnInvalidApp: true
        finishUnstartedDownload: true
        signInDialogParent: root.overlay
        signInDialogComponent: root.signInDialogComponent
        signInDialogProperties: ({ bannerColor: configuration.bannerColor, bannerTextColor: configuration.bannerTextColor })
        onPortalSignedIn: {
            var user = session.portal.user
            session.appInfoList.searchQuery = ToolWindow.gallerySearchQuery("", user && user.orgId ? user.orgId : "")
        }
        onDownloadStarted: itemProgress.show(title)
        onDownloadEnded: itemProgress.hide()
        onQuitRequested: root.quitRequested()
    }

    // The download's progress while it is the window's.
    Connections {
        target: session.appPackage

        function onPercentageChanged() {
            if (session.downloading)
                itemProgress.percentage = session.appPackage.percentage
        }

        function onSecondsRemainingEstimateChanged() {
            if (session.downloading)
                itemProgress.secondsRemaining = session.appPackage.secondsRemainingEstimate
        }

        function onStatusMessageChanged() {
            if (session.downloading && session.appPackage.statusMessage !== "")
                itemProgress.message = session.appPackage.statusMessage
        }
    }

    Component {
        id: defaultSignInDialog

        Internal.BannerSignInDialog {}
    }
}
