import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Varnex.Loomwright.Controls 1.0
import Varnex.Loomwright.Private 1.0 as Private

TestCase {
    id: testCase

    readonly property var fullSystem: ({
        osName: "linux",
        osVersion: "12",
        osDisplayName: "Debian GNU/Linux 12 (bookworm)",
        cpuArchitecture: "x86_64",
        buildAbi: "x86_64-little_endian-lp64",
        kernelType: "linux",
        kernelVersion: "6.1.0-13-amd64"
    })
    readonly property var emptySystem: ({
        osName: "", osVersion: "", osDisplayName: "", cpuArchitecture: "", buildAbi: "", kernelType: "", kernelVersion: ""
    })

    // Creates a configuration of the given variant on a settings store of
    // its own, filled with `stored`.
    function makeConfig(variant, stored) {
        var store = createTemporaryObject(storeComponent, testCase, { values: stored || {} })
        var component = variant === "Private" ? privateConfigComponent : configComponent
        var config = createTemporaryObject(component, testCase, { settings: store })
        verify(config, variant + " configuration created")
        return { config: config, store: store }
    }

    name: "AppToolConfig"
    when: windowShown

    // A settings store that keeps only differences from the defaults, as
    // the host's does, and remembers every write.
    Component {
        id: storeComponent

        QtObject {
            property var values: ({})
            property var writes: []

            function value(key, defaultValue) {
                return Object.prototype.hasOwnProperty.call(values, key) ? values[key] : defaultValue
            }
            function boolValue(key, defaultValue) {
                var stored = value(key, undefined)
                if (stored === undefined)
                    return defaultValue === undefined ? false : defaultValue
                return stored === true || String(stored) === "true"
            }
            function setValue(key, newValue, defaultValue) {
                writes.push({ key: key, value: newValue, withDefault: arguments.length > 2 })
                if (arguments.length > 2 && String(newValue) === String(defaultValue))
                    delete values[key]
                else
                    values[key] = newValue
            }
            function remove(key) {
                delete values[key]
            }
            function writesOf(key) {
                return writes.filter(function (write) { return write.key === key })
            }
        }
    }

    Component { id: configComponent; AppToolConfig {} }
    Component { id: privateConfigComponent; Private.AppToolConfig {} }
    Component { id: spyComponent; SignalSpy {} }

    function test_defaults_data() {
        return [ { tag: "Controls" }, { tag: "Private" } ]
    }

    function test_defaults(data) {
        var made = makeConfig(data.tag)
        var config = made.config
        verify(/^[a-z]+$/.test(config.clientId), "client id " + config.clientId)
        verify(/^https:\/\/[^/]+/.test(config.defaultPortalUrl), config.defaultPortalUrl)
        compare(config.defaultPortalName, "Varnex Online")
        compare(config.portalGroup, "Portal/")
        compare(config.contentGroup, "Content/")
        compare(String(config.portalUrl), config.defaultPortalUrl)
        compare(config.portalName, "Varnex Online")
        compare(config.ignoreSslErrors, false)
        compare(config.showPortalUrl, false)
        compare(String(config.contentPortalUrl), config.defaultPortalUrl)
        compare(config.featuredGroupId, config.defaultFeaturedGroupId)
        compare(config.samplesGroupId, config.defaultSamplesGroupId)
        compare(config.proFormaGroupId, config.defaultProFormaGroupId)
        var groups = [config.defaultFeaturedGroupId, config.defaultSamplesGroupId, config.defaultProFormaGroupId]
        if (data.tag === "Controls") {
            compare(config.oldSamplesGroupIds.length, 15)
            compare(config.oldProFormaGroupIds.length, 15)
            groups = groups.concat([config.brimforgeAppsPublicGroupId], config.oldSamplesGroupIds, config.oldProFormaGroupIds)
        }
        groups.forEach(function (group) { verify(/^[0-9a-f]{32}$/.test(group), "group id " + group) })
        var unique = groups.filter(function (group, index) { return groups.indexOf(group) === index })
        compare(unique.length, groups.length, "group ids are distinct")
    }

    function test_privateColours() {
        var config = makeConfig("Private").config
        verify(Qt.colorEqual(config.bannerColor, "#7213b4"))
        verify(Qt.colorEqual(config.bannerTextColor, "white"))
        verify(Qt.colorEqual(config.backgroundColor, "#efeeef"))
        verify(Qt.colorEqual(config.textColor, "#4c4c4c"))
        verify(Qt.colorEqual(config.highlightColor, "#8000b2ff"))
    }

    function test_newUdidStoredOnce_data() {
        return [ { tag: "Controls" }, { tag: "Private" } ]
    }

    function test_newUdidStoredOnce(data) {
        var made = makeConfig(data.tag)
        var udid = made.config.udid
        verify(/^[0-9a-f]{32}$/.test(udid), "udid " + udid)
        compare(made.store.values.udid, udid)
        made.config.load()
        compare(made.config.udid, udid)
        compare(made.store.writesOf("udid").length, 1)
        verify(made.config.userAgent.indexOf("; " + udid + ") ") > 0, made.config.userAgent)
    }

    function test_storedUdidKept() {
        var made = makeConfig("Controls", { udid: "0123456789abcdef0123456789abcdef" })
        compare(made.config.udid, "0123456789abcdef0123456789abcdef")
        compare(made.store.writesOf("udid").length, 0)
    }

    // Through the host's own settings store: the identifier survives into
    // the next configuration.
    function test_udidInHostSettings() {
        var previous = Hostkit.settings.value("udid")
        Hostkit.settings.remove("udid")
        var first = createTemporaryObject(configComponent, testCase)
        var second = createTemporaryObject(configComponent, testCase)
        verify(/^[0-9a-f]{32}$/.test(first.udid))
        compare(Hostkit.settings.value("udid"), first.udid)
        compare(second.udid, first.udid)
        if (previous !== undefined)
            Hostkit.settings.setValue("udid", previous)
    }

    function test_loadReadsSettings() {
        var made = makeConfig("Controls", {
            "Portal/portalUrl": "https://maps.example.org/portal",
            "Portal/name": "City Portal",
            "Portal/ignoreSslErrors": "true",
            "Content/portalUrl": "https://content.example.org",
            "Content/featuredGroupId": "11111111111111111111111111111111",
            "Content/samplesGroupId": "22222222222222222222222222222222",
            "Content/templatesGroupId": "33333333333333333333333333333333"
        })
        var config = made.config
        compare(String(config.portalUrl), "https://maps.example.org/portal")
        compare(config.portalName, "City Portal")
        compare(config.ignoreSslErrors, true)
        compare(String(config.contentPortalUrl), "https://content.example.org")
        compare(config.featuredGroupId, "11111111111111111111111111111111")
        compare(config.samplesGroupId, "22222222222222222222222222222222")
        compare(config.proFormaGroupId, "33333333333333333333333333333333")
    }

    function test_loadComplete() {
        var made = makeConfig("Controls")
        var spy = createTemporaryObject(spyComponent, testCase, { target: made.config, signalName: "loadComplete" })
        made.config.load()
        compare(spy.count, 1)
    }

    function test_showPortalUrl_data() {
        return [
            { tag: "nothing stored", stored: {}, expected: false },
            { tag: "the default stored", stored: { "Portal/portalUrl": "https://online.varnex.com" }, expected: false },
            { tag: "another portal", stored: { "Portal/portalUrl": "https://gis.example.com/portal" }, expected: true },
            { tag: "empty text counts as missing", stored: { "Portal/portalUrl": "" }, expected: false }
        ]
    }

    function test_showPortalUrl(data) {
        ["Controls", "Private"].forEach(function (variant) {
            var config = makeConfig(variant, data.stored).config
            compare(config.defaultPortalUrl, "https://online.varnex.com")
            compare(config.showPortalUrl, data.expected, variant)
        })
    }

    function test_saveDropsDefaultPortalValues_data() {
        return [ { tag: "Controls" }, { tag: "Private" } ]
    }

    function test_saveDropsDefaultPortalValues(data) {
        var made = makeConfig(data.tag, { "Portal/name": "Old Name", "Portal/ignoreSslErrors": "true" })
        made.config.portalName = made.config.defaultPortalName
        made.config.ignoreSslErrors = false
        made.config.portalUrl = "https://gis.example.com/portal"
        made.config.save()
        compare(made.store.values["Portal/portalUrl"], "https://gis.example.com/portal")
        verify(!made.store.values.hasOwnProperty("Portal/name"), "default name dropped")
        verify(!made.store.values.hasOwnProperty("Portal/ignoreSslErrors"), "default flag dropped")
        made.store.writesOf("Portal/portalUrl").forEach(function (write) { verify(write.withDefault) })
    }

    function test_saveEmptyContentGroupWritesDefault_data() {
        return [
            { tag: "featured", property: "featuredGroupId", key: "Content/featuredGroupId", defaultName: "defaultFeaturedGroupId" },
            { tag: "samples", property: "samplesGroupId", key: "Content/samplesGroupId", defaultName: "defaultSamplesGroupId" },
            { tag: "templates", property: "proFormaGroupId", key: "Content/templatesGroupId", defaultName: "defaultProFormaGroupId" },
            { tag: "content portal", property: "contentPortalUrl", key: "Content/portalUrl", defaultName: "defaultPortalUrl" }
        ]
    }

    function test_saveEmptyContentGroupWritesDefault(data) {
        var made = makeConfig("Controls", { "Content/samplesGroupId": "44444444444444444444444444444444" })
        var config = made.config
        config[data.property] = ""
        config.save()
        var expected = config[data.defaultName]
        compare(String(config[data.property]), expected, "reset to the default")
        compare(made.store.values[data.key], expected, "default written")
        // The other content values are written as they are.
        if (data.property !== "samplesGroupId")
            compare(made.store.values["Content/samplesGroupId"], "44444444444444444444444444444444")
    }

    // The older variant keeps only what differs from the defaults.
    function test_privateSaveDropsDefaultContent() {
        var made = makeConfig("Private", { "Content/samplesGroupId": "44444444444444444444444444444444" })
        made.config.samplesGroupId = made.config.defaultSamplesGroupId
        made.config.featuredGroupId = "55555555555555555555555555555555"
        made.config.save()
        verify(!made.store.values.hasOwnProperty("Content/samplesGroupId"))
        compare(made.store.values["Content/featuredGroupId"], "55555555555555555555555555555555")
        verify(!made.store.values.hasOwnProperty("Content/portalUrl"))
    }

    function test_getOSPrettyName_data() {
        return [
            { tag: "osx", os: "osx", expected: "macOS" },
            { tag: "macos", os: "macos", expected: "macOS" },
            { tag: "android", os: "android", expected: "Android" },
            { tag: "ios", os: "ios", expected: "iOS" },
            { tag: "windows", os: "windows", expected: "Windows" },
            { tag: "linux", os: "linux", expected: "Linux" },
            { tag: "tvos", os: "tvos", expected: "tvOS" },
            { tag: "unix", os: "unix", expected: "Unix Other" },
            { tag: "winrt", os: "winrt", expected: "WinRT | UWP" },
            { tag: "unlisted", os: "haiku", expected: "Unknown OS" },
            { tag: "other letter case", os: "Linux", expected: "Unknown OS" },
            { tag: "empty", os: "", expected: "Unknown OS" }
        ]
    }

    function test_getOSPrettyName(data) {
        compare(makeConfig("Controls").config.getOSPrettyName(data.os), data.expected)
        compare(makeConfig("Private").config.getOSPrettyName(data.os), data.expected)
    }

    function test_userAgent_data() {
        var qt = "Qt " + Hostkit.qtVersion
        var sdk = "Hostkit/" + Hostkit.version
        return [
            {
                tag: "everything known",
                platform: "linux", system: fullSystem, locale: "de_DE", appName: "Make", appVersion: "3.2.1",
                expected: sdk + " (Linux 12; de_DE; x86_64; 0123abcd) Make/3.2.1 (" + qt
                          + "; x86_64-little_endian-lp64; Debian GNU/Linux 12 (bookworm)) linux/6.1.0-13-amd64"
            },
            {
                tag: "placeholders",
                platform: "haiku", system: emptySystem, locale: "", appName: "", appVersion: "",
                expected: sdk + " (Unknown OS _osVersion; _unknownLocale; _cpuArchitecture; 0123abcd) Brimforge/_appVersion ("
                          + qt + "; _buildAbi; _osDisplayName) _kernalType/_kernalVersion"
            },
            {
                tag: "no system information at all",
                platform: "windows", system: null, locale: "en_US", appName: "Run", appVersion: "1.0",
                expected: sdk + " (Windows _osVersion; en_US; _cpuArchitecture; 0123abcd) Run/1.0 ("
                          + qt + "; _buildAbi; _osDisplayName) _kernalType/_kernalVersion"
            },
            {
                tag: "values that look like placeholders stay as they are",
                platform: "linux", system: fullSystem, locale: "de_DE", appName: "Make %3 %10", appVersion: "%1",
                expected: sdk + " (Linux 12; de_DE; x86_64; 0123abcd) Make %3 %10/%1 (" + qt
                          + "; x86_64-little_endian-lp64; Debian GNU/Linux 12 (bookworm)) linux/6.1.0-13-amd64"
            }
        ]
    }

    function test_userAgent(data) {
        ["Controls", "Private"].forEach(function (variant) {
            var config = makeConfig(variant).config
            config.platform = data.platform
            config.systemInformation = data.system
            config.localeInfo = { name: data.locale }
            config.applicationName = data.appName
            config.applicationVersion = data.appVersion
            compare(config.buildUserAgent("0123abcd"), data.expected, variant)
        })
    }

    // The portal requests of the process carry the configuration's text.
    function test_loadSetsDefaultUserAgent() {
        var previous = Hostkit.network.userAgent
        var config = makeConfig("Controls").config
        compare(Hostkit.network.userAgent, config.userAgent)
        verify(config.userAgent.indexOf("Hostkit/") === 0, config.userAgent)
        Hostkit.network.userAgent = previous
    }
}
