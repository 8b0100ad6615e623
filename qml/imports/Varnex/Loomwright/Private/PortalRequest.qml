import QtQuick 2.15
import Varnex.Hostkit 1.0
import Varnex.Hostkit.Networking 1.0

// One authenticated call of the portal's REST interface: sendRequest() adds
// the portal's token (and, for JSON, the response format) to the form, and
// the answer ends in success() or failed(error).
//
// The portal reports many errors with status 200 and an "error" member;
// those end in failed() with that member, as do other statuses (an object
// with the status as `code` and the status text as `message`).
//
// Log lines never carry a token: `trace` prints the form with secret
// fields masked, and URLs (a GET puts the token in the query) have secret
// query values masked.
NetworkRequest {
    id: root

    property var portal: null
    property bool trace: false

    readonly property LoggingCategory log: LoggingCategory {
        name: "Varnex.Loomwright.Portal"
    }
    // Form fields and query fields whose values let whoever reads them act as
    // the user.
    readonly property var secretFields: ["token", "access_token", "refresh_token", "code", "client_secret",
                                         "password"]

    signal success()
    signal failed(var error)

    function sendRequest(formData) {
        var form = {}
        if (formData && typeof formData === "object") {
            for (var name in formData)
                form[name] = formData[name]
        }
        if (!portal)
            console.warn(log, "PortalRequest: portal not set; sent without a token:", maskedUrl(url))
        else if (portal.token)
            form.token = portal.token
        if (responseType === "json")
            form.f = "pjson"
        if (trace)
            console.log(log, "PortalRequest:", method, maskedUrl(url), JSON.stringify(maskedForm(form), null, 2))
        headers.userAgent = portal ? portal.userAgent : ""
        send(form)
    }

    function maskedUrl(value) {
        var pattern = new RegExp("([?&](?:" + secretFields.join("|") + ")=)[^&#]*", "gi")
        return String(value).replace(pattern, "$1***")
    }

    function maskedForm(form) {
        var masked = {}
        for (var name in form)
            masked[name] = secretFields.indexOf(String(name).toLowerCase()) >= 0 ? "***" : form[name]
        return masked
    }

    function fail(error) {
        console.error(log, "PortalRequest failed: url", maskedUrl(url), "error", JSON.stringify(error, null, 2))
        failed(error)
    }

    function complete() {
        var answer = response
        var portalError = answer && typeof answer === "object" && answer.error ? answer.error : null
        if (status === 200) {
            if (portalError) {
                // Also for a download: the body of a portal error is no item data.
                fail(portalError)
            } else if (errorText !== "") {
                // A JSON answer that does not parse, a file that could not be written.
                console.error(log, "portalRequest:", maskedUrl(url), "error", errorText)
                fail({ code: status, message: errorText })
            } else {
                success()
            }
            return
        }
        if (errorText !== "")
            console.error(log, "portalRequest:", maskedUrl(url), "error", errorText)
        console.error(log, "PortalRequest status:", status, statusText)
        fail({ code: status, message: statusText })
    }

    responseType: "json"
    method: "POST"
    ignoreSslErrors: portal ? portal.ignoreSslErrors : false

    onReadyStateChanged: {
        if (readyState === NetworkRequest.ReadyStateComplete)
            complete()
    }
}
