import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Varnex.Loomwright.Controls 1.0

TestCase {
    id: root

    readonly property var iconNames: [
        "brim_forge", "make_tool", "console_tool", "run_tool", "deploy_tool", "settings_tool", "edit_tool",
        "varnex_online", "virtual_device", "trash_bin", "download", "download2", "chevron", "filter",
        "duplicate", "folder", "question", "information", "refresh", "pencil", "search", "close", "warning",
        "qr_code", "caret", "plus", "sign_in", "sign_out", "checkmark", "portal", "sort_by_date",
        "sort_by_date_desc", "sort_by_date_asc", "sort_by_alpha", "sort_by_alpha_desc", "sort_by_alpha_asc",
        "banana", "sliders", "android", "apple", "usb", "chainlink", "arrow", "key", "alert", "cut", "copy",
        "paste", "wifi", "location", "camera", "audio", "microphone", "bluetooth", "external_storage",
        "file_sharing", "vibration", "local_notification", "background_location", "high_accuracy_location",
        "desktop", "tablet", "devices", "portrait", "landscape", "status_bar", "biometric_authentication",
        "beacon", "community", "quillbay", "quillbay_questions", "blog", "lightbulb", "twitter", "youtube",
        "process1", "process2", "process3", "process4"
    ]

    name: "BrimforgeTheme"
    when: windowShown

    function init() {
        BrimforgeTheme.useDarkTheme = true
    }

    function cleanup() {
        BrimforgeTheme.useDarkTheme = true
        BrimforgeTheme.platform = Qt.platform.os
        BrimforgeTheme.localeInfo.name = ""
    }

    function compareColour(actual, expected, message) {
        verify(Qt.colorEqual(actual, expected), "%1: %2 is not %3".arg(message || "").arg(actual).arg(expected))
    }

    function test_roleColours_data() {
        return [
            { tag: "primaryBackground", dark: "brimforgeGray900", light: "feldrinGray100" },
            { tag: "secondaryBackground", dark: "brimforgeGray800", light: "feldrinGray200" },
            { tag: "tertiaryBackground", dark: "brimforgeGray700", light: "feldrinGray050" },
            { tag: "floatingPanelBackground", dark: "brimforgeGray700", light: "feldrinGray050" },
            { tag: "galleryCardBackground", dark: "brimforgeGray800", light: "feldrinGray050" },
            { tag: "primaryDividerColor", dark: "brimforgeGray700", light: "feldrinGray300" },
            { tag: "secondaryDividerColor", dark: "brimforgeGray600", light: "feldrinGray300" },
            { tag: "tertiaryDividerColor", dark: "brimforgeGray600", light: "feldrinGray300" },
            { tag: "floatingPanelDividerColor", dark: "brimforgeGray600", light: "feldrinGray300" },
            { tag: "primaryForeground", dark: "brimforgeGray100", light: "brimforgeGray650" },
            { tag: "secondaryForeground", dark: "brimforgeGray100", light: "brimforgeGray650" },
            { tag: "tertiaryForeground", dark: "brimforgeGray100", light: "brimforgeGray650" },
            { tag: "primaryBorderColor", dark: "brimforgeGray300", light: "brimforgeGray200" },
            { tag: "secondaryBorderColor", dark: "brimforgeGray600", light: "brimforgeGray200" },
            { tag: "floatingPanelBorderColor", dark: "brimforgeGray600", light: "brimforgeGray200" },
            { tag: "highlightBorderColor", dark: "brimforgePurple100", light: "brandPurple200" },
            { tag: "primaryButtonBackground", dark: "brandPurple200", light: "brandPurple200" },
            { tag: "primaryButtonForeground", dark: "feldrinGray100", light: "feldrinGray100" },
            { tag: "appActionButtonHoverBackground", dark: "brimforgeGray650", light: "feldrinGray300" },
            { tag: "hyperlinkColor", dark: "brandBlue200", light: "brandBlue200" },
        ]
    }

    function test_roleColours(data) {
        BrimforgeTheme.useDarkTheme = true
        compareColour(BrimforgeTheme[data.tag], BrimforgeTheme[data.dark], "dark")
        BrimforgeTheme.useDarkTheme = false
        compareColour(BrimforgeTheme[data.tag], BrimforgeTheme[data.light], "light")
    }

    function test_baseColours_data() {
        return [
            { tag: "feldrinGray050", value: "#ffffff" }, { tag: "feldrinGray100", value: "#f8f8f8" },
            { tag: "feldrinGray200", value: "#efefef" }, { tag: "feldrinGray300", value: "#e0e0e0" },
            { tag: "feldrinGray700", value: "#323232" }, { tag: "feldrinPurple150", value: "#c4bcdc" },
            { tag: "brandPurple100", value: "#DFCCE3" }, { tag: "brandPurple200", value: "#8f499c" },
            { tag: "brandPurple250", value: "#6b1978" }, { tag: "brandBlue200", value: "#007ac2" },
            { tag: "brimforgeGray100", value: "#d1d1d1" }, { tag: "brimforgeGray200", value: "#CCCCCC" },
            { tag: "brimforgeGray300", value: "#BDBDBD" }, { tag: "brimforgeGray600", value: "#5C5C5C" },
            { tag: "brimforgeGray650", value: "#4C4C4C" }, { tag: "brimforgeGray700", value: "#404040" },
            { tag: "brimforgeGray750", value: "#3B3B3B" }, { tag: "brimforgeGray800", value: "#333333" },
            { tag: "brimforgeGray900", value: "#242424" }, { tag: "brimforgePurple100", value: "#DFA8FF" },
            { tag: "brimforgeRed1", value: "#FF6D3B" }, { tag: "brimforgeRed2", value: "#AB3C16" },
            { tag: "brimforgeRed3", value: "#8C2907" },
        ]
    }

    function test_baseColours(data) {
        compareColour(BrimforgeTheme[data.tag], data.value)
        BrimforgeTheme.useDarkTheme = false
        compareColour(BrimforgeTheme[data.tag], data.value, "the same in the light scheme")
    }

    // Rows: style, key, dark value, light value. Names are theme colours,
    // "#..." and "transparent" literal colours, numbers widths.
    function test_buttonStyles_data() {
        var grey = ["#5a5a5a", "#c7c7c7"]
        var rows = []
        function add(style, key, dark, light) {
            rows.push({ tag: style + "." + key, style: style, key: key, dark: dark,
                        light: light === undefined ? dark : light })
        }
        var transparentKeys = ["backgroundColor", "backgroundColorFocused", "backgroundColorDisabled"]
        add("filledButton", "backgroundColor", "primaryButtonBackground")
        add("filledButton", "backgroundColorFocused", "brandPurple250")
        add("filledButton", "backgroundColorDisabled", grey[0], grey[1])
        add("filledButton", "borderColor", "primaryButtonBackground")
        add("filledButton", "borderColorFocused", "brandPurple250")
        add("filledButton", "borderColorDisabled", grey[0], grey[1])
        add("filledButton", "textColor", "primaryButtonForeground")
        add("filledButton", "textColorFocused", "feldrinGray050")
        add("filledButton", "textColorDisabled", "brimforgeGray800", "feldrinGray200")
        add("filledButton", "borderWidth", 1)
        add("filledButton", "borderWidthFocused", 1)
        add("filledButton", "borderRadius", 0)

        add("dangerButton", "backgroundColor", "brimforgeRed2")
        add("dangerButton", "backgroundColorFocused", "brimforgeRed3")
        add("dangerButton", "backgroundColorDisabled", grey[0], grey[1])
        add("dangerButton", "borderColor", "brimforgeRed2")
        add("dangerButton", "borderColorFocused", "brimforgeRed3")
        add("dangerButton", "borderColorDisabled", grey[0], grey[1])
        add("dangerButton", "textColor", "feldrinGray100")
        add("dangerButton", "textColorFocused", "brimforgeGray100")
        add("dangerButton", "textColorDisabled", "brimforgeGray800", "feldrinGray200")
        add("dangerButton", "borderWidth", 1)
        add("dangerButton", "borderWidthFocused", 1)
        add("dangerButton", "borderRadius", 0)

        transparentKeys.forEach(function(key) { add("outlineButton", key, "transparent") })
        add("outlineButton", "borderColor", "brimforgeGray100", "brimforgeGray650")
        add("outlineButton", "borderColorFocused", "feldrinGray050", "feldrinGray700")
        add("outlineButton", "borderColorDisabled", grey[0], grey[1])
        add("outlineButton", "textColor", "brimforgeGray100", "brimforgeGray650")
        add("outlineButton", "textColorFocused", "feldrinGray050", "brimforgeGray650")
        add("outlineButton", "textColorDisabled", grey[0], grey[1])
        add("outlineButton", "borderWidth", 1)
        add("outlineButton", "borderWidthFocused", 2)
        add("outlineButton", "borderRadius", 0)

        ;["textButton", "hyperlinkButton"].forEach(function(style) {
            transparentKeys.concat(["borderColor", "borderColorFocused", "borderColorDisabled"]).forEach(function(key) {
                add(style, key, "transparent")
            })
            add(style, "textColorDisabled", "brimforgeGray800", "feldrinGray200")
            add(style, "borderWidth", 0)
            add(style, "borderWidthFocused", 0)
            add(style, "borderRadius", 0)
        })
        add("textButton", "textColor", "brimforgeGray100", "brimforgeGray650")
        add("textButton", "textColorFocused", "brimforgePurple100", "brandPurple200")
        add("hyperlinkButton", "textColor", "brimforgePurple100", "brandPurple200")
        add("hyperlinkButton", "textColorFocused", "brimforgeGray100", "brimforgeGray650")
        return rows
    }

    function test_buttonStyles(data) {
        function expected(value) {
            if (typeof value === "number" || value === "transparent" || value.charAt(0) === "#")
                return value
            return BrimforgeTheme[value]
        }
        var schemes = [{ dark: true, value: data.dark }, { dark: false, value: data.light }]
        for (var i = 0; i < schemes.length; ++i) {
            BrimforgeTheme.useDarkTheme = schemes[i].dark
            var style = BrimforgeTheme[data.style]
            var actual = style[data.key]
            var message = schemes[i].dark ? "dark" : "light"
            if (typeof data.dark === "number")
                compare(actual, expected(schemes[i].value), message)
            else
                compareColour(actual, expected(schemes[i].value), message)
        }
    }

    function test_buttonStylesHaveTwelveKeys_data() {
        return ["filledButton", "dangerButton", "outlineButton", "textButton", "hyperlinkButton"].map(function(style) {
            return { tag: style }
        })
    }

    function test_buttonStylesHaveTwelveKeys(data) {
        compare(Object.keys(BrimforgeTheme[data.tag]).sort(), [
            "backgroundColor", "backgroundColorDisabled", "backgroundColorFocused", "borderColor",
            "borderColorDisabled", "borderColorFocused", "borderRadius", "borderWidth", "borderWidthFocused",
            "textColor", "textColorDisabled", "textColorFocused"
        ])
    }

    function test_switchTheme() {
        var switched = signalSpy.createObject(root, { target: BrimforgeTheme, signalName: "useDarkThemeChanged" })
        compare(BrimforgeTheme.useDarkTheme, true)
        compareColour(BrimforgeTheme.primaryBackground, "#242424")
        compare(BrimforgeTheme.noAppsImage, "images/no_apps_dark.png")

        BrimforgeTheme.switchTheme()
        compare(BrimforgeTheme.useDarkTheme, false)
        compare(switched.count, 1)
        compareColour(BrimforgeTheme.primaryBackground, "#f8f8f8")
        compareColour(BrimforgeTheme.filledButton.backgroundColorDisabled, "#c7c7c7")
        compare(BrimforgeTheme.noAppsImage, "images/no_apps_light.png")
        compare(BrimforgeTheme.noSearchResultsImage, "images/no_search_results_light.png")
        compare(Hostkit.settings.boolValue("useDarkTheme", true), false, "the light scheme is stored")

        BrimforgeTheme.switchTheme()
        compare(BrimforgeTheme.useDarkTheme, true)
        compare(BrimforgeTheme.noSearchResultsImage, "images/no_search_results_dark.png")
        // The default is not stored: only what differs from it.
        compare(Hostkit.settings.value("useDarkTheme"), undefined)
        switched.destroy()
    }

    function test_settingUseDarkThemeIsStored() {
        BrimforgeTheme.useDarkTheme = false
        compare(Hostkit.settings.boolValue("useDarkTheme", true), false)
        BrimforgeTheme.useDarkTheme = true
        compare(Hostkit.settings.boolValue("useDarkTheme", true), true)
        compare(Hostkit.settings.value("useDarkTheme"), undefined, "the default is not stored")
    }

    function test_fontSizes_data() {
        return [
            { tag: "osx", platform: "osx", base: 16, xSmall: 9, small: 12.8, medium: 19.2, large: 22.4, xLarge: 28.8 },
            { tag: "windows", platform: "windows", base: 12, xSmall: 9, small: 10, medium: 14.4, large: 16.8, xLarge: 21.6 },
            { tag: "linux", platform: "linux", base: 12, xSmall: 9, small: 10, medium: 14.4, large: 16.8, xLarge: 21.6 },
        ]
    }

    function test_fontSizes(data) {
        BrimforgeTheme.platform = data.platform
        fuzzyCompare(BrimforgeTheme.baseFontSizePoint, data.base, 1e-9)
        fuzzyCompare(BrimforgeTheme.xSmallFontSizePoint, data.xSmall, 1e-9)
        fuzzyCompare(BrimforgeTheme.smallFontSizePoint, data.small, 1e-9)
        fuzzyCompare(BrimforgeTheme.mediumFontSizePoint, data.medium, 1e-9)
        fuzzyCompare(BrimforgeTheme.largeFontSizePoint, data.large, 1e-9)
        fuzzyCompare(BrimforgeTheme.xLargeFontSizePoint, data.xLarge, 1e-9)
    }

    function test_iconFontPerPlatform_data() {
        return [
            { tag: "windows", platform: "windows", useIconFont: false },
            { tag: "osx", platform: "osx", useIconFont: true },
            { tag: "linux", platform: "linux", useIconFont: true },
        ]
    }

    function test_iconFontPerPlatform(data) {
        compare(BrimforgeTheme.icon.status, FontLoader.Ready, "the icon font loads")
        BrimforgeTheme.platform = data.platform
        compare(BrimforgeTheme.useIconFont, data.useIconFont)
        compare(BrimforgeTheme.icon.brim_forge, data.useIconFont ? "\ue904" : "images/brimforge.svg")
    }

    function test_iconTable_data() {
        return [
            { tag: "brim_forge", code: 0xE904, picture: "images/brimforge.svg" },
            { tag: "sort_by_alpha", code: 0xE900, picture: "images/alpha.svg" },
            { tag: "warning", code: 0xE903, picture: "images/warning.svg" },
            { tag: "run_tool", code: 0xE906, picture: "images/player.svg" },
            { tag: "chevron", code: 0xE90A, picture: "images/chevron.svg" },
            { tag: "caret", code: 0xE90A, picture: "images/chevron.svg" },
            { tag: "usb", code: 0xE916, picture: "images/linked.svg" },
            { tag: "chainlink", code: 0xE916, picture: "images/linked.svg" },
            { tag: "portrait", code: 0xE93B, picture: "images/phone.svg" },
            { tag: "audio", code: 0xEA26, picture: "images/audio.svg" },
            { tag: "microphone", code: 0xF130, picture: "images/microphone.svg" },
            { tag: "bluetooth", code: 0xF293, picture: "images/bluetooth.svg" },
        ]
    }

    function test_iconTable(data) {
        BrimforgeTheme.platform = "linux"
        compare(BrimforgeTheme.icon[data.tag], String.fromCodePoint(data.code))
        compare(BrimforgeTheme.icon.getIconByName(data.tag), String.fromCodePoint(data.code))
        BrimforgeTheme.platform = "windows"
        compare(BrimforgeTheme.icon[data.tag], data.picture)
        compare(BrimforgeTheme.icon.getIconByName(data.tag), data.picture)
    }

    // Every entry has a character of the private use area and a picture
    // that exists; entries that differ use different characters.
    function test_iconTableComplete() {
        compare(iconNames.length, 79)
        var byCharacter = {}
        for (var i = 0; i < iconNames.length; ++i) {
            var name = iconNames[i]
            BrimforgeTheme.platform = "linux"
            var character = BrimforgeTheme.icon[name]
            compare(BrimforgeTheme.icon.getIconByName(name), character, name)
            compare(character.length, 1, name)
            verify(character.charCodeAt(0) >= 0xE000 && character.charCodeAt(0) <= 0xF8FF, name)
            BrimforgeTheme.platform = "windows"
            var picture = BrimforgeTheme.icon[name]
            verify(/^images\/[a-z0-9_]+\.svg$/.test(picture), name + ": " + picture)
            verify(Hostkit.fileInfo("qrc:/imports/Varnex/Loomwright/Controls/" + picture).exists, picture)
            var key = character + picture
            byCharacter[character] = (byCharacter[character] || []).concat([key])
        }
        for (var c in byCharacter) {
            var distinct = byCharacter[c].filter(function(value, index, all) { return all.indexOf(value) === index })
            compare(distinct.length, 1, "one character, one picture")
        }
        compare(BrimforgeTheme.icon.getIconByName("no_such_icon"), "")
        compare(BrimforgeTheme.icon.getIconByName("source"), "", "not a member of the loader")
    }

    function test_iconFontFamily() {
        compare(BrimforgeTheme.icon.status, FontLoader.Ready)
        compare(BrimforgeTheme.iconFont, BrimforgeTheme.icon.name)
        verify(BrimforgeTheme.iconFont !== "Brimforge-16px")
    }

    function test_textFamilies_data() {
        return [
            { tag: "en", locale: "en-US", useDefaultFont: false },
            { tag: "de", locale: "de-DE", useDefaultFont: false },
            { tag: "vi", locale: "vi", useDefaultFont: true },
            { tag: "vi_VN", locale: "vi_VN", useDefaultFont: true },
            { tag: "el", locale: "el-GR", useDefaultFont: true },
        ]
    }

    function test_textFamilies(data) {
        BrimforgeTheme.localeInfo.name = data.locale
        compare(BrimforgeTheme.useDefaultFont, data.useDefaultFont)
        var family = data.useDefaultFont ? Qt.application.font.family : "Avenir Next LT Pro"
        compare(BrimforgeTheme.defaultFontFamily, family)
        var styles = ["avenir", "avenirItalic", "avenirLight", "avenirLightItalic", "avenirDemi",
                      "avenirDemiItalic", "avenirBold", "avenirBoldId"]
        for (var i = 0; i < styles.length; ++i)
            compare(BrimforgeTheme[styles[i]], family, styles[i])
    }

    function test_rightToLeft_data() {
        return [
            { tag: "ar", locale: "ar", rtl: true },
            { tag: "ar-EG", locale: "ar-EG", rtl: true },
            { tag: "he", locale: "he", rtl: true },
            { tag: "he-IL", locale: "he-IL", rtl: true },
            { tag: "en", locale: "en", rtl: false },
            { tag: "fa", locale: "fa", rtl: false },
            { tag: "de", locale: "de", rtl: false },
        ]
    }

    function test_rightToLeft(data) {
        BrimforgeTheme.localeInfo.name = data.locale
        compare(BrimforgeTheme.rtl, data.rtl)
    }

    function test_defaultGlyphSet() {
        verify(BrimforgeTheme.defaultGlyphSet !== null)
        compare(String(BrimforgeTheme.defaultGlyphSet.source), "qrc:/imports/Feldrin/fonts/feldrin-ui-icons-24.ttf")
        compare(BrimforgeTheme.defaultGlyphSet.glyphChar("no-such-glyph"), "?")
        verify(BrimforgeTheme.defaultGlyphSet.glyphChar("sign-in") !== "?")
    }

    function test_images() {
        compare(BrimforgeTheme.defaultUserImage, "images/no_user.png")
        var pictures = [BrimforgeTheme.defaultUserImage, BrimforgeTheme.noAppsImage, BrimforgeTheme.noSearchResultsImage]
        BrimforgeTheme.useDarkTheme = false
        pictures.push(BrimforgeTheme.noAppsImage, BrimforgeTheme.noSearchResultsImage)
        for (var i = 0; i < pictures.length; ++i)
            verify(Hostkit.fileInfo("qrc:/imports/Varnex/Loomwright/Controls/" + pictures[i]).exists, pictures[i])
    }

    Component {
        id: signalSpy

        SignalSpy {}
    }
}
