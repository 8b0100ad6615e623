import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Varnex.Loomwright.Controls 1.0
import Varnex.Hostkit.Desktop 1.0

// The window's helpers: relative dates, help files in the user's language,
// settings keys of tools, the portal's messages, runtime versions, ROT13,
// and message boxes that wait before they open.
AppWindowTestCase {
    id: testCase

    property var window: null
    readonly property real minute: 60 * 1000
    readonly property real hour: 60 * minute
    readonly property real day: 24 * hour
    readonly property string htmlRoot: temporaryFolder + "/help"

    function ago(milliseconds) {
        return new Date(Date.now() - milliseconds)
    }

    name: "Helpers"

    Component {
        id: windowComponent

        AppWindow {
            visible: true
            appTitle: "Helper Tool"
            appRequired: false
            versionCheck.siteUrl: testCase.currentSiteUrl
        }
    }

    function initTestCase() {
        configureHost()
    }

    function init() {
        window = createTemporaryObject(windowComponent, testCase)
        verify(window)
    }

    function cleanup() {
        settleWindow(window)
        window = null
    }

    function test_formatRelativeDate_data() {
        var invalid = new Date(NaN)
        return [
            { tag: "no date", date: undefined, expected: "App Unmodified" },
            { tag: "null", date: null, expected: "App Unmodified" },
            { tag: "empty text", date: "", expected: "App Unmodified" },
            { tag: "the epoch", date: new Date(0), expected: "App Unmodified" },
            { tag: "before the epoch", date: new Date(-86400000), expected: "App Unmodified" },
            { tag: "a date without time", date: invalid, expected: "Not Available" },
            { tag: "unreadable text", date: "last Tuesday-ish", expected: "Not Available" },
            { tag: "in the future", date: ago(-2 * hour), expected: "Just now" },
            { tag: "30 seconds", date: ago(30 * 1000), expected: "Just now" },
            { tag: "90 seconds", date: ago(90 * 1000), expected: "Minutes ago: 2" },
            { tag: "59 minutes", date: ago(59 * minute), expected: "Minutes ago: 59" },
            { tag: "2 hours", date: ago(2 * hour + minute), expected: "Hours ago: 2" },
            { tag: "23 hours", date: ago(23 * hour), expected: "Hours ago: 23" },
            { tag: "36 hours (1.5 rounds up)", date: ago(36 * hour), expected: "Days ago: 2" },
            { tag: "6 days", date: ago(6 * day), expected: "Days ago: 6" },
            { tag: "8 days", date: ago(8 * day), expected: "Weeks ago: 1" },
            { tag: "20 days", date: ago(20 * day), expected: "Weeks ago: 3" },
            { tag: "29 days", date: ago(29 * day), expected: "Weeks ago: 4" },
            { tag: "milliseconds as a number", date: Date.now() - 3 * hour, expected: "Hours ago: 3" },
            { tag: "milliseconds as text", date: String(Date.now() - 3 * day), expected: "Days ago: 3" },
            { tag: "ISO text", date: ago(2 * day).toISOString(), expected: "Days ago: 2" }
        ]
    }

    function test_formatRelativeDate(data) {
        compare(window.formatRelativeDate(data.date), data.expected)
    }

    function test_formatRelativeDateOlderThanAMonth() {
        var date = ago(45 * day)
        var text = window.formatRelativeDate(date)
        compare(text, window.formatDate(date))
        compare(text, date.toLocaleDateString(Qt.locale(), Locale.ShortFormat))
    }

    function test_getHtmlFileName_data() {
        return [
            { tag: "German only", files: ["html/toolSummary_de.html"], locale: "de-DE",
              expected: "html/toolSummary_de.html" },
            { tag: "the country's file first", files: ["html/toolSummary_de.html", "html/toolSummary_de_DE.html"],
              locale: "de-DE", expected: "html/toolSummary_de_DE.html" },
            { tag: "another country's file", files: ["html/toolSummary_de_AT.html", "html/toolSummary_en.html"],
              locale: "de-DE", expected: "html/toolSummary_de_AT.html" },
            { tag: "another prefix's file does not count", files: ["html/otherTool_de_AT.html"], locale: "de-DE",
              expected: "html/toolSummary_en.html" },
            { tag: "no German file", files: ["html/toolSummary_fr.html", "html/toolSummary_en.html"],
              locale: "de-DE", expected: "html/toolSummary_en.html" },
            { tag: "no file at all", files: [], locale: "pt-BR", expected: "html/toolSummary_en.html" },
            { tag: "Brazilian Portuguese", files: ["html/toolSummary_pt_BR.html", "html/toolSummary_pt_PT.html"],
              locale: "pt-BR", expected: "html/toolSummary_pt_BR.html" },
            { tag: "a prefix without a folder", files: ["intro_de_CH.html"], locale: "de-DE", prefix: "intro",
              expected: "intro_de_CH.html" }
        ]
    }

    function test_getHtmlFileName(data) {
        testHost.removePath(htmlRoot)
        testHost.makeFolder(htmlRoot + "/html")
        data.files.forEach(function (name) {
            verify(testHost.writeFile(htmlRoot + "/" + name, "<p>" + name + "</p>"))
        })
        // Neither the working folder's html folder nor any other counts.
        testHost.writeFile(temporaryFolder + "/html/toolSummary_de_LU.html", "<p>elsewhere</p>")
        window.htmlFolder.path = htmlRoot
        window.localeInfo = Hostkit.localeInfo(data.locale)
        compare(window.getHtmlFileName(data.prefix || "html/toolSummary"), data.expected)
    }

    function test_toolKey_data() {
        return [
            { tag: "Make's platform", tool: "Make", subKey: "platform", expected: "Tool-Make/platform" },
            { tag: "a custom tool's command", tool: "Editor", subKey: "command", expected: "Tool-Editor/command" }
        ]
    }

    function test_toolKey(data) {
        compare(window.toolKey(data.tool, data.subKey), data.expected)
    }

    function test_i18n_data() {
        return [
            { tag: "no permission", text: "You do not have permissions to access this resource or perform this operation." },
            { tag: "no item", text: "Item does not exist or is inaccessible." },
            { tag: "any other text", text: "Something else went wrong." }
        ]
    }

    function test_i18n(data) {
        // In English each is itself; tst_download sees them translated.
        compare(window.i18n(data.text), data.text)
    }

    function test_runtimeMajorVersion_data() {
        return [
            { tag: "no value", descriptor: { title: "A" }, expected: 0 },
            { tag: "a number", descriptor: { title: "A", varnexRuntime: 3 }, expected: 3 },
            { tag: "an object with a version", descriptor: { title: "A", varnexRuntime: { version: { major: 4, minor: 1 } } },
              expected: 4 },
            { tag: "an object without a version", descriptor: { title: "A", varnexRuntime: { name: "x" } }, expected: 0 },
            { tag: "text", descriptor: { title: "A", varnexRuntime: "3.2" }, expected: 0 }
        ]
    }

    function test_runtimeMajorVersion(data) {
        var path = temporaryFolder + "/runtime"
        verify(testHost.writeFile(path + "/appinfo.json", JSON.stringify(data.descriptor)))
        var app = createTemporaryObject(appInfoComponent, testCase, { path: path })
        verify(app.isValid)
        compare(window.getVarnexRuntimeMajorVersion(app), data.expected)
    }

    function test_rot13_data() {
        return [
            { tag: "letters", text: "Hello, World!", expected: "Uryyb, Jbeyq!" },
            { tag: "wrap-around", text: "xyzXYZ abc", expected: "klmKLM nop" },
            { tag: "digits and others stay", text: "123 äö-_", expected: "123 äö-_" }
        ]
    }

    function test_rot13(data) {
        compare(window.rot13(data.text), data.expected)
        compare(window.rot13(window.rot13(data.text)), data.text)
    }

    // Asked for, a message waits messageDelay ms; its callback runs once it
    // has closed; two requests show one after the other.
    function test_messageBoxes() {
        var calls = []
        window.showMessage(window.messageBox.iconInformation, "First", "one", "", "", function () {
            calls.push("first:" + window.messageBox.visible)
        })
        window.confirmYesNo("Second", "two?", function () { calls.push("yes") }, function () { calls.push("no") })
        compare(window.messageBox.visible, false)
        compare(window.messageBox.pendingCount, 0)
        waitMessage(window, "First")
        answerMessage(window, "okButton")
        compare(calls, ["first:false"])
        waitMessage(window, "Second")
        verify(window.messageBox.isQuestion)
        answerMessage(window, "noButton")
        tryCompare(window.messageBox, "pendingCount", 0)
        compare(calls, ["first:false", "no"])
    }

    Component {
        id: appInfoComponent

        AppInfo {}
    }
}
