import QtQuick 2.15
import QtTest 1.15
import Varnex.Hostkit 1.0

// "tool://NAME" links of the help text start the suite's tool NAME from
// toolsPath as a process of its own; names that would leave the tools
// folder are refused.
ToolWindowTestCase {
    id: testCase

    readonly property string marker: toolsPath + "/console.ran"

    function init() {
        resetSharedRecord()
        verify(testHost.removePath(marker))
    }

    function markerText() {
        return Hostkit.fileFolder(toolsPath).readTextFile("console.ran")
    }

    // The link as the help text hands it over: the console tool runs, and
    // not as a child of this process (a child that the window let go of
    // would be collected and killed with it).
    function test_consoleLink() {
        var window = makeWindow({})
        window.toolInfoText = "<a href=\"tool://console\">Console</a>"
        var openUrlSpy = spy(window, "openUrl")
        window.toolSideBar.linkActivated("tool://console")
        tryVerify(function () { return Hostkit.fileInfo(marker).exists }, waitMs, "the console tool ran")
        var lines = markerText().split("\n")
        compare(lines[1], "args ")
        var parent = Number(lines[0].replace("ppid ", ""))
        verify(parent > 0, lines[0])
        verify(parent !== testHost.processId, "the tool is no child of the window's process")
        compare(openUrlSpy.count, 0)
    }

    function test_startTool() {
        var window = makeWindow({})
        verify(window.startTool("console") > 0)
        tryVerify(function () { return Hostkit.fileInfo(marker).exists }, waitMs, "the console tool ran")
    }

    function test_refusedNames_data() {
        return [
            { tag: "nothing after the scheme", link: "tool://", name: "", problem: "no tool name" },
            { tag: "parent folder", link: "tool://../console", name: "../console",
              problem: "a path separator in the tool name" },
            { tag: "subfolder", link: "tool://bin/console", name: "bin/console",
              problem: "a path separator in the tool name" },
            { tag: "absolute path", link: "tool:///bin/sh", name: "/bin/sh",
              problem: "a path separator in the tool name" },
            { tag: "backslash", link: "tool://..\\console", name: "..\\console",
              problem: "a path separator in the tool name" },
            { tag: "dot dot", link: "tool://..", name: "..", problem: "\"..\" in the tool name" },
            { tag: "dot dot inside", link: "tool://con..sole", name: "con..sole", problem: "\"..\" in the tool name" },
            { tag: "control character", link: "tool://con\nsole", name: "con\nsole",
              problem: "a control character in the tool name" },
        ]
    }

    function test_refusedNames(data) {
        var window = makeWindow({})
        var openUrlSpy = spy(window, "openUrl")
        ignoreWarning("Refused tool link: " + data.problem + " " + JSON.stringify(data.name))
        window.openLink(data.link)
        compare(openUrlSpy.count, 0, "not handed to the browser either")
        ignoreWarning("Refused tool link: " + data.problem + " " + JSON.stringify(data.name))
        compare(window.startTool(data.name), 0)
    }

    name: "ToolLinks"
}
