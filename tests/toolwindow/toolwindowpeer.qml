import QtQml 2.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Varnex.Loomwright.Private 1.0 as Private

// A second tool process for the tool window tests, run by the console QML
// host: loomwright-processrunner toolwindowpeer.qml MODE ARGUMENTS...
// It opens one older tool window (no app needed) and prints what it sees.
//
//   sideBar TOOL_ID [toggle|hide]
//       the window has that toolId: prints "sideBar true|false" (the side
//       bar as the window restored it), does the action, prints "stored "
//       and the setting's value ("none" when there is none), and ends.
//   signIn PORTAL_URL
//       the window is on that portal; signs it in with a code from the
//       local portal, prints "signedIn USER", and ends when the shared
//       record says signed out ("recordSignedOut").
//   startUp PORTAL_URL
//       the window is on that portal; prints "signedIn USER" when it has
//       signed in through the shared record at start-up, or "dialog" when
//       its sign-in dialog opens, and ends.
//
// "ready" comes first. Exit code 3 when nothing happened within 60 s, 2 for
// a wrong mode.
QtObject {
    id: root

    readonly property var args: terminal.arguments
    readonly property string mode: args.length > 0 ? String(args[0]) : ""
    readonly property string outOfBand: "urn:ietf:wg:oauth:2.0:oob"
    property var window: null

    readonly property Component windowComponent: Component {
        Private.AppToolWindow {
            appRequired: false
            signInDialogComponent: stubDialog
            onAppWindowInitialized: Qt.callLater(root.windowReady)
        }
    }

    // A sign-in dialog that only says that it opened.
    readonly property Component stubDialog: Component {
        QtObject {
            property string authorizationUrl
            property string authorizationCode
            property bool visible: false

            signal accepted()

            function open() {
                visible = true
                terminal.write("dialog\n")
                root.finish(0)
            }
        }
    }

    readonly property Connections portalConnections: Connections {
        target: root.window ? root.window.portal : null

        function onSignedInChanged() {
            if (!root.window.portal.signedIn)
                return
            terminal.write("signedIn " + root.window.portal.username + "\n")
            if (root.mode === "startUp")
                root.finish(0)
        }
    }

    readonly property Connections recordConnections: Connections {
        target: root.mode === "signIn" ? Loomwright.sharedData : null

        function onDataChanged() {
            var record = Loomwright.sharedData.object
            if (root.window && root.window.portal.signedIn && record.signedIn !== true) {
                terminal.write("recordSignedOut\n")
                root.finish(0)
            }
        }
    }

    readonly property Timer deadline: Timer {
        interval: 60000
        running: true
        onTriggered: {
            terminal.writeError("toolwindowpeer: nothing happened within 60 s\n")
            root.finish(3)
        }
    }

    // Ends the program; the window goes first, as a tool's window goes
    // before its process ends.
    function finish(code) {
        if (window) {
            window.destroy()
            window = null
        }
        terminal.exit(code)
    }

    function windowReady() {
        if (mode === "sideBar") {
            var key = window.toolKey(window.toolId, "sideBarVisible")
            terminal.write("sideBar " + window.toolSideBar.opened + "\n")
            if (args[2] === "toggle")
                window.toolSideBar.toggle()
            else if (args[2] === "hide")
                window.toolSideBar.hide()
            var stored = Hostkit.settings.value(key)
            terminal.write("stored " + (stored === undefined ? "none" : String(stored)) + "\n")
            finish(0)
        } else if (mode === "signIn") {
            requestCode(function (code) {
                root.window.portal.setAuthorizationCode(code)
            })
        }
    }

    // A one-time code of the window's client, as the sign-in page gives it
    // when the user presses Allow, handed to `done`.
    function requestCode(done) {
        var request = new XMLHttpRequest()
        request.onreadystatechange = function () {
            if (request.readyState !== XMLHttpRequest.DONE)
                return
            var match = /<title>SUCCESS code=([^<]*)<\/title>/.exec(request.responseText)
            if (match) {
                done(match[1])
            } else {
                terminal.writeError("toolwindowpeer: no code: " + request.status + " " + request.responseText + "\n")
                root.finish(3)
            }
        }
        request.open("POST", args[1] + "/sharing/rest/oauth2/authorize")
        request.setRequestHeader("Content-Type", "application/x-www-form-urlencoded")
        request.send("client_id=" + window.toolConfig.clientId + "&response_type=code&expiration=-1&redirect_uri="
                     + encodeURIComponent(outOfBand) + "&action=allow&username=demo")
    }

    Component.onCompleted: {
        terminal.write("ready\n")
        if (mode === "sideBar") {
            window = windowComponent.createObject(null, { toolId: args[1] })
        } else if (mode === "signIn" || mode === "startUp") {
            // The window's configuration reads the portal from the settings.
            Hostkit.settings.setValue("Portal/portalUrl", args[1])
            window = windowComponent.createObject(null)
        } else {
            terminal.writeError("toolwindowpeer: unknown mode " + mode + "\n")
            terminal.exit(2)
        }
    }
}
