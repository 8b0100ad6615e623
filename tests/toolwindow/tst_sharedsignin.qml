import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0

// The shared sign-in of the tool window with a second tool process, against
// the local portal: a window reuses the refresh token that another tool
// published for the same portal, asks the user again when the record is
// another portal's, and hands its own sign-in on to the next tool. At
// start-up it waits for its configuration, which names the portal.
ToolWindowTestCase {
    id: testCase

    function init() {
        resetSharedRecord()
        // The windows' configuration reads the portal from the settings.
        Hostkit.settings.setValue("Portal/portalUrl", localPortalUrl)
    }

    function cleanup() {
        destroyWindows()
        resetSharedRecord()
        Hostkit.settings.remove("Portal/portalUrl")
    }

    function record() {
        return Loomwright.sharedData.object
    }

    function lineIndex(lines, text) {
        for (var i = 0; i < lines.length; ++i) {
            if (lines[i].indexOf(text) >= 0)
                return i
        }
        return -1
    }

    // Another tool signed in to this portal: the window starts signed in
    // with its refresh token, no dialog, and only after its configuration
    // had loaded.
    function test_usingSharedRefreshToken() {
        var peer = startPeer(["signIn", localPortalUrl])
        waitForLine(peer, "signedIn demo")
        tryVerify(function () { return record().signedIn === true }, waitMs, "the peer published its sign-in")
        compare(record().portalUrl, localPortalUrl)

        logCapture.start("")
        var window = makeWindow({ signInDialogComponent: stubDialog })
        var dialogSpy = spy(window.sharedSignIn, "dialogChanged")
        tryCompare(window.portal, "signedIn", true, waitMs)
        var lines = logCapture.stop()
        compare(window.portal.username, "demo")
        compare(dialogSpy.count, 0)
        var loaded = lineIndex(lines, "Tool config loaded: " + localPortalUrl)
        var shared = lineIndex(lines, "Shared data signin")
        var reused = lineIndex(lines, "Using shared refresh token")
        verify(loaded >= 0 && shared > loaded && reused > shared, JSON.stringify(lines))
        compare(lineIndex(lines, "Shared authorization mismatch"), -1)
        compare(record().signedIn, true)
        compare(record().refreshToken, window.portal.refreshToken)

        // Signing out here ends the peer, which watches the record.
        window.portal.signOut()
        compare(record().signedIn, false)
        waitForLine(peer, "recordSignedOut")
        waitForEnd(peer)
    }

    // The record is another portal's: the window deletes it, says so with
    // the record's portal, and asks the user.
    function test_sharedAuthorizationMismatch() {
        var otherPortal = localPortalUrl + "/"
        var peer = startPeer(["signIn", otherPortal])
        waitForLine(peer, "signedIn demo")
        tryVerify(function () { return record().signedIn === true }, waitMs, "the peer published its sign-in")
        compare(record().portalUrl, otherPortal)

        logCapture.start("")
        var window = makeWindow({ signInDialogComponent: stubDialog })
        tryVerify(function () { return window.sharedSignIn.dialog !== null }, waitMs, "the dialog opened")
        var lines = logCapture.stop()
        verify(lineIndex(lines, "Shared authorization mismatch " + otherPortal) >= 0, JSON.stringify(lines))
        compare(lineIndex(lines, "Using shared refresh token"), -1)
        var left = record()
        compare(left.signedIn, false)
        compare(left.portalUrl, undefined)
        compare(left.authorizationUrl, undefined)
        compare(left.refreshToken, undefined)
        compare(window.portal.signedIn, false)
        window.sharedSignIn.dialog.close()

        waitForLine(peer, "recordSignedOut")
        waitForEnd(peer)
    }

    // This window signed in: a tool started afterwards signs in with the
    // shared token at its start-up, without a dialog.
    function test_nextToolUsesThisSignIn() {
        var window = makeWindow({ signInDialogComponent: stubDialog })
        tryCompare(window, "toolConfigLoaded", true, waitMs)
        window.portal.setAuthorizationCode(newCode(window.toolConfig.clientId))
        tryCompare(window.portal, "signedIn", true, waitMs)
        tryCompare(window.portal, "busy", false, waitMs)
        compare(record().signedIn, true)

        var peer = startPeer(["startUp", localPortalUrl])
        waitForLine(peer, "signedIn demo")
        waitForEnd(peer)
        compare(peer.lines.indexOf("dialog"), -1)
        verify(peer.errorText.indexOf("Shared data signin") >= 0, peer.errorText)
        verify(peer.errorText.indexOf("Using shared refresh token") >= 0, peer.errorText)
        compare(window.portal.signedIn, true, "still signed in here")
    }

    // Without a shared sign-in the window's own dialog opens, on the
    // configuration's banner colours.
    function test_dialog() {
        var window = makeWindow({})
        tryCompare(window, "toolConfigLoaded", true, waitMs)
        window.portal.signIn()
        var dialog = window.sharedSignIn.dialog
        verify(dialog, "the dialog opened")
        compare(dialog.title, "Sign In")
        verify(Qt.colorEqual(dialog.bannerColor, window.toolConfig.bannerColor))
        verify(Qt.colorEqual(dialog.bannerTextColor, window.toolConfig.bannerTextColor))
        compare(dialog.authorizationUrl, window.portal.authorizationUrl)
        dialog.close()
        tryCompare(window.sharedSignIn, "dialog", null, waitMs)
    }

    name: "ToolWindowSignIn"
}
