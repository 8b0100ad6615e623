import QtQuick 2.15
import Varnex.Hostkit 1.0
import Varnex.Hostkit.Networking 1.0

// The connection to one portal: OAuth 2.0 sign-in through the out-of-band
// flow, token renewal, and the descriptions of the portal and of the user.
//
// A sign-in runs signIn() -> oAuthSignIn() -> (the window shows the portal's
// page, or reuses a shared refresh token) -> setAuthorizationCode(code) or
// setRefreshToken(token) -> token request -> portal-self and user requests
// -> signedIn. The shared sign-in between tools is SharedSignIn.qml, which
// the windows instantiate with this object.
//
// `busy` covers one exchange started by setAuthorizationCode() or
// setRefreshToken(); it ends with the exchange, successful or not, so that a
// window never stays disabled after a failed request. `isBusy` covers the
// token request alone.
//
// Tokens never reach a log line. The requests of this object carry them in
// their bodies (the token request is a POST: codes and refresh tokens never
// travel in a URL); only userThumbnailUrl holds the access token, for an
// image to load.
QtObject {
    id: root

    readonly property string defaultPortalUrl: "https://online.varnex.com"
    property string name: "Varnex Online"
    property url url: defaultPortalUrl
    property url portalUrl: url
    property url owningSystemUrl: portalUrl
    readonly property url restUrl: baseUrl(owningSystemUrl) + "/sharing/rest"
    property real portalVersion: 0.0
    property bool isPortal: false

    property string username
    property string token
    property date expires
    property string refreshToken
    property string clientId
    property string redirectUri: "urn:ietf:wg:oauth:2.0:oob"
    readonly property string authorizationEndpoint: baseUrl(portalUrl) + "/sharing/rest/oauth2/authorize/"
    readonly property string authorizationUrl: authorizationEndpoint + "?client_id=" + clientId
                                               + "&grant_type=code&response_type=code&expiration=-1&redirect_uri="
                                               + redirectUri + "&locale=" + (localeInfo ? localeInfo.tavikName : "en")
    property var localeInfo: Hostkit.localeInfo()

    property var info: null
    property var user: null
    readonly property bool userReady: token !== "" && !!info && !!user
    readonly property bool signedIn: userReady
    // Carries the token in its query: hand it to an image, never to a log.
    readonly property url userThumbnailUrl: token !== "" && user && user.thumbnail
                                            ? restUrl + "/community/users/" + username + "/info/" + user.thumbnail
                                              + "?token=" + token
                                            : "images/no_user.png"

    property string userAgent
    // Codes and tokens travel over these connections: certificate errors
    // are ignored only when the tool configuration says so.
    property bool ignoreSslErrors: false

    readonly property int expiryModeSignal: 0
    readonly property int expiryModeSignOut: 1
    readonly property int expiryModeSignIn: 2
    readonly property int expiryModeRenew: 3
    property int expiryMode: expiryModeRenew

    property bool busy: false
    property bool isBusy: false

    readonly property string settingsGroup: "OAuth"
    property var localStorage: null
    property date lastLogin
    property date lastRenewed

    // Fires once, 5 seconds before the access token expires.
    readonly property Timer expiryTimer: Timer {
        repeat: false
        onTriggered: root.tokenExpiring()
    }

    readonly property NetworkRequest tokenRequest: NetworkRequest {
        // Set in sendTokenRequest(): the answer that belongs to a request sent
        // before the last sign-out is dropped.
        property int generation: -1
        property string grantType

        url: root.baseUrl(root.portalUrl) + "/sharing/rest/oauth2/token"
        method: "POST"
        responseType: "json"
        ignoreSslErrors: root.ignoreSslErrors
        headers.userAgent: root.userAgent
        onReadyStateChanged: {
            if (readyState === NetworkRequest.ReadyStateComplete)
                root.tokenAnswered(this)
        }
    }

    readonly property NetworkRequest selfRequest: NetworkRequest {
        property int generation: -1

        url: root.restUrl + "/portals/self"
        method: "POST"
        responseType: "json"
        ignoreSslErrors: root.ignoreSslErrors
        headers.userAgent: root.userAgent
        onReadyStateChanged: {
            if (readyState === NetworkRequest.ReadyStateComplete)
                root.selfAnswered(this)
        }
    }

    readonly property NetworkRequest userRequest: NetworkRequest {
        property int generation: -1

        method: "POST"
        responseType: "json"
        ignoreSslErrors: root.ignoreSslErrors
        headers.userAgent: root.userAgent
        onReadyStateChanged: {
            if (readyState === NetworkRequest.ReadyStateComplete)
                root.userAnswered(this)
        }
    }

    readonly property LoggingCategory log: LoggingCategory {
        name: "Varnex.Loomwright.Portal"
    }

    // Counts sign-outs: answers to requests sent before the last one are
    // not taken.
    property int generation: 0
    // Portal-self and user answers still awaited by the current exchange.
    property int pendingUserInfo: 0
    // The URL given at creation is no change of portal.
    property bool completed: false

    signal expired()
    signal oAuthSignIn()

    function signIn() {
        console.log(log, "portal.signIn()")
        if (signedIn)
            return
        oAuthSignIn()
    }

    function signOut() {
        console.log(log, "portal.signOut()")
        ++generation
        expiryTimer.stop()
        pendingUserInfo = 0
        isBusy = false
        token = ""
        user = null
        refreshToken = ""
        if (localStorage) {
            localStorage.remove(settingsGroup + "/client_id")
            localStorage.remove(settingsGroup + "/refresh_token")
            localStorage.remove(settingsGroup + "/date_saved")
        }
        busy = false
    }

    function setAuthorizationCode(code) {
        busy = true
        if (!getTokenFromCode(clientId, redirectUri, code))
            busy = false
    }

    function setRefreshToken(token) {
        refreshToken = token || ""
        if (refreshToken === "")
            return
        busy = true
        if (!getTokenFromRefreshToken(clientId, refreshToken))
            busy = false
    }

    // True when the request went out.
    function getTokenFromCode(clientId, redirectUri, code) {
        if (!code || !clientId) {
            console.warn(log, "Portal: no token request without", !clientId ? "a client id" : "an authorization code")
            return false
        }
        isBusy = true
        refreshToken = ""
        root.clientId = clientId
        expiryTimer.stop()
        sendTokenRequest({
            grant_type: "authorization_code",
            client_id: clientId,
            code: code,
            redirect_uri: redirectUri
        })
        return true
    }

    // True when the request went out.
    function getTokenFromRefreshToken(clientId, refreshToken) {
        if (!clientId || !refreshToken) {
            console.warn(log, "Portal: no token request without", !clientId ? "a client id" : "a refresh token")
            return false
        }
        isBusy = true
        root.clientId = clientId
        root.refreshToken = refreshToken
        expiryTimer.stop()
        sendTokenRequest({
            grant_type: "refresh_token",
            client_id: clientId,
            refresh_token: refreshToken
        })
        return true
    }

    function autoLogin() {
        console.log(log, "Portal:: Trying to auto-sign-in ...")
        var storedClientId = ""
        var storedRefreshToken = ""
        var saved = ""
        if (localStorage) {
            storedClientId = textOf(localStorage.value(settingsGroup + "/client_id", ""))
            storedRefreshToken = textOf(localStorage.value(settingsGroup + "/refresh_token", ""))
            saved = localStorage.value(settingsGroup + "/date_saved", "")
        }
        // Saved as text by this portal, or as a date by a host that keeps
        // dates as dates.
        var savedDate = saved instanceof Date ? saved : textOf(saved) !== "" ? new Date(textOf(saved)) : null
        lastLogin = savedDate && !isNaN(savedDate.getTime()) ? savedDate : new Date()
        if (storedClientId === "" || storedRefreshToken === "")
            return false
        console.log(log, "Portal:: Found stored info, getting token now ...")
        return getTokenFromRefreshToken(storedClientId, storedRefreshToken)
    }

    function renew() {
        console.log(log, "portal.renew()")
        if (clientId !== "" && refreshToken !== "")
            getTokenFromRefreshToken(clientId, refreshToken)
        else
            signOut()
    }

    function tokenExpiring() {
        switch (expiryMode) {
        case expiryModeSignIn:
            signIn()
            break
        case expiryModeSignOut:
            signOut()
            break
        case expiryModeRenew:
            renew()
            break
        default:
            expired()
        }
    }

    function sendTokenRequest(form) {
        tokenRequest.generation = generation
        tokenRequest.grantType = form.grant_type
        tokenRequest.send(form)
    }

    function tokenAnswered(request) {
        if (request.generation !== generation)
            return
        isBusy = false
        var response = request.response
        var problem = failureOf(request)
        if (problem === "" && !response.access_token)
            problem = "The answer holds no access token"
        if (problem !== "") {
            console.error(log, "oAuthAccessTokenRequest error", problem)
            // A refresh token that the portal itself refuses will never work
            // again: forget it, and the stored copy with it. A lost connection
            // leaves everything as it is.
            if (request.grantType === "refresh_token" && isRefusal(request))
                signOut()
            busy = false
            return
        }

        if (response.refresh_token)
            refreshToken = response.refresh_token
        username = response.username || ""
        token = response.access_token || ""
        var now = new Date()
        lastRenewed = now
        var seconds = Number(response.expires_in)
        if (isFinite(seconds) && seconds > 0) {
            expires = new Date(now.getTime() + seconds * 1000)
            console.log(log, "Token expires at : ", expires.toLocaleString())
            // 5 s before the end; at least a second later, so that tokens
            // shorter-lived than that are not renewed over and over at once.
            var remaining = expires.getTime() - now.getTime()
            expiryTimer.interval = Math.max(remaining - 5000, 1000)
            expiryTimer.start()
        } else {
            console.warn(log, "Portal: the token answer gives no lifetime; it is not renewed")
        }
        requestUserInfo()
    }

    function requestUserInfo() {
        pendingUserInfo = 2
        selfRequest.generation = generation
        selfRequest.send({ f: "pjson", token: token })
        userRequest.generation = generation
        userRequest.url = restUrl + "/community/users/" + username
        userRequest.send({ f: "pjson", token: token })
    }

    function selfAnswered(request) {
        if (request.generation !== generation)
            return
        var problem = failureOf(request)
        if (problem !== "") {
            console.error(log, "selfRequest error", problem)
            userInfoFailed()
            return
        }
        var response = request.response
        isPortal = !!response.isPortal
        info = response
        var version = parseFloat(response.currentVersion)
        portalVersion = isFinite(version) ? version : 0.0
        console.log(log, "portal info:", String(url), "portalName:", response.portalName, "isPortal:", isPortal,
                    "portalVersion:", portalVersion)
        userInfoAnswered()
    }

    function userAnswered(request) {
        if (request.generation !== generation)
            return
        var problem = failureOf(request)
        if (problem !== "") {
            console.error(log, "userRequest error", problem)
            userInfoFailed()
            return
        }
        user = request.response
        userInfoAnswered()
    }

    function userInfoAnswered() {
        pendingUserInfo = Math.max(0, pendingUserInfo - 1)
        // The exchange ends here also when it leaves `signedIn` as it was (a
        // renewal), which clears no `busy` through onSignedInChanged.
        if (pendingUserInfo === 0)
            busy = false
    }

    function userInfoFailed() {
        pendingUserInfo = 0
        // A sign-in whose portal or user could not be read is no sign-in:
        // the token is dropped so that the other answer cannot complete it.
        // A renewal keeps what it had.
        if (!signedIn) {
            ++generation
            expiryTimer.stop()
            token = ""
        }
        busy = false
    }

    // "" for a usable JSON object answered with status 200; otherwise why
    // not. The portal reports many errors as status 200 with an "error"
    // member, which count like any other failure.
    function failureOf(request) {
        var response = request.response
        if (request.status === 200 && response && typeof response === "object" && response.error)
            return errorMessage(response.error)
        if (request.errorText !== "")
            return request.errorText
        if (request.status !== 200)
            return "HTTP status " + request.status + " " + request.statusText
        if (!response || typeof response !== "object")
            return "The answer is no JSON object"
        return ""
    }

    // The portal said no (a refused grant), as opposed to a request that did
    // not reach it or a fault of the server.
    function isRefusal(request) {
        var response = request.response
        if (request.status === 200)
            return !!(response && typeof response === "object" && response.error)
        return request.status >= 400 && request.status < 500
    }

    function errorMessage(error) {
        if (typeof error !== "object" || error === null)
            return String(error)
        var text = error.message || error.error_description || error.error || "error"
        return error.code !== undefined ? text + " (" + error.code + ")" : text
    }

    function baseUrl(value) {
        return String(value).replace(/\/+$/, "")
    }

    function textOf(value) {
        return value === undefined || value === null ? "" : String(value)
    }

    onUrlChanged: {
        if (!completed)
            return
        info = null
        signOut()
    }

    onSignedInChanged: busy = false

    Component.onCompleted: completed = true
}
