import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Varnex.Loomwright.Controls 1.0

Item {
    id: root

    width: 400
    height: 300

    Column {
        spacing: 10

        Item {
            width: 1
            height: 1
            focus: true
        }

        MaterialButton {
            id: button
        }

        MaterialButton {
            id: actionButton

            width: 240
            action: BrimforgeAction {
                id: uploadAction

                displayName: "Upload"
                glyph: "upload"
            }
        }
    }

    TestCase {
        id: testCase

        name: "MaterialButton"
        when: windowShown

        function cleanup() {
            BrimforgeTheme.useDarkTheme = true
            button.enabled = true
            button.overrideButtonColor = false
            button.useElevation = false
            button.useIconOnly = false
            button.buttonType = Qt.binding(function() { return BrimforgeTheme.filledButton })
            if (button.pressed)
                mouseRelease(button)
            root.forceActiveFocus()
        }

        function compareColour(actual, expected, message) {
            verify(Qt.colorEqual(actual, expected), "%1: %2 is not %3".arg(message || "").arg(actual).arg(expected))
        }

        function surface() {
            return findChild(button, "surface")
        }

        function label() {
            return findChild(button, "label")
        }

        // What the button shows must be what it reports.
        function compareState(style, state, message) {
            var expectedBackground = state === "disabled" ? style.backgroundColorDisabled
                                   : (state === "pressed" || state === "focused") ? style.backgroundColorFocused
                                   : style.backgroundColor
            var expectedBorder = state === "disabled" ? style.borderColorDisabled
                               : state === "pressed" ? style.borderColorFocused : style.borderColor
            var expectedText = state === "disabled" ? style.textColorDisabled
                             : state === "pressed" ? style.textColorFocused : style.textColor
            var expectedWidth = (state === "pressed" ? style.borderWidthFocused : style.borderWidth) * Hostkit.displayScaleFactor
            compareColour(surface().color, expectedBackground, message + " background")
            compareColour(surface().border.color, expectedBorder, message + " border")
            compare(surface().border.width, expectedWidth, message + " border width")
            compareColour(label().color, expectedText, message + " text")
            compare(surface().radius, style.borderRadius, message + " radius")
        }

        function test_states_data() {
            var rows = []
            ;["filledButton", "dangerButton", "outlineButton", "textButton", "hyperlinkButton"].forEach(function(style) {
                ;[true, false].forEach(function(dark) {
                    rows.push({ tag: style + (dark ? " dark" : " light"), style: style, dark: dark })
                })
            })
            return rows
        }

        function test_states(data) {
            BrimforgeTheme.useDarkTheme = data.dark
            button.buttonType = BrimforgeTheme[data.style]
            var style = BrimforgeTheme[data.style]

            compareState(style, "normal", "normal")

            mousePress(button)
            verify(button.pressed)
            compareState(style, "pressed", "pressed")
            mouseRelease(button)

            // Keyboard focus colours the background only.
            root.forceActiveFocus()
            keyClick(Qt.Key_Tab)
            verify(button.visualFocus, "focused by the keyboard")
            compareState(style, "focused", "focused")
            root.forceActiveFocus()

            button.enabled = false
            compareState(style, "disabled", "disabled")
        }

        function test_schemeSwitchRepaints() {
            compareColour(label().color, BrimforgeTheme.feldrinGray100)
            button.buttonType = Qt.binding(function() { return BrimforgeTheme.outlineButton })
            compareColour(label().color, BrimforgeTheme.brimforgeGray100)
            BrimforgeTheme.switchTheme()
            compareColour(label().color, BrimforgeTheme.brimforgeGray650)
            compareColour(surface().border.color, BrimforgeTheme.brimforgeGray650)
        }

        function test_overrideButtonColor_data() {
            return [
                { tag: "text button", style: "textButton", overridden: true },
                { tag: "hyperlink button", style: "hyperlinkButton", overridden: true },
                { tag: "filled button", style: "filledButton", overridden: false },
                { tag: "outline button", style: "outlineButton", overridden: false },
            ]
        }

        function test_overrideButtonColor(data) {
            BrimforgeTheme.useDarkTheme = false
            button.buttonType = BrimforgeTheme[data.style]
            button.overrideButtonColor = true
            var expected = data.overridden ? BrimforgeTheme.primaryButtonForeground : BrimforgeTheme[data.style].textColor
            compareColour(label().color, expected, "normal")
            mousePress(button)
            if (data.overridden)
                compareColour(label().color, BrimforgeTheme.primaryButtonForeground, "pressed")
            mouseRelease(button)
            button.enabled = false
            compareColour(label().color, BrimforgeTheme[data.style].textColorDisabled, "disabled")
        }

        function test_elevation() {
            var shadow = findChild(button, "elevation")
            verify(!shadow.visible)
            button.useElevation = true
            verify(shadow.visible)
            compare(shadow.radius, 8)
            compare(shadow.samples, 17)
            compareColour(shadow.color, "#80000000", "dark")
            BrimforgeTheme.useDarkTheme = false
            compareColour(shadow.color, "#30000000", "light")
            mousePress(button)
            verify(!shadow.visible, "no shadow while pressed")
            mouseRelease(button)
            verify(shadow.visible)
        }

        function test_text() {
            compare(button.buttonText, "Button")
            compare(label().text, "Button")
            compare(label().font.family, BrimforgeTheme.avenir)
            compare(label().font.pointSize, BrimforgeTheme.baseFontSizePoint)
            compare(actionButton.buttonText, "Upload")
            button.useIconOnly = true
            verify(!label().visible)
        }

        function test_textPlacement() {
            var plain = label()
            var plainCentre = plain.mapToItem(button, plain.width / 2, 0).x
            fuzzyCompare(plainCentre, button.width / 2, 1, "alone, the text is centred")
            var withIcon = findChild(actionButton, "label")
            verify(withIcon.mapToItem(actionButton, 0, 0).x < actionButton.width / 2 - withIcon.width / 2,
                   "beside an icon, the text starts at the leading edge")
        }

        function test_rightToLeft() {
            var text = findChild(actionButton, "label")
            var icon = text.parent.children[0]
            verify(icon.mapToItem(actionButton, 0, 0).x < text.mapToItem(actionButton, 0, 0).x)
            actionButton.LayoutMirroring.enabled = true
            verify(actionButton.mirrored)
            verify(icon.mapToItem(actionButton, 0, 0).x > text.mapToItem(actionButton, 0, 0).x,
                   "the icon leads on the right")
            verify(text.mapToItem(actionButton, text.width, 0).x > actionButton.width / 2 + text.width / 2,
                   "the text keeps to the leading edge")
            actionButton.LayoutMirroring.enabled = false
        }

        function test_actionRuns() {
            var triggered = signalSpy.createObject(root, { target: uploadAction, signalName: "triggered" })
            mouseClick(actionButton)
            compare(triggered.count, 1)
            triggered.destroy()
        }

        Component {
            id: signalSpy

            SignalSpy {}
        }
    }
}
