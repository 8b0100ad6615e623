import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Varnex.Loomwright.Controls 1.0 as Controls
import Varnex.Loomwright.Private 1.0 as Private
import "qrc:/imports/Varnex/Loomwright/Internal" as Shared

// Sign-in through the portal's page in the web engine, the shared sign-in of
// the windows over the suite's shared memory (in this process and with a
// second tool process), and the sign-in button.
PortalTestCase {
    id: testCase

    function spy(target, signalName) {
        return createTemporaryObject(spyComponent, testCase, { target: target, signalName: signalName })
    }

    function makePortal() {
        var portal = createTemporaryObject(portalComponent, testCase)
        verify(portal)
        return portal
    }

    function makeSharedSignIn(portal, properties) {
        var values = { portal: portal, sharedData: Loomwright.sharedData, dialogParent: testCase }
        for (var name in properties)
            values[name] = properties[name]
        var sharedSignIn = createTemporaryObject(sharedSignInComponent, testCase, values)
        verify(sharedSignIn)
        return sharedSignIn
    }

    function record() {
        return Loomwright.sharedData.object
    }

    // Waits for the portal's page, then runs a script in it.
    function onPage(dialog, script) {
        var view = dialog.webView
        tryVerify(function () { return !view.loading && view.title.indexOf("Sign in - ") === 0 }, waitMs,
                  "the sign-in page loaded")
        // The page takes the keyboard once it has loaded.
        tryVerify(function () { return view.activeFocus }, waitMs, "the page has the keyboard focus")
        view.runJavaScript(script)
    }

    function press(dialog, button) {
        onPage(dialog, "document.getElementById('" + button + "').click()")
    }

    function init() {
        resetPortal()
        clearRequests()
        Loomwright.sharedData.object = {}
    }

    function cleanupTestCase() {
        Loomwright.sharedData.object = {}
    }

    // The page title decides: "SUCCESS code=" accepts with the code, "Denied
    // error=access_denied" rejects, anything else leaves the dialog open.
    function test_dialogOutcome_data() {
        var rows = []
        var variants = [{ name: "Controls", component: controlsDialogComponent },
                        { name: "Private", component: privateDialogComponent }]
        variants.forEach(function (variant) {
            rows.push({ tag: variant.name + ": Allow", component: variant.component, button: "allow", accepted: 1 })
            rows.push({ tag: variant.name + ": Cancel", component: variant.component, button: "cancel", rejected: 1 })
        })
        rows.push({ tag: "title with a code", component: controlsDialogComponent,
                    script: "document.title = 'SUCCESS code=abc'", accepted: 1, code: "abc" })
        rows.push({ tag: "denied title", component: privateDialogComponent,
                    script: "document.title = 'Denied error=access_denied'", rejected: 1 })
        rows.push({ tag: "other title", component: controlsDialogComponent,
                    script: "document.title = 'Signing in...'", title: "Signing in..." })
        rows.push({ tag: "banner held", component: controlsDialogComponent, holdBanner: true, rejected: 1 })
        rows.push({ tag: "denied in other words", component: privateDialogComponent,
                    script: "document.title = 'Denied error=access_denied, really'", title: "Denied error=access_denied, really" })
        return rows
    }

    function test_dialogOutcome(data) {
        var portal = makePortal()
        var dialog = createTemporaryObject(data.component, testCase, { authorizationUrl: portal.authorizationUrl })
        var acceptedSpy = spy(dialog, "accepted")
        var rejectedSpy = spy(dialog, "rejected")
        dialog.open()
        compare(dialog.title, "Sign In")
        if (data.holdBanner)
            findChild(dialog.header, "signInBanner").pressAndHold(null)
        else if (data.button)
            press(dialog, data.button)
        else
            onPage(dialog, data.script)
        if (data.title) {
            tryCompare(dialog.webView, "title", data.title, waitMs)
            compare(dialog.visible, true)
            compare(acceptedSpy.count + rejectedSpy.count, 0)
            compare(dialog.authorizationCode, "")
            dialog.close()
            return
        }
        tryCompare(dialog, "visible", false, waitMs)
        compare(acceptedSpy.count, data.accepted || 0)
        compare(rejectedSpy.count, data.rejected || 0)
        if (data.code)
            compare(dialog.authorizationCode, data.code)
        else if (data.accepted)
            verify(/^[\w-]{20,}$/.test(dialog.authorizationCode), dialog.authorizationCode)
        else
            compare(dialog.authorizationCode, "")
    }

    // Sign-in as a window wires it: the dialog, the code, the shared record.
    function test_sharedSignInEndToEnd() {
        var portal = makePortal()
        var sharedSignIn = makeSharedSignIn(portal, { dialogProperties: { bannerColor: "#7213b4" } })
        var rejectedSpy = spy(sharedSignIn, "dialogRejected")

        portal.signIn()
        var dialog = sharedSignIn.dialog
        verify(dialog, "the dialog opened")
        compare(dialog.visible, true)
        verify(Qt.colorEqual(dialog.bannerColor, "#7213b4"))
        compare(dialog.authorizationUrl, portal.authorizationUrl)
        press(dialog, "allow")
        tryCompare(portal, "signedIn", true, waitMs)
        compare(portal.busy, false)
        compare(sharedSignIn.dialog, null)
        compare(rejectedSpy.count, 0)
        var published = record()
        compare(published.signedIn, true)
        compare(published.portalUrl, localPortalUrl)
        compare(published.authorizationUrl, portal.authorizationUrl)
        compare(published.refreshToken, portal.refreshToken)

        portal.signOut()
        published = record()
        compare(published.signedIn, false)
        compare(published.refreshToken, undefined)
        compare(published.portalUrl, undefined)
        compare(published.authorizationUrl, undefined)

        portal.signIn()
        dialog = sharedSignIn.dialog
        verify(dialog)
        press(dialog, "cancel")
        tryCompare(rejectedSpy, "count", 1, waitMs)
        compare(sharedSignIn.dialog, null)
        compare(portal.signedIn, false)
        compare(portal.busy, false)
    }

    // The shared record decides between a reused refresh token and the dialog.
    function test_sharedRecord_data() {
        return [
            { tag: "same portal", signedIn: true, portalUrl: "local", token: "valid", dialog: false },
            { tag: "another portal", signedIn: true, portalUrl: "https://elsewhere.example", token: "valid",
              dialog: true, cleared: true },
            { tag: "same portal, no refresh token", signedIn: true, portalUrl: "local", token: "", dialog: true,
              cleared: true },
            { tag: "record signed out", signedIn: false, portalUrl: "local", token: "valid", dialog: true },
            { tag: "refused refresh token", signedIn: true, portalUrl: "local", token: "dead", dialog: true },
            // Written by a hostile or broken process: members of another type count as absent.
            { tag: "portal that is an object", signedIn: true, portalUrl: { toString: "x" }, token: "valid",
              dialog: true, cleared: true },
            { tag: "refresh token that is an object", signedIn: true, portalUrl: "local", token: { toString: "t" },
              dialog: true, cleared: true },
            { tag: "refresh token that is a number", signedIn: true, portalUrl: "local", token: 7, dialog: true,
              cleared: true },
        ]
    }

    function test_sharedRecord(data) {
        var token = data.token === "valid" ? newRefreshToken() : data.token === "dead" ? "no-such-token" : data.token
        Loomwright.sharedData.object = {
            signedIn: data.signedIn,
            portalUrl: data.portalUrl === "local" ? localPortalUrl : data.portalUrl,
            authorizationUrl: "https://elsewhere.example/authorize",
            refreshToken: token,
            other: "kept"
        }
        var portal = makePortal()
        var sharedSignIn = makeSharedSignIn(portal, { dialogComponent: stubDialogComponent })
        var dialogSpy = spy(sharedSignIn, "dialogChanged")

        portal.signIn()
        if (data.dialog) {
            tryVerify(function () { return sharedSignIn.dialog !== null }, waitMs, "the dialog opened")
            compare(portal.signedIn, false)
            var left = record()
            compare(left.signedIn, false)
            compare(left.other, "kept")
            if (data.cleared) {
                compare(left.portalUrl, undefined)
                compare(left.authorizationUrl, undefined)
                compare(left.refreshToken, undefined)
            }
            sharedSignIn.dialog.close()
            compare(sharedSignIn.dialog, null)
        } else {
            tryCompare(portal, "signedIn", true, waitMs)
            compare(dialogSpy.count, 0)
            compare(portal.refreshToken, token)
            var published = record()
            compare(published.signedIn, true)
            compare(published.refreshToken, portal.refreshToken)
            compare(published.other, "kept")
        }
        compare(portal.busy, false)
    }

    // Runs the second tool process; its output lines arrive in `lines`.
    function startPeer(mode, url) {
        var peer = createTemporaryObject(peerComponent, testCase)
        peer.start(processRunner, [signInPeer, mode, url])
        tryVerify(function () { return peer.lines.indexOf("ready") >= 0 }, waitMs, "the peer started: " + peer.errorText)
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

    // A second process shares this one's sign-in: it follows it, or reuses it
    // at start, with no dialog; signing out here does not sign it out; a
    // record of another portal is cleared and the dialog shows.
    function test_twoProcesses_data() {
        return [
            { tag: "follows a sign-in", mode: "follow", before: false },
            { tag: "signs in at start", mode: "shared", before: true },
            { tag: "another portal", mode: "signIn", before: true, otherPortal: true },
        ]
    }

    function test_twoProcesses(data) {
        var portal = makePortal()
        makeSharedSignIn(portal, { dialogComponent: stubDialogComponent })
        if (data.before)
            signInWithCode(portal)
        var peer = startPeer(data.mode, data.otherPortal ? localPortalUrl + "/" : localPortalUrl)
        if (!data.before)
            signInWithCode(portal)

        if (data.otherPortal) {
            waitForLine(peer, "dialog")
            waitForEnd(peer)
            verify(peer.lines.indexOf("signedIn demo") < 0)
            var left = record()
            compare(left.signedIn, false)
            compare(left.refreshToken, undefined)
            compare(left.portalUrl, undefined)
            compare(portal.signedIn, true)
            return
        }
        waitForLine(peer, "signedIn demo")
        compare(record().signedIn, true)
        portal.signOut()
        waitForLine(peer, "stillSignedIn true")
        waitForEnd(peer)
        verify(peer.lines.indexOf("dialog") < 0, JSON.stringify(peer.lines))
    }

    function test_signInButton() {
        var portal = makePortal()
        var button = createTemporaryObject(signInButtonComponent, testCase, { portal: portal })
        var signInSpy = spy(portal, "oAuthSignIn")
        compare(button.buttonText, "Sign in")
        compare(button.ToolTip.text, "Sign In")
        compare(button.enabled, Hostkit.network.isOnline)
        button.clicked()
        compare(signInSpy.count, 1)

        signInWithCode(portal)
        compare(button.buttonText, "Sign out")
        compare(button.ToolTip.text, "Sign out demo")
        compare(button.enabled, true)
        button.clicked()
        compare(portal.signedIn, false)
        compare(signInSpy.count, 1)

        button.portal = null
        logCapture.start("")
        button.clicked()
        var lines = logCapture.stop()
        verify(lines.some(function (line) { return line.indexOf("SignInButton: portal not set") >= 0 }),
               JSON.stringify(lines))
    }

    name: "SignIn"
    width: 800
    height: 600

    Component {
        id: portalComponent

        Private.Portal {
            url: localPortalUrl
            clientId: testCase.clientId
        }
    }

    Component {
        id: sharedSignInComponent

        Shared.SharedSignIn {}
    }

    Component {
        id: controlsDialogComponent

        Controls.SignInDialog {}
    }

    Component {
        id: privateDialogComponent

        Private.SignInDialog {}
    }

    // A dialog that opens and closes and does nothing else.
    Component {
        id: stubDialogComponent

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

    Component {
        id: signInButtonComponent

        Private.SignInButton {}
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
