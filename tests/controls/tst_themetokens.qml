import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Varnex.Loomwright.Controls 1.0
import Feldrin 1.0

// The theme's size tokens are units at the host's scale factor, and the
// controls size and colour themselves from the theme alone.
Item {
    id: window

    width: 600
    height: 400

    TestCase {
        id: root

        // Each token's size in units.
        readonly property var units: ({
            gridUnit: 4,
            xxSmallSpacing: 2, xSmallSpacing: 4, smallSpacing: 6, mediumSpacing: 8,
            largeSpacing: 10, xLargeSpacing: 12, xxLargeSpacing: 16,
            thinBorderWidth: 1, mediumBorderWidth: 2, thickBorderWidth: 3,
            smallRadius: 2, mediumRadius: 4,
            smallIconSize: 16, mediumIconSize: 20, largeIconSize: 24, indicatorSize: 18,
            xSmallControlHeight: 28, smallControlHeight: 32, mediumControlHeight: 36, largeControlHeight: 40,
            smallControlWidth: 64, mediumControlWidth: 160, largeControlWidth: 200,
            bannerHeight: 50, dialogTitlePadding: 14, glowRadius: 6, progressBarHeight: 6, qrCodeSize: 150
        })

        function cleanup() {
            BrimforgeTheme.scaleFactor = Qt.binding(function() { return Hostkit.displayScaleFactor })
            BrimforgeTheme.useDarkTheme = true
        }

        function colourIs(actual, expected, message) {
            verify(Qt.colorEqual(actual, expected), "%1: %2 is not %3".arg(message).arg(actual).arg(expected))
        }

        name: "ThemeTokens"
        when: windowShown

        Component { id: fieldComponent; ThemeTextField {} }
        Component { id: buttonComponent; MaterialButton { buttonText: "OK" } }
        Component { id: toastComponent; ToastNotification {} }
        Component { id: pathFieldComponent; ThemeTextFieldWithFilePathValidation {} }

        function test_scaleFactor_data() {
            return [1, 1.25, 1.5, 2, 3].map(function(factor) { return { tag: "factor " + factor, factor: factor } })
        }

        // Controls made before the factor changes follow it too.
        function test_scaleFactor(data) {
            var field = createTemporaryObject(fieldComponent, window)
            var button = createTemporaryObject(buttonComponent, window)
            var toast = createTemporaryObject(toastComponent, window)
            BrimforgeTheme.scaleFactor = data.factor
            for (var name in units)
                compare(BrimforgeTheme[name], units[name] * data.factor, name)
            compare(BrimforgeTheme.scaled(21), 21 * data.factor, "a size given in units")

            compare(field.implicitWidth, 200 * data.factor, "field width")
            compare(field.implicitHeight, 36 * data.factor, "field height")
            compare(field.leftPadding, 10 * data.factor, "field padding")
            compare(button.leftPadding, 16 * data.factor, "button padding")
            compare(findChild(button, "surface").border.width, 1 * data.factor, "button border")
            compare(toast.implicitWidth, 480 * data.factor, "banner width")
            compare(toast.radius, 2 * data.factor, "banner corners")
        }

        // Rows: the control, what to read, the theme colour that it shows and
        // that colour's value in the dark and the light scheme.
        function test_colours_data() {
            function surface(c) { return findChild(c, "surface").color }
            return [
                { tag: "info banner", component: toastComponent, read: function(c) { return c.color },
                  token: "infoBackground", dark: "#D2E9F9", light: "#D2E9F9" },
                { tag: "info banner text", component: toastComponent, read: function(c) { return c.textColor },
                  token: "infoForeground", dark: "#111", light: "#111" },
                { tag: "warning banner border", component: toastComponent, properties: { messageType: "warning" },
                  read: function(c) { return c.border.color }, token: "warningBorderColor", dark: "#D9BF2B", light: "#D9BF2B" },
                { tag: "success banner text", component: toastComponent, properties: { messageType: "success" },
                  read: function(c) { return c.textColor }, token: "successForeground", dark: "#ffffff", light: "#ffffff" },
                { tag: "error banner", component: toastComponent, properties: { messageType: "error" },
                  read: function(c) { return c.color }, token: "errorBackground", dark: "#8C2907", light: "#8C2907" },
                { tag: "button", component: buttonComponent, read: surface,
                  token: "primaryButtonBackground", dark: "#8f499c", light: "#8f499c" },
                { tag: "disabled button", component: buttonComponent, properties: { enabled: false }, read: surface,
                  token: "disabledButtonGrey", dark: "#5a5a5a", light: "#c7c7c7" },
                { tag: "button shadow", component: buttonComponent, properties: { useElevation: true },
                  read: function(c) { return findChild(c, "elevation").color },
                  token: "elevationShadowColor", dark: "#80000000", light: "#30000000" },
                { tag: "valid path mark", component: pathFieldComponent, read: function(c) { return c.validColor },
                  token: "successColor", dark: FeldrinColors.h_gg_060, light: FeldrinColors.h_gg_080 },
                { tag: "invalid path text", component: pathFieldComponent, properties: { text: "/no/such/file" },
                  read: function(c) { return c.color }, token: "errorColor", dark: "#FF6D3B", light: "#FF6D3B" }
            ]
        }

        function test_colours(data) {
            var control = createTemporaryObject(data.component, window, data.properties || {})
            verify(control)
            ;[true, false].forEach(function(dark) {
                BrimforgeTheme.useDarkTheme = dark
                var scheme = dark ? "dark" : "light"
                colourIs(data.read(control), BrimforgeTheme[data.token], scheme + " theme colour")
                colourIs(data.read(control), dark ? data.dark : data.light, scheme + " value")
            })
        }
    }
}
