import QtQuick 2.15
import QtQuick.Dialogs 1.3
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Varnex.Hostkit.Desktop 1.0

// Downloading an app from the local portal through the tool window: the
// older questions, the progress cover, the message when it is done and the
// downloaded app as the active one; a refused download shows the portal's
// message.
ToolWindowTestCase {
    id: testCase

    readonly property string appsFolder: temporaryFolder + "/download-apps"

    function init() {
        resetSharedRecord()
        Hostkit.settings.setValue("Portal/portalUrl", localPortalUrl)
        Hostkit.settings.setValue("appsFolder", appsFolder)
        verify(testHost.writeFile(appsFolder + "/local/appinfo.json", JSON.stringify({ title: "Local App" })))
        control("clear-failures", {})
    }

    function cleanup() {
        destroyWindows()
        resetSharedRecord()
        Hostkit.settings.remove("Portal/portalUrl")
        Hostkit.settings.remove("appsFolder")
    }

    function control(name, fields) {
        var result = { done: false, status: 0, text: "" }
        var request = new XMLHttpRequest()
        request.onreadystatechange = function () {
            if (request.readyState === XMLHttpRequest.DONE) {
                result.status = request.status
                result.text = request.responseText
                result.done = true
            }
        }
        request.open("POST", localPortalUrl + "/__control/" + name)
        request.setRequestHeader("Content-Type", "application/json")
        request.send(JSON.stringify(fields))
        tryVerify(function () { return result.done }, waitMs, name)
        compare(result.status, 200, name + ": " + result.text)
    }

    // A signed-in window whose app list has found the portal's apps.
    function signedInWindow() {
        var window = makeWindow({ signInDialogComponent: stubDialog })
        tryCompare(window, "toolConfigLoaded", true, waitMs)
        window.portal.setAuthorizationCode(newCode(window.toolConfig.clientId))
        tryCompare(window.portal, "signedIn", true, waitMs)
        window.appInfoList.refresh()
        tryVerify(function () { return !window.appInfoList.refreshing && portalApp(window) !== null }, waitMs,
                  "the portal's apps were found")
        return window
    }

    function portalApp(window) {
        var apps = window.appInfoList.apps
        for (var i = 0; i < apps.length; ++i) {
            if (apps[i].isLocal !== true)
                return apps[i]
        }
        return null
    }

    function localApp(window) {
        var apps = window.appInfoList.apps
        for (var i = 0; i < apps.length; ++i) {
            if (apps[i].isLocal === true)
                return apps[i]
        }
        return null
    }

    // The two questions of the older tools, and "No" leaves it at that.
    function test_questions() {
        var window = signedInWindow()
        var cases = [
            { app: localApp(window), text: " %1 is already on your local system.\r\nWould you like to download it again?" },
            { app: portalApp(window), text: " %1 is not on your local system.\r\nWould you like to download it now?" },
        ]
        cases.forEach(function (entry) {
            verify(entry.app)
            window.downloadApp(entry.app)
            tryCompare(window.messageBox, "visible", true, waitMs)
            compare(window.messageBox.title, "Download App")
            compare(window.messageBox.text, entry.text.arg(entry.app.title))
            window.messageBox.click(StandardButton.No)
            tryCompare(window.messageBox, "visible", false, waitMs)
        })
        compare(window.appPackage.status, AppPackage.Null)
        compare(window.itemProgress.visible, false)
    }

    function test_download() {
        var window = signedInWindow()
        var app = portalApp(window)
        var title = app.title
        var progressSpy = spy(window.itemProgress, "visibleChanged")
        var calls = { count: 0 }
        window.downloadApp(app, function () { ++calls.count })
        tryCompare(window.messageBox, "visible", true, waitMs)
        window.messageBox.click(StandardButton.Yes)

        tryCompare(window.appPackage, "status", AppPackage.Ready, waitMs)
        tryCompare(window.messageBox, "visible", true, waitMs)
        compare(progressSpy.count, 2, "the progress cover showed and went")
        compare(window.itemProgress.visible, false)
        compare(window.messageBox.title, "Download Completed")
        compare(window.messageBox.icon, StandardIcon.Information)
        compare(window.messageBox.text, title + " download completed")
        compare(window.appInfo.isValid, true)
        compare(window.appInfo.title, title)
        compare(window.appInfo.path.indexOf(appsFolder + "/"), 0, window.appInfo.path)
        compare(calls.count, 0, "the callback waits for the message")
        window.messageBox.click(StandardButton.Ok)
        compare(calls.count, 1)
    }

    // The portal refuses the item: its message as it is, with the details.
    function test_refused() {
        var window = signedInWindow()
        var app = portalApp(window)
        // The data, not the item: the picker's thumbnails ask for the item's
        // other paths meanwhile.
        control("fail", { mode: "json", path: "/sharing/rest/content/items/" + app.itemId + "/data", code: 403 })
        ignoreWarning(new RegExp("Download of \"\\w+\" failed:"))
        window.downloadApp(app, null, true)
        tryCompare(window.appPackage, "status", AppPackage.Error, waitMs)
        tryCompare(window.messageBox, "visible", true, waitMs)
        compare(window.itemProgress.visible, false)
        compare(window.messageBox.title, "Download Error")
        compare(window.messageBox.icon, StandardIcon.Critical)
        verify(window.messageBox.text !== "")
        compare(window.messageBox.text, String(window.appPackage.error.message))
        window.messageBox.click(StandardButton.Ok)
        tryCompare(window.messageBox, "visible", false, waitMs)
    }

    name: "ToolWindowDownload"
}
