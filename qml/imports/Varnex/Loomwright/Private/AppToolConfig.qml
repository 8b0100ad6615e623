import QtQuick 2.15
import Varnex.Hostkit 1.0

import "../Internal/toolconfig.js" as ToolConfig

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

    // load() has read the settings and set the user agent: from then on the
    // portal values are the configured ones, not the defaults.
    signal loaded()

    function load() {
        udid = readUdid()
        userAgent = buildUserAgent(udid)

        portalUrl = ToolConfig.readText(settings, portalGroup + "portalUrl", defaultPortalUrl)
        portalName = ToolConfig.readText(settings, portalGroup + "name", defaultPortalName)
        ignoreSslErrors = settings.boolValue(portalGroup + "ignoreSslErrors", false)

        contentPortalUrl = ToolConfig.readText(settings, contentGroup + "portalUrl", defaultPortalUrl)
        featuredGroupId = ToolConfig.readText(settings, contentGroup + "featuredGroupId", defaultFeaturedGroupId)
        samplesGroupId = ToolConfig.readText(settings, contentGroup + "samplesGroupId", defaultSamplesGroupId)
        proFormaGroupId = ToolConfig.readText(settings, contentGroup + "templatesGroupId", defaultProFormaGroupId)

        console.log("Tool config loaded:", String(portalUrl), portalName, ignoreSslErrors)

        Hostkit.network.userAgent = userAgent
        loaded()
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

    function readUdid() {
        return ToolConfig.readUdid(settings, Hostkit)
    }

    function getOSPrettyName(os) {
        return ToolConfig.osPrettyName(os)
    }

    function buildUserAgent(udid) {
        return ToolConfig.userAgent(root, Hostkit, udid)
    }

    Component.onCompleted: load()
}
