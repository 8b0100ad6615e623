import QtQuick 2.15
import QtTest 1.2
import Varnex.Loomwright 1.0

TestCase {
    id: testCase
    name: "Process"
    when: windowShown

    readonly property int waitMs: 30000
    readonly property string missingProgram: "/nonexistent/loomwright-no-such-program"

    // The handlers use the signal parameter names that QML code relies on.
    Process {
        id: process
        property string receivedOutput
        property string receivedError
        onStandardOutput: receivedOutput += output
        onStandardError: receivedError += error
    }

    SynchronousProcess {
        id: syncProcess
        timeout: 5000
    }

    SignalSpy { id: startedSpy; target: process; signalName: "started" }
    SignalSpy { id: finishedSpy; target: process; signalName: "finished" }
    SignalSpy { id: outputSpy; target: process; signalName: "standardOutput" }

    Component { id: processComponent; Process {} }
    Component { id: spyComponent; SignalSpy {} }

    function init() {
        process.bufferedStandardOutput = false
        process.receivedOutput = ""
        process.receivedError = ""
        startedSpy.clear()
        finishedSpy.clear()
        outputSpy.clear()
    }

    function spyOn(target, signalName) {
        return createTemporaryObject(spyComponent, testCase, { target: target, signalName: signalName })
    }

    function texts(spy) {
        var result = []
        for (var i = 0; i < spy.count; ++i)
            result.push(spy.signalArguments[i][0])
        return result
    }

    function test_enums_data() {
        return [
            { tag: "Process.NotRunning", value: Process.NotRunning, expected: 0 },
            { tag: "Process.Running", value: Process.Running, expected: 2 },
            { tag: "Process.FailedToStart", value: Process.FailedToStart, expected: 0 },
            { tag: "Process.Crashed", value: Process.Crashed, expected: 1 },
            { tag: "Process.CrashExit", value: Process.CrashExit, expected: 1 },
            { tag: "SynchronousProcess.Timedout", value: SynchronousProcess.Timedout, expected: 2 },
            { tag: "SynchronousProcess.CrashExit", value: SynchronousProcess.CrashExit, expected: 1 },
            { tag: "Loomwright.KeepAspectRatioByExpanding", value: Loomwright.KeepAspectRatioByExpanding, expected: 2 },
            { tag: "Loomwright.SmoothTransformation", value: Loomwright.SmoothTransformation, expected: 1 },
        ]
    }

    function test_enums(data) {
        compare(data.value, data.expected)
    }

    function test_notCreatable_data() {
        return [ { tag: "SharedData" }, { tag: "HostkitObject" } ]
    }

    function test_notCreatable(data) {
        var message = ""
        try {
            var object = Qt.createQmlObject("import Varnex.Loomwright 1.0; " + data.tag + " {}", testCase,
                                            "notCreatable")
            object.destroy()
        } catch (e) {
            message = e.message
        }
        verify(message.indexOf("The Varnex type " + data.tag + " is not creatable") >= 0, message)
    }

    function test_sharedDataIsOneObject() {
        var first = Loomwright.sharedData
        verify(first)
        verify(first === Loomwright.sharedData)
    }

    function test_run() {
        var args = ["out:hello\\n", "err:oops", "exit:3"]
        process.start(testChild, args)
        compare(process.program, testChild)
        compare(process.arguments, args)
        tryCompare(finishedSpy, "count", 1, waitMs)

        compare(startedSpy.count, 1)
        compare(texts(outputSpy), ["hello\n"])
        compare(process.receivedOutput, "hello\n")
        compare(process.receivedError, "oops")
        compare(process.exitCode, 3)
        compare(process.exitStatus, Process.NormalExit)
        compare(process.state, Process.NotRunning)
    }

    function test_bufferedOutput() {
        process.bufferedStandardOutput = true
        process.start(testChild, ["out:a\\nb", "out:c\\nd"])
        tryCompare(finishedSpy, "count", 1, waitMs)
        compare(texts(outputSpy), ["a\n", "bc\n", "d"])

        process.bufferedStandardOutput = false
        compare(texts(outputSpy), ["a\n", "bc\n", "d"])
    }

    // QML numbers become whole milliseconds within the 64-bit range.
    function test_synchronousTimeout_data() {
        return [
            { tag: "declared", value: undefined, expected: 5000 },
            { tag: "no limit", value: -1, expected: -1 },
            { tag: "fraction", value: 12.7, expected: 12 },
            { tag: "beyond 64 bits", value: 1e300, expected: 9223372036854775807 },
            { tag: "below 64 bits", value: -1e300, expected: -9223372036854775808 },
        ]
    }

    function test_synchronousTimeout(data) {
        var declared = syncProcess.timeout
        if (data.value !== undefined)
            syncProcess.timeout = data.value
        compare(syncProcess.timeout, data.expected)

        ignoreWarning(/SynchronousProcess::setTimeoutNumber\(double\) Ignored a time-out that is not a number$/)
        syncProcess.timeout = NaN
        compare(syncProcess.timeout, data.expected)
        syncProcess.timeout = declared
    }

    function test_failedToStart() {
        var failing = createTemporaryObject(processComponent, testCase)
        var started = spyOn(failing, "started")
        failing.start(missingProgram)
        tryCompare(failing, "error", Process.FailedToStart, waitMs)
        compare(failing.state, Process.NotRunning)
        compare(started.count, 0)
    }

    function test_crash() {
        var crashing = createTemporaryObject(processComponent, testCase)
        var finished = spyOn(crashing, "finished")
        crashing.start(testChild, ["crash"])
        tryCompare(finished, "count", 1, waitMs)
        compare(crashing.error, Process.Crashed)
        compare(crashing.exitStatus, Process.CrashExit)
    }

    function test_synchronous() {
        var text = "grüße ✓ 日本"
        syncProcess.standardInput = text
        syncProcess.start(testChild, ["cat"])
        compare(syncProcess.standardOutput, text)
        compare(syncProcess.exitCode, 0)
        compare(syncProcess.state, SynchronousProcess.NotRunning)
    }

    function test_loomwrightRun() {
        var child = Loomwright.run(testChild, ["out:via facade", "exit:2"])
        var finished = spyOn(child, "finished")
        var output = spyOn(child, "standardOutput")
        tryCompare(finished, "count", 1, waitMs)
        compare(texts(output), ["via facade"])
        compare(child.exitCode, 2)

        var commandOnly = Loomwright.run(testChild)
        var commandOnlyFinished = spyOn(commandOnly, "finished")
        compare(commandOnly.arguments, [])
        tryCompare(commandOnlyFinished, "count", 1, waitMs)
        compare(commandOnly.exitStatus, Process.NormalExit)
    }

    function test_loomwrightRunSynchronous() {
        var withInput = Loomwright.runSynchronous(testChild, ["cat"], "input ✓ 日本")
        compare(withInput.standardOutput, "input ✓ 日本")

        var withArguments = Loomwright.runSynchronous(testChild, ["out:two", "err:e", "exit:6"])
        compare(withArguments.standardOutput, "two")
        compare(withArguments.standardError, "e")
        compare(withArguments.exitCode, 6)

        var commandOnly = Loomwright.runSynchronous(testChild)
        compare(commandOnly.state, SynchronousProcess.NotRunning)
        compare(commandOnly.exitStatus, SynchronousProcess.NormalExit)
    }

    function test_loomwrightRunDetached() {
        verify(Loomwright.runDetached(testChild) > 0)
        verify(Loomwright.runDetached(testChild, ["exit:0"]) > 0)

        ignoreWarning(new RegExp("Error starting detached command: \"" + missingProgram
                                 + "\" arguments: \\(\\) workingDirectory: \"\"$"))
        compare(Loomwright.runDetached(missingProgram), 0)

        ignoreWarning(/Refused to start ".*" : argument 0 contains a NUL character$/)
        compare(Loomwright.runDetached(testChild, ["a\u0000b"]), 0)
    }
}
