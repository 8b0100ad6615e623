// Starts a program through Loomwright.run, streams its output line by line
// to the terminal and ends with the program's exit code.
import QtQml 2.15
import Varnex.Loomwright 1.0

QtObject {
    id: root

    property var process: null
    property bool atLineStart: true

    function show(text, toError) {
        if (text.length === 0)
            return
        if (toError)
            terminal.writeError(text)
        else
            terminal.write(text)
        atLineStart = text.endsWith("\n") || text.endsWith("\r")
    }

    function finish(code, message) {
        show((atLineStart ? "" : "\n") + message + "\n", true)
        terminal.exit(code)
    }

    Component.onCompleted: {
        if (terminal.arguments.length === 0) {
            finish(2, qsTr("usage: main.qml PROGRAM [ARGUMENTS...]"))
            return
        }
        const command = terminal.arguments[0]

        process = Loomwright.run(command, terminal.arguments.slice(1))
        // Nothing can arrive before this function returns to the event loop,
        // so switching to whole lines here loses nothing.
        process.bufferedStandardOutput = true
        process.bufferedStandardError = true
        process.standardOutput.connect(function(output) { show(output, false) })
        process.standardError.connect(function(error) { show(error, true) })
        process.finished.connect(function() {
            // A last line without a terminator is still held: let it out.
            process.bufferedStandardOutput = false
            process.bufferedStandardError = false
            if (process.exitStatus === Process.NormalExit)
                finish(process.exitCode, qsTr("exit code: %1").arg(process.exitCode))
            else
                finish(128, qsTr("%1 crashed").arg(command))
        })
        process.errorChanged.connect(function() {
            if (process.error === Process.FailedToStart)
                finish(127, qsTr("could not start %1").arg(command))
        })
    }
}
