import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Dialogs 1.3 as Dialogs
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Varnex.Hostkit.Desktop 1.0

import "../Private" as Private
import "toolcontext.js" as ToolContext
import "../Private/toolwindow.js" as ToolWindow

// The window of a suite tool: the header with the tool's icon, title and
// buttons, the user button and panel; one portal connection signed in
// together with the suite's other tools; the app the tool works on (the
// active app) with the picker that chooses it and the download of apps from
// the portal; message boxes, the update check and a few helpers (help files
// in the user's language, relative dates, settings keys of tools).
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
    property string chosenPath
    // How long a message box waits before it opens, in milliseconds: a
    // dialog that has just closed (the picker, say) is out of the way then.
    readonly property int messageDelay: 501

    property alias appDisplayTitle: titleText.text
    property alias appButtons: appButtonsLoader
    property alias appIcon: toolIcon.icon
    property alias appGlyph: toolIcon.glyph
    property alias appsAutoRefresh: galleryList.autoRefresh
    readonly property alias appInfoList: galleryList
    readonly property alias appInfo: activeApp
    readonly property alias portal: portalConnection
    readonly property alias qmlFolder: qmlFolder
    readonly property alias htmlFolder: htmlFolder
    readonly property alias appFolder: appFolder
    readonly property alias toolConfig: toolConfig
    readonly property alias versionCheck: versionCheck
    // For tools that build on the window, and for tests.
    readonly property alias appsDialog: appsDialog
    readonly property alias appPackage: appPackage
    readonly property alias messageBox: messageBox
    readonly property alias activityOverlay: activityOverlay
    readonly property alias userButton: userButton
    readonly property alias userPanel: userPanel
    readonly property alias sharedSignIn: sharedSignIn
    readonly property bool toolConfigLoaded: internal.toolConfigLoaded

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
        var question
        if (appInfo.isLocal !== true)
            question = qsTr("%1 is not on your local system.\n\nWould you like to download it now?")
        else if (appInfo.isUpdatedLocally === true)
            question = qsTr("%1 has been updated locally. Downloading will write over local changes.\n\nWould you like to download it again?")
        else
            question = qsTr("%1 is already on your local system.\n\nWould you like to download it again?")
        confirmYesNo(qsTr("Download App"), question.arg(appInfo.title), function () {
            root.startDownload(appInfo, callback)
        })
    }

    function startDownload(appInfo, callback) {
        var title = appInfo && appInfo.title !== undefined ? String(appInfo.title) : ""
        internal.downloadCallback = typeof callback === "function" ? callback : null
        internal.downloading = true
        activityOverlay.title = qsTr("Downloading %1").arg(title)
        activityOverlay.show("")
        appPackage.appInfo = appInfo || null
        appPackage.download()
    }

    function downloadFinished() {
        if (!internal.downloading)
            return
        if (appPackage.status === AppPackage.Ready) {
            internal.downloading = false
            activityOverlay.hide()
            setChosenPath(appPackage.path)
            var callback = internal.downloadCallback
            internal.downloadCallback = null
            showMessage(messageBox.iconInformation, qsTr("Download Completed"),
                        qsTr("%1 download completed").arg(activeApp.title), "", "", callback, callback)
            galleryList.refresh()
        } else if (appPackage.status === AppPackage.Error) {
            internal.downloading = false
            internal.downloadCallback = null
            activityOverlay.hide()
            var error = appPackage.error || {}
            showMessage(messageBox.iconCritical, qsTr("Download Error"), i18n(error.message),
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

    // Helpers

    // The help file for `prefix` (relative to the HTML folder) in the user's language.
    function getHtmlFileName(prefix) {
        return ToolWindow.helpFileName(prefix, localeInfo ? localeInfo.name : "", htmlFolder, Hostkit.fileFolder)
    }

    function readHelpFile(prefix) {
        var name = getHtmlFileName(prefix)
        return htmlFolder.fileExists(name) ? htmlFolder.readTextFile(name) : ""
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
        var user = portalConnection.user
        return ToolWindow.gallerySearchQuery(toolConfig.brimforgeAppsPublicGroupId, user ? user.orgId : "")
    }

    function hostCommandLine() {
        return typeof commandLine === "undefined" ? ToolContext.missing("commandLine") : commandLine
    }

    function startUp() {
        if (appRequired && !activeApp.isValid) {
            var args = ToolContext.positionalArguments(hostCommandLine())
            if (args.length > 0 && args[0] !== "")
                setChosenPath(args[0])
            else if (args.length === 0 || chosenPath === "" || !Hostkit.fileInfo(chosenPath).exists)
                selectActiveApp(true)
        }
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

    onChosenPathChanged: applyChosenPath()
    onAutoRefreshAppGalleryChanged: Hostkit.settings.setValue("autoRefreshAppGallery", autoRefreshAppGallery, true)
    Component.onCompleted: startUp()

    header: Rectangle {
        id: header

        objectName: "header"
        implicitHeight: BrimforgeTheme.bannerHeight + 2 * BrimforgeTheme.largeSpacing
        color: BrimforgeTheme.secondaryBackground
        LayoutMirroring.enabled: BrimforgeTheme.rtl
        LayoutMirroring.childrenInherit: true

        Rectangle {
            objectName: "brandBar"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            height: BrimforgeTheme.gridUnit
            color: BrimforgeTheme.brandPurple200
        }

        Rectangle {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            height: BrimforgeTheme.gridUnit
            color: BrimforgeTheme.primaryDividerColor
        }

        RowLayout {
            anchors.fill: parent
            anchors.topMargin: BrimforgeTheme.gridUnit
            anchors.bottomMargin: BrimforgeTheme.gridUnit
            anchors.rightMargin: BrimforgeTheme.largeSpacing
            anchors.leftMargin: root.showToolIcon ? 0 : BrimforgeTheme.xxLargeSpacing
            spacing: BrimforgeTheme.largeSpacing

            Item {
                objectName: "toolIconBox"
                Layout.fillHeight: true
                Layout.preferredWidth: height
                visible: root.showToolIcon

                BrimforgeIcon {
                    id: toolIcon

                    anchors.centerIn: parent
                    iconFontSizeMultiplier: 1.5
                    color: BrimforgeTheme.primaryForeground
                }

                MouseArea {
                    anchors.fill: parent
                    acceptedButtons: Qt.LeftButton | Qt.RightButton
                    onPressAndHold: root.iconPressAndHold(mouse.button)
                }
            }

            ColumnLayout {
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.minimumWidth: BrimforgeTheme.smallControlWidth
                spacing: 0

                Item {
                    Layout.fillHeight: true
                }

                Text {
                    id: titleText

                    objectName: "titleText"
                    Layout.fillWidth: true
                    text: root.appTitle
                    textFormat: Text.StyledText
                    elide: Text.ElideRight
                    maximumLineCount: 1
                    horizontalAlignment: Text.AlignLeft
                    color: BrimforgeTheme.primaryForeground
                    font.family: BrimforgeTheme.avenirDemi
                    font.pointSize: updateLink.visible ? BrimforgeTheme.mediumFontSizePoint
                                                       : BrimforgeTheme.largeFontSizePoint
                }

                Text {
                    id: updateLink

                    objectName: "updateLink"
                    Layout.fillWidth: true
                    visible: versionCheck.updateAvailable
                    text: qsTr("Update available")
                    textFormat: Text.PlainText
                    elide: Text.ElideRight
                    horizontalAlignment: Text.AlignLeft
                    // The link style of the theme's buttons: the plain link
                    // blue is too dark to read on the dark header.
                    color: BrimforgeTheme.hyperlinkButton.textColor
                    font.family: BrimforgeTheme.avenir
                    font.pointSize: BrimforgeTheme.smallFontSizePoint
                    font.underline: updateLinkArea.containsMouse
                    Accessible.role: Accessible.Link
                    Accessible.name: text

                    MouseArea {
                        id: updateLinkArea

                        anchors.fill: parent
                        hoverEnabled: true
                        cursorShape: Qt.PointingHandCursor
                        onClicked: root.openExternalUrl(versionCheck.updateLink)
                    }
                }

                Item {
                    Layout.fillHeight: true
                }
            }

            Rectangle {
                objectName: "headerDivider"
                Layout.preferredWidth: BrimforgeTheme.thinBorderWidth
                Layout.fillHeight: true
                Layout.topMargin: BrimforgeTheme.largeSpacing
                Layout.bottomMargin: BrimforgeTheme.largeSpacing
                visible: appButtonsLoader.item !== null || userButton.visible
                color: BrimforgeTheme.secondaryDividerColor
            }

            Loader {
                id: appButtonsLoader

                objectName: "appButtons"
                Layout.alignment: Qt.AlignVCenter
                Layout.maximumHeight: parent.height
            }

            UserButton {
                id: userButton

                objectName: "userButton"
                Layout.alignment: Qt.AlignVCenter
                Layout.preferredWidth: implicitWidth
                Layout.minimumWidth: BrimforgeTheme.gridUnit * 15
                Layout.maximumWidth: BrimforgeTheme.gridUnit * 38
                visible: root.showSignInButton
                enabled: !portalConnection.busy
                portal: portalConnection
                onClicked: {
                    if (userPanel.visible)
                        userPanel.hide()
                    else
                        userPanel.show()
                }
            }
        }
    }

    // The user panel above everything, and under it a layer over the
    // content: moving onto the content closes the panel.
    Item {
        id: panelLayer

        parent: root.overlay
        anchors.fill: parent
        LayoutMirroring.enabled: BrimforgeTheme.rtl
        LayoutMirroring.childrenInherit: true

        MouseArea {
            objectName: "panelCloser"
            anchors.fill: parent
            anchors.topMargin: header.height
            visible: userPanel.visible
            hoverEnabled: true
            acceptedButtons: Qt.AllButtons
            // A move, not the enter event that a pointer resting on the
            // content sends as soon as the layer appears under it.
            onPositionChanged: userPanel.hide()
            onPressed: userPanel.hide()
        }

        FloatingPanel {
            id: userPanel

            objectName: "userPanel"
            // Its trailing edge in line with the user button's, which ends
            // the header's row.
            x: BrimforgeTheme.rtl ? BrimforgeTheme.largeSpacing : panelLayer.width - BrimforgeTheme.largeSpacing - width
            y: header.height + arrowSize
            width: BrimforgeTheme.gridUnit * 55
            height: implicitHeight
            arrowEdge: Qt.TopEdge
            arrowAlignment: Qt.AlignRight
            arrowMargin: Math.min(userButton.width, width) / 2

            Column {
                width: userPanel.width - 2 * userPanel.padding
                spacing: BrimforgeTheme.mediumSpacing

                Text {
                    objectName: "panelUserName"
                    width: parent.width
                    text: portalConnection.signedIn ? (portalConnection.user && portalConnection.user.fullName ? String(portalConnection.user.fullName)
                                                                                 : String(portalConnection.username))
                                          : qsTr("Not Signed In")
                    textFormat: Text.PlainText
                    elide: Text.ElideRight
                    horizontalAlignment: Text.AlignLeft
                    color: BrimforgeTheme.primaryForeground
                    font.family: BrimforgeTheme.avenirDemi
                    font.pointSize: BrimforgeTheme.mediumFontSizePoint
                }

                Text {
                    objectName: "panelEmail"
                    width: parent.width
                    visible: portalConnection.signedIn && !!portalConnection.user && !!portalConnection.user.email
                    text: visible ? String(portalConnection.user.email) : ""
                    textFormat: Text.PlainText
                    elide: Text.ElideRight
                    horizontalAlignment: Text.AlignLeft
                    color: BrimforgeTheme.secondaryForeground
                    font.family: BrimforgeTheme.avenir
                    font.pointSize: BrimforgeTheme.smallFontSizePoint
                }

                Text {
                    objectName: "panelPortalUrl"
                    width: parent.width
                    text: String(portalConnection.url)
                    textFormat: Text.PlainText
                    elide: Text.ElideMiddle
                    horizontalAlignment: Text.AlignLeft
                    color: BrimforgeTheme.hyperlinkButton.textColor
                    font.family: BrimforgeTheme.avenir
                    font.pointSize: BrimforgeTheme.smallFontSizePoint
                    font.underline: portalLinkArea.containsMouse
                    Accessible.role: Accessible.Link
                    Accessible.name: text

                    MouseArea {
                        id: portalLinkArea

                        anchors.fill: parent
                        hoverEnabled: true
                        cursorShape: Qt.PointingHandCursor
                        onClicked: root.openExternalUrl(portalConnection.url)
                    }
                }

                Rectangle {
                    width: parent.width
                    height: BrimforgeTheme.thinBorderWidth
                    color: BrimforgeTheme.floatingPanelDividerColor
                }

                MaterialButton {
                    objectName: "managePortalsButton"
                    width: parent.width
                    visible: root.allowManagePortals
                    enabled: root.managePortalsAction !== null
                    buttonType: BrimforgeTheme.textButton
                    buttonText: qsTr("Manage Portals")
                    iconSource: "images/portal.svg"
                    onClicked: {
                        userPanel.hide()
                        root.managePortalsAction.trigger()
                    }
                }

                MaterialButton {
                    objectName: "signInOutButton"
                    width: parent.width
                    enabled: !portalConnection.busy
                    buttonType: BrimforgeTheme.textButton
                    buttonText: portalConnection.signedIn ? qsTr("Sign Out") : qsTr("Sign In")
                    glyph: portalConnection.signedIn ? "sign-out" : "sign-in"
                    onClicked: {
                        userPanel.hide()
                        if (portalConnection.signedIn)
                            portalConnection.signOut()
                        else
                            portalConnection.signIn()
                    }
                }
            }
        }
    }

    ActivityOverlay {
        id: activityOverlay

        objectName: "activityOverlay"
        parent: root.overlay
        percentage: internal.downloading && appPackage.status === AppPackage.Downloading ? appPackage.percentage : -1
        secondsRemaining: internal.downloading && appPackage.status === AppPackage.Downloading
                          && appPackage.secondsRemainingEstimate > 0 ? appPackage.secondsRemainingEstimate : -1
        LayoutMirroring.enabled: BrimforgeTheme.rtl
        LayoutMirroring.childrenInherit: true
    }

    AppsDialog {
        id: appsDialog

        objectName: "appsDialog"
        title: qsTr("%1 - Select App").arg(root.title)
        appInfoList: galleryList
        appWindow: root
        onAccepted: root.setActiveApp(appInfo)
        onRejected: {
            if (internal.quitOnRejected)
                root.quit()
        }
    }

    MessageBox {
        id: messageBox

        objectName: "messageBox"
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

        property bool toolConfigLoaded: false
        property bool quitOnRejected: false
        property bool downloading: false
        property var downloadCallback: null
        // Requests waiting for their time: { due, show }.
        property var pendingMessages: []
        // The path whose invalid-app message is on its way.
        property string reportedInvalidPath

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
                             activeApp.path, "", reopenPicker, reopenPicker)
        }

        function reopenPicker() {
            reportedInvalidPath = ""
            root.selectActiveApp(true)
        }

        function signInIfShared() {
            sharedSignIn.signInIfShared()
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
    }

    AppToolConfig {
        id: toolConfig

        settings: Hostkit.settings
        onLoadComplete: {
            internal.toolConfigLoaded = true
            // Once the portal has taken the loaded values.
            Qt.callLater(internal.signInIfShared)
        }
    }

    Private.Portal {
        id: portalConnection

        url: toolConfig.portalUrl
        name: toolConfig.portalName
        ignoreSslErrors: toolConfig.ignoreSslErrors
        clientId: toolConfig.clientId
        userAgent: toolConfig.userAgent
        onSignedInChanged: {
            if (!signedIn)
                return
            galleryList.searchQuery = root.gallerySearchQuery()
            galleryList.autoRefresh = root.autoRefreshAppGallery
        }
    }

    Private.SharedSignIn {
        id: sharedSignIn

        portal: portalConnection
        sharedData: Loomwright.sharedData
        dialogParent: root.overlay
        dialogComponent: signInDialogComponent
        dialogProperties: ({ bannerColor: BrimforgeTheme.secondaryBackground })
        // Not before the configuration named the portal.
        followSharedSignIn: internal.toolConfigLoaded
        onDialogRejected: root.failedToLogin()
    }

    Component {
        id: signInDialogComponent

        SignInDialog {}
    }

    FileFolder {
        id: qmlFolder

        path: ":/qml"
    }

    FileFolder {
        id: htmlFolder

        path: ":/html"
    }

    FileFolder {
        id: appFolder

        path: activeApp.path
    }

    BrimforgeVersionCheck {
        id: versionCheck

        ignoreSslErrors: toolConfig.ignoreSslErrors
    }
}
