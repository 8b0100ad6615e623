import QtQuick 2.15
import QtTest 1.2
import Varnex.Hostkit 1.0
import Varnex.Hostkit.Desktop 1.0
import Varnex.Hostkit.Networking 1.0

TestCase {
    id: testCase
    name: "Hostkit"
    when: windowShown

    property url someUrl: "https://portal.example/home"

    LocaleInfo {
        id: declaredLocale
        name: "he-IL"
    }

    SignalSpy { id: localeSpy; target: declaredLocale; signalName: "nameChanged" }
    SignalSpy { id: userAgentSpy; target: Hostkit.network; signalName: "userAgentChanged" }

    function test_uuid_data() {
        return [
            { tag: "0: braces and hyphens", format: 0, pattern: /^\{[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[0-9a-f]{4}-[0-9a-f]{12}\}$/ },
            { tag: "1: hyphens only", format: 1, pattern: /^[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[0-9a-f]{4}-[0-9a-f]{12}$/ },
            { tag: "2: hex digits only", format: 2, pattern: /^[0-9a-f]{12}4[0-9a-f]{19}$/ },
        ]
    }

    function test_uuid(data) {
        var first = Hostkit.uuid(data.format)
        verify(data.pattern.test(first), first)
        verify(first !== Hostkit.uuid(data.format), "a new identifier every time")
    }

    function test_uuidDefaultsAndUnknownFormats() {
        verify(/^\{.{36}\}$/.test(Hostkit.uuid()))
        ignoreWarning(/Hostkit::uuid\(int\) const Unknown format 3$/)
        compare(Hostkit.uuid(3), "")
    }

    function test_typeOf_data() {
        return [
            { tag: "undefined", value: undefined, expected: "undefined" },
            { tag: "null", value: null, expected: "null" },
            { tag: "number", value: 57346, expected: "number" },
            { tag: "array", value: [1, 2], expected: "array" },
            { tag: "date", value: new Date(0), expected: "date" },
            { tag: "regexp", value: /x/, expected: "regexp" },
            { tag: "object", value: { xorigin: 0.5 }, expected: "object" },
            { tag: "QML object", value: declaredLocale, expected: "object" },
            { tag: "url", value: testCase.someUrl, expected: "url" },
        ]
    }

    function test_typeOf(data) {
        compare(Hostkit.typeOf(data.value), data.expected)
    }

    function test_tavikName_data() {
        return [
            { tag: "vi", name: "vi", expectedName: "vi_VN", expected: "vi" },
            { tag: "el_GR", name: "el_GR", expectedName: "el_GR", expected: "el" },
            { tag: "ar-EG", name: "ar-EG", expectedName: "ar_EG", expected: "ar" },
            { tag: "he-IL", name: "he-IL", expectedName: "he_IL", expected: "he" },
            { tag: "de-DE", name: "de-DE", expectedName: "de_DE", expected: "de" },
            { tag: "pt-BR", name: "pt-BR", expectedName: "pt_BR", expected: "pt-BR" },
            { tag: "pt (Brazil)", name: "pt", expectedName: "pt_BR", expected: "pt-BR" },
            { tag: "pt_PT", name: "pt_PT", expectedName: "pt_PT", expected: "pt-PT" },
            { tag: "zh-Hant", name: "zh-Hant", expectedName: "zh_TW", expected: "zh-TW" },
            { tag: "zh_HK", name: "zh_HK", expectedName: "zh_HK", expected: "zh-HK" },
            { tag: "nb_NO", name: "nb_NO", expectedName: "nb_NO", expected: "nb" },
            { tag: "ga: no portal pages", name: "ga", expectedName: "ga_IE", expected: "en" },
            { tag: "unknown name", name: "xx-nowhere", expectedName: "C", expected: "en" },
        ]
    }

    function test_tavikName(data) {
        var info = Hostkit.localeInfo(data.name)
        compare(info.name, data.expectedName)
        compare(info.tavikName, data.expected)
    }

    function test_localeInfoDefaultsToTheFirstUserInterfaceLanguage() {
        var expected = Qt.locale(Qt.locale().uiLanguages[0]).name
        compare(Hostkit.localeInfo().name, expected)
        compare(Hostkit.localeInfo("").name, expected)
    }

    function test_declaredLocaleInfoFollowsItsName() {
        compare(declaredLocale.tavikName, "he")
        localeSpy.clear()
        declaredLocale.name = "pt_PT"
        compare(declaredLocale.tavikName, "pt-PT")
        declaredLocale.name = "pt-PT"
        compare(localeSpy.count, 1, "the same locale in the other spelling is no change")
        declaredLocale.name = "he-IL"
    }

    function test_displayScaleFactor() {
        // The offscreen screen reports 100 dpi: one step of 1.0, not 1.04.
        compare(Hostkit.displayScaleFactor, 1.0)
    }

    function test_descriptors() {
        // Named as QML names platforms: the callers map them to display names.
        compare(Hostkit.systemInformation.osName, Qt.platform.os)
        verify(/^5\.15\.\d+$/.test(Hostkit.qtVersion), Hostkit.qtVersion)
    }

    function test_network() {
        compare(typeof Hostkit.network.isOnline, "boolean")
        compare(Hostkit.network.userAgent, "Hostkit/" + Hostkit.version)
        userAgentSpy.clear()
        Hostkit.network.userAgent = "Hostkit/1.0.0 (Linux) Tool/2.0"
        Hostkit.network.userAgent = "Hostkit/1.0.0 (Linux) Tool/2.0"
        compare(userAgentSpy.count, 1)
        Hostkit.network.userAgent = "Hostkit/" + Hostkit.version
    }
}
