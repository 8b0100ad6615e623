import QtQml 2.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Varnex.Hostkit.Desktop 1.0

import "toolcontext.js" as ToolContext

// What a suite tool's window does behind its face, for both window shells:
// the active app, named by the chosen path and picked with the app picker or
// a folder dialog; the gallery's list; the download of apps from the portal
// with its question and its reports; message boxes that wait until a dialog
// that has just closed is out of the way; one portal connection signed in
// together with the suite's other tools; and the tool's folders.
//
// The shell gives it its configuration as the value of `toolConfig` (set
// while the window is made, so the portal's bindings never see none), its
// message box, picker and folder dialog, and says where its kind of window
// behaves otherwise. The shell sets `toolConfigLoaded` when the
// configuration has loaded and decides when the shared sign-in is followed.
QtObject {
    id: root

    property bool appRequired: true
    property bool useAppFileDialog: false
    // The path that names the active app: its folder, or a file in it.
    property string chosenPath
    property QtObject toolConfig: null
    property bool toolConfigLoaded: false
    property var messageBox: null
    property var appsDialog: null
    property var folderDialogLoader: null
    // The title of the window, which titles the message about an invalid app.
    property string windowTitle
    property LoggingCategory log: null
    // The question before a download, "%1" standing for the app's title.
    property var downloadQuestion: function (appInfo) {
        return ""
    }
    // A portal message as the download error shows it.
    property var portalMessage: function (text) {
        return text === undefined || text === null ? "" : String(text)
    }
    // Whether dismissing the message about an invalid app ends the
    // application rather than opening the picker again.
    property bool quitOnInvalidApp: false
    // Whether a download that cannot start ends at once: the package may
    // then keep its earlier status, which reports nothing by itself.
    property bool finishUnstartedDownload: false
    property var signInDialogParent: null
    property Component signInDialogComponent: null
    property var signInDialogProperties: ({})
    // How long a message box waits before it opens, in milliseconds: a
    // dialog that has just closed (the picker, say) is out of the way then.
    readonly property int messageDelay: 501
    property alias appsAutoRefresh: galleryList.autoRefresh

    // The download under way and what runs after its report.
    property bool downloading: false
    // Whether the package's data of that download is coming in.
    readonly property bool transferring: downloading && appPackage.status === AppPackage.Downloading
    property var downloadCallback: null
    property bool quitOnRejected: false
    // Requests waiting for their time: { due, show }.
    property var pendingMessages: []
    // The path whose invalid-app message is on its way.
    property string reportedInvalidPath

    readonly property AppInfo appInfo: AppInfo {
        id: activeApp

        onInfoChanged: root.checkActiveApp()
    }

    readonly property AppInfoList appInfoList: AppInfoList {
        id: galleryList

        portal: portalConnection
        autoRefresh: false
        Component.onCompleted: filter.local = false
    }

    readonly property AppPackage appPackage: AppPackage {
        portal: portalConnection
        onStatusChanged: root.downloadFinished()
    }

    readonly property Portal portal: Portal {
        id: portalConnection

        url: root.toolConfig.portalUrl
        name: root.toolConfig.portalName
        ignoreSslErrors: root.toolConfig.ignoreSslErrors
        clientId: root.toolConfig.clientId
        userAgent: root.toolConfig.userAgent
        onSignedInChanged: {
            if (signedIn)
                root.portalSignedIn()
        }
    }

    readonly property SharedSignIn sharedSignIn: SharedSignIn {
        portal: portalConnection
        sharedData: Loomwright.sharedData
        dialogParent: root.signInDialogParent
        dialogComponent: root.signInDialogComponent
        dialogProperties: root.signInDialogProperties
        // Not before the configuration named the portal.
        followSharedSignIn: root.toolConfigLoaded
        onDialogRejected: root.signInRejected()
    }

    readonly property FileFolder qmlFolder: FileFolder {
        path: ":/qml"
    }

    readonly property FileFolder htmlFolder: FileFolder {
        path: ":/html"
    }

    readonly property FileFolder appFolder: FileFolder {
        path: activeApp.path
    }

    readonly property Timer messageTimer: Timer {
        repeat: false
        onTriggered: root.releaseMessages()
    }

    signal portalSignedIn()
    signal signInRejected()
    signal downloadStarted(string title)
    signal downloadEnded()
    signal downloadCompleted()
    signal quitRequested()

    // Choosing the active app

    function selectActiveApp(quitOnRejected) {
        root.quitOnRejected = quitOnRejected === true
        if (useAppFileDialog) {
            folderDialogLoader.active = true
            folderDialogLoader.item.open()
        } else {
            appsDialog.open()
        }
    }

    function pickerRejected() {
        if (quitOnRejected)
            quit()
    }

    function setActiveApp(appInfo) {
        if (!appInfo)
            return
        if (appInfo.isLocal === true)
            setChosenPath(appInfo.path)
        else
            downloadApp(appInfo)
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

    // At start-up: the app that the command line names, or else the picker
    // when the tool needs an app and has none.
    function chooseStartingApp() {
        if (!appRequired || activeApp.isValid)
            return
        var args = ToolContext.positionalArguments(hostCommandLine())
        if (args.length > 0 && args[0] !== "")
            setChosenPath(args[0])
        else if (args.length === 0 || chosenPath === "" || !Hostkit.fileInfo(chosenPath).exists)
            selectActiveApp(true)
    }

    // The text of a file of the HTML folder, or empty when there is none.
    function readHtmlFile(name) {
        return htmlFolder.fileExists(name) ? htmlFolder.readTextFile(name) : ""
    }

    function hostCommandLine() {
        return typeof commandLine === "undefined" ? ToolContext.missing("commandLine") : commandLine
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
        confirmYesNo(qsTr("Download App"), downloadQuestion(appInfo).arg(appInfo.title), function () {
            root.startDownload(appInfo, callback)
        })
    }

    function startDownload(appInfo, callback) {
        var title = appInfo && appInfo.title !== undefined ? String(appInfo.title) : ""
        downloadCallback = typeof callback === "function" ? callback : null
        downloading = true
        downloadStarted(qsTr("Downloading %1").arg(title))
        appPackage.appInfo = appInfo || null
        if (!appPackage.download() && finishUnstartedDownload)
            downloadFinished()
    }

    function downloadFinished() {
        if (!downloading)
            return
        if (appPackage.status === AppPackage.Ready) {
            downloading = false
            downloadEnded()
            setChosenPath(appPackage.path)
            var callback = downloadCallback
            downloadCallback = null
            showMessage(messageBox.iconInformation, qsTr("Download Completed"),
                        qsTr("%1 download completed").arg(activeApp.title), "", "", callback, callback)
            downloadCompleted()
        } else if (appPackage.status === AppPackage.Error) {
            downloading = false
            downloadCallback = null
            downloadEnded()
            var error = appPackage.error || {}
            showMessage(messageBox.iconCritical, qsTr("Download Error"), portalMessage(error.message),
                        error.details === undefined || error.details === null ? "" : String(error.details), "")
        }
    }

    // Message boxes: each opens messageDelay ms after it was asked for, and
    // its callback runs once it has closed.

    function showMessage(icon, title, text, informativeText, detailedText, onAccepted, onRejected) {
        delay(function () {
            messageBox.message(icon, title, text, informativeText, detailedText, onAccepted, onRejected)
        })
    }

    function confirmYesNo(title, text, onYes, onNo) {
        delay(function () {
            messageBox.confirmYesNo(title, text, onYes, onNo)
        })
    }

    function delay(show) {
        pendingMessages.push({ due: Date.now() + messageDelay, show: show })
        if (!messageTimer.running) {
            messageTimer.interval = messageDelay
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

    // The active app

    function checkActiveApp() {
        if (!appRequired || activeApp.path === "" || activeApp.isValid) {
            reportedInvalidPath = ""
            return
        }
        if (reportedInvalidPath === activeApp.path)
            return
        reportedInvalidPath = activeApp.path
        console.warn(log, "Not a valid app project:", activeApp.path)
        showMessage(messageBox.iconCritical, windowTitle, qsTr("Folder does not contain a valid app project"),
                    activeApp.path, "", reopenPicker, quitOnInvalidApp ? quit : reopenPicker)
    }

    function reopenPicker() {
        reportedInvalidPath = ""
        selectActiveApp(true)
    }

    onChosenPathChanged: applyChosenPath()
}
