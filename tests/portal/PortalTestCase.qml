import QtQuick 2.15
import QtTest 1.15
import Varnex.Hostkit.Networking 1.0

// What the portal tests share: calls to the local portal (its REST paths and
// its test controls under /__control) and a sign-in code without the page.
TestCase {
    id: root

    readonly property string clientId: "loomwright-tests"
    readonly property string outOfBand: "urn:ietf:wg:oauth:2.0:oob"
    readonly property string restUrl: localPortalUrl + "/sharing/rest"
    readonly property int waitMs: 30000

    // One HTTP call to the local portal, waited for: { status, text }.
    function portalCall(method, path, body, contentType) {
        var result = { done: false, status: 0, text: "" }
        var request = new XMLHttpRequest()
        request.onreadystatechange = function () {
            if (request.readyState === XMLHttpRequest.DONE) {
                result.status = request.status
                result.text = request.responseText
                result.done = true
            }
        }
        request.open(method, localPortalUrl + path)
        if (contentType)
            request.setRequestHeader("Content-Type", contentType)
        request.send(body === undefined ? null : body)
        tryVerify(function () { return result.done }, waitMs, method + " " + path)
        return result
    }

    function control(name, fields) {
        var result = portalCall("POST", "/__control/" + name, JSON.stringify(fields || {}), "application/json")
        compare(result.status, 200, name + ": " + result.text)
        return JSON.parse(result.text)
    }

    // Every test starts from a portal with the default settings.
    function resetPortal() {
        control("clear-failures")
        control("config", { expires_in: 1800, refresh_token_mode: "keep", error_form: "json" })
    }

    // The next request whose path begins with `path` fails: "transport"
    // (the connection ends without an answer), "json" (status 200 with an
    // "error" member) or "status" (the code as the HTTP status).
    function failNext(mode, path, code) {
        control("fail", { mode: mode, path: path, code: code || 500 })
    }

    // The requests that reached the portal since the last clearRequests().
    function requests() {
        return JSON.parse(portalCall("GET", "/__control/log").text).requests
    }

    function clearRequests() {
        control("log", { clear: true })
    }

    function requestsTo(path) {
        return requests().filter(function (entry) { return entry.path === path })
    }

    // A one-time code, as the page gives it when the user presses Allow.
    function newCode(username) {
        var form = "client_id=" + clientId + "&response_type=code&expiration=-1&redirect_uri="
                   + encodeURIComponent(outOfBand) + "&action=allow&username=" + (username || "demo")
        var result = portalCall("POST", "/sharing/rest/oauth2/authorize", form, "application/x-www-form-urlencoded")
        var match = /<title>SUCCESS code=([^<]*)<\/title>/.exec(result.text)
        verify(match, "a code from the authorisation page: " + result.text)
        return match[1]
    }

    // A refresh token of the test client, obtained without a Portal.
    function newRefreshToken() {
        var form = "grant_type=authorization_code&client_id=" + clientId + "&code=" + newCode("demo")
                   + "&redirect_uri=" + encodeURIComponent(outOfBand)
        var result = portalCall("POST", "/sharing/rest/oauth2/token", form, "application/x-www-form-urlencoded")
        var answer = JSON.parse(result.text)
        verify(answer.refresh_token, result.text)
        return answer.refresh_token
    }

    // Signs a portal in through a code, as after the dialog.
    function signInWithCode(portal) {
        portal.setAuthorizationCode(newCode("demo"))
        tryCompare(portal, "signedIn", true, waitMs)
        tryCompare(portal, "busy", false, waitMs)
    }

    // Waits until none of the portal's requests is under way.
    function settle(portal) {
        tryVerify(function () {
            return [portal.tokenRequest, portal.selfRequest, portal.userRequest].every(function (request) {
                return request.readyState === NetworkRequest.ReadyStateUninitialized
                       || request.readyState === NetworkRequest.ReadyStateComplete
            })
        }, waitMs, "the portal's requests completed")
    }

    when: windowShown
}
