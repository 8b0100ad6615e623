import QtQuick 2.15
import Varnex.Hostkit 1.0
import Varnex.Hostkit.Networking 1.0

import "../Internal/toolcontext.js" as ToolContext

// Asks the documentation site for the suite's published versions and tells
// when one is newer than the running suite: the window then shows its
// "Update available" link to `updateLink`.
//
// The list is JSON: {"secured": {"<platform key>": {"versions": {"3.5":
// {...}, ...}}}}, platform keys "mac", "windows86" and "linux". Only major
// and minor count: 3.4.9 is no update for 3.4.1.
NetworkRequest {
    id: root

    // The documentation site; the version list and the download page lie
    // below it.
    property url siteUrl: "https://doc.brimforge.varnex.com"
    readonly property string versionsUrl: siteBase() + "/en/brimforge/versions.json"
    readonly property string updateLink: siteBase() + "/en/brimforge/download/"
    // The running suite's version; when empty, the hosting tool's
    // `productVersion`.
    property string runningVersion
    // Which list of the answer counts. Tests set it to check other platforms.
    property string platform: Qt.platform.os
    readonly property string platformKey: platformKeyOf(platform)
    property string updateVersion
    property var updateVersionInfo: null
    readonly property bool updateAvailable: updateVersion !== ""

    readonly property LoggingCategory log: LoggingCategory {
        name: "Varnex.Loomwright.VersionCheck"
    }

    signal newVersionAvailable(var info)

    function siteBase() {
        return String(siteUrl).replace(/\/+$/, "")
    }

    function platformKeyOf(name) {
        switch (name) {
        case "osx":
            return "mac"
        case "windows":
            return "windows86"
        case "linux":
        case "unix":
            return "linux"
        }
        return ""
    }

    function currentVersion() {
        if (runningVersion !== "")
            return runningVersion
        if (typeof productVersion === "undefined")
            return ToolContext.missing("productVersion") || ""
        return productVersion === null ? "" : String(productVersion)
    }

    // [major, minor] of a version text; patch and later parts never count.
    function versionParts(text) {
        var parts = String(text).split(".")
        parts.push("0", "0")
        return [parseInt(parts[0], 10), parseInt(parts[1], 10)]
    }

    function isNewerVersion(candidate, current) {
        var a = versionParts(candidate)
        var b = versionParts(current)
        if (isNaN(a[0]) || isNaN(a[1]) || isNaN(b[0]) || isNaN(b[1]))
            return false
        if (a[0] !== b[0])
            return a[0] > b[0]
        return a[1] > b[1]
    }

    // Sends the request; false when there is nothing to compare with or no
    // list for this platform. The link stays hidden until an answer names a
    // newer version.
    function check() {
        updateVersion = ""
        updateVersionInfo = null
        if (platformKey === "") {
            console.log(log, "No version list for the platform", platform)
            return false
        }
        if (currentVersion() === "") {
            console.warn(log, "The running version is not known: no update check")
            return false
        }
        url = versionsUrl
        send()
        return true
    }

    // The answer is read as text: a JSON object turned into a map would lose
    // the order of the versions, which decides which newer one is named.
    function examine() {
        if (status !== 200 || errorText !== "") {
            console.warn(log, "No version list:", status, errorText)
            return
        }
        var list
        try {
            list = JSON.parse(String(response))
        } catch (error) {
            console.warn(log, "The version list is not JSON:", error.message)
            return
        }
        var secured = list && typeof list === "object" ? list.secured : null
        var entry = secured && typeof secured === "object" ? secured[platformKey] : null
        var versions = entry && typeof entry === "object" ? entry.versions : null
        if (!versions || typeof versions !== "object" || Array.isArray(versions)) {
            console.warn(log, "The version list has no versions for", platformKey)
            return
        }
        var current = currentVersion()
        var names = Object.keys(versions)
        for (var i = 0; i < names.length; ++i) {
            if (isNewerVersion(names[i], current)) {
                updateVersionInfo = versions[names[i]]
                updateVersion = names[i]
                console.log(log, "Newer version", names[i], "than", current)
                newVersionAvailable(updateVersionInfo)
                return
            }
        }
    }

    method: "POST"
    responseType: "text"
    onReadyStateChanged: {
        if (readyState === NetworkRequest.ReadyStateComplete)
            examine()
    }
}
