import QtQml 2.15
import Varnex.Loomwright 1.0
import "qrc:/imports/Varnex/Loomwright/Internal" as Shared

// A second tool process for the shared sign-in tests, run by the console QML
// host: loomwright-processrunner signinpeer.qml MODE PORTAL_URL
//
// It has a Portal and the shared sign-in of the windows, with a dialog that
// only says that it opened. MODE:
//   follow  waits until another process signs in, and signs in after it
//   shared  signs in at once if the shared record says signed in, as a
//           window does at start-up ("notShared" and exit code 4 otherwise)
//   signIn  calls portal.signIn()
// It prints "ready" first, then "dialog" when the dialog opens and
// "signedIn USER" when it has signed in. Signed in, it waits until the record
// says signed out and prints "stillSignedIn true|false" and ends. A dialog
// ends it too. Exit code 3 when nothing of this happened within 60 s.
QtObject {
    id: root

    readonly property string mode: terminal.arguments[0] || ""
    readonly property string portalUrl: terminal.arguments[1] || ""
    property bool wasSignedIn: false

    readonly property Shared.Portal portal: Shared.Portal {
        url: root.portalUrl
        clientId: "loomwright-tests"
        onSignedInChanged: {
            if (signedIn) {
                root.wasSignedIn = true
                terminal.write("signedIn " + username + "\n")
            }
        }
    }

    readonly property Shared.SharedSignIn sharedSignIn: Shared.SharedSignIn {
        portal: root.portal
        sharedData: Loomwright.sharedData
        followSharedSignIn: root.mode === "follow"
        dialogComponent: Component {
            QtObject {
                property string authorizationUrl
                property string authorizationCode
                property bool visible: false

                signal accepted()

                function open() {
                    visible = true
                    terminal.write("dialog\n")
                    terminal.exit(0)
                }
            }
        }
    }

    readonly property Connections recordConnections: Connections {
        target: Loomwright.sharedData

        function onDataChanged() {
            var record = Loomwright.sharedData.object
            if (root.wasSignedIn && record.signedIn !== true) {
                terminal.write("stillSignedIn " + root.portal.signedIn + "\n")
                terminal.exit(0)
            }
        }
    }

    readonly property Timer deadline: Timer {
        interval: 60000
        running: true
        onTriggered: {
            terminal.writeError("signinpeer: nothing happened within 60 s\n")
            terminal.exit(3)
        }
    }

    Component.onCompleted: {
        terminal.write("ready\n")
        if (mode === "shared") {
            if (!sharedSignIn.signInIfShared()) {
                terminal.write("notShared\n")
                terminal.exit(4)
            }
        } else if (mode === "signIn") {
            portal.signIn()
        }
    }
}
