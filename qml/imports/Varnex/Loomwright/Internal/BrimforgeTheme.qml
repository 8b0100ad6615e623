pragma Singleton

import QtQuick 2.15
import Varnex.Hostkit 1.0

import "qrc:/imports/Feldrin"
import "palette.js" as Palette

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
    // The banner title of the older tools' dialogs, the same on every platform.
    readonly property real bannerTitleFontSizePoint: 22

    // Sizes
    //
    // The controls measure in units: pixels at a display scale factor of 1.
    // Every token below is its unit count times the host's scale factor,
    // multiplied here and nowhere else, so that a control writes
    // `padding: BrimforgeTheme.mediumSpacing`, never a number of pixels.
    //
    //   gridUnit          4 units, the grid. A size that no scale below
    //                     names is a whole multiple of it: a dialog 480
    //                     units wide is `gridUnit * 120`.
    //   ...Spacing        gaps, paddings and margins: xxSmall 2, xSmall 4,
    //                     small 6, medium 8, large 10, xLarge 12, xxLarge 16.
    //   ...BorderWidth    thin 1 (outlines, dividers), medium 2 (the outline
    //                     of a focused control), thick 3 (bars that mark the
    //                     current tab or the scroll position).
    //   ...Radius         corners: small 2, medium 4.
    //   ...IconSize       glyphs and pictures: small 16, medium 20, large 24.
    //   indicatorSize     18, the box of a check box or radio button and a
    //                     validity mark.
    //   ...ControlHeight  xSmall 28 (square tool buttons), small 32 (entries
    //                     of menus and lists), medium 36 (fields, drop-downs,
    //                     buttons), large 40 (tabs, action buttons).
    //   ...ControlWidth   default widths: small 64 (the narrowest button),
    //                     medium 160 (drop-downs, side tabs), large 200
    //                     (fields, text areas, progress bars).
    //   bannerHeight, dialogTitlePadding, glowRadius, progressBarHeight,
    //   thinProgressBarHeight, qrCodeSize
    //                     one-off sizes off the grid, named for their use.
    //
    // scaled(units) turns a size that a caller hands over in units, through
    // a public property such as BrimforgeIcon.iconImageSize, into pixels.
    // Sizes of the controls themselves use the tokens.

    // The host's display scale factor. Tests set it to see the sizes at
    // other factors.
    property real scaleFactor: Hostkit.displayScaleFactor

    readonly property real gridUnit: 4 * scaleFactor

    readonly property real xxSmallSpacing: 2 * scaleFactor
    readonly property real xSmallSpacing: 4 * scaleFactor
    readonly property real smallSpacing: 6 * scaleFactor
    readonly property real mediumSpacing: 8 * scaleFactor
    readonly property real largeSpacing: 10 * scaleFactor
    readonly property real xLargeSpacing: 12 * scaleFactor
    readonly property real xxLargeSpacing: 16 * scaleFactor

    readonly property real thinBorderWidth: 1 * scaleFactor
    readonly property real mediumBorderWidth: 2 * scaleFactor
    readonly property real thickBorderWidth: 3 * scaleFactor

    readonly property real smallRadius: 2 * scaleFactor
    readonly property real mediumRadius: 4 * scaleFactor

    readonly property real smallIconSize: 16 * scaleFactor
    readonly property real mediumIconSize: 20 * scaleFactor
    readonly property real largeIconSize: 24 * scaleFactor
    readonly property real indicatorSize: 18 * scaleFactor

    readonly property real xSmallControlHeight: 28 * scaleFactor
    readonly property real smallControlHeight: 32 * scaleFactor
    readonly property real mediumControlHeight: 36 * scaleFactor
    readonly property real largeControlHeight: 40 * scaleFactor
    readonly property real smallControlWidth: 64 * scaleFactor
    readonly property real mediumControlWidth: 160 * scaleFactor
    readonly property real largeControlWidth: 200 * scaleFactor

    // A status banner's least height.
    readonly property real bannerHeight: 50 * scaleFactor
    // Above and below a dialog's title.
    readonly property real dialogTitlePadding: 14 * scaleFactor
    // How far the glow of a hovered picture button reaches.
    readonly property real glowRadius: 6 * scaleFactor
    readonly property real progressBarHeight: 6 * scaleFactor
    // The bar that shows a page loading, at the top of what it loads into.
    readonly property real thinProgressBarHeight: 5 * scaleFactor
    // A QR code's side when nothing else sets it.
    readonly property real qrCodeSize: 150 * scaleFactor

    // Colours, all from the one table of palette.js: the named colours,
    // the roles that the controls paint with (dark scheme / light scheme)
    // and the button styles.

    readonly property var colorScheme: Palette.scheme(useDarkTheme, FeldrinColors)

    readonly property color feldrinGray050: colorScheme.feldrinGray050
    readonly property color feldrinGray100: colorScheme.feldrinGray100
    readonly property color feldrinGray200: colorScheme.feldrinGray200
    readonly property color feldrinGray300: colorScheme.feldrinGray300
    readonly property color feldrinGray700: colorScheme.feldrinGray700
    readonly property color feldrinPurple150: colorScheme.feldrinPurple150
    readonly property color brandPurple100: colorScheme.brandPurple100
    readonly property color brandPurple200: colorScheme.brandPurple200
    readonly property color brandPurple250: colorScheme.brandPurple250
    readonly property color brandBlue200: colorScheme.brandBlue200
    readonly property color brimforgeGray100: colorScheme.brimforgeGray100
    readonly property color brimforgeGray200: colorScheme.brimforgeGray200
    readonly property color brimforgeGray300: colorScheme.brimforgeGray300
    readonly property color brimforgeGray600: colorScheme.brimforgeGray600
    readonly property color brimforgeGray650: colorScheme.brimforgeGray650
    readonly property color brimforgeGray700: colorScheme.brimforgeGray700
    readonly property color brimforgeGray750: colorScheme.brimforgeGray750
    readonly property color brimforgeGray800: colorScheme.brimforgeGray800
    readonly property color brimforgeGray900: colorScheme.brimforgeGray900
    readonly property color brimforgePurple100: colorScheme.brimforgePurple100
    readonly property color brimforgeRed1: colorScheme.brimforgeRed1
    readonly property color brimforgeRed2: colorScheme.brimforgeRed2
    readonly property color brimforgeRed3: colorScheme.brimforgeRed3

    readonly property color primaryBackground: colorScheme.primaryBackground
    readonly property color secondaryBackground: colorScheme.secondaryBackground
    readonly property color tertiaryBackground: colorScheme.tertiaryBackground
    readonly property color floatingPanelBackground: colorScheme.floatingPanelBackground
    readonly property color galleryCardBackground: colorScheme.galleryCardBackground
    readonly property color primaryDividerColor: colorScheme.primaryDividerColor
    readonly property color secondaryDividerColor: colorScheme.secondaryDividerColor
    readonly property color tertiaryDividerColor: colorScheme.tertiaryDividerColor
    readonly property color floatingPanelDividerColor: colorScheme.floatingPanelDividerColor
    readonly property color primaryForeground: colorScheme.primaryForeground
    readonly property color secondaryForeground: colorScheme.secondaryForeground
    readonly property color tertiaryForeground: colorScheme.tertiaryForeground
    readonly property color primaryBorderColor: colorScheme.primaryBorderColor
    readonly property color secondaryBorderColor: colorScheme.secondaryBorderColor
    readonly property color floatingPanelBorderColor: colorScheme.floatingPanelBorderColor
    readonly property color highlightBorderColor: colorScheme.highlightBorderColor
    readonly property color primaryButtonBackground: colorScheme.primaryButtonBackground
    readonly property color primaryButtonForeground: colorScheme.primaryButtonForeground
    readonly property color appActionButtonHoverBackground: colorScheme.appActionButtonHoverBackground
    readonly property color hyperlinkColor: colorScheme.hyperlinkColor
    readonly property color disabledButtonGrey: colorScheme.disabledButtonGrey
    readonly property color successColor: colorScheme.successColor
    readonly property color errorColor: colorScheme.errorColor
    readonly property color successBackground: colorScheme.successBackground
    readonly property color successBorderColor: colorScheme.successBorderColor
    readonly property color successForeground: colorScheme.successForeground
    readonly property color infoBackground: colorScheme.infoBackground
    readonly property color infoBorderColor: colorScheme.infoBorderColor
    readonly property color infoForeground: colorScheme.infoForeground
    readonly property color warningBackground: colorScheme.warningBackground
    readonly property color warningBorderColor: colorScheme.warningBorderColor
    readonly property color warningForeground: colorScheme.warningForeground
    readonly property color errorBackground: colorScheme.errorBackground
    readonly property color errorBorderColor: colorScheme.errorBorderColor
    readonly property color errorForeground: colorScheme.errorForeground
    readonly property color modalOverlayColor: colorScheme.modalOverlayColor
    readonly property color activityOverlayColor: colorScheme.activityOverlayColor
    readonly property color elevationShadowColor: colorScheme.elevationShadowColor
    readonly property color qrCodeForeground: colorScheme.qrCodeForeground
    readonly property color qrCodeBackground: colorScheme.qrCodeBackground

    // Button styles: MaterialButton paints itself from one of these maps.
    readonly property var filledButton: colorScheme.filledButton
    readonly property var dangerButton: colorScheme.dangerButton
    readonly property var outlineButton: colorScheme.outlineButton
    readonly property var textButton: colorScheme.textButton
    readonly property var hyperlinkButton: colorScheme.hyperlinkButton

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

    function switchTheme() {
        useDarkTheme = !useDarkTheme
    }

    function scaled(units) {
        return units * scaleFactor
    }

    function textFamily(loader) {
        return !useDefaultFont && loader.status === FontLoader.Ready ? loader.name : defaultFontFamily
    }

    onUseDarkThemeChanged: Hostkit.settings.setValue("useDarkTheme", useDarkTheme, true)
}
