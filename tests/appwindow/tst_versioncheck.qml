import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit.Networking 1.0
import Varnex.Loomwright.Controls 1.0

// The update check against a documentation site on this machine: a newer
// major or minor version shows the window's "Update available" link, patch
// numbers never do, each platform reads its own list, and a list that cannot
// be read leaves the link hidden.
AppWindowTestCase {
    id: testCase

    property int siteCount: 0
    // Where the next window looks for the version list.
    property string windowSite

    function newSite(secured) {
        ++siteCount
        return writeVersionList("site" + siteCount, secured)
    }

    // Runs one check to its end.
    function check(properties) {
        var versionCheck = createTemporaryObject(versionCheckComponent, testCase, properties)
        verify(versionCheck)
        var spy = createTemporaryObject(spyComponent, testCase, { target: versionCheck, signalName: "newVersionAvailable" })
        if (!versionCheck.check())
            return { check: versionCheck, sent: false, signals: spy.count }
        tryCompare(versionCheck, "readyState", NetworkRequest.ReadyStateComplete, waitMs)
        return { check: versionCheck, sent: true, signals: spy.count, spy: spy }
    }

    name: "VersionCheck"

    Component {
        id: versionCheckComponent

        BrimforgeVersionCheck {
            platform: "linux"
        }
    }

    Component {
        id: spyComponent

        SignalSpy {}
    }

    Component {
        id: windowComponent

        AppWindow {
            visible: true
            appTitle: "Checked Tool"
            appRequired: false
            versionCheck.siteUrl: testCase.windowSite
        }
    }

    function initTestCase() {
        configureHost()
        windowSite = currentSiteUrl
    }

    function test_newerVersion_data() {
        return [
            { tag: "3.5 over 3.4.2", running: "3.4.2", versions: { "3.5": { date: "x" } }, expected: "3.5" },
            { tag: "3.4.9 and 3.4.10 over 3.4.2", running: "3.4.2", versions: { "3.4.9": {}, "3.4.10": {} }, expected: "" },
            { tag: "patch only: 3.4.9 over 3.4.1", running: "3.4.1", versions: { "3.4.9": {} }, expected: "" },
            { tag: "a new major", running: "3.9.9", versions: { "4.0": {} }, expected: "4.0" },
            { tag: "an older major with a larger minor", running: "3.4", versions: { "2.9": {} }, expected: "" },
            { tag: "the same version", running: "3.5.0", versions: { "3.5": {} }, expected: "" },
            { tag: "a major without minor", running: "3.4.2", versions: { "4": {} }, expected: "4" },
            { tag: "the first newer one in the list's order", running: "3.4.2",
              versions: { "3.4.10": {}, "4.1": { name: "four one" }, "3.6": {} }, expected: "4.1" },
            { tag: "unreadable version names", running: "3.4.2", versions: { "next": {}, "": {} }, expected: "" }
        ]
    }

    function test_newerVersion(data) {
        var result = check({ siteUrl: newSite({ linux: { versions: data.versions } }), runningVersion: data.running })
        verify(result.sent)
        compare(result.check.updateVersion, data.expected)
        compare(result.check.updateAvailable, data.expected !== "")
        compare(result.signals, data.expected !== "" ? 1 : 0)
        if (data.expected !== "") {
            compare(JSON.stringify(result.check.updateVersionInfo), JSON.stringify(data.versions[data.expected]))
            compare(JSON.stringify(result.spy.signalArguments[0][0]), JSON.stringify(data.versions[data.expected]))
        }
    }

    function test_platformKey_data() {
        return [
            { tag: "osx reads mac", platform: "osx", expected: "5.1" },
            { tag: "windows reads windows86", platform: "windows", expected: "5.2" },
            { tag: "linux reads linux", platform: "linux", expected: "5.3" },
            { tag: "unix reads linux", platform: "unix", expected: "5.3" },
            { tag: "android reads nothing", platform: "android", expected: null },
            { tag: "ios reads nothing", platform: "ios", expected: null }
        ]
    }

    function test_platformKey(data) {
        var site = newSite({
            mac: { versions: { "5.1": {} } },
            windows86: { versions: { "5.2": {} } },
            linux: { versions: { "5.3": {} } },
            windows: { versions: { "9.9": {} } }
        })
        var result = check({ siteUrl: site, runningVersion: "3.4.2", platform: data.platform })
        compare(result.sent, data.expected !== null)
        compare(result.check.updateVersion, data.expected || "")
    }

    function test_brokenList_data() {
        return [
            { tag: "not JSON", list: "{ \"secured\": ", warning: /The version list is not JSON/ },
            { tag: "no secured member", list: "{}", warning: /no versions for linux/ },
            { tag: "no list for the platform", list: JSON.stringify({ secured: { mac: { versions: { "9.0": {} } } } }),
              warning: /no versions for linux/ },
            { tag: "versions is a list", list: JSON.stringify({ secured: { linux: { versions: ["9.0"] } } }),
              warning: /no versions for linux/ },
            { tag: "no such file", list: null, warning: /No version list: 404/ }
        ]
    }

    function test_brokenList(data) {
        ++siteCount
        var site = docSiteUrl + "/site" + siteCount
        if (data.list !== null)
            writeVersionList("site" + siteCount, data.list)
        ignoreWarning(data.warning)
        var result = check({ siteUrl: site, runningVersion: "3.4.2" })
        verify(result.sent)
        compare(result.check.updateAvailable, false)
        compare(result.signals, 0)
    }

    function test_unknownRunningVersion() {
        testHost.setContextName("productVersion", "")
        ignoreWarning(/The running version is not known/)
        var result = check({ siteUrl: newSite({ linux: { versions: { "9.0": {} } } }) })
        verify(!result.sent)
        testHost.setContextName("productVersion", "3.4.2")
    }

    // The window checks at start-up against its product version (3.4.2 from
    // the host) and shows the link; a list without a newer one leaves it
    // hidden.
    function test_windowLink_data() {
        return [
            { tag: "3.5 shows the link", versions: { "3.5": {} }, shown: true },
            { tag: "3.4.9 and 3.4.10 do not", versions: { "3.4.9": {}, "3.4.10": {} }, shown: false }
        ]
    }

    function test_windowLink(data) {
        var site = newSite({ linux: { versions: data.versions }, mac: { versions: data.versions },
                             windows86: { versions: data.versions } })
        windowSite = site
        var window = createTemporaryObject(windowComponent, testCase, {})
        verify(window)
        tryCompare(window.versionCheck, "readyState", NetworkRequest.ReadyStateComplete, waitMs)
        var link = findChild(window.header, "updateLink")
        verify(link)
        compare(link.visible, data.shown)
        var title = findChild(window.header, "titleText")
        compare(title.font.pointSize, data.shown ? BrimforgeTheme.mediumFontSizePoint : BrimforgeTheme.largeFontSizePoint)
        if (data.shown)
            compare(window.versionCheck.updateLink, site + "/en/brimforge/download/")
        settleWindow(window)
    }
}
