import QtQuick 2.15
import QtTest 1.15
import Varnex.Hostkit 1.0
import Varnex.Hostkit.Networking 1.0
import Varnex.Loomwright 1.0
import Varnex.Loomwright.Private 1.0 as Private

// The portal connection against the local portal: the token exchange, the
// portal and user descriptions, renewal, sign-out and failures.
PortalTestCase {
    id: testCase

    function makePortal(properties) {
        var portal = createTemporaryObject(portalComponent, testCase, properties || {})
        verify(portal, "portal created")
        return portal
    }

    function spy(target, signalName) {
        return createTemporaryObject(spyComponent, testCase, { target: target, signalName: signalName })
    }

    function init() {
        resetPortal()
        clearRequests()
    }

    function test_configuration() {
        var portal = createTemporaryObject(defaultPortalComponent, testCase)
        compare(portal.name, "Varnex Online")
        compare(String(portal.restUrl), portal.defaultPortalUrl + "/sharing/rest")
        compare(portal.ignoreSslErrors, false)
        compare(portal.expiryMode, portal.expiryModeRenew)
        compare(String(portal.userThumbnailUrl), "qrc:/imports/Varnex/Loomwright/Internal/images/no_user.png")
        portal.url = localPortalUrl
        portal.clientId = clientId
        compare(portal.authorizationUrl, localPortalUrl + "/sharing/rest/oauth2/authorize/?client_id=" + clientId
                + "&grant_type=code&response_type=code&expiration=-1&redirect_uri=urn:ietf:wg:oauth:2.0:oob&locale="
                + portal.localeInfo.tavikName)
    }

    // The code goes in the body of a POST; the exchange ends signed in with
    // the token, the portal and the user.
    function test_signInWithCode() {
        var portal = makePortal({ userAgent: "LoomwrightTests/1.0" })
        var signedInSpy = spy(portal, "signedInChanged")
        portal.setAuthorizationCode(newCode("demo"))
        compare(portal.busy, true)
        compare(portal.isBusy, true)
        tryCompare(portal, "signedIn", true, waitMs)

        compare(portal.busy, false)
        compare(portal.isBusy, false)
        compare(signedInSpy.count, 1)
        compare(portal.username, "demo")
        verify(portal.token !== "")
        verify(portal.refreshToken !== "")
        compare(portal.user.fullName, "Dana Demo")
        compare(portal.user.email, "demo@example.com")
        compare(portal.info.portalName, "Local Portal")
        compare(portal.isPortal, false)
        compare(portal.portalVersion, 12)
        compare(String(portal.userThumbnailUrl),
                restUrl + "/community/users/demo/info/demo.png?token=" + portal.token)
        compare(portal.expires.getTime() - portal.lastRenewed.getTime(), 1800 * 1000)
        compare(portal.expiryTimer.interval, 1800 * 1000 - 5000)
        verify(portal.expiryTimer.running)

        var tokenRequests = requestsTo("/sharing/rest/oauth2/token")
        compare(tokenRequests.length, 1)
        compare(tokenRequests[0].method, "POST")
        compare(JSON.stringify(tokenRequests[0].query), "{}")
        compare(tokenRequests[0].form.grant_type, "authorization_code")
        compare(tokenRequests[0].form.redirect_uri, outOfBand)
        var self = requestsTo("/sharing/rest/portals/self")
        compare(self.length, 1)
        compare(self[0].method, "POST")
        compare(self[0].form.f, "pjson")
        compare(self[0].form.token, portal.token)
        compare(self[0].userAgent, "LoomwrightTests/1.0")
        compare(requestsTo("/sharing/rest/community/users/demo").length, 1)
    }

    // The timer fires 5 s before the token expires and renews it; the
    // previous refresh token stays unless the answer brings a new one.
    function test_renewal_data() {
        return [
            { tag: "answer without refresh token", mode: "keep", keeps: true },
            { tag: "answer with a new refresh token", mode: "new", keeps: false },
        ]
    }

    function test_renewal(data) {
        control("config", { expires_in: 7, refresh_token_mode: data.mode })
        var portal = makePortal()
        signInWithCode(portal)
        compare(portal.expiryTimer.interval, 2000)
        verify(portal.expiryTimer.running)
        var firstToken = portal.token
        var firstRefreshToken = portal.refreshToken
        var renewed = portal.lastRenewed.getTime()
        var signedInSpy = spy(portal, "signedInChanged")

        tryVerify(function () { return portal.lastRenewed.getTime() !== renewed }, waitMs, "renewed by the timer")
        settle(portal)
        verify(portal.token !== firstToken)
        compare(portal.refreshToken === firstRefreshToken, data.keeps)
        verify(portal.refreshToken !== "")
        compare(portal.signedIn, true)
        compare(portal.busy, false)
        compare(signedInSpy.count, 0)
        var refreshes = requestsTo("/sharing/rest/oauth2/token").filter(function (entry) {
            return entry.form.grant_type === "refresh_token"
        })
        verify(refreshes.length >= 1)
        compare(refreshes[0].method, "POST")
        compare(refreshes[0].form.refresh_token, firstRefreshToken)
        compare(JSON.stringify(refreshes[0].query), "{}")
    }

    // Each way of signing out clears the token, the user and the refresh
    // token; the portal's description stays unless the portal changed.
    function test_signOut_data() {
        return [
            { tag: "signOut()", action: function (portal) { portal.signOut() }, info: true },
            { tag: "renew() without refresh token",
              action: function (portal) { portal.refreshToken = ""; portal.renew() }, info: true },
            { tag: "url changed", action: function (portal) { portal.url = localPortalUrl + "/" }, info: false },
        ]
    }

    function test_signOut(data) {
        var portal = makePortal({ localStorage: Hostkit.settings })
        signInWithCode(portal)
        Hostkit.settings.setValue("OAuth/refresh_token", portal.refreshToken)
        data.action(portal)
        compare(portal.signedIn, false)
        compare(portal.token, "")
        compare(portal.refreshToken, "")
        compare(portal.user, null)
        compare(portal.info !== null, data.info)
        verify(!portal.expiryTimer.running)
        compare(Hostkit.settings.value("OAuth/refresh_token"), undefined)
        compare(requestsTo("/sharing/rest/oauth2/token").length, 1)
    }

    // An answer to a request sent before a sign-out is not taken.
    function test_signOutDropsPendingAnswer() {
        var portal = makePortal()
        portal.setAuthorizationCode(newCode("demo"))
        portal.signOut()
        settle(portal)
        compare(portal.signedIn, false)
        compare(portal.token, "")
        compare(portal.busy, false)
    }

    function test_autoLogin_data() {
        return [
            { tag: "stored refresh token", stored: "valid", signedIn: true, sent: true },
            { tag: "nothing stored", stored: "", signedIn: false, sent: false },
            { tag: "refused refresh token", stored: "dead", signedIn: false, sent: true },
            // The host keeps a date it was given as a date, not as text.
            { tag: "date saved as a date", stored: "valid", signedIn: true, sent: true, dateAsDate: true },
        ]
    }

    function test_autoLogin(data) {
        var settings = Hostkit.settings
        var saved = new Date(2024, 4, 17, 9, 30, 0)
        settings.remove("OAuth")
        if (data.stored !== "") {
            settings.setValue("OAuth/client_id", clientId)
            settings.setValue("OAuth/refresh_token", data.stored === "valid" ? newRefreshToken() : "not-a-token")
            settings.setValue("OAuth/date_saved", data.dateAsDate ? saved : saved.toISOString())
        }
        clearRequests()
        var portal = makePortal({ localStorage: settings, clientId: "" })
        var before = Date.now()
        compare(portal.autoLogin(), data.sent)
        if (data.stored !== "")
            compare(portal.lastLogin.getTime(), saved.getTime())
        else
            verify(portal.lastLogin.getTime() >= before)
        settle(portal)
        if (data.signedIn)
            tryCompare(portal, "signedIn", true, waitMs)
        settle(portal)
        compare(portal.signedIn, data.signedIn)
        compare(portal.busy, false)
        compare(requestsTo("/sharing/rest/oauth2/token").length, data.sent ? 1 : 0)
        if (data.signedIn)
            compare(portal.clientId, clientId)
        // The portal refused the stored token: it is forgotten.
        if (data.stored === "dead")
            compare(settings.value("OAuth/refresh_token"), undefined)
        settings.remove("OAuth")
    }

    // A failed or unsent exchange clears `busy` and never signs in.
    function test_failedExchanges_data() {
        return [
            { tag: "token: connection lost", mode: "transport", path: "/sharing/rest/oauth2/token" },
            { tag: "token: 200 with error", mode: "json", path: "/sharing/rest/oauth2/token", code: 400 },
            { tag: "token: error status", mode: "status", path: "/sharing/rest/oauth2/token", code: 400 },
            { tag: "token: unknown code", code: "not-a-code" },
            { tag: "self: connection lost", mode: "transport", path: "/sharing/rest/portals/self" },
            { tag: "self: 200 with error", mode: "json", path: "/sharing/rest/portals/self", code: 498 },
            { tag: "self: error status", mode: "status", path: "/sharing/rest/portals/self", code: 500 },
            { tag: "user: connection lost", mode: "transport", path: "/sharing/rest/community/users/" },
            { tag: "user: 200 with error", mode: "json", path: "/sharing/rest/community/users/", code: 498 },
            { tag: "user: error status", mode: "status", path: "/sharing/rest/community/users/", code: 403 },
            { tag: "not sent: no code", code: "", unsent: true },
            { tag: "not sent: no client id", clientId: "", unsent: true },
        ]
    }

    function test_failedExchanges(data) {
        var portal = makePortal({ clientId: data.clientId !== undefined ? data.clientId : clientId })
        var signedInSpy = spy(portal, "signedInChanged")
        if (data.mode)
            failNext(data.mode, data.path, data.code)
        if (data.unsent)
            ignoreWarning(/Portal: no token request without/)
        portal.setAuthorizationCode(typeof data.code === "string" ? data.code : newCode("demo"))
        tryCompare(portal, "busy", false, waitMs)
        settle(portal)
        compare(portal.isBusy, false)
        compare(portal.signedIn, false)
        compare(signedInSpy.count, 0)
        compare(portal.token, "")
        // A lost connection is tried once more by the network layer.
        compare(requestsTo("/sharing/rest/oauth2/token").length > 0, !data.unsent)
        compare(portal.expiryTimer.running, false)
    }

    // Codes and tokens go over checked connections unless the tool
    // configuration says otherwise, also right after a request to the same
    // host that ignored its certificate (rows run in this order).
    function test_certificateCheck_data() {
        return [
            { tag: "checked by default", properties: {}, signedIn: false },
            { tag: "ignoreSslErrors", properties: { ignoreSslErrors: true }, signedIn: true },
            { tag: "checked again after an ignoring request", properties: {}, signedIn: false },
        ]
    }

    function test_certificateCheck(data) {
        var code = "no-code"
        if (data.signedIn) {
            var page = createTemporaryObject(requestComponent, testCase, {
                url: localTlsPortalUrl + "/sharing/rest/oauth2/authorize", ignoreSslErrors: true })
            page.send({ client_id: clientId, response_type: "code", redirect_uri: outOfBand, action: "allow" })
            tryCompare(page, "readyState", NetworkRequest.ReadyStateComplete, waitMs)
            code = /<title>SUCCESS code=([^<]*)<\/title>/.exec(page.response)[1]
        }
        var values = { url: localTlsPortalUrl }
        for (var name in data.properties)
            values[name] = data.properties[name]
        var portal = makePortal(values)
        portal.setAuthorizationCode(code)
        tryCompare(portal, "busy", false, waitMs)
        settle(portal)
        compare(portal.signedIn, data.signedIn)
        // Refused before any answer: no HTTP status.
        if (!data.signedIn)
            compare(portal.tokenRequest.status, 0, portal.tokenRequest.errorText)
    }

    // A failed renewal leaves the sign-in as it was unless the portal refused
    // the refresh token.
    function test_failedRenewal_data() {
        return [
            { tag: "connection lost", mode: "transport", signedIn: true },
            { tag: "refresh token refused", mode: "json", code: 400, signedIn: false },
        ]
    }

    function test_failedRenewal(data) {
        var portal = makePortal()
        signInWithCode(portal)
        var token = portal.token
        failNext(data.mode, "/sharing/rest/oauth2/token", data.code)
        portal.renew()
        compare(portal.isBusy, true)
        tryCompare(portal, "isBusy", false, waitMs)
        compare(portal.busy, false)
        compare(portal.signedIn, data.signedIn)
        compare(portal.token === token, data.signedIn)
    }

    name: "Portal"

    Component {
        id: portalComponent

        Private.Portal {
            url: localPortalUrl
            clientId: testCase.clientId
        }
    }

    Component {
        id: requestComponent

        NetworkRequest {}
    }

    Component {
        id: defaultPortalComponent

        Private.Portal {}
    }

    Component {
        id: spyComponent

        SignalSpy {}
    }
}
