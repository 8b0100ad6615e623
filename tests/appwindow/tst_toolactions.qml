import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Varnex.Hostkit.Desktop 1.0
import Varnex.Loomwright.Controls 1.0

import "qrc:/imports/Varnex/Loomwright/Internal/toolcontext.js" as ToolContext

// Tool actions start the suite's tools (scripts in the host's toolsPath that
// write down their arguments) detached, with the app and the host's options;
// "Files" opens the app's folder; a custom tool's command line comes from
// the settings and is split as a shell splits it.
AppWindowTestCase {
    id: testCase

    readonly property string toolsFolder: temporaryFolder + "/tools"
    property var apps: ({})

    // A tool that writes its arguments, one a line, to <its path>.args.
    function makeTool(path) {
        verify(testHost.writeFile(path, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.args.tmp\"\n"
                                        + "mv \"$0.args.tmp\" \"$0.args\"\n", true), path)
        testHost.removePath(path + ".args")
        return path
    }

    // The arguments a tool got, once it has run.
    function toolArguments(path) {
        tryVerify(function () { return testHost.exists(path + ".args") }, waitMs, path + " ran")
        var text = testHost.readFile(path + ".args")
        var lines = text.split("\n")
        lines.pop()
        return lines
    }

    function makeAction(properties) {
        var action = createTemporaryObject(actionComponent, testCase, properties)
        verify(action)
        return action
    }

    function expand(list, app) {
        return list.map(function (value) { return value.replace("@app", app ? app.path : "") })
    }

    name: "ToolActions"

    Component {
        id: actionComponent

        BrimforgeActionWithTool {}
    }

    AppInfo {
        id: plainApp
    }

    AppInfo {
        id: highDpiApp
    }

    AppInfo {
        id: noApp
    }

    Component {
        id: spyComponent

        SignalSpy {}
    }

    function initTestCase() {
        var plain = temporaryFolder + "/actions/plain"
        var highDpi = temporaryFolder + "/actions/high dpi"
        testHost.writeFile(plain + "/appinfo.json", JSON.stringify({ title: "Plain", mainFile: "Plain.qml" }))
        testHost.writeFile(highDpi + "/appinfo.json", JSON.stringify({ title: "Sharp", display: { enableHighDpi: true } }))
        plainApp.path = plain
        highDpiApp.path = highDpi
        ignoreWarning(/Not an app project/)
        noApp.path = temporaryFolder + "/actions/none"
        apps = { plain: plainApp, highDpi: highDpiApp, none: noApp }
        verify(apps.plain.isValid && apps.highDpi.isValid && !apps.none.isValid)
    }

    function init() {
        testHost.setCommandLine([])
        testHost.setContextName("useExternalCodeEditor", false)
        Hostkit.settings.remove("Tool-Editor")
    }

    function test_suiteTool_data() {
        return [
            { tag: "the app as argument", command: "AppRun", appContext: true, app: "plain", commandLine: [],
              expected: ["@app"] },
            { tag: "the host's locale option", command: "AppRun", appContext: true, app: "plain",
              commandLine: ["--locale", "de", "/some/app"], expected: ["@app", "--locale", "de"] },
            { tag: "AppRun with high DPI", command: "AppRun", appContext: true, app: "highDpi",
              commandLine: ["--locale", "ar"], expected: ["@app", "--locale", "ar", "--high-dpi"] },
            { tag: "high DPI only for AppRun", command: "AppMake", appContext: true, app: "highDpi",
              commandLine: [], expected: ["@app"] },
            { tag: "no app context, a gallery app", command: "AppMake", appContext: false, app: "plain",
              commandLine: ["--locale", "fr"], expected: ["@app", "--locale", "fr"] },
            { tag: "no app context, no app", command: "AppMake", appContext: false, app: "none",
              commandLine: ["--locale", "fr"], expected: [] },
            { tag: "a macOS bundle", command: "AppRun", appContext: true, app: "plain", commandLine: [],
              platform: "osx", executable: "Player", expected: ["@app"] }
        ]
    }

    function test_suiteTool(data) {
        testHost.setCommandLine(data.commandLine)
        var tool = toolsFolder + "/" + data.command
        if (data.platform === "osx")
            tool += ".app/Contents/MacOS/" + data.executable
        makeTool(tool)
        var app = apps[data.app]
        var action = makeAction({
            brimforgeToolName: data.command,
            brimforgeToolCommand: data.command,
            brimforgeExecutableName: data.executable || data.command,
            appContext: data.appContext ? app : null,
            currentApp: app,
            platform: data.platform || "linux"
        })
        var errors = createTemporaryObject(spyComponent, testCase, { target: action, signalName: "toolProcessError" })
        action.trigger()
        verify(action.toolPid > 0)
        compare(toolArguments(tool), expand(data.expected, app))
        compare(errors.count, 0)
    }

    function test_noActiveApp() {
        var tool = makeTool(toolsFolder + "/AppRun")
        var action = makeAction({ brimforgeToolCommand: "AppRun", appContext: apps.none, currentApp: apps.none })
        ignoreWarning(/No active app/)
        action.trigger()
        compare(action.toolPid, 0)
        verify(!testHost.exists(tool + ".args"))
    }

    function test_files() {
        var opened = []
        var action = makeAction({ brimforgeToolName: "Files", appContext: apps.plain, currentApp: apps.plain })
        action.openFolder = function (url) { opened.push(String(url)) }
        action.trigger()
        compare(opened, [String(apps.plain.pathUrl)])
        compare(action.toolPid, 0)

        action.currentApp = apps.none
        action.appContext = apps.none
        ignoreWarning(/No active app/)
        action.trigger()
        compare(opened.length, 1)
    }

    function test_customTool_data() {
        return [
            { tag: "quoted program and argument", command: "\"@tools/my editor\" --flag \"two words\"",
              external: false, expected: ["--flag", "two words", "@app"] },
            { tag: "single quotes", command: "'@tools/my editor' 'it is' plain", external: false,
              expected: ["it is", "plain", "@app"] },
            { tag: "escaped blank", command: "@tools/my\\ editor -n", external: false, expected: ["-n", "@app"] },
            { tag: "external code editor", command: "\"@tools/my editor\" --goto", external: true,
              expected: ["--goto", "@app/appinfo.json", "@app/Plain.qml"] }
        ]
    }

    function test_customTool(data) {
        var tool = makeTool(toolsFolder + "/my editor")
        testHost.setContextName("useExternalCodeEditor", data.external)
        Hostkit.settings.setValue("Tool-Editor/command", data.command.replace("@tools", toolsFolder))
        var action = makeAction({ brimforgeToolName: "Editor", appContext: apps.plain, currentApp: apps.plain,
                                  platform: "linux" })
        var errors = createTemporaryObject(spyComponent, testCase, { target: action, signalName: "toolProcessError" })
        action.trigger()
        verify(action.toolPid > 0)
        compare(toolArguments(tool), expand(data.expected, apps.plain))
        compare(errors.count, 0)
    }

    function test_unableToStart_data() {
        return [
            { tag: "no command", command: null, message: "Unable to start " },
            { tag: "an empty command", command: "  ", message: "Unable to start   " },
            { tag: "no such program", command: "/no/such/tool --x", message: "Unable to start /no/such/tool --x",
              warning: /no\/such\/tool/ },
            { tag: "an open quote", command: "\"/usr/bin/env", message: "Unable to start \"/usr/bin/env",
              warning: /leaves a quote open/ }
        ]
    }

    function test_unableToStart(data) {
        if (data.command !== null)
            Hostkit.settings.setValue("Tool-Editor/command", data.command)
        if (data.warning)
            ignoreWarning(data.warning)
        var action = makeAction({ brimforgeToolName: "Editor", currentApp: apps.plain, platform: "linux" })
        var errors = createTemporaryObject(spyComponent, testCase, { target: action, signalName: "toolProcessError" })
        action.trigger()
        compare(action.toolPid, 0)
        compare(errors.count, 1)
        compare(errors.signalArguments[0][0], data.message)
    }

    function test_splitCommandLine_data() {
        return [
            { tag: "words", text: "a b  c", expected: ["a", "b", "c"] },
            { tag: "double quotes", text: "\"C:/Program Files/x.exe\" -a", expected: ["C:/Program Files/x.exe", "-a"] },
            { tag: "single quotes keep backslashes", text: "'a\\b c'", expected: ["a\\b c"] },
            { tag: "quotes inside a word", text: "--name=\"a b\"c", expected: ["--name=a bc"] },
            { tag: "an empty quoted word", text: "x \"\" y", expected: ["x", "", "y"] },
            { tag: "escaped quote in double quotes", text: "\"say \\\"hi\\\"\"", expected: ["say \"hi\""] },
            { tag: "escaped blank on POSIX", text: "my\\ tool", expected: ["my tool"] },
            { tag: "backslashes stay on Windows", text: "C:\\tools\\x.exe \"a b\"", windows: true,
              expected: ["C:\\tools\\x.exe", "a b"] },
            { tag: "blanks only", text: " \t ", expected: [] },
            { tag: "an open quote", text: "\"abc", expected: null }
        ]
    }

    function test_splitCommandLine(data) {
        compare(ToolContext.splitCommandLine(data.text, data.windows === true), data.expected)
    }
}
