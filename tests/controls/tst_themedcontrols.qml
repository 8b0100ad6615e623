import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Varnex.Loomwright.Controls 1.0

// The test case itself is not drawn; the controls go into this item.
Item {
    id: window

    width: 600
    height: 400

    TestCase {
        id: root

        name: "ThemedControls"
        when: windowShown

        Component { id: textFieldComponent; ThemeTextField { width: 200 } }
        Component { id: textAreaComponent; ThemeTextArea { width: 200 } }
        Component { id: comboBoxComponent; ThemeComboBox { width: 200; model: ["One", "Two", "Three"] } }
        Component { id: checkBoxComponent; ThemeCheckBox { width: 200; text: "Check" } }
        Component { id: radioButtonComponent; ThemeRadioButton { width: 200; text: "Radio" } }
        Component { id: switchComponent; ThemeSwitch { width: 200; text: "Switch" } }
        Component { id: iconSwitchComponent; ThemeSwitchWithIconLabel { width: 200; text: "Switch"; glyph: "pencil" } }
        Component { id: tabButtonComponent; ThemeTabButton { width: 120; text: "Tab"; checked: true } }
        Component { id: verticalTabButtonComponent; ThemeTabButtonVertical { width: 160; text: "Tab"; checked: true } }
        Component { id: menuComponent; ThemeMenu {} }
        Component { id: contextMenuComponent; TextControlsContextMenu {} }
        Component { id: overlayComponent; ActivityOverlay {} }
        Component { id: panelComponent; FloatingPanel { width: 220; height: 180 } }
        Component { id: labelValueComponent; LabelValue { label: "Owner"; value: "someone" } }
        // No picture: Qt's software renderer never frees the textures of the
        // pictures it drew once its window is gone, and the sanitizer build's
        // leak check would report them.
        Component { id: imageButtonComponent; ImageButton { width: 24; height: 24 } }
        Component { id: validationFieldComponent; ThemeTextFieldWithFilePathValidation { width: 200; text: "/no/such/file" } }
        Component { id: toastComponent; ToastNotification { width: 300; showArrow: true } }

        Component {
            id: spyComponent

            SignalSpy {}
        }

        // A parent that mirrors its children as a right-to-left window does.
        Component {
            id: mirroringParent

            Item {
                width: window.width
                height: window.height
                LayoutMirroring.childrenInherit: true
            }
        }

        function cleanup() {
            BrimforgeTheme.useDarkTheme = true
            BrimforgeTheme.scaleFactor = Qt.binding(function() { return Hostkit.displayScaleFactor })
        }

        function colourIs(actual, expected, message) {
            verify(Qt.colorEqual(actual, expected), (message || "") + ": " + actual + " is not " + expected)
        }

        // Each row: the control, what to read, and its colour in the dark and the
        // light scheme, as the theme's tables give them.
        function test_followsScheme_data() {
            function background(c) { return c.background.color }
            return [
                { tag: "ThemeTextField background", component: textFieldComponent, read: background, dark: "#404040", light: "#ffffff" },
                { tag: "ThemeTextField text", component: textFieldComponent, read: function(c) { return c.color }, dark: "#d1d1d1", light: "#4C4C4C" },
                { tag: "ThemeTextArea background", component: textAreaComponent, read: background, dark: "#404040", light: "#ffffff" },
                { tag: "ThemeComboBox background", component: comboBoxComponent, read: background, dark: "#404040", light: "#ffffff" },
                { tag: "ThemeComboBox list", component: comboBoxComponent, read: function(c) { return c.popup.background.color }, dark: "#404040", light: "#ffffff" },
                { tag: "ThemeCheckBox text", component: checkBoxComponent, read: function(c) { return c.contentItem.color }, dark: "#d1d1d1", light: "#4C4C4C" },
                { tag: "ThemeRadioButton text", component: radioButtonComponent, read: function(c) { return c.contentItem.color }, dark: "#d1d1d1", light: "#4C4C4C" },
                { tag: "ThemeSwitch text", component: switchComponent, read: function(c) { return c.contentItem.color }, dark: "#d1d1d1", light: "#4C4C4C" },
                { tag: "ThemeSwitchWithIconLabel text", component: iconSwitchComponent, read: function(c) { return findChild(c, "labelText").color }, dark: "#d1d1d1", light: "#4C4C4C" },
                { tag: "ThemeTabButton current mark", component: tabButtonComponent, read: function(c) { return findChild(c, "currentIndicator").color }, dark: "#DFA8FF", light: "#8f499c" },
                { tag: "ThemeTabButtonVertical current mark", component: verticalTabButtonComponent, read: function(c) { return findChild(c, "currentIndicator").color }, dark: "#DFA8FF", light: "#8f499c" },
                { tag: "ThemeMenu background", component: menuComponent, read: background, dark: "#404040", light: "#ffffff" },
                { tag: "ThemeMenu border", component: menuComponent, read: function(c) { return c.background.border.color }, dark: "#5C5C5C", light: "#CCCCCC" },
                { tag: "TextControlsContextMenu background", component: contextMenuComponent, read: background, dark: "#404040", light: "#ffffff" },
                { tag: "TextControlsContextMenu text", component: contextMenuComponent, read: function(c) { return c.textColor }, dark: "#d1d1d1", light: "#4C4C4C" },
                { tag: "ActivityOverlay panel", component: overlayComponent, read: function(c) { return c.panelColor }, dark: "#404040", light: "#ffffff" },
                { tag: "ActivityOverlay text", component: overlayComponent, read: function(c) { return c.textColor }, dark: "#d1d1d1", light: "#4C4C4C" },
                { tag: "FloatingPanel background", component: panelComponent, read: function(c) { return c.color }, dark: "#404040", light: "#ffffff" },
                { tag: "FloatingPanel border", component: panelComponent, read: function(c) { return c.borderColor }, dark: "#5C5C5C", light: "#CCCCCC" },
                { tag: "LabelValue value", component: labelValueComponent, read: function(c) { return findChild(c, "valueText").color }, dark: "#d1d1d1", light: "#4C4C4C" },
                { tag: "ImageButton at rest", component: imageButtonComponent, read: function(c) { return c.currentColor }, dark: "#d1d1d1", light: "#4C4C4C" }
            ]
        }

        function test_followsScheme(data) {
            var control = createTemporaryObject(data.component, window)
            verify(control)
            colourIs(data.read(control), data.dark, "dark")
            BrimforgeTheme.switchTheme()
            verify(!BrimforgeTheme.useDarkTheme)
            colourIs(data.read(control), data.light, "light")
            BrimforgeTheme.useDarkTheme = true
            colourIs(data.read(control), data.dark, "dark again")
        }

        function test_fontFromTheme_data() {
            return [
                { tag: "ThemeTextField", component: textFieldComponent },
                { tag: "ThemeTextArea", component: textAreaComponent },
                { tag: "ThemeComboBox", component: comboBoxComponent },
                { tag: "ThemeCheckBox", component: checkBoxComponent },
                { tag: "ThemeRadioButton", component: radioButtonComponent },
                { tag: "ThemeSwitch", component: switchComponent },
                { tag: "ThemeMenu", component: menuComponent },
                { tag: "TextControlsContextMenu", component: contextMenuComponent }
            ]
        }

        function test_fontFromTheme(data) {
            var control = createTemporaryObject(data.component, window)
            compare(control.font.family, BrimforgeTheme.avenir)
            compare(control.font.pointSize, BrimforgeTheme.baseFontSizePoint)
        }

        function test_mirroring_data() {
            return [
                { tag: "left to right", mirrored: false },
                { tag: "right to left", mirrored: true }
            ]
        }

        // The parts that sit at the leading or trailing edge change sides.
        function test_mirroring(data) {
            var parent = createTemporaryObject(mirroringParent, window, { "LayoutMirroring.enabled": data.mirrored })
            verify(parent)
            function onTheRight(item, control) {
                return item.mapToItem(control, item.width / 2, 0).x > control.width / 2
            }

            var checkBox = createTemporaryObject(checkBoxComponent, parent)
            compare(onTheRight(checkBox.indicator, checkBox), data.mirrored, "check box indicator")

            var toggle = createTemporaryObject(switchComponent, parent)
            compare(onTheRight(toggle.indicator, toggle), data.mirrored, "switch indicator")

            var comboBox = createTemporaryObject(comboBoxComponent, parent)
            compare(onTheRight(comboBox.indicator, comboBox), !data.mirrored, "drop-down glyph")

            var tab = createTemporaryObject(verticalTabButtonComponent, parent)
            compare(onTheRight(findChild(tab, "currentIndicator"), tab), data.mirrored, "vertical tab mark")

            var field = createTemporaryObject(validationFieldComponent, parent)
            var mark = findChild(field, "validationMark")
            compare(onTheRight(mark, field), !data.mirrored, "validation mark")
            verify((data.mirrored ? field.leftPadding : field.rightPadding) >= mark.width, "text runs under the mark")

            // The icon and text of the label stay clear of the switch, even
            // when the text has to be cut short.
            var iconSwitch = createTemporaryObject(iconSwitchComponent, parent,
                                                   { width: 120, text: "A label far too long for its switch" })
            var indicator = iconSwitch.indicator.mapToItem(iconSwitch, 0, 0, iconSwitch.indicator.width,
                                                           iconSwitch.indicator.height)
            compare(indicator.x + indicator.width / 2 > iconSwitch.width / 2, data.mirrored, "icon switch indicator")
            var parts = [findChild(iconSwitch, "labelIcon"), findChild(iconSwitch, "labelText")]
            for (var i = 0; i < parts.length; ++i) {
                var box = parts[i].mapToItem(iconSwitch, 0, 0, parts[i].width, parts[i].height)
                verify(box.x + box.width <= indicator.x || box.x >= indicator.x + indicator.width,
                       "%1 overlaps the switch".arg(parts[i].objectName))
                verify(box.x >= 0 && box.x + box.width <= iconSwitch.width, "%1 leaves the control".arg(parts[i].objectName))
            }

            var toast = createTemporaryObject(toastComponent, parent)
            compare(findChild(toast, "arrowButton").contentItem.mirror, data.mirrored, "toast arrow")
        }

        function test_floatingPanelArrow_data() {
            // The panel is 220 by 180 with an arrow of 8 (scale factor 1).
            return [
                { tag: "top, centred", edge: Qt.TopEdge, alignment: Qt.AlignCenter, tip: Qt.point(110, -8) },
                { tag: "top, right corner", edge: Qt.TopEdge, alignment: Qt.AlignRight, tip: Qt.point(196, -8) },
                { tag: "top, right corner, mirrored", edge: Qt.TopEdge, alignment: Qt.AlignRight, mirrored: true, tip: Qt.point(24, -8) },
                { tag: "bottom, left corner", edge: Qt.BottomEdge, alignment: Qt.AlignLeft, tip: Qt.point(24, 188) },
                { tag: "left, centred", edge: Qt.LeftEdge, alignment: Qt.AlignCenter, tip: Qt.point(-8, 90) },
                { tag: "left becomes right when mirrored", edge: Qt.LeftEdge, alignment: Qt.AlignTop, mirrored: true, tip: Qt.point(228, 24) },
                { tag: "right, bottom corner", edge: Qt.RightEdge, alignment: Qt.AlignBottom, tip: Qt.point(228, 156) },
                { tag: "margin beyond the corner is kept on the edge", edge: Qt.TopEdge, alignment: Qt.AlignLeft, margin: 2, tip: Qt.point(12, -8) }
            ]
        }

        function test_floatingPanelArrow(data) {
            var parent = createTemporaryObject(mirroringParent, window, { "LayoutMirroring.enabled": !!data.mirrored })
            BrimforgeTheme.scaleFactor = 1
            var properties = { arrowEdge: data.edge, arrowAlignment: data.alignment }
            if (data.margin !== undefined)
                properties.arrowMargin = data.margin
            var panel = createTemporaryObject(panelComponent, parent, properties)
            compare(panel.arrowTip.x, data.tip.x)
            compare(panel.arrowTip.y, data.tip.y)
        }

        function test_floatingPanelShowHide() {
            var panel = createTemporaryObject(panelComponent, window)
            verify(!panel.visible)
            panel.show()
            verify(panel.visible)
            waitForRendering(panel)
            panel.hide()
            verify(!panel.visible)
        }

        function test_labelValueClicks_data() {
            return [
                { tag: "plain pair", clickable: false, clicks: 0 },
                { tag: "clickable pair", clickable: true, clicks: 1 }
            ]
        }

        function test_labelValueClicks(data) {
            var pair = createTemporaryObject(labelValueComponent, window, { clickable: data.clickable })
            var spy = createTemporaryObject(spyComponent, window, { target: pair, signalName: "clicked" })
            mouseClick(pair)
            compare(spy.count, data.clicks)
            colourIs(findChild(pair, "valueText").color,
                     data.clickable ? BrimforgeTheme.hyperlinkColor : BrimforgeTheme.primaryForeground, "value")
        }

        function test_imageButtonStates() {
            var button = createTemporaryObject(imageButtonComponent, window, { checkable: true })
            colourIs(button.currentColor, button.color, "at rest")
            mouseMove(button)
            colourIs(button.currentColor, button.hoverColor, "hovered")
            mousePress(button)
            colourIs(button.currentColor, button.pressedColor, "pressed")
            mouseRelease(button)
            verify(button.checked)
            colourIs(button.currentColor, button.checkedColor, "checked")
        }

        function test_contextMenuActions_data() {
            return [
                { tag: "Cut", index: 0, signalName: "cut" },
                { tag: "Copy", index: 1, signalName: "copy" },
                { tag: "Paste", index: 2, signalName: "paste" }
            ]
        }

        function test_contextMenuActions(data) {
            var menu = createTemporaryObject(contextMenuComponent, window)
            var spy = createTemporaryObject(spyComponent, window, { target: menu, signalName: data.signalName })
            menu.open()
            tryVerify(function() { return menu.opened })
            var entry = menu.itemAt(data.index)
            verify(entry)
            compare(entry.text, data.tag)
            waitForRendering(entry)
            mouseClick(entry)
            compare(spy.count, 1)
        }

        // The text editors' own menu edits the editor it belongs to.
        function test_editorContextMenu_data() {
            return [
                { tag: "ThemeTextField", component: textFieldComponent },
                { tag: "ThemeTextArea", component: textAreaComponent }
            ]
        }

        function test_editorContextMenu(data) {
            var editor = createTemporaryObject(data.component, window, { text: "hello world" })
            editor.forceActiveFocus()
            editor.select(0, 6)
            mouseClick(editor, 20, editor.height / 2, Qt.RightButton)
            var menu = editor.contextMenu
            verify(menu, "no menu opened")
            tryVerify(function() { return menu.opened })
            compare(editor.selectedText, "hello ")
            verify(menu.canCut)
            var cutEntry = menu.itemAt(0)
            waitForRendering(cutEntry)
            mouseClick(cutEntry)
            compare(editor.text, "world")
            tryVerify(function() { return editor.contextMenu === null })
        }

        function test_readOnlyEditorOffersCopyOnly() {
            var editor = createTemporaryObject(textFieldComponent, window, { text: "hello", readOnly: true })
            editor.selectAll()
            var menu = editor.openContextMenu(5, 5)
            verify(!menu.canCut)
            verify(menu.canCopy)
            verify(!menu.canPaste)
            menu.close()
        }
    }
}
