import QtQuick 2.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0

import "../Internal/toolcontext.js" as ToolContext

// An action that starts another tool of the suite on the app the user works
// on, as a detached process: the suite's own tools from the hosting tool's
// `toolsPath` by their command (`brimforgeToolCommand`), "Files" as the
// system's file browser on the app's folder, and, without a command, the
// user's own tool whose command line the settings hold under
// toolKey(brimforgeToolName, "command").
BrimforgeAction {
    id: root

    // The app the tool gets (an AppInfo).
    property var currentApp: null
    property var portal: null
    // The process id of the tool started last; 0 when the start failed.
    property real toolPid: 0
    property var settings: Hostkit.settings
    // Decides the macOS bundle paths and how command lines are split. Tests
    // set it to see other platforms.
    property string platform: Qt.platform.os
    // Opens a folder in the system's file browser. Tests replace it.
    property var openFolder: function (url) {
        return Qt.openUrlExternally(url)
    }
    readonly property bool hasValidApp: !!currentApp && currentApp.isValid === true

    readonly property LoggingCategory log: LoggingCategory {
        name: "Varnex.Loomwright.ToolAction"
    }

    signal toolProcessError(string message)

    function hostCommandLine() {
        return typeof commandLine === "undefined" ? ToolContext.missing("commandLine") : commandLine
    }

    function hostToolsPath() {
        if (typeof toolsPath === "undefined")
            return ToolContext.missing("toolsPath") || ""
        return toolsPath === null ? "" : String(toolsPath)
    }

    function hostLocaleOptionName() {
        if (typeof localeOptionName === "undefined")
            return ToolContext.missing("localeOptionName") || ""
        return localeOptionName === null ? "" : String(localeOptionName)
    }

    function hostHighDpiOptionName() {
        if (typeof highDpiOptionName === "undefined")
            return ToolContext.missing("highDpiOptionName") || ""
        return highDpiOptionName === null ? "" : String(highDpiOptionName)
    }

    function hostUsesExternalCodeEditor() {
        if (typeof useExternalCodeEditor === "undefined")
            return !!ToolContext.missing("useExternalCodeEditor")
        return useExternalCodeEditor === true
    }

    function isMacOS() {
        return platform === "osx" || platform === "macos"
    }

    // Where the suite's tool of the command lies.
    function toolPath(command) {
        var path = hostToolsPath() + "/" + command
        if (isMacOS())
            path += ".app/Contents/MacOS/" + brimforgeExecutableName
        return path
    }

    // The app's path, then the locale the hosting tool was started with.
    function appArguments() {
        if (!hasValidApp)
            return []
        return [String(currentApp.path)].concat(ToolContext.optionArguments(hostCommandLine(), hostLocaleOptionName()))
    }

    function wantsHighDpi() {
        var display = currentApp.value("display", {})
        return !!display && typeof display === "object" && display.enableHighDpi === true
    }

    function start(program, args) {
        console.log(log, "Starting", program, JSON.stringify(args))
        var pid = Loomwright.runDetached(program, args)
        toolPid = pid ? Number(pid) : 0
        return toolPid
    }

    function startSuiteTool() {
        var args = appArguments()
        if (appContext && brimforgeToolCommand === "AppRun") {
            var option = hostHighDpiOptionName()
            if (option !== "" && wantsHighDpi())
                args.push("--" + option)
        }
        return start(toolPath(brimforgeToolCommand), args)
    }

    // The project file of the app for an external code editor: the one its
    // descriptor names, else the descriptor itself.
    function projectFilePath() {
        var name = currentApp.value("projectFile", "")
        return String(currentApp.path) + "/" + (name ? String(name) : "appinfo.json")
    }

    // The app's main source file, resolved against its folder.
    function sourcePath() {
        var main = currentApp.value("mainFile", "")
        main = main ? String(main) : ""
        if (main === "")
            return String(currentApp.path)
        if (main.charAt(0) === "/" || /^[A-Za-z]:[\\\/]/.test(main))
            return main
        return String(currentApp.path) + "/" + main
    }

    function startCustomTool() {
        var command = settings ? settings.value(ToolContext.toolKey(brimforgeToolName, "command"), "") : ""
        command = command === undefined || command === null ? "" : String(command)
        var words = ToolContext.splitCommandLine(command, platform === "windows")
        if (words === null)
            console.warn(log, "The command of", brimforgeToolName, "leaves a quote open:", command)
        if (!words || words.length === 0) {
            toolPid = 0
            toolProcessError(qsTr("Unable to start %1").arg(command))
            return 0
        }
        var program = words[0]
        if (isMacOS())
            program += "/Contents/MacOS/" + brimforgeExecutableName
        var args = words.slice(1)
        if (hasValidApp) {
            if (hostUsesExternalCodeEditor())
                args.push(projectFilePath(), sourcePath())
            else
                args.push(String(currentApp.path))
        }
        if (start(program, args) === 0)
            toolProcessError(qsTr("Unable to start %1").arg(command))
        return toolPid
    }

    // What triggering does; the process id, or 0.
    function run() {
        if (appContext && !hasValidApp) {
            console.warn(log, "No active app")
            return 0
        }
        if (brimforgeToolName === "Files") {
            if (!hasValidApp) {
                console.warn(log, "No active app")
                return 0
            }
            openFolder(currentApp.pathUrl)
            return 0
        }
        if (brimforgeToolCommand !== "")
            return startSuiteTool()
        return startCustomTool()
    }

    onTriggered: run()
}
