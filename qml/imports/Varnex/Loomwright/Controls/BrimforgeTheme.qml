pragma Singleton

import QtQuick 2.15
import Varnex.Hostkit 1.0

import "qrc:/imports/Feldrin"

// The one place where the suite's look is decided: every control of this
// module reads its colours, fonts, sizes, button styles and icons from here,
// so that a scheme switch reaches all of them at once.
QtObject {
    id: root

    // Switches

    property bool useDarkTheme: Hostkit.settings.boolValue("useDarkTheme", true)
    // What the platform-dependent values follow. Tests set it to check the
    // values of other platforms.
    property string platform: Qt.platform.os
    property bool useIconFont: platform !== "windows"
    property var localeInfo: Hostkit.localeInfo()
    readonly property string languageCode: {
        var code = localeInfo && localeInfo.tavikName ? String(localeInfo.tavikName) : ""
        return code.split(/[-_]/)[0].toLowerCase()
    }
    readonly property bool useDefaultFont: languageCode === "vi" || languageCode === "el"
    readonly property string defaultFontFamily: useDefaultFont ? Qt.application.font.family : "Avenir Next LT Pro"
    readonly property bool rtl: languageCode === "ar" || languageCode === "he"
    readonly property GlyphSet defaultGlyphSet: Feldrin.uiIcons

    // Font families

    readonly property string iconFont: icon.status === FontLoader.Ready ? icon.name : "Brimforge-16px"
    readonly property string avenir: textFamily(avenirLoader)
    readonly property string avenirItalic: textFamily(avenirItalicLoader)
    readonly property string avenirLight: textFamily(avenirLightLoader)
    readonly property string avenirLightItalic: textFamily(avenirLightItalicLoader)
    readonly property string avenirDemi: textFamily(avenirDemiLoader)
    readonly property string avenirDemiItalic: textFamily(avenirDemiItalicLoader)
    readonly property string avenirBold: textFamily(avenirBoldLoader)
    readonly property string avenirBoldId: textFamily(avenirBoldItalicLoader)

    // Font sizes, in points

    readonly property real baseFontSizePoint: platform === "osx" ? 16 : 12
    readonly property real xSmallFontSizePoint: 9
    readonly property real smallFontSizePoint: Math.max(baseFontSizePoint * 0.8, 10)
    readonly property real mediumFontSizePoint: baseFontSizePoint * 1.2
    readonly property real largeFontSizePoint: baseFontSizePoint * 1.4
    readonly property real xLargeFontSizePoint: baseFontSizePoint * 1.8

    // Base colours

    readonly property color feldrinGray050: "#ffffff"
    readonly property color feldrinGray100: "#f8f8f8"
    readonly property color feldrinGray200: "#efefef"
    readonly property color feldrinGray300: "#e0e0e0"
    readonly property color feldrinGray700: "#323232"
    readonly property color feldrinPurple150: "#c4bcdc"
    readonly property color brandPurple100: "#DFCCE3"
    readonly property color brandPurple200: "#8f499c"
    readonly property color brandPurple250: "#6b1978"
    readonly property color brandBlue200: "#007ac2"
    readonly property color brimforgeGray100: "#d1d1d1"
    readonly property color brimforgeGray200: "#CCCCCC"
    readonly property color brimforgeGray300: "#BDBDBD"
    readonly property color brimforgeGray600: "#5C5C5C"
    readonly property color brimforgeGray650: "#4C4C4C"
    readonly property color brimforgeGray700: "#404040"
    readonly property color brimforgeGray750: "#3B3B3B"
    readonly property color brimforgeGray800: "#333333"
    readonly property color brimforgeGray900: "#242424"
    readonly property color brimforgePurple100: "#DFA8FF"
    readonly property color brimforgeRed1: "#FF6D3B"
    readonly property color brimforgeRed2: "#AB3C16"
    readonly property color brimforgeRed3: "#8C2907"

    // Role colours, dark scheme / light scheme

    readonly property color primaryBackground: useDarkTheme ? brimforgeGray900 : feldrinGray100
    readonly property color secondaryBackground: useDarkTheme ? brimforgeGray800 : feldrinGray200
    readonly property color tertiaryBackground: useDarkTheme ? brimforgeGray700 : feldrinGray050
    readonly property color floatingPanelBackground: useDarkTheme ? brimforgeGray700 : feldrinGray050
    readonly property color galleryCardBackground: useDarkTheme ? secondaryBackground : tertiaryBackground
    readonly property color primaryDividerColor: useDarkTheme ? brimforgeGray700 : feldrinGray300
    readonly property color secondaryDividerColor: useDarkTheme ? brimforgeGray600 : feldrinGray300
    readonly property color tertiaryDividerColor: useDarkTheme ? brimforgeGray600 : feldrinGray300
    readonly property color floatingPanelDividerColor: useDarkTheme ? brimforgeGray600 : feldrinGray300
    readonly property color primaryForeground: useDarkTheme ? brimforgeGray100 : brimforgeGray650
    readonly property color secondaryForeground: useDarkTheme ? brimforgeGray100 : brimforgeGray650
    readonly property color tertiaryForeground: useDarkTheme ? brimforgeGray100 : brimforgeGray650
    readonly property color primaryBorderColor: useDarkTheme ? brimforgeGray300 : brimforgeGray200
    readonly property color secondaryBorderColor: useDarkTheme ? brimforgeGray600 : brimforgeGray200
    readonly property color floatingPanelBorderColor: useDarkTheme ? brimforgeGray600 : brimforgeGray200
    readonly property color highlightBorderColor: useDarkTheme ? brimforgePurple100 : brandPurple200
    readonly property color primaryButtonBackground: brandPurple200
    readonly property color primaryButtonForeground: feldrinGray100
    readonly property color appActionButtonHoverBackground: useDarkTheme ? brimforgeGray650 : feldrinGray300
    readonly property color hyperlinkColor: brandBlue200

    // Button styles: MaterialButton paints itself from one of these maps.

    readonly property color disabledButtonGrey: useDarkTheme ? "#5a5a5a" : "#c7c7c7"

    readonly property var filledButton: ({
        backgroundColor: primaryButtonBackground,
        backgroundColorFocused: brandPurple250,
        backgroundColorDisabled: disabledButtonGrey,
        borderColor: primaryButtonBackground,
        borderColorFocused: brandPurple250,
        borderColorDisabled: disabledButtonGrey,
        textColor: primaryButtonForeground,
        textColorFocused: feldrinGray050,
        textColorDisabled: secondaryBackground,
        borderWidth: 1,
        borderWidthFocused: 1,
        borderRadius: 0
    })

    readonly property var dangerButton: ({
        backgroundColor: brimforgeRed2,
        backgroundColorFocused: brimforgeRed3,
        backgroundColorDisabled: disabledButtonGrey,
        borderColor: brimforgeRed2,
        borderColorFocused: brimforgeRed3,
        borderColorDisabled: disabledButtonGrey,
        textColor: feldrinGray100,
        textColorFocused: brimforgeGray100,
        textColorDisabled: secondaryBackground,
        borderWidth: 1,
        borderWidthFocused: 1,
        borderRadius: 0
    })

    readonly property var outlineButton: ({
        backgroundColor: "transparent",
        backgroundColorFocused: "transparent",
        backgroundColorDisabled: "transparent",
        borderColor: useDarkTheme ? brimforgeGray100 : brimforgeGray650,
        borderColorFocused: useDarkTheme ? feldrinGray050 : feldrinGray700,
        borderColorDisabled: disabledButtonGrey,
        textColor: useDarkTheme ? brimforgeGray100 : brimforgeGray650,
        textColorFocused: useDarkTheme ? feldrinGray050 : brimforgeGray650,
        textColorDisabled: disabledButtonGrey,
        borderWidth: 1,
        borderWidthFocused: 2,
        borderRadius: 0
    })

    readonly property var textButton: ({
        backgroundColor: "transparent",
        backgroundColorFocused: "transparent",
        backgroundColorDisabled: "transparent",
        borderColor: "transparent",
        borderColorFocused: "transparent",
        borderColorDisabled: "transparent",
        textColor: useDarkTheme ? brimforgeGray100 : brimforgeGray650,
        textColorFocused: useDarkTheme ? brimforgePurple100 : brandPurple200,
        textColorDisabled: secondaryBackground,
        borderWidth: 0,
        borderWidthFocused: 0,
        borderRadius: 0
    })

    readonly property var hyperlinkButton: ({
        backgroundColor: "transparent",
        backgroundColorFocused: "transparent",
        backgroundColorDisabled: "transparent",
        borderColor: "transparent",
        borderColorFocused: "transparent",
        borderColorDisabled: "transparent",
        textColor: useDarkTheme ? brimforgePurple100 : brandPurple200,
        textColorFocused: useDarkTheme ? brimforgeGray100 : brimforgeGray650,
        textColorDisabled: secondaryBackground,
        borderWidth: 0,
        borderWidthFocused: 0,
        borderRadius: 0
    })

    // Images

    readonly property string defaultUserImage: "images/no_user.png"
    readonly property string noAppsImage: useDarkTheme ? "images/no_apps_dark.png" : "images/no_apps_light.png"
    readonly property string noSearchResultsImage: useDarkTheme ? "images/no_search_results_dark.png"
                                                                : "images/no_search_results_light.png"

    // The suite's icon font. While it is in use an entry is one character of
    // the font, otherwise the path of the picture that stands in for it.
    readonly property FontLoader icon: FontLoader {
        // Entry name: code point in the icon font, picture in images/.
        readonly property var iconTable: ({
            brim_forge: [0xE904, "images/brimforge.svg"],
            make_tool: [0xE901, "images/make.svg"],
            console_tool: [0xE902, "images/console.svg"],
            run_tool: [0xE906, "images/player.svg"],
            deploy_tool: [0xE905, "images/deploy.svg"],
            settings_tool: [0xE907, "images/cog.svg"],
            edit_tool: [0xE908, "images/code.svg"],
            varnex_online: [0xE909, "images/varnex_online.svg"],
            virtual_device: [0xE90B, "images/device.svg"],
            trash_bin: [0xE90C, "images/trash.svg"],
            download: [0xE90D, "images/download.svg"],
            download2: [0xE90E, "images/download2.svg"],
            chevron: [0xE90A, "images/chevron.svg"],
            filter: [0xE90F, "images/filter.svg"],
            duplicate: [0xE910, "images/duplicate.svg"],
            folder: [0xE911, "images/folder.svg"],
            question: [0xE912, "images/question.svg"],
            information: [0xE913, "images/information.svg"],
            refresh: [0xE914, "images/refresh.svg"],
            pencil: [0xE915, "images/edit.svg"],
            search: [0xE917, "images/search.svg"],
            close: [0xE918, "images/close.svg"],
            warning: [0xE903, "images/warning.svg"],
            qr_code: [0xE919, "images/qr_code.svg"],
            caret: [0xE90A, "images/chevron.svg"],
            plus: [0xE91A, "images/plus.svg"],
            sign_in: [0xE91B, "images/sign_in.svg"],
            sign_out: [0xE91C, "images/sign_out.svg"],
            checkmark: [0xE91D, "images/checkmark.svg"],
            portal: [0xE91E, "images/portal.svg"],
            sort_by_date: [0xE91F, "images/date.svg"],
            sort_by_date_desc: [0xE920, "images/date_desc.svg"],
            sort_by_date_asc: [0xE921, "images/date_asc.svg"],
            sort_by_alpha: [0xE900, "images/alpha.svg"],
            sort_by_alpha_desc: [0xE922, "images/alpha_desc.svg"],
            sort_by_alpha_asc: [0xE923, "images/alpha_asc.svg"],
            banana: [0xE924, "images/banana.svg"],
            sliders: [0xE925, "images/sliders.svg"],
            android: [0xE926, "images/android.svg"],
            apple: [0xE927, "images/apple.svg"],
            usb: [0xE916, "images/linked.svg"],
            chainlink: [0xE916, "images/linked.svg"],
            arrow: [0xE928, "images/arrow.svg"],
            key: [0xE929, "images/key.svg"],
            alert: [0xE92A, "images/alert.svg"],
            cut: [0xE92B, "images/cut.svg"],
            copy: [0xE92C, "images/copy.svg"],
            paste: [0xE92D, "images/paste.svg"],
            wifi: [0xE92E, "images/network.svg"],
            location: [0xE92F, "images/location.svg"],
            camera: [0xE930, "images/camera.svg"],
            audio: [0xEA26, "images/audio.svg"],
            microphone: [0xF130, "images/microphone.svg"],
            bluetooth: [0xF293, "images/bluetooth.svg"],
            external_storage: [0xE931, "images/storage.svg"],
            file_sharing: [0xE932, "images/file_sharing.svg"],
            vibration: [0xE933, "images/vibration.svg"],
            local_notification: [0xE934, "images/notification.svg"],
            background_location: [0xE935, "images/background_location.svg"],
            high_accuracy_location: [0xE936, "images/high_accuracy_location.svg"],
            desktop: [0xE937, "images/desktop.svg"],
            tablet: [0xE938, "images/tablet.svg"],
            devices: [0xE939, "images/devices.svg"],
            portrait: [0xE93B, "images/phone.svg"],
            landscape: [0xE93A, "images/landscape.svg"],
            status_bar: [0xE93C, "images/status_bar.svg"],
            biometric_authentication: [0xE93D, "images/fingerprint.svg"],
            beacon: [0xE93E, "images/beacon.svg"],
            community: [0xE93F, "images/community.svg"],
            quillbay: [0xE940, "images/quillbay.svg"],
            quillbay_questions: [0xE941, "images/quillbay_questions.svg"],
            blog: [0xE942, "images/blog.svg"],
            lightbulb: [0xE943, "images/lightbulb.svg"],
            twitter: [0xE944, "images/twitter.svg"],
            youtube: [0xE945, "images/youtube.svg"],
            process1: [0xE946, "images/process1.svg"],
            process2: [0xE947, "images/process2.svg"],
            process3: [0xE948, "images/process3.svg"],
            process4: [0xE949, "images/process4.svg"]
        })

        readonly property string brim_forge: pick(iconTable.brim_forge)
        readonly property string make_tool: pick(iconTable.make_tool)
        readonly property string console_tool: pick(iconTable.console_tool)
        readonly property string run_tool: pick(iconTable.run_tool)
        readonly property string deploy_tool: pick(iconTable.deploy_tool)
        readonly property string settings_tool: pick(iconTable.settings_tool)
        readonly property string edit_tool: pick(iconTable.edit_tool)
        readonly property string varnex_online: pick(iconTable.varnex_online)
        readonly property string virtual_device: pick(iconTable.virtual_device)
        readonly property string trash_bin: pick(iconTable.trash_bin)
        readonly property string download: pick(iconTable.download)
        readonly property string download2: pick(iconTable.download2)
        readonly property string chevron: pick(iconTable.chevron)
        readonly property string filter: pick(iconTable.filter)
        readonly property string duplicate: pick(iconTable.duplicate)
        readonly property string folder: pick(iconTable.folder)
        readonly property string question: pick(iconTable.question)
        readonly property string information: pick(iconTable.information)
        readonly property string refresh: pick(iconTable.refresh)
        readonly property string pencil: pick(iconTable.pencil)
        readonly property string search: pick(iconTable.search)
        readonly property string close: pick(iconTable.close)
        readonly property string warning: pick(iconTable.warning)
        readonly property string qr_code: pick(iconTable.qr_code)
        readonly property string caret: pick(iconTable.caret)
        readonly property string plus: pick(iconTable.plus)
        readonly property string sign_in: pick(iconTable.sign_in)
        readonly property string sign_out: pick(iconTable.sign_out)
        readonly property string checkmark: pick(iconTable.checkmark)
        readonly property string portal: pick(iconTable.portal)
        readonly property string sort_by_date: pick(iconTable.sort_by_date)
        readonly property string sort_by_date_desc: pick(iconTable.sort_by_date_desc)
        readonly property string sort_by_date_asc: pick(iconTable.sort_by_date_asc)
        readonly property string sort_by_alpha: pick(iconTable.sort_by_alpha)
        readonly property string sort_by_alpha_desc: pick(iconTable.sort_by_alpha_desc)
        readonly property string sort_by_alpha_asc: pick(iconTable.sort_by_alpha_asc)
        readonly property string banana: pick(iconTable.banana)
        readonly property string sliders: pick(iconTable.sliders)
        readonly property string android: pick(iconTable.android)
        readonly property string apple: pick(iconTable.apple)
        readonly property string usb: pick(iconTable.usb)
        readonly property string chainlink: pick(iconTable.chainlink)
        readonly property string arrow: pick(iconTable.arrow)
        readonly property string key: pick(iconTable.key)
        readonly property string alert: pick(iconTable.alert)
        readonly property string cut: pick(iconTable.cut)
        readonly property string copy: pick(iconTable.copy)
        readonly property string paste: pick(iconTable.paste)
        readonly property string wifi: pick(iconTable.wifi)
        readonly property string location: pick(iconTable.location)
        readonly property string camera: pick(iconTable.camera)
        readonly property string audio: pick(iconTable.audio)
        readonly property string microphone: pick(iconTable.microphone)
        readonly property string bluetooth: pick(iconTable.bluetooth)
        readonly property string external_storage: pick(iconTable.external_storage)
        readonly property string file_sharing: pick(iconTable.file_sharing)
        readonly property string vibration: pick(iconTable.vibration)
        readonly property string local_notification: pick(iconTable.local_notification)
        readonly property string background_location: pick(iconTable.background_location)
        readonly property string high_accuracy_location: pick(iconTable.high_accuracy_location)
        readonly property string desktop: pick(iconTable.desktop)
        readonly property string tablet: pick(iconTable.tablet)
        readonly property string devices: pick(iconTable.devices)
        readonly property string portrait: pick(iconTable.portrait)
        readonly property string landscape: pick(iconTable.landscape)
        readonly property string status_bar: pick(iconTable.status_bar)
        readonly property string biometric_authentication: pick(iconTable.biometric_authentication)
        readonly property string beacon: pick(iconTable.beacon)
        readonly property string community: pick(iconTable.community)
        readonly property string quillbay: pick(iconTable.quillbay)
        readonly property string quillbay_questions: pick(iconTable.quillbay_questions)
        readonly property string blog: pick(iconTable.blog)
        readonly property string lightbulb: pick(iconTable.lightbulb)
        readonly property string twitter: pick(iconTable.twitter)
        readonly property string youtube: pick(iconTable.youtube)
        readonly property string process1: pick(iconTable.process1)
        readonly property string process2: pick(iconTable.process2)
        readonly property string process3: pick(iconTable.process3)
        readonly property string process4: pick(iconTable.process4)

        function getIconByName(name) {
            return Object.prototype.hasOwnProperty.call(iconTable, name) ? pick(iconTable[name]) : ""
        }

        function pick(entry) {
            return root.useIconFont ? String.fromCodePoint(entry[0]) : entry[1]
        }

        source: "fonts/Brimforge.ttf"
        onStatusChanged: {
            // The pictures stand in for the rest of the run.
            if (status === FontLoader.Error)
                root.useIconFont = false
        }
    }

    // The eight styles of the text family, one file each.
    readonly property FontLoader avenirLoader: FontLoader { source: "fonts/AvenirNextLTPro-Regular.ttf" }
    readonly property FontLoader avenirItalicLoader: FontLoader { source: "fonts/AvenirNextLTPro-It.ttf" }
    readonly property FontLoader avenirLightLoader: FontLoader { source: "fonts/AvenirNextLTPro-Light.ttf" }
    readonly property FontLoader avenirLightItalicLoader: FontLoader { source: "fonts/AvenirNextLTPro-LightIt.ttf" }
    readonly property FontLoader avenirDemiLoader: FontLoader { source: "fonts/AvenirNextLTPro-Demi.ttf" }
    readonly property FontLoader avenirDemiItalicLoader: FontLoader { source: "fonts/AvenirNextLTPro-DemiIt.ttf" }
    readonly property FontLoader avenirBoldLoader: FontLoader { source: "fonts/AvenirNextLTPro-Bold.ttf" }
    readonly property FontLoader avenirBoldItalicLoader: FontLoader { source: "fonts/AvenirNextLTPro-BoldIt.ttf" }

    signal switchTheme()

    function textFamily(loader) {
        return !useDefaultFont && loader.status === FontLoader.Ready ? loader.name : defaultFontFamily
    }

    onSwitchTheme: useDarkTheme = !useDarkTheme
    onUseDarkThemeChanged: Hostkit.settings.setValue("useDarkTheme", useDarkTheme, true)
}
