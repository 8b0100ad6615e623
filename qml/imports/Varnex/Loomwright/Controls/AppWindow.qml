import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Varnex.Hostkit.Desktop 1.0

import "../Internal" as Internal
import "../Internal/toolcontext.js" as ToolContext
import "../Internal/toolwindow.js" as ToolWindow

// The window of a suite tool: the header with the tool's icon, title and
// buttons, the user button and panel; one portal connection signed in
// together with the suite's other tools; the app the tool works on (the
// active app) with the picker that chooses it and the download of apps from
// the portal; message boxes, the update check and a few helpers (help files
// in the user's language, relative dates, settings keys of tools). What lies
// behind the face is the app session that the older tool window shares.
//
// The tool puts its own content into the window. It reads, from its QML
// context, `commandLine` (a first positional argument names the app to
// open) and `productVersion` (for the update check); see BrimforgeActionWithTool
// for the names that the tool actions read.
ApplicationWindow {
    id: root

    property string appTitle
    readonly property bool appWindowAtMinimumWidth: width <= minimumWidth
    readonly property bool appWindowAtMinimumHeight: height <= minimumHeight
    property bool appRequired: true
    property bool useAppFileDialog: false
    property bool showToolIcon: true
    property bool showAppSummary: appRequired
    property bool showStatusBar: showAppSummary
    property int appTypes: AppInfo.AppTypeApp
    property string currentInfoText: readHelpFile("html/toolSummary")
    property bool autoRefreshAppGallery: Hostkit.settings.boolValue("autoRefreshAppGallery", true)
    property bool showSignInButton: true
    property bool allowManagePortals: false
    property var managePortalsAction: null
    // The user-interface language of the help files; tests set others.
    property var localeInfo: Hostkit.localeInfo()
    // The path that names the active app: its folder, or a file in it.
    property alias chosenPath: session.chosenPath
    readonly property int messageDelay: session.messageDelay

    property alias appDisplayTitle: header.displayTitle
    property alias appButtons: header.appButtons
    property alias appIcon: header.icon
    property alias appGlyph: header.glyph
    property alias appsAutoRefresh: session.appsAutoRefresh
    readonly property alias appInfoList: session.appInfoList
    readonly property alias appInfo: session.appInfo
    readonly property alias portal: session.portal
    readonly property alias qmlFolder: session.qmlFolder
    readonly property alias htmlFolder: session.htmlFolder
    readonly property alias appFolder: session.appFolder
    readonly property alias toolConfig: toolConfig
    readonly property alias versionCheck: versionCheck
    // For tools that build on the window, and for tests.
    readonly property alias appsDialog: appsDialog
    readonly property alias appPackage: session.appPackage
    readonly property alias messageBox: messageBox
    readonly property alias activityOverlay: activityOverlay
    readonly property alias userButton: header.userButton
    readonly property alias userPanel: userPanelLayer.panel
    readonly property alias sharedSignIn: session.sharedSignIn
    readonly property bool toolConfigLoaded: session.toolConfigLoaded

    readonly property LoggingCategory log: LoggingCategory {
        name: "Varnex.Loomwright.AppWindow"
    }

    signal appWindowInitialized()
    signal openUrl(url url)
    signal iconPressAndHold(var button)
    signal failedToLogin()
    // Emitted just before the window ends the application (a cancelled
    // picker that had to choose an app).
    signal quitRequested()

    // Choosing the active app, downloads and message boxes: the session's

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

    // The help file for `prefix` (relative to the HTML folder) in the user's language.
    function getHtmlFileName(prefix) {
        return ToolWindow.helpFileName(prefix, localeInfo ? localeInfo.name : "", htmlFolder, Hostkit.fileFolder)
    }

    function readHelpFile(prefix) {
        return session.readHtmlFile(getHtmlFileName(prefix))
    }

    // The portal's two messages that the user is most likely to see.
    function i18n(text) {
        switch (String(text)) {
        case "You do not have permissions to access this resource or perform this operation.":
            return qsTr("You do not have permissions to access this resource or perform this operation.")
        case "Item does not exist or is inaccessible.":
            return qsTr("Item does not exist or is inaccessible.")
        }
        return text === undefined || text === null ? "" : String(text)
    }

    function formatDate(date) {
        var value = date instanceof Date ? date : new Date(date)
        return value.toLocaleDateString(Qt.locale(), Locale.ShortFormat)
    }

    // How long ago `date` was, in words. A Date that holds no time is as
    // unreadable as text that names none.
    function formatRelativeDate(date) {
        if (date === undefined || date === null || date === "")
            return qsTr("App Unmodified")
        var value = date instanceof Date ? date : new Date(typeof date === "string" && /^-?\d+$/.test(date)
                                                          ? Number(date) : date)
        var time = value.getTime()
        if (isNaN(time))
            return qsTr("Not Available")
        if (time <= 0)
            return qsTr("App Unmodified")
        var minute = 60 * 1000
        var hour = 60 * minute
        var day = 24 * hour
        var age = Date.now() - time
        if (age > 30 * day)
            return formatDate(value)
        if (age > 7 * day)
            return qsTr("Weeks ago: %1").arg(Math.round(age / (7 * day)))
        if (age > day)
            return qsTr("Days ago: %1").arg(Math.round(age / day))
        if (age > hour)
            return qsTr("Hours ago: %1").arg(Math.round(age / hour))
        if (age > minute)
            return qsTr("Minutes ago: %1").arg(Math.round(age / minute))
        return qsTr("Just now")
    }

    function getVarnexRuntimeMajorVersion(appInfo) {
        var runtime = appInfo ? appInfo.value("varnexRuntime", {}) : {}
        if (typeof runtime === "number")
            return runtime
        if (runtime && typeof runtime === "object" && runtime.version && runtime.version.major !== undefined) {
            var major = Number(runtime.version.major)
            return isNaN(major) ? 0 : major
        }
        return 0
    }

    function toolKey(toolName, subKey) {
        return ToolContext.toolKey(toolName, subKey)
    }

    function rot13(text) {
        return ToolWindow.rot13(text)
    }

    function sf(value) {
        return BrimforgeTheme.scaled(value)
    }

    // Opens a link in the system's browser, and tells the tool.
    function openExternalUrl(url) {
        openUrl(url)
        Qt.openUrlExternally(url)
    }

    // The portal search of the gallery.
    function gallerySearchQuery() {
        var user = session.portal.user
        return ToolWindow.gallerySearchQuery(toolConfig.brimforgeAppsPublicGroupId, user ? user.orgId : "")
    }

    function hostCommandLine() {
        return session.hostCommandLine()
    }

    function startUp() {
        session.chooseStartingApp()
        appWindowInitialized()
        versionCheck.check()
    }

    width: BrimforgeTheme.gridUnit * 250
    height: BrimforgeTheme.gridUnit * 162
    minimumWidth: BrimforgeTheme.gridUnit * 200
    minimumHeight: BrimforgeTheme.gridUnit * 150
    title: appTitle
    color: BrimforgeTheme.primaryBackground
    font.family: BrimforgeTheme.avenir
    font.pointSize: BrimforgeTheme.baseFontSizePoint

    onAutoRefreshAppGalleryChanged: Hostkit.settings.setValue("autoRefreshAppGallery", autoRefreshAppGallery, true)
    Component.onCompleted: startUp()

    header: AppWindowHeader {
        id: header

        window: root
        portal: session.portal
        versionCheck: versionCheck
        onUserButtonClicked: userPanelLayer.toggle()
    }

    AppWindowUserPanel {
        id: userPanelLayer

        parent: root.overlay
        window: root
        portal: session.portal
        headerHeight: header.height
        userButtonWidth: header.userButton.width
    }

    ActivityOverlay {
        id: activityOverlay

        objectName: "activityOverlay"
        parent: root.overlay
        percentage: session.transferring ? session.appPackage.percentage : -1
        secondsRemaining: session.transferring && session.appPackage.secondsRemainingEstimate > 0
                          ? session.appPackage.secondsRemainingEstimate : -1
        LayoutMirroring.enabled: BrimforgeTheme.rtl
        LayoutMirroring.childrenInherit: true
    }

    AppsDialog {
        id: appsDialog

        objectName: "appsDialog"
        title: qsTr("%1 - Select App").arg(root.title)
        appInfoList: session.appInfoList
        appWindow: root
        onAccepted: root.setActiveApp(appInfo)
        onRejected: session.pickerRejected()
    }

    MessageBox {
        id: messageBox

        objectName: "messageBox"
    }

    Internal.AppFolderDialogLoader {
        id: folderDialogLoader

        session: session
        windowTitle: root.title
    }

    Internal.AppSession {
        id: session

        appRequired: root.appRequired
        useAppFileDialog: root.useAppFileDialog
        toolConfig: AppToolConfig {
            id: toolConfig

            settings: Hostkit.settings
            onLoadComplete: {
                session.toolConfigLoaded = true
                // Once the portal has taken the loaded values.
                Qt.callLater(session.sharedSignIn.signInIfShared)
            }
        }
        messageBox: messageBox
        appsDialog: appsDialog
        folderDialogLoader: folderDialogLoader
        windowTitle: root.title
        log: root.log
        downloadQuestion: function (appInfo) {
            if (appInfo.isLocal !== true)
                return qsTr("%1 is not on your local system.\n\nWould you like to download it now?")
            if (appInfo.isUpdatedLocally === true)
                return qsTr("%1 has been updated locally. Downloading will write over local changes.\n\nWould you like to download it again?")
            return qsTr("%1 is already on your local system.\n\nWould you like to download it again?")
        }
        portalMessage: function (text) {
            return root.i18n(text)
        }
        signInDialogParent: root.overlay
        signInDialogComponent: Component {
            SignInDialog {}
        }
        signInDialogProperties: ({ bannerColor: BrimforgeTheme.secondaryBackground })
        onPortalSignedIn: {
            session.appInfoList.searchQuery = root.gallerySearchQuery()
            session.appInfoList.autoRefresh = root.autoRefreshAppGallery
        }
        onSignInRejected: root.failedToLogin()
        onDownloadStarted: {
            activityOverlay.title = title
            activityOverlay.show("")
        }
        onDownloadEnded: activityOverlay.hide()
        onDownloadCompleted: session.appInfoList.refresh()
        onQuitRequested: root.quitRequested()
    }

    BrimforgeVersionCheck {
        id: versionCheck

        ignoreSslErrors: toolConfig.ignoreSslErrors
    }
}
