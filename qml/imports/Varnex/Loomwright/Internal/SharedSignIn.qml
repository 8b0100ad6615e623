import QtQuick 2.15
import Varnex.Hostkit 1.0

// The sign-in that the tools of the suite share, wired once for both window
// shells: a window instantiates it with its Portal, the shared data object
// and an item for the dialog, and calls portal.signIn() as usual.
//
//     SharedSignIn {
//         portal: portal
//         sharedData: Loomwright.sharedData
//         dialogParent: Overlay.overlay
//         // optional: the window's own dialog and its look
//         dialogComponent: Component { SignInDialog {} }
//         dialogProperties: ({ bannerColor: toolConfig.bannerColor })
//         onDialogRejected: root.failedToLogin()
//     }
//
// The shared record is the map of `sharedData.object` with the members
// `signedIn`, `portalUrl`, `authorizationUrl` and `refreshToken`.
//
// - On portal.oAuthSignIn(): a record that says signed in is marked signed
//   out (its `signedIn` member: the portal's own `signedIn` is read-only and
//   follows the portal's state), and either its refresh token is kept for
//   reuse (same portal URL, token present) or its portal, authorisation URL
//   and refresh token are deleted; the record is written back in every case.
//   A reusable refresh token signs in without a dialog; otherwise the dialog
//   opens, and its code is recorded and exchanged. A reused token that the
//   portal refuses falls back to the dialog.
// - On a change of portal.signedIn: signed in publishes `signedIn` true, the
//   refresh token, the portal and the authorisation URL; signed out
//   publishes `signedIn` false and deletes the other three. A refresh token
//   renewed while signed in replaces the published one when the record is
//   this portal's.
// - When the record changes to signed in while this portal is not signed
//   in (another tool signed in), this one signs in too
//   (`followSharedSignIn`). A sign-out elsewhere does not sign it out.
QtObject {
    id: root

    // The window's Portal.
    property var portal: null
    // Loomwright.sharedData, or anything with an `object` map and a
    // dataChanged() signal.
    property var sharedData: null
    // The item the dialog opens in, e.g. the window's Overlay.overlay.
    property var dialogParent: null
    // Makes the dialog; by default the banner dialog of the older tool
    // windows (Private's SignInDialog). Whatever it
    // makes needs `authorizationUrl`, `authorizationCode`, `visible`,
    // open() and accepted().
    property Component dialogComponent: null
    // Properties given to each new dialog (its banner colours, say).
    property var dialogProperties: ({})
    property bool followSharedSignIn: true
    // The dialog while it is open.
    readonly property var dialog: current.dialog

    readonly property QtObject current: QtObject {
        property var dialog: null
        // A shared refresh token is being exchanged.
        property bool reusing: false
    }

    readonly property LoggingCategory log: LoggingCategory {
        name: "Varnex.Loomwright.Portal"
    }

    readonly property Connections portalConnections: Connections {
        target: root.portal

        function onOAuthSignIn() {
            root.startSignIn()
        }

        function onSignedInChanged() {
            root.publish()
        }

        function onRefreshTokenChanged() {
            root.republishRefreshToken()
        }

        function onBusyChanged() {
            root.checkReuse()
        }
    }

    readonly property Connections sharedDataConnections: Connections {
        target: root.sharedData

        function onDataChanged() {
            root.followRecord()
        }
    }

    // The dialog closed without an authorisation code (cancelled, denied,
    // or closed by the user).
    signal dialogRejected()

    // Signs in when the record says that another tool has: what a window
    // does at start-up. True when portal.signIn() was called.
    function signInIfShared() {
        if (!portal || portal.signedIn || portal.busy || readRecord().signedIn !== true)
            return false
        console.log(log, "Shared data signin")
        portal.signIn()
        return true
    }

    function readRecord() {
        var record = sharedData ? sharedData.object : null
        return record && typeof record === "object" && !Array.isArray(record) ? record : {}
    }

    // A text member of the record; any other process may have written it, so
    // a member of another type counts as absent.
    function recordText(record, name) {
        var value = record[name]
        return typeof value === "string" ? value : ""
    }

    function writeRecord(record) {
        if (sharedData)
            sharedData.object = record
    }

    function portalUrlText() {
        return String(portal.url)
    }

    function startSignIn() {
        var record = readRecord()
        var reusable = ""
        if (record.signedIn === true) {
            record.signedIn = false
            if (recordText(record, "portalUrl") === portalUrlText() && recordText(record, "refreshToken") !== "") {
                console.log(log, "Using shared refresh token")
                reusable = recordText(record, "refreshToken")
            } else {
                console.log(log, "Shared authorization mismatch", recordText(record, "portalUrl"))
                delete record.portalUrl
                delete record.authorizationUrl
                delete record.refreshToken
            }
        }
        writeRecord(record)

        if (reusable !== "") {
            current.reusing = true
            portal.setRefreshToken(reusable)
            checkReuse()
        } else {
            openDialog()
        }
    }

    function checkReuse() {
        if (!current.reusing || !portal || portal.busy)
            return
        current.reusing = false
        if (!portal.signedIn) {
            console.log(log, "The shared refresh token did not sign in; asking the user")
            openDialog()
        }
    }

    function openDialog() {
        if (current.dialog) {
            current.dialog.open()
            return
        }
        var component = dialogComponent || Qt.createComponent("BannerSignInDialog.qml")
        if (component.status !== Component.Ready) {
            console.error(log, "SharedSignIn: no sign-in dialog:", component.errorString())
            return
        }
        var properties = {}
        for (var name in dialogProperties)
            properties[name] = dialogProperties[name]
        properties.authorizationUrl = portal.authorizationUrl
        var created = component.createObject(dialogParent, properties)
        if (!created) {
            console.error(log, "SharedSignIn: the sign-in dialog was not created:", component.errorString())
            return
        }
        current.dialog = created
        // The dialog may outlive its window (it lives in dialogParent): once
        // the window is gone, root reads null and the outcome has no one left
        // to go to.
        created.accepted.connect(function () {
            if (root)
                root.dialogAccepted(created)
        })
        created.visibleChanged.connect(function () {
            if (!created.visible && root)
                root.dialogClosed(created)
        })
        created.open()
    }

    function dialogAccepted(closedDialog) {
        var code = String(closedDialog.authorizationCode || "")
        if (code === "")
            return
        var record = readRecord()
        record.signedIn = false
        record.portalUrl = portalUrlText()
        record.authorizationUrl = portal.authorizationUrl
        writeRecord(record)
        portal.setAuthorizationCode(code)
    }

    function dialogClosed(closedDialog) {
        if (current.dialog !== closedDialog)
            return
        current.dialog = null
        if (!closedDialog.authorizationCode)
            dialogRejected()
        closedDialog.destroy()
    }

    function publish() {
        var record = readRecord()
        if (portal.signedIn) {
            record.signedIn = true
            record.refreshToken = portal.refreshToken
            // Whoever reuses the token compares the portal: a sign-in that
            // came without the dialog (stored settings, a reused token) names
            // it too.
            record.portalUrl = portalUrlText()
            record.authorizationUrl = portal.authorizationUrl
        } else {
            record.signedIn = false
            delete record.portalUrl
            delete record.authorizationUrl
            delete record.refreshToken
        }
        writeRecord(record)
    }

    // A portal may hand out a new refresh token with each renewal and refuse
    // the old one: the published token follows.
    function republishRefreshToken() {
        if (!portal.signedIn || portal.refreshToken === "")
            return
        var record = readRecord()
        if (record.signedIn !== true || recordText(record, "portalUrl") !== portalUrlText()
                || recordText(record, "refreshToken") === portal.refreshToken)
            return
        record.refreshToken = portal.refreshToken
        writeRecord(record)
    }

    function followRecord() {
        if (!followSharedSignIn || !portal || current.dialog || current.reusing)
            return
        if (portal.signedIn || portal.busy || portal.isBusy)
            return
        if (readRecord().signedIn === true)
            portal.signIn()
    }
}
