import QtQuick 2.15
import QtTest 1.15
import QtQuick.Window 2.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Varnex.Loomwright.Controls 1.0

TestCase {
    id: testCase

    function openAndWait(dialog) {
        dialog.open()
        tryCompare(dialog, "opened", true)
    }

    function closeAndWait(dialog) {
        if (dialog.visible)
            dialog.close()
        tryCompare(dialog, "visible", false)
    }

    function button(dialog, name) {
        var found = findChild(dialog.footer, name)
        verify(found, "button " + name)
        return found
    }

    name: "ToolDialogs"
    when: windowShown
    width: 1000
    height: 1000

    ToolHelpDialog {
        id: helpDialog

        openLinksExternally: false
        helpText: "<p>Builds the app.</p><p><a href=\"tool://console\">Open the console</a></p>"
    }

    AppItemDetailsDialog {
        id: detailsDialog

        appInfo: ({ title: "Trail Finder" })
    }

    SignalSpy { id: helpLinks; target: helpDialog; signalName: "linkActivated" }
    SignalSpy { id: detailsAccepted; target: detailsDialog; signalName: "accepted" }
    SignalSpy { id: detailsRejected; target: detailsDialog; signalName: "rejected" }

    function cleanup() {
        closeAndWait(helpDialog)
        closeAndWait(detailsDialog)
        helpLinks.clear()
        detailsAccepted.clear()
        detailsRejected.clear()
    }

    function test_helpDialogCloses() {
        openAndWait(helpDialog)
        compare(helpDialog.title, "Help")
        verify(findChild(helpDialog.contentItem, "helpText").text.indexOf(helpDialog.helpText) > 0, "help text shown")
        var close = button(helpDialog, "closeButton")
        compare(close.text, "Close")
        mouseClick(close)
        tryCompare(helpDialog, "visible", false)
    }

    function test_helpDialogReportsLinks() {
        openAndWait(helpDialog)
        findChild(helpDialog.contentItem, "helpText").linkActivated("tool://console")
        compare(helpLinks.count, 1)
        compare(helpLinks.signalArguments[0][0], "tool://console")
        verify(helpDialog.visible, "a link leaves the help open")
    }

    function test_itemDetailsLayout() {
        openAndWait(detailsDialog)
        compare(detailsDialog.title, "Item Details")
        compare(detailsDialog.width, 640 * Hostkit.displayScaleFactor)
        compare(detailsDialog.height, 700 * Hostkit.displayScaleFactor)
        compare(findChild(detailsDialog.contentItem, "heading").text, "Item details")
        compare(findChild(detailsDialog.contentItem, "appTitle").text, "Trail Finder")
        compare(button(detailsDialog, "cancelButton").text, "Cancel")
        compare(button(detailsDialog, "saveButton").text, "Save")
    }

    function test_itemDetailsButtons_data() {
        return [
            { tag: "Cancel closes", button: "cancelButton", open: false, rejected: 1 },
            { tag: "Save does nothing yet", button: "saveButton", open: true, rejected: 0 }
        ]
    }

    function test_itemDetailsButtons(data) {
        openAndWait(detailsDialog)
        mouseClick(button(detailsDialog, data.button))
        wait(50)
        tryCompare(detailsDialog, "visible", data.open)
        compare(detailsRejected.count, data.rejected)
        compare(detailsAccepted.count, 0)
    }

    function test_itemDetailsWithoutApp() {
        detailsDialog.appInfo = null
        compare(detailsDialog.appTitle, "")
        detailsDialog.appInfo = { title: "Trail Finder" }
    }

    // A dialog never reaches beyond its window, where its buttons could not
    // be reached.
    function test_dialogFitsTheWindow() {
        var window = testCase.Window.window
        window.height = 500
        tryCompare(detailsDialog.parent, "height", 500)
        openAndWait(detailsDialog)
        tryVerify(function () { return detailsDialog.height <= 500 }, 1000, "height " + detailsDialog.height)
        verify(detailsDialog.y >= 0)
        compare(detailsDialog.width, 640 * Hostkit.displayScaleFactor, "the width still fits")
        verify(button(detailsDialog, "cancelButton").visible)
        closeAndWait(detailsDialog)
        window.height = 1000
        tryCompare(detailsDialog.parent, "height", 1000)
    }
}
