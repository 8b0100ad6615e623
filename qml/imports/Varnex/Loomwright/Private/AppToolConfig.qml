import QtQuick 2.15
import Varnex.Hostkit 1.0

// The tool configuration of the older tool windows: portal and content
// settings, device identifier and user-agent text, plus the colours of the
// tool window. Values live in the host's settings; load() runs on
// completion.
QtObject {
    id: root

    // The host's settings store; the window hands over the application's.
    property var settings: Hostkit.settings
    // Where the user-agent text takes the platform and the application
    // from. Tests replace them to see the placeholders that stand in for
    // what a system does not say.
    property var systemInformation: Hostkit.systemInformation
    property var localeInfo: Hostkit.localeInfo()
    property string platform: Qt.platform.os
    property string applicationName: Qt.application.name
    property string applicationVersion: Qt.application.version

    readonly property string clientId: "brimforge"
    property string udid
    property string userAgent

    readonly property string defaultPortalUrl: "https://online.varnex.com"
    readonly property string defaultPortalName: "Varnex Online"
    readonly property string portalGroup: "Portal/"
    property url portalUrl: defaultPortalUrl
    property string portalName: defaultPortalName
    property bool ignoreSslErrors: false
    property bool showPortalUrl: String(portalUrl) !== defaultPortalUrl

    readonly property string contentGroup: "Content/"
    readonly property string defaultFeaturedGroupId: "e75dee9e7f335013469516d8c949f636"
    readonly property string defaultSamplesGroupId: "dc8c3c4e02b78ea557dc0e239fd58096"
    readonly property string defaultProFormaGroupId: "02275ac642d2af9d9c516c3eba231842"
    property url contentPortalUrl: defaultPortalUrl
    property string featuredGroupId: defaultFeaturedGroupId
    property string samplesGroupId: defaultSamplesGroupId
    property string proFormaGroupId: defaultProFormaGroupId

    property color bannerColor: "#7213b4"
    property color bannerTextColor: "white"
    property color backgroundColor: "#efeeef"
    property color textColor: "#4c4c4c"
    property color highlightColor: "#8000b2ff"

    function load() {
        udid = readUdid()
        userAgent = buildUserAgent(udid)

        portalUrl = readText(portalGroup + "portalUrl", defaultPortalUrl)
        portalName = readText(portalGroup + "name", defaultPortalName)
        ignoreSslErrors = settings.boolValue(portalGroup + "ignoreSslErrors", false)

        contentPortalUrl = readText(contentGroup + "portalUrl", defaultPortalUrl)
        featuredGroupId = readText(contentGroup + "featuredGroupId", defaultFeaturedGroupId)
        samplesGroupId = readText(contentGroup + "samplesGroupId", defaultSamplesGroupId)
        proFormaGroupId = readText(contentGroup + "templatesGroupId", defaultProFormaGroupId)

        console.log("Tool config loaded:", String(portalUrl), portalName, ignoreSslErrors)

        Hostkit.network.userAgent = userAgent
    }

    function save() {
        // Values equal to their default are dropped from the store.
        settings.setValue(portalGroup + "portalUrl", String(portalUrl), defaultPortalUrl)
        settings.setValue(portalGroup + "name", portalName, defaultPortalName)
        settings.setValue(portalGroup + "ignoreSslErrors", ignoreSslErrors, false)

        settings.setValue(contentGroup + "portalUrl", String(contentPortalUrl), defaultPortalUrl)
        settings.setValue(contentGroup + "featuredGroupId", featuredGroupId, defaultFeaturedGroupId)
        settings.setValue(contentGroup + "samplesGroupId", samplesGroupId, defaultSamplesGroupId)
        settings.setValue(contentGroup + "templatesGroupId", proFormaGroupId, defaultProFormaGroupId)
    }

    // The device identifier, made and stored on the first run.
    function readUdid() {
        var id = readText("udid", "")
        if (id === "") {
            id = Hostkit.uuid(2)
            settings.setValue("udid", id)
        }
        return id
    }

    function getOSPrettyName(os) {
        switch (os) {
        case "osx":
        case "macos":
            return "macOS"
        case "android":
            return "Android"
        case "ios":
            return "iOS"
        case "windows":
            return "Windows"
        case "linux":
            return "Linux"
        case "tvos":
            return "tvOS"
        case "unix":
            return "Unix Other"
        case "winrt":
            return "WinRT | UWP"
        }
        return "Unknown OS"
    }

    function buildUserAgent(udid) {
        var info = systemInformation || ({})
        var values = [
            "Hostkit",
            Hostkit.version,
            getOSPrettyName(platform),
            orPlaceholder(info.osVersion, "_osVersion"),
            orPlaceholder(localeInfo ? localeInfo.name : "", "_unknownLocale"),
            orPlaceholder(info.cpuArchitecture, "_cpuArchitecture"),
            udid,
            orPlaceholder(applicationName, "Brimforge"),
            orPlaceholder(applicationVersion, "_appVersion"),
            "Qt " + Hostkit.qtVersion,
            orPlaceholder(info.buildAbi, "_buildAbi"),
            orPlaceholder(info.osDisplayName, "_osDisplayName"),
            orPlaceholder(info.kernelType, "_kernalType"),
            orPlaceholder(info.kernelVersion, "_kernalVersion")
        ]
        // One pass over the format: a value that itself contains "%2" or
        // the like stays as it is instead of being filled in again.
        return "%1/%2 (%3 %4; %5; %6; %7) %8/%9 (%10; %11; %12) %13/%14".replace(/%(\d+)/g, function (match, number) {
            var value = values[Number(number) - 1]
            return value === undefined || value === null ? "" : String(value)
        })
    }

    function orPlaceholder(value, placeholder) {
        return value === undefined || value === null || String(value) === "" ? placeholder : String(value)
    }

    // A stored empty text counts as missing: an empty portal URL or group
    // identifier would only make every later request fail.
    function readText(key, defaultValue) {
        var value = settings.value(key, defaultValue)
        return value === undefined || value === null || String(value) === "" ? defaultValue : String(value)
    }

    Component.onCompleted: load()
}
