import QtQuick 2.15
import Varnex.Hostkit 1.0

import "../Internal/toolconfig.js" as ToolConfig

// Which portal a tool talks to and how it introduces itself there: the
// portal and content settings, the device identifier and the user-agent
// text. Values live in the host's settings; load() runs on completion.
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
    readonly property string defaultFeaturedGroupId: "9bbeabb8c3d9a5b989f48a33d291d982"
    readonly property string defaultSamplesGroupId: "87158357a581cdf5dd4dfe654e372ffe"
    readonly property string defaultProFormaGroupId: "225c3d0591964186b3133f5025aaf2b2"
    property url contentPortalUrl: defaultPortalUrl
    property string featuredGroupId: defaultFeaturedGroupId
    property string samplesGroupId: defaultSamplesGroupId
    property string proFormaGroupId: defaultProFormaGroupId

    readonly property string brimforgeAppsPublicGroupId: "ab3a198bfebb16398a9201a0337f9138"
    // Groups that held the samples and templates before the current ones;
    // apps made from their items are still recognised by these.
    readonly property var oldSamplesGroupIds: [
        "2140d9975667ea6c62fb031c79450da9",
        "068adfd3c28a2b2792bd3d6bd34478e6",
        "558bbc4a772fbe807aa6a089c8a72622",
        "81a4be411279a8fc43978dd557da5dbd",
        "1f167f672d1da769bb04717e9cebf51f",
        "2815f004f35a793337348c1e1cd8dfee",
        "97dd99ad9a67b66a2ad943d184721800",
        "fd74f8597e2170a53052d1cfd29c2d00",
        "8bb5e0e9766d182054ad171415d6055c",
        "b0429c5d0a89872f6d8b55af15476bf8",
        "c3f979bbca4afea91d4b50e366c7dfcb",
        "e108edee5608edbe1e73486db0ef548f",
        "fa220fded5db1e3066cdd73a7f39f208",
        "f2718ff98cfa77b781145b087a2ced89",
        "9351b5ae09404d48ec183052b0704bae"
    ]
    readonly property var oldProFormaGroupIds: [
        "1abc10fefabbc83764b09851636ee2c3",
        "469959618adfabfe38a5705f1049451c",
        "980c754a028a6e1c3c507b4c984786a0",
        "4c6b68c7bad8dc8edd0e92189d2eb72b",
        "f38eb9b24c9c4dc6b83e20cd17a16221",
        "1d6378a64a71b4480f736ff103720c68",
        "5df2cf032338816c4912f61a0c9a3ec9",
        "d9fb43a6f5671b7e6ff583cdebaebca4",
        "1e82e86a3bb5676a511e5374f2b152fd",
        "10abb544d78c6bd203e120c116e11cc2",
        "4d9f8f9f2b16e84851720997fa63640d",
        "8239aec182b5e669c9010652ef46c969",
        "79553bf0faa7cc869cb71a9664d8a226",
        "8877ceded977f2ecca06d44aa7a7b2a0",
        "19691830ebe9384266264cda667967d3"
    ]

    signal loadComplete()
    signal saveComplete()

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

        loadComplete()

        Hostkit.network.userAgent = userAgent
    }

    function save() {
        // Values equal to their default are dropped from the store.
        settings.setValue(portalGroup + "portalUrl", String(portalUrl), defaultPortalUrl)
        settings.setValue(portalGroup + "name", portalName, defaultPortalName)
        settings.setValue(portalGroup + "ignoreSslErrors", ignoreSslErrors, false)

        if (String(contentPortalUrl) === "")
            contentPortalUrl = defaultPortalUrl
        if (featuredGroupId === "")
            featuredGroupId = defaultFeaturedGroupId
        if (samplesGroupId === "")
            samplesGroupId = defaultSamplesGroupId
        if (proFormaGroupId === "")
            proFormaGroupId = defaultProFormaGroupId

        settings.setValue(contentGroup + "portalUrl", String(contentPortalUrl))
        settings.setValue(contentGroup + "featuredGroupId", featuredGroupId)
        settings.setValue(contentGroup + "samplesGroupId", samplesGroupId)
        settings.setValue(contentGroup + "templatesGroupId", proFormaGroupId)
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
