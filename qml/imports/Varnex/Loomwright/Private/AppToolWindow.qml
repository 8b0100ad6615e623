import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Dialogs 1.3 as Dialogs
import QtQuick.Window 2.15
import QtGraphicalEffects 1.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Varnex.Hostkit.Desktop 1.0
import Varnex.Loomwright.Controls 1.0 as Controls

import "../Controls/toolcontext.js" as ToolContext
import "toolwindow.js" as ToolWindow
import "toolstyle.js" as ToolStyle

// The window of the older suite tools: a tiled background, a side bar that
// slides in from the leading edge with the tool's name, help text, user and
// version; the tool's large icon, which toggles the side bar; a strip with
// the active app's summary; the tool's own content (the window's children
// go into its tool area); a status bar with the app's path; and a cover
// that dims the window while a start-up dialog is open. Behind the face it
// does what the app window of the Controls module does: the active app with
// its picker, downloads, one portal connection signed in together with the
// suite's other tools.
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
    property string chosenPath
    // Makes the sign-in dialog; a tool may give its own (see SharedSignIn).
    property Component signInDialogComponent: defaultSignInDialog
    // How long a message box waits before it opens, in milliseconds: a
    // dialog that has just closed (the picker, say) is out of the way then.
    readonly property int messageDelay: 501
    readonly property string productVersionText: typeof productVersion === "undefined" || productVersion === null
                                                 ? "" : String(productVersion)

    readonly property alias appInfo: activeApp
    readonly property alias appInfoList: galleryList
    property alias appsAutoRefresh: galleryList.autoRefresh
    readonly property alias appFolder: appFolder
    readonly property alias backgroundImage: backgroundImage
    readonly property alias toolItem: toolArea
    property alias toolInfoText: toolSideBar.infoText
    readonly property alias toolConfig: configuration
    readonly property alias toolSideBar: toolSideBar
    readonly property alias qmlFolder: qmlFolder
    readonly property alias htmlFolder: htmlFolder
    readonly property alias portal: portalConnection
    // For tools that build on the window, and for tests.
    readonly property alias appsDialog: appsDialog
    readonly property alias appPackage: appPackage
    readonly property alias messageBox: messageBox
    readonly property alias itemProgress: itemProgress
    readonly property alias sharedSignIn: sharedSignIn
    readonly property alias toolIconItem: toolIconItem
    readonly property alias summaryStrip: summaryStrip
    readonly property alias statusBar: statusBar
    readonly property alias dialogCover: dialogCover
    readonly property bool toolConfigLoaded: internal.toolConfigLoaded
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

    // Choosing the active app

    function selectActiveApp(quitOnRejected) {
        internal.quitOnRejected = quitOnRejected === true
        if (useAppFileDialog) {
            folderDialogLoader.active = true
            folderDialogLoader.item.open()
        } else {
            appsDialog.open()
        }
    }

    function setActiveApp(appInfo) {
        if (!appInfo)
            return
        if (appInfo.isLocal === true)
            setChosenPath(appInfo.path)
        else
            downloadApp(appInfo)
    }

    function clearActiveApp() {
        chosenPath = ""
    }

    // The same path again reads the app again (a download into its folder).
    function setChosenPath(path) {
        var text = path === undefined || path === null ? "" : String(path)
        if (text === chosenPath)
            applyChosenPath()
        else
            chosenPath = text
    }

    function applyChosenPath() {
        if (chosenPath === "") {
            activeApp.path = ""
            return
        }
        var info = Hostkit.fileInfo(chosenPath)
        var folder = info.isFile ? info.folder.path : info.filePath
        if (folder === activeApp.path)
            activeApp.refresh()
        else
            activeApp.path = folder
    }

    function quit() {
        quitRequested()
        Qt.quit()
    }

    // Downloads

    function downloadApp(appInfo, callback, noPrompt) {
        if (!appInfo)
            return
        if (noPrompt === true) {
            startDownload(appInfo, callback)
            return
        }
        var question = appInfo.isLocal === true
                ? qsTr(" %1 is already on your local system.\nWould you like to download it again?")
                : qsTr(" %1 is not on your local system.\nWould you like to download it now?")
        // The older tools' questions break their line the Windows way; the
        // catalogues keep plain line feeds.
        question = question.replace(/\r?\n/g, "\r\n")
        confirmYesNo(qsTr("Download App"), question.arg(appInfo.title), function () {
            root.startDownload(appInfo, callback)
        })
    }

    function startDownload(appInfo, callback) {
        var title = appInfo && appInfo.title !== undefined ? String(appInfo.title) : ""
        internal.downloadCallback = typeof callback === "function" ? callback : null
        internal.downloading = true
        itemProgress.show(qsTr("Downloading %1").arg(title))
        appPackage.appInfo = appInfo || null
        // A download that cannot start may leave the status as it was.
        if (!appPackage.download())
            downloadFinished()
    }

    function downloadFinished() {
        if (!internal.downloading)
            return
        if (appPackage.status === AppPackage.Ready) {
            internal.downloading = false
            itemProgress.hide()
            setChosenPath(appPackage.path)
            var callback = internal.downloadCallback
            internal.downloadCallback = null
            showMessage(messageBox.iconInformation, qsTr("Download Completed"),
                        qsTr("%1 download completed").arg(activeApp.title), "", "", callback, callback)
        } else if (appPackage.status === AppPackage.Error) {
            internal.downloading = false
            internal.downloadCallback = null
            itemProgress.hide()
            var error = appPackage.error || {}
            showMessage(messageBox.iconCritical, qsTr("Download Error"),
                        error.message === undefined || error.message === null ? "" : String(error.message),
                        error.details === undefined || error.details === null ? "" : String(error.details), "")
        }
    }

    // Message boxes: each opens messageDelay ms after it was asked for, and
    // its callback runs once it has closed.

    function showMessage(icon, title, text, informativeText, detailedText, onAccepted, onRejected) {
        internal.delay(function () {
            messageBox.message(icon, title, text, informativeText, detailedText, onAccepted, onRejected)
        })
    }

    function confirmYesNo(title, text, onYes, onNo) {
        internal.delay(function () {
            messageBox.confirmYesNo(title, text, onYes, onNo)
        })
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
        var name = getHtmlFileName("html/toolSummary")
        toolSideBar.infoText = htmlFolder.fileExists(name) ? htmlFolder.readTextFile(name) : ""
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
        return typeof commandLine === "undefined" ? ToolContext.missing("commandLine") : commandLine
    }

    width: Controls.BrimforgeTheme.gridUnit * 250
    height: Controls.BrimforgeTheme.gridUnit * 162.5
    color: ToolStyle.colors.windowFill
    font.family: Controls.BrimforgeTheme.avenir
    font.pointSize: Controls.BrimforgeTheme.baseFontSizePoint

    onChosenPathChanged: applyChosenPath()
    onCurrentInfoTextChanged: {
        if (currentInfoText !== "")
            toolSideBar.infoText = currentInfoText
        else
            restoreDefaultInfoText()
    }
    Component.onCompleted: internal.startUp()

    Item {
        id: content

        objectName: "windowContent"
        // The distance from the leading edge that the side bar covers now.
        readonly property real sideBarInset: !toolSideBar.visible ? 0
                                             : Math.max(0, Math.min(toolSideBar.width,
                                                                    root.mirror ? width - toolSideBar.x
                                                                                : toolSideBar.x + toolSideBar.width))
        readonly property real iconSize: Controls.BrimforgeTheme.gridUnit * 18.75
        readonly property real iconMargin: Controls.BrimforgeTheme.largeSpacing
        readonly property real bannerHeight: iconSize + 2 * iconMargin
        readonly property real iconInset: Math.max(iconMargin, sideBarInset - iconSize / 2)
        readonly property real toolMargin: Controls.BrimforgeTheme.gridUnit * 1.25

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

        Rectangle {
            id: summaryStrip

            objectName: "summaryStrip"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.leftMargin: content.sideBarInset
            height: content.bannerHeight
            visible: root.showAppSummary
            color: ToolStyle.colors.summaryBand

            AppSummary {
                objectName: "appSummary"
                anchors.left: parent.left
                anchors.verticalCenter: parent.verticalCenter
                anchors.leftMargin: content.iconInset + content.iconSize - content.sideBarInset
                                    + Controls.BrimforgeTheme.xxLargeSpacing
                visible: activeApp.isValid
                appInfo: activeApp
                toolConfig: configuration
            }
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

        Rectangle {
            id: statusBar

            objectName: "statusBar"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.leftMargin: content.sideBarInset
            height: Controls.BrimforgeTheme.smallControlHeight
            visible: root.showAppSummary
            color: ToolStyle.colors.summaryBand

            StyledText {
                objectName: "appPath"
                anchors.fill: parent
                anchors.leftMargin: Controls.BrimforgeTheme.mediumSpacing
                anchors.rightMargin: Controls.BrimforgeTheme.mediumSpacing
                toolConfig: configuration
                text: activeApp.path
                textFormat: Text.PlainText
                elide: Text.ElideMiddle
                horizontalAlignment: Text.AlignLeft
                verticalAlignment: Text.AlignVCenter
                font.pointSize: Controls.BrimforgeTheme.smallFontSizePoint
            }
        }

        ToolSideBar {
            id: toolSideBar

            objectName: "toolSideBar"
            y: 0
            width: Controls.BrimforgeTheme.gridUnit * 57.5
            height: parent.height
            mirrored: root.mirror
            toolConfig: configuration
            portal: portalConnection
            toolShortName: root.toolShortName
            productVersion: root.productVersionText
            bannerHeight: content.bannerHeight
            bannerTrailingMargin: content.iconSize / 2 + Controls.BrimforgeTheme.mediumSpacing
            onLinkActivated: root.openLink(link)
            onOpenedChanged: internal.rememberSideBar()
        }

        Item {
            id: toolIconItem

            objectName: "toolIcon"
            anchors.left: parent.left
            anchors.top: parent.top
            anchors.leftMargin: content.iconInset
            anchors.topMargin: content.iconMargin
            width: content.iconSize
            height: content.iconSize
            visible: String(root.toolIcon) !== ""

            Image {
                id: toolIconImage

                anchors.fill: parent
                source: root.toolIcon
                sourceSize.width: width
                sourceSize.height: height
                fillMode: Image.PreserveAspectFit
                smooth: true
            }

            Glow {
                objectName: "toolIconGlow"
                anchors.fill: toolIconImage
                source: toolIconImage
                radius: Controls.BrimforgeTheme.gridUnit * 2
                samples: 16
                spread: 0.5
                color: configuration.highlightColor
                transparentBorder: true
                visible: internal.effectsAvailable && (toolIconArea.containsMouse || toolIconArea.pressed)
            }

            MouseArea {
                id: toolIconArea

                objectName: "toolIconArea"
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                cursorShape: Qt.PointingHandCursor
                onClicked: toolSideBar.toggle()
                onPressAndHold: root.iconPressAndHold(mouse.button)
            }
        }

        Rectangle {
            id: dialogCover

            objectName: "dialogCover"
            anchors.fill: parent
            visible: appsDialog.visible || messageBox.visible
                     || (folderDialogLoader.item !== null && folderDialogLoader.item.visible)
            color: ToolStyle.colors.dialogCover

            MouseArea {
                anchors.fill: parent
                hoverEnabled: true
                preventStealing: true
                acceptedButtons: Qt.AllButtons
                onWheel: wheel.accepted = true
            }

            Column {
                anchors.centerIn: parent
                width: parent.width - 2 * Controls.BrimforgeTheme.xxLargeSpacing
                spacing: Controls.BrimforgeTheme.xxLargeSpacing

                Image {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: content.iconSize
                    height: content.iconSize
                    visible: String(root.toolIcon) !== ""
                    source: root.toolIcon
                    sourceSize.width: width
                    sourceSize.height: height
                    fillMode: Image.PreserveAspectFit
                }

                Text {
                    objectName: "coverTitle"
                    width: parent.width
                    text: root.title
                    textFormat: Text.PlainText
                    wrapMode: Text.Wrap
                    horizontalAlignment: Text.AlignHCenter
                    color: ToolStyle.colors.coverText
                    font.family: Controls.BrimforgeTheme.avenirBold
                    font.pointSize: ToolStyle.fontSizes.coverTitle
                    font.bold: true
                }
            }
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
        appInfoList: galleryList
        toolConfig: configuration
        // The window's cover dims it already.
        dim: false
        referenceCellWidth: Controls.BrimforgeTheme.gridUnit * 37.5
        nullAppTitle: root.nullAppTitle
        nullAppThumbnail: root.nullAppThumbnail
        onAccepted: root.setActiveApp(appInfo)
        onRejected: {
            if (internal.quitOnRejected)
                root.quit()
        }
    }

    MessageBox {
        id: messageBox
    }

    Loader {
        id: folderDialogLoader

        active: false
        sourceComponent: Dialogs.FileDialog {
            title: qsTr("%1 - Select App Folder").arg(root.title)
            selectFolder: true
            onAccepted: root.setChosenPath(Hostkit.fileInfo(fileUrl).filePath)
            onRejected: {
                if (internal.quitOnRejected)
                    root.quit()
            }
        }
    }

    QtObject {
        id: internal

        property bool completed: false
        property bool toolConfigLoaded: false
        property bool sharedSignInChecked: false
        property bool quitOnRejected: false
        property bool downloading: false
        property var downloadCallback: null
        // Requests waiting for their time: { due, show }.
        property var pendingMessages: []
        // The path whose invalid-app message is on its way.
        property string reportedInvalidPath
        readonly property bool effectsAvailable: root.contentItem.GraphicsInfo.api !== GraphicsInfo.Software
                                                 && root.contentItem.GraphicsInfo.api !== GraphicsInfo.Unknown

        function startUp() {
            completed = true
            signInIfShared()
            if (root.appRequired && !activeApp.isValid) {
                var args = ToolContext.positionalArguments(root.hostCommandLine())
                if (args.length > 0 && args[0] !== "")
                    root.setChosenPath(args[0])
                else if (args.length === 0 || root.chosenPath === "" || !Hostkit.fileInfo(root.chosenPath).exists)
                    root.selectActiveApp(true)
            }
            root.restoreSideBar()
            root.appWindowInitialized()
        }

        // Once, at start-up, when both the window and its configuration are
        // complete: the portal is then the configured one.
        function signInIfShared() {
            if (!completed || !toolConfigLoaded || sharedSignInChecked)
                return
            sharedSignInChecked = true
            sharedSignIn.signInIfShared()
        }

        function rememberSideBar() {
            if (root.toolId !== "")
                Hostkit.settings.setValue(root.toolKey(root.toolId, "sideBarVisible"), toolSideBar.opened)
        }

        function delay(show) {
            pendingMessages.push({ due: Date.now() + root.messageDelay, show: show })
            if (!messageTimer.running) {
                messageTimer.interval = root.messageDelay
                messageTimer.start()
            }
        }

        function releaseMessages() {
            var now = Date.now()
            while (pendingMessages.length > 0 && pendingMessages[0].due <= now + 1)
                pendingMessages.shift().show()
            if (pendingMessages.length > 0) {
                messageTimer.interval = Math.max(1, pendingMessages[0].due - now)
                messageTimer.start()
            }
        }

        function checkActiveApp() {
            if (!root.appRequired || activeApp.path === "" || activeApp.isValid) {
                reportedInvalidPath = ""
                return
            }
            if (reportedInvalidPath === activeApp.path)
                return
            reportedInvalidPath = activeApp.path
            console.warn(root.log, "Not a valid app project:", activeApp.path)
            root.showMessage(messageBox.iconCritical, root.title, qsTr("Folder does not contain a valid app project"),
                             activeApp.path, "", reopenPicker, root.quit)
        }

        function reopenPicker() {
            reportedInvalidPath = ""
            root.selectActiveApp(true)
        }
    }

    Timer {
        id: messageTimer

        repeat: false
        onTriggered: internal.releaseMessages()
    }

    AppInfo {
        id: activeApp

        onInfoChanged: internal.checkActiveApp()
    }

    AppInfoList {
        id: galleryList

        portal: portalConnection
        autoRefresh: false
        Component.onCompleted: filter.local = false
    }

    AppPackage {
        id: appPackage

        portal: portalConnection
        onStatusChanged: root.downloadFinished()
        onPercentageChanged: {
            if (internal.downloading)
                itemProgress.percentage = percentage
        }
        onSecondsRemainingEstimateChanged: {
            if (internal.downloading)
                itemProgress.secondsRemaining = secondsRemainingEstimate
        }
        onStatusMessageChanged: {
            if (internal.downloading && statusMessage !== "")
                itemProgress.message = statusMessage
        }
    }

    AppToolConfig {
        id: configuration

        settings: Hostkit.settings
        onLoaded: {
            internal.toolConfigLoaded = true
            // Once the portal has taken the loaded values.
            Qt.callLater(internal.signInIfShared)
        }
    }

    Portal {
        id: portalConnection

        url: configuration.portalUrl
        name: configuration.portalName
        ignoreSslErrors: configuration.ignoreSslErrors
        clientId: configuration.clientId
        userAgent: configuration.userAgent
        onSignedInChanged: {
            if (!signedIn)
                return
            galleryList.searchQuery = ToolWindow.gallerySearchQuery("", user && user.orgId ? user.orgId : "")
        }
    }

    SharedSignIn {
        id: sharedSignIn

        portal: portalConnection
        sharedData: Loomwright.sharedData
        dialogParent: root.overlay
        dialogComponent: root.signInDialogComponent
        dialogProperties: ({ bannerColor: configuration.bannerColor, bannerTextColor: configuration.bannerTextColor })
        // Not before the configuration named the portal.
        followSharedSignIn: internal.toolConfigLoaded
    }

    Component {
        id: defaultSignInDialog

        SignInDialog {}
    }

    FileFolder {
        id: qmlFolder

        path: ":/qml"
        Component.onCompleted: {
            if (root.currentInfoText !== "")
                toolSideBar.infoText = root.currentInfoText
            else
                root.restoreDefaultInfoText()
        }
    }

    FileFolder {
        id: htmlFolder

        path: ":/html"
    }

    FileFolder {
        id: appFolder

        path: activeApp.path
    }
}
