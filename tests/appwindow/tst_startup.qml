import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Loomwright.Controls 1.0

// How a tool window starts: the app named by its first argument, the picker
// otherwise, quitting when the picker is cancelled; an invalid app folder is
// reported and the picker offered again.
AppWindowTestCase {
    id: testCase

    property var window: null
    property int quitCountAtSignal: -1
    // The host's count when the window was made: it counts for the engine.
    property int quitsBefore: 0

    function makeWindow(properties) {
        window = createTemporaryObject(windowComponent, testCase, properties || {})
        verify(window)
        quitCountAtSignal = -1
        quitsBefore = testHost.quitCount
        window.quitRequested.connect(function () {
            testCase.quitCountAtSignal = testHost.quitCount - testCase.quitsBefore
        })
        return window
    }

    function cancelPicker() {
        tryCompare(window.appsDialog, "opened", true, waitMs)
        mouseClick(dialogButton(window.appsDialog, "cancelButton"))
        tryCompare(window.appsDialog, "visible", false, waitMs)
    }

    name: "StartUp"

    Component {
        id: windowComponent

        AppWindow {
            visible: true
            appTitle: "Start Tool"
            versionCheck.siteUrl: testCase.currentSiteUrl
        }
    }

    function initTestCase() {
        configureHost()
        makeApp("valid", { title: "Valid App", version: "1.2.3" })
        testHost.makeFolder(temporaryFolder + "/not-an-app")
    }

    function init() {
        clearSharedSignIn()
        testHost.setCommandLine([])
    }

    function cleanup() {
        settleWindow(window)
        window = null
    }

    function test_startUp_data() {
        return [
            { tag: "an app folder as first argument", arguments: [appsFolder + "/valid"], picker: false },
            { tag: "a file of the app as first argument", arguments: [appsFolder + "/valid/appinfo.json"], picker: false },
            { tag: "the app with options before it", arguments: ["--locale", "de", appsFolder + "/valid"], picker: false },
            { tag: "no arguments", arguments: [], picker: true },
            { tag: "an empty first argument", arguments: [""], picker: true }
        ]
    }

    function test_startUp(data) {
        testHost.setCommandLine(data.arguments)
        var initialized = createTemporaryObject(spyComponent, testCase)
        makeWindow()
        // Opened, if at all, while the window was completed.
        compare(window.appsDialog.visible, data.picker)
        if (!data.picker) {
            verify(window.appInfo.isValid)
            compare(window.appInfo.title, "Valid App")
            compare(window.appInfo.path, appsFolder + "/valid")
            compare(String(window.appFolder.path), appsFolder + "/valid")
        } else {
            verify(!window.appInfo.isValid)
            compare(window.appsDialog.title, "Start Tool - Select App")
        }
        compare(window.messageBox.pendingCount, 0)
    }

    function test_noAppRequired() {
        makeWindow({ appRequired: false })
        verify(!window.appsDialog.visible)
        verify(!window.appInfo.isValid)
    }

    // A window that needs an app quits when its start-up picker is
    // cancelled: the signal first, then the application is asked to quit.
    // A picker opened later, or by a window that needs none, only closes.
    function test_cancelledPicker_data() {
        return [
            { tag: "at start-up, an app required", properties: {}, openAgain: false, quits: 1, quitsAtSignal: 0 },
            { tag: "opened later, no app required", properties: { appRequired: false }, openAgain: true, quits: 0,
              quitsAtSignal: -1 }
        ]
    }

    function test_cancelledPicker(data) {
        makeWindow(data.properties)
        if (data.openAgain)
            window.selectActiveApp()
        cancelPicker()
        compare(testHost.quitCount - quitsBefore, data.quits)
        compare(quitCountAtSignal, data.quitsAtSignal)
    }

    function test_pickerChoosesApp() {
        makeWindow()
        tryCompare(window.appsDialog, "opened", true, waitMs)
        clickCard(window.appsDialog.gridView, "Valid App")
        compare(window.appsDialog.appInfo.title, "Valid App")
        mouseClick(dialogButton(window.appsDialog, "okButton"))
        tryCompare(window.appsDialog, "visible", false, waitMs)
        verify(window.appInfo.isValid)
        compare(window.appInfo.path, appsFolder + "/valid")
        compare(testHost.quitCount - quitsBefore, 0)
    }

    function test_invalidAppAndRetry() {
        var path = temporaryFolder + "/not-an-app"
        testHost.setCommandLine([path])
        ignoreWarning(new RegExp("Not a valid app project: \"?" + path))
        makeWindow()
        verify(!window.appsDialog.visible)
        // Asked for, not shown yet: message boxes wait a moment.
        compare(window.messageBox.visible, false)
        var box = waitMessage(window, "Start Tool")
        compare(box.text, "Folder does not contain a valid app project")
        compare(box.informativeText, path)
        compare(box.icon, box.iconCritical)
        verify(!window.appsDialog.visible)
        answerMessage(window, "okButton")
        // The picker opens again once the message is gone, and quits when
        // cancelled.
        tryCompare(window.appsDialog, "opened", true, waitMs)
        clickCard(window.appsDialog.gridView, "Valid App", true)
        tryCompare(window.appsDialog, "visible", false, waitMs)
        verify(window.appInfo.isValid)
        compare(window.appInfo.title, "Valid App")
        compare(window.messageBox.pendingCount, 0)
        compare(testHost.quitCount - quitsBefore, 0)
    }

    function test_clearActiveApp() {
        testHost.setCommandLine([appsFolder + "/valid"])
        makeWindow()
        verify(window.appInfo.isValid)
        window.clearActiveApp()
        verify(!window.appInfo.isValid)
        compare(window.appInfo.path, "")
    }

    // The window signs in when another tool of the suite has, once its
    // configuration named the local portal, and then searches the portal's
    // apps with the auto refresh of its setting.
    function test_followsSharedSignIn() {
        makeWindow({ appRequired: false })
        verify(window.toolConfigLoaded)
        compare(String(window.portal.url), localPortalUrl)
        verify(!window.portal.signedIn)
        compare(window.appInfoList.searchQuery, "")
        shareSignIn("demo")
        tryCompare(window.portal, "signedIn", true, waitMs)
        compare(window.portal.username, "demo")
        var query = window.appInfoList.searchQuery
        verify(query.indexOf("(type:\"Native Application\" AND NOT type:\"Native Application Installer\")") === 1, query)
        verify(query.indexOf("(group:" + window.toolConfig.brimforgeAppsPublicGroupId + " AND access:public)") > 0, query)
        verify(query.indexOf("(orgid:LocalPortalOrg AND access:public)") > 0, query)
        compare(window.appInfoList.autoRefresh, window.autoRefreshAppGallery)
        compare(findChild(window.header, "userName").text, "Dana")
        tryCompare(window.portal, "busy", false, waitMs)
    }

    // Without a shared sign-in the portal's page opens, in the theme's
    // colours; closing it without a code is a failed login.
    function test_signInDialogRejected() {
        makeWindow({ appRequired: false })
        var failed = createTemporaryObject(spyComponent, testCase, { target: window, signalName: "failedToLogin" })
        window.portal.signIn()
        tryVerify(function () { return window.sharedSignIn.dialog !== null }, waitMs, "the sign-in dialog")
        var dialog = window.sharedSignIn.dialog
        compare(dialog.authorizationUrl, window.portal.authorizationUrl)
        verify(Qt.colorEqual(dialog.bannerColor, BrimforgeTheme.secondaryBackground))
        dialog.reject()
        tryCompare(failed, "count", 1)
        verify(!window.portal.signedIn)
    }

    // Last: the name stays reported for the rest of this engine.
    function test_zz_missingCommandLine() {
        testHost.setContextName("commandLine", undefined)
        ignoreWarning("The hosting tool provides no context name \"commandLine\": going on without it")
        makeWindow()
        // As without arguments.
        verify(window.appsDialog.visible)
    }

    Component {
        id: spyComponent

        SignalSpy {}
    }
}
