import QtQuick 2.15
import QtQuick.Dialogs 1.3
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Varnex.Loomwright.Private 1.0 as Private

// The tool window's own duties: the tool's content in its area, the help
// text, the active app with its summary, status bar and picker (dimmed by
// the cover), the check of the active app, and its helpers.
ToolWindowTestCase {
    id: testCase

    readonly property string appsFolder: temporaryFolder + "/window-apps"

    function initTestCase() {
        verify(testHost.writeFile(appsFolder + "/sample/appinfo.json",
                                  JSON.stringify({ title: "Sample", version: "2.1", owner: "dana<b>" })))
        verify(testHost.writeFile(appsFolder + "/broken/readme.txt", "no app here"))
        Hostkit.settings.setValue("appsFolder", appsFolder)
    }

    function cleanupTestCase() {
        Hostkit.settings.remove("appsFolder")
    }

    function test_toolContent() {
        var window = createTemporaryObject(windowWithContent, testCase)
        verify(window)
        var content = findChild(window.contentItem, "toolContent")
        verify(content)
        compare(content.parent, window.toolItem)
        compare(content.width, window.toolItem.width)
    }

    // The default help text (none here: the tool has no help files), the
    // tool's own text in its place, and back.
    function test_helpText() {
        var window = makeWindow({})
        compare(window.getHtmlFileName("html/toolSummary"), "html/toolSummary_en.html")
        compare(window.toolInfoText, "")
        window.currentInfoText = "<p>How to use it</p>"
        compare(window.toolInfoText, "<p>How to use it</p>")
        window.currentInfoText = ""
        compare(window.toolInfoText, "")
        window.toolInfoText = "<p>Set by the tool</p>"
        window.restoreDefaultInfoText()
        compare(window.toolInfoText, "")
    }

    function test_helpers() {
        var window = makeWindow({})
        compare(window.toolKey("Make", "platform"), "Tool-Make/platform")
        compare(window.rot13("Hello, World 42"), "Uryyb, Jbeyq 42")
        compare(window.rot13(window.rot13("abcXYZ")), "abcXYZ")
    }

    // A tool that needs an app and was given none opens the picker at
    // start, under the cover with the tool's title; a chosen app shows in
    // the strip and the status bar.
    function test_activeApp() {
        var window = makeWindow({ appRequired: true, title: "Make" })
        tryCompare(window.appsDialog, "visible", true, waitMs)
        compare(window.appsDialog.title, "Make - Select App")
        compare(window.dialogCover.visible, true)
        compare(findChild(window.dialogCover, "coverTitle").text, "Make")
        compare(window.summaryStrip.visible, true)
        compare(window.statusBar.visible, true)
        window.appsDialog.close()
        tryCompare(window.dialogCover, "visible", false, waitMs)

        window.setChosenPath(appsFolder + "/sample/appinfo.json")
        compare(window.appInfo.isValid, true)
        compare(window.appInfo.path, appsFolder + "/sample")
        compare(findChild(window.statusBar, "appPath").text, appsFolder + "/sample")
        var summary = findChild(window.summaryStrip, "appSummary")
        compare(findChild(summary, "versionText").text, "Version 2.1")
        compare(findChild(summary, "ownerText").text, "Owner <b>dana&lt;b&gt;</b>")
        window.clearActiveApp()
        compare(window.appInfo.path, "")
    }

    // A folder without an app: the critical message after its delay, and OK
    // opens the picker again.
    function test_invalidApp() {
        var window = makeWindow({ appRequired: true, title: "Make" })
        tryCompare(window.appsDialog, "visible", true, waitMs)
        window.appsDialog.close()
        ignoreWarning(new RegExp("Not an app project:"))
        ignoreWarning(new RegExp("^Not a valid app project:"))
        window.setChosenPath(appsFolder + "/broken")
        var box = window.messageBox
        tryCompare(box, "visible", true, waitMs)
        compare(window.dialogCover.visible, true)
        compare(box.title, "Make")
        compare(box.text, "Folder does not contain a valid app project")
        compare(box.informativeText, appsFolder + "/broken")
        compare(box.icon, StandardIcon.Critical)
        box.click(StandardButton.Ok)
        tryCompare(window.appsDialog, "visible", true, waitMs)
        window.appsDialog.close()
    }

    name: "ToolWindow"

    Component {
        id: windowWithContent

        Private.AppToolWindow {
            appRequired: false
            visible: true

            Rectangle {
                objectName: "toolContent"
                anchors.fill: parent
                color: "transparent"
            }
        }
    }
}
