import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Loomwright.Controls 1.0
import Varnex.Loomwright.Private 1.0 as Private

// Both window shells run one app session: what a tool reaches on either
// window belongs to that session, and choosing, reading again and clearing
// the active app go the same way on both.
AppWindowTestCase {
    id: testCase

    name: "Session"

    Component {
        id: appWindowComponent

        AppWindow {
            visible: true
            appTitle: "Session Tool"
            appRequired: false
            versionCheck.siteUrl: testCase.currentSiteUrl
        }
    }

    Component {
        id: toolWindowComponent

        Private.AppToolWindow {
            visible: true
            title: "Session Tool"
            appRequired: false
        }
    }

    function shells() {
        return [
            { tag: "AppWindow", component: appWindowComponent },
            { tag: "AppToolWindow", component: toolWindowComponent },
        ]
    }

    function makeShell(data) {
        var window = createTemporaryObject(data.component, testCase)
        verify(window, data.tag)
        tryCompare(window, "toolConfigLoaded", true, waitMs)
        return window
    }

    // The update check of the app window ends before the window goes.
    function settleShell(window) {
        if (window.versionCheck !== undefined)
            settleWindow(window)
    }

    function initTestCase() {
        configureHost()
    }

    function test_sessionObjects_data() {
        return shells()
    }

    // One portal, configured by the window's configuration, behind the
    // gallery's list, the package and the shared sign-in.
    function test_sessionObjects(data) {
        var window = makeShell(data)
        compare(window.messageDelay, 501)
        compare(String(window.portal.url), String(window.toolConfig.portalUrl))
        verify(window.appInfoList.portal === window.portal)
        verify(window.appPackage.portal === window.portal)
        verify(window.sharedSignIn.portal === window.portal)
        compare(window.qmlFolder.path, ":/qml")
        compare(window.htmlFolder.path, ":/html")
        window.appsAutoRefresh = true
        compare(window.appInfoList.autoRefresh, true)
        window.appsAutoRefresh = false
        compare(window.appInfoList.autoRefresh, false)
        settleShell(window)
    }

    function test_chosenPath_data() {
        return shells()
    }

    // A file names its folder; the same path again reads the app again;
    // the path set directly reads it too; clearing leaves no app.
    function test_chosenPath(data) {
        var path = makeApp("session-" + data.tag, { title: "Before" })
        var window = makeShell(data)
        window.setChosenPath(path + "/appinfo.json")
        compare(window.chosenPath, path + "/appinfo.json")
        compare(window.appInfo.path, path)
        compare(window.appFolder.path, path)
        compare(window.appInfo.title, "Before")

        verify(testHost.writeFile(path + "/appinfo.json", JSON.stringify({ title: "After" })))
        window.setChosenPath(path + "/appinfo.json")
        compare(window.appInfo.title, "After")

        window.chosenPath = ""
        compare(window.appInfo.path, "")
        window.chosenPath = path
        compare(window.appInfo.path, path)
        window.clearActiveApp()
        compare(window.chosenPath, "")
        compare(window.appInfo.path, "")
        settleShell(window)
    }
}
