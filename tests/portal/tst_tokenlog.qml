import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Loomwright.Controls 1.0 as Controls
import Varnex.Loomwright.Private 1.0 as Private
import "qrc:/imports/Varnex/Loomwright/Internal" as Shared

// A whole signed-in session with every logging category at debug: the
// sign-in page, the code, the token exchange, a renewal, the shared record,
// item calls with their traces on and a failing call with the token in its
// URL. No line of the log holds a token or the code.
//
// The user's picture is left out: its URL (userThumbnailUrl) carries the
// token, and Qt's image loader logs every URL it loads in the category
// "qt.quick.image" at debug.
PortalTestCase {
    id: testCase

    property var secrets: []

    function keep(secret) {
        if (secret && secrets.indexOf(secret) < 0)
            secrets.push(secret)
    }

    function press(dialog, button) {
        var view = dialog.webView
        tryVerify(function () { return !view.loading && view.title.indexOf("Sign in - ") === 0 }, waitMs)
        view.runJavaScript("document.getElementById('" + button + "').click()")
    }

    function traced(item) {
        [item.addRequest, item.infoRequest, item.dataRequest, item.thumbnailRequest, item.deleteRequest]
            .forEach(function (request) { request.trace = true })
        return item
    }

    function waitFor(target, signalName) {
        var signalSpy = createTemporaryObject(spyComponent, testCase, { target: target, signalName: signalName })
        return function () { tryCompare(signalSpy, "count", 1, waitMs) }
    }

    function init() {
        resetPortal()
        Loomwright.sharedData.object = {}
    }

    function cleanupTestCase() {
        Loomwright.sharedData.object = {}
    }

    function test_noTokenInTheLog() {
        logCapture.start("*.debug=true")
        var lines = []
        try {
            portal.signIn()
            var dialog = sharedSignIn.dialog
            verify(dialog)
            dialog.accepted.connect(function () { testCase.keep(dialog.authorizationCode) })
            press(dialog, "allow")
            tryCompare(portal, "signedIn", true, waitMs)

            var renewed = portal.lastRenewed.getTime()
            portal.renew()
            tryVerify(function () { return portal.lastRenewed.getTime() !== renewed }, waitMs)
            settle(portal)

            var item = traced(itemComponent.createObject(testCase, { portal: portal }))
            var added = waitFor(item, "added")
            item.addItem({ title: "Logged", tags: ["a", "b"] })
            added()
            var described = waitFor(item, "itemInfoChanged")
            item.requestInfo()
            described()
            var downloaded = waitFor(item, "downloaded")
            item.download(item.itemId, temporaryFolder + "/log/data.zip")
            downloaded()
            var thumbnail = waitFor(item, "thumbnailDownloaded")
            item.downloadThumbnail(item.itemInfo, temporaryFolder + "/log/thumbnail.png")
            thumbnail()
            // A GET with the token in its URL that fails: the URL is logged.
            var failed = waitFor(item, "failed")
            item.downloadThumbnail({ id: item.itemId, thumbnail: "no/such.png" }, temporaryFolder + "/log/none.png")
            failed()
            item.destroy()

            portal.signOut()
        } finally {
            lines = logCapture.stop()
        }

        // The session was logged, from every layer.
        verify(lines.length > 50, lines.length + " lines")
        var expected = [
            "Varnex.Loomwright.Portal: portal.signIn()",
            "Varnex.Loomwright.Portal: PortalRequest: GET",
            "\"token\": \"***\"",
            "token=***",
            "Varnex.Hostkit: ",
            "Varnex.Loomwright.Core: ",
        ]
        expected.forEach(function (text) {
            verify(lines.some(function (line) { return line.indexOf(text) >= 0 }), "a line with " + text)
        })

        // The code, two access tokens and the refresh token.
        verify(secrets.length >= 4, JSON.stringify(secrets.length))
        secrets.forEach(function (secret, index) {
            var leaks = lines.filter(function (line) { return line.indexOf(secret) >= 0 })
            compare(leaks.length, 0, "secret " + index + " in: " + leaks.join("\n"))
        })
    }

    name: "TokenLog"
    width: 800
    height: 600

    Private.Portal {
        id: portal

        url: localPortalUrl
        clientId: testCase.clientId
        onTokenChanged: testCase.keep(token)
        onRefreshTokenChanged: testCase.keep(refreshToken)
    }

    Shared.SharedSignIn {
        id: sharedSignIn

        portal: portal
        sharedData: Loomwright.sharedData
        dialogParent: testCase
        dialogComponent: Component {
            Controls.SignInDialog {}
        }
    }

    Component {
        id: itemComponent

        Private.PortalItem {}
    }

    Component {
        id: spyComponent

        SignalSpy {}
    }
}
