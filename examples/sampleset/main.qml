// Makes every platform's icon and launch-image set from the project's own
// sample picture through the Loomwright plugin, then prints per platform what
// each call returned, how many files its folder holds and the time taken.
//
//   loomwright-processrunner main.qml SAMPLE_PAINTER [OUTPUT_FOLDER]
//
// SAMPLE_PAINTER is the loomwright-samplepicture program of this folder; it
// paints the sample into OUTPUT_FOLDER (default build/sample-output), and the
// sets go to one folder per platform beside it. Files already there stay and
// are counted too. The exit code is 0 when every call returned true. In a
// fresh folder the iOS launch images log that there was no default picture to
// replace: the sets of a real app project bring one.
import QtQml 2.15
import Varnex.Loomwright 1.0

QtObject {
    id: root

    readonly property string painter: terminal.arguments.length > 0 ? terminal.arguments[0] : ""
    readonly property string outputFolder: terminal.arguments.length > 1 ? terminal.arguments[1] : "build/sample-output"
    readonly property string samplePath: outputFolder + "/sample.png"
    readonly property string backgroundColor: "#1d3b8f"

    // The calls of each platform, each with its label and the call itself.
    function platforms() {
        const iconOptions = { "backgroundColor": backgroundColor }
        const launchOptions = { "backgroundColor": backgroundColor, "iconImage": samplePath }
        const appIcon = qsTr("app icon")
        const launchImages = qsTr("launch images")
        return [
            { name: "windows", calls: [
                { label: appIcon, call: function(folder) { return Loomwright.createAppIcon("windows", samplePath, folder + "/app.ico", iconOptions) } }
            ] },
            { name: "macos", calls: [
                { label: appIcon, call: function(folder) { return Loomwright.createAppIcon("macos", samplePath, folder + "/app.icns", iconOptions) } }
            ] },
            { name: "android", calls: [
                { label: appIcon, call: function(folder) { return Loomwright.createAppIcon("android", samplePath, folder, iconOptions) } },
                { label: qsTr("adaptive background"), call: function(folder) { return Loomwright.createAdaptiveIconBackgroundMipMapAsset(samplePath, folder) } },
                { label: launchImages, call: function(folder) { return Loomwright.createLaunchImage("android", folder, launchOptions) } }
            ] },
            { name: "ios", calls: [
                { label: appIcon, call: function(folder) { return Loomwright.createAppIcon("ios", samplePath, folder, iconOptions) } },
                { label: launchImages, call: function(folder) { return Loomwright.createLaunchImage("ios", folder, launchOptions) } }
            ] },
            { name: "winrt", calls: [
                { label: appIcon, call: function(folder) { return Loomwright.createAppIcon("winrt", samplePath, folder, iconOptions) } },
                { label: launchImages, call: function(folder) { return Loomwright.createLaunchImage("winrt", folder, launchOptions) } }
            ] },
            // The installer pictures go into a folder that must exist already.
            { name: "installer", prepare: true, calls: [
                { label: launchImages, call: function(folder) { return Loomwright.createLaunchImage("installer", folder, launchOptions) } }
            ] }
        ]
    }

    // Runs a program to its end through the plugin; its standard output, or
    // null when it could not start or did not end well.
    function runToEnd(program, programArguments) {
        const process = Loomwright.runSynchronous(program, programArguments)
        const ended = process.error === SynchronousProcess.UnknownError
                && process.exitStatus === SynchronousProcess.NormalExit && process.exitCode === 0
        if (!ended)
            terminal.writeError(process.standardError)
        return ended ? process.standardOutput : null
    }

    function fileCount(folder) {
        const listing = runToEnd("find", [folder, "-type", "f"])
        return listing === null ? 0 : listing.split("\n").filter(function(line) { return line.length > 0 }).length
    }

    function padded(text, width, alignRight) {
        let result = String(text)
        while (result.length < width)
            result = alignRight ? " " + result : result + " "
        return result
    }

    function line(platform, files, time, results) {
        return padded(platform, 10) + padded(files, 6, true) + padded(time, 10, true) + "  " + results + "\n"
    }

    Component.onCompleted: {
        if (painter.length === 0) {
            terminal.writeError(qsTr("usage: main.qml SAMPLE_PAINTER [OUTPUT_FOLDER]") + "\n")
            terminal.exit(2)
            return
        }

        let started = Date.now()
        if (runToEnd(painter, [samplePath]) === null) {
            terminal.writeError(qsTr("could not paint the sample picture %1").arg(samplePath) + "\n")
            terminal.exit(1)
            return
        }
        terminal.write(qsTr("sample picture %1 painted in %2 ms").arg(samplePath).arg(Date.now() - started) + "\n\n")
        terminal.write(line(qsTr("platform"), qsTr("files"), qsTr("time"), qsTr("calls returned")))

        let allTrue = true
        let totalFiles = 0
        let totalTime = 0
        platforms().forEach(function(platform) {
            const folder = outputFolder + "/" + platform.name
            if (platform.prepare)
                runToEnd("mkdir", ["-p", folder])
            let milliseconds = 0
            const results = platform.calls.map(function(entry) {
                started = Date.now()
                const result = entry.call(folder)
                milliseconds += Date.now() - started
                allTrue = allTrue && result
                return qsTr("%1: %2").arg(entry.label).arg(String(result))
            })
            const files = fileCount(folder)
            totalFiles += files
            totalTime += milliseconds
            terminal.write(line(platform.name, files, qsTr("%1 ms").arg(milliseconds), results.join(", ")))
        })
        terminal.write(line(qsTr("total"), totalFiles, qsTr("%1 ms").arg(totalTime),
                            allTrue ? qsTr("every call returned true") : qsTr("a call returned false")))
        terminal.exit(allTrue ? 0 : 1)
    }
}
