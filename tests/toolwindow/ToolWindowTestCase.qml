import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Loomwright.Private 1.0 as Private

// What the tool window tests share: windows that need no app, a second tool
// process (toolwindowpeer.qml) with its output lines, sign-in codes of the
// local portal, and signal spies.
TestCase {
    id: root

    readonly property int waitMs: 30000
    readonly property string outOfBand: "urn:ietf:wg:oauth:2.0:oob"
    // Windows made with makeWindow() and not yet destroyed.
    property var windows: []
    // A sign-in dialog for windows (signInDialogComponent) that opens and
    // closes and does nothing else.
    readonly property Component stubDialog: Component {
        QtObject {
            property string authorizationUrl
            property string authorizationCode
            property bool visible: false

            signal accepted()

            function open() {
                visible = true
            }

            function close() {
                visible = false
            }
        }
    }

    function spy(target, signalName) {
        return createTemporaryObject(spyComponent, root, { target: target, signalName: signalName })
    }

    // A visible tool window that needs no app; `properties` come on top,
    // and `windowComponent` among them makes another kind of window.
    function makeWindow(properties) {
        var values = { appRequired: false, visible: true, title: "Sample Tool" }
        var component = windowComponent
        for (var name in properties) {
            if (name === "windowComponent")
                component = properties[name]
            else
                values[name] = properties[name]
        }
        var window = component.createObject(root, values)
        verify(window, "the window was made")
        windows.push(window)
        return window
    }

    // Closes a window as the end of its tool does, settings written.
    function destroyWindow(window) {
        var index = windows.indexOf(window)
        if (index >= 0)
            windows.splice(index, 1)
        window.visible = false
        window.destroy()
        wait(0)
    }

    function destroyWindows() {
        while (windows.length > 0)
            destroyWindow(windows[windows.length - 1])
    }

    // Waits until a window's side bar has stopped sliding.
    function settleSideBar(window) {
        tryVerify(function () { return !window.toolSideBar.moving }, waitMs, "the side bar stopped")
    }

    // Runs the second tool process; its output lines arrive in `lines`, its
    // standard error in `errorText`.
    function startPeer(args) {
        var peer = createTemporaryObject(peerComponent, root)
        peer.start(processRunner, [toolWindowPeer].concat(args))
        tryVerify(function () { return peer.lines.indexOf("ready") >= 0 }, waitMs,
                  "the peer started: " + peer.errorText)
        return peer
    }

    function waitForLine(peer, line) {
        tryVerify(function () { return peer.lines.indexOf(line) >= 0 }, waitMs,
                  "peer line " + line + "; got " + JSON.stringify(peer.lines) + " " + peer.errorText)
    }

    function waitForEnd(peer) {
        tryCompare(peer, "ended", true, waitMs * 3)
        compare(peer.exitCode, 0, peer.errorText)
    }

    // The suite's shared sign-in record, emptied: what other tools (and
    // earlier tests) left there would sign the windows in.
    function resetSharedRecord() {
        Loomwright.sharedData.object = {}
    }

    function init() {
        resetSharedRecord()
    }

    // A one-time code for `clientId`, as the sign-in page gives it when the
    // user presses Allow.
    function newCode(clientId) {
        var result = { done: false, text: "" }
        var request = new XMLHttpRequest()
        request.onreadystatechange = function () {
            if (request.readyState === XMLHttpRequest.DONE) {
                result.text = request.responseText
                result.done = true
            }
        }
        request.open("POST", localPortalUrl + "/sharing/rest/oauth2/authorize")
        request.setRequestHeader("Content-Type", "application/x-www-form-urlencoded")
        request.send("client_id=" + clientId + "&response_type=code&expiration=-1&redirect_uri="
                     + encodeURIComponent(outOfBand) + "&action=allow&username=demo")
        tryVerify(function () { return result.done }, waitMs, "the authorisation page answered")
        var match = /<title>SUCCESS code=([^<]*)<\/title>/.exec(result.text)
        verify(match, result.text)
        return match[1]
    }

    function cleanup() {
        destroyWindows()
    }

    when: windowShown
    width: 800
    height: 600

    Component {
        id: windowComponent

        Private.AppToolWindow {}
    }

    Component {
        id: peerComponent

        Process {
            property var lines: []
            property string buffer
            property string errorText
            property bool ended: false

            onStandardOutput: {
                buffer += output
                var parts = buffer.split("\n")
                buffer = parts.pop()
                lines = lines.concat(parts)
            }
            onStandardError: errorText += error
            onFinished: ended = true
        }
    }

    Component {
        id: spyComponent

        SignalSpy {}
    }
}
