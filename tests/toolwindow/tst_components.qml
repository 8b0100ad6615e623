import QtQuick 2.15
import QtQuick.Controls 1.4 as Controls1
import QtQuick.Dialogs 1.3
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Loomwright.Private 1.0 as Private

// The smaller components of the older tools: their colours from the tool
// configuration, the message box's callbacks, and the build's keys. (The
// test case, which is not visible itself, is not the items' parent.)
Item {
    id: root

    width: 600
    height: 400

    TestCase {
        id: testCase

        function make(component, properties) {
            var item = createTemporaryObject(component, root, properties || {})
            verify(item)
            return item
        }

        function colorIs(actual, expected, message) {
            verify(Qt.colorEqual(actual, expected), message + ": " + actual + " is not " + expected)
        }

        // Placeholders of the right form unless the build was given real ones.
        function test_twitterKeys() {
            verify(/^[A-Za-z0-9]{25}$/.test(Private.TwitterKeys.twitterConsumerKey), Private.TwitterKeys.twitterConsumerKey)
            verify(/^[A-Za-z0-9]{50}$/.test(Private.TwitterKeys.twitterSecretKey))
        }

        // Each request calls one callback once, after its dialog closed; a
        // request made meanwhile waits its turn.
        function test_messageBox() {
            var box = make(messageBoxComponent)
            var calls = []
            box.confirmYesNo("Download App", "Again?", function () { calls.push("yes") }, function () { calls.push("no") })
            box.message(box.iconCritical, "Download Error", "Refused", "details", "", function () { calls.push("ok") },
                        function () { calls.push("rejected") })
            compare(box.pendingCount, 2)
            tryCompare(box, "visible", true)
            compare(box.isQuestion, true)
            compare(box.title, "Download App")
            compare(box.icon, StandardIcon.Question)
            compare(box.standardButtons, StandardButton.Yes | StandardButton.No)
            box.click(StandardButton.Yes)
            compare(calls, ["yes"])

            tryCompare(box, "isQuestion", false)
            tryCompare(box, "visible", true)
            compare(box.text, "Refused")
            compare(box.informativeText, "details")
            compare(box.icon, StandardIcon.Critical)
            compare(box.standardButtons, StandardButton.Ok)
            box.click(StandardButton.Ok)
            compare(calls, ["yes", "ok"])
            compare(box.pendingCount, 0)

            box.confirmYesNo("Question", "No?", function () { calls.push("yes") }, function () { calls.push("no") })
            tryCompare(box, "visible", true)
            box.click(StandardButton.No)
            compare(calls, ["yes", "ok", "no"])
            box.message("warning", "Warning", "text")
            tryCompare(box, "visible", true)
            compare(box.icon, StandardIcon.Warning)
            box.click(StandardButton.Ok)
            compare(box.pendingCount, 0)
        }

        function test_colors() {
            colorIs(make(textComponent).color, config.textColor, "StyledText")
            var labelValue = make(labelValueComponent, { label: "Owner", value: "demo" })
            colorIs(findChild(labelValue, "labelText").color, config.textColor, "LabelValue label")
            colorIs(findChild(labelValue, "valueText").color, config.textColor, "LabelValue value")
            var imageButton = make(imageButtonComponent)
            colorIs(imageButton.glowColor, config.highlightColor, "ImageButton glow")
            colorIs(imageButton.hoverColor, config.highlightColor, "ImageButton hover")
            var progress = make(progressComponent)
            verify(progress)
        }

        // At rest, under the pointer, pressed and disabled.
        function test_styledButton() {
            var button = make(buttonComponent, { text: "Upload" })
            var background = findChild(button, "buttonBackground")
            colorIs(background.color, config.backgroundColor, "at rest")
            colorIs(findChild(button, "buttonText").color, config.textColor, "text at rest")
            mouseMove(root, root.width - 1, root.height - 1)
            mouseMove(button, button.width / 2, button.height / 2)
            tryCompare(button, "hovered", true)
            colorIs(background.color, config.highlightColor, "hovered")
            mousePress(button, button.width / 2, button.height / 2)
            colorIs(background.color, config.bannerColor, "pressed")
            colorIs(findChild(button, "buttonText").color, config.bannerTextColor, "text pressed")
            colorIs(background.border.color, config.bannerColor, "border pressed")
            mouseRelease(button, button.width / 2, button.height / 2)
            button.enabled = false
            compare(button.colorState, "disabled")
            colorIs(background.color, button.disabledBackgroundColor, "disabled")
            mouseMove(root, root.width - 1, root.height - 1)
        }

        function test_checkBox() {
            var box = make(checkBoxComponent, { text: "Include samples", bold: true })
            compare(box.style.status, Component.Ready)
            box.checked = true
            var label = findChild(box, "checkBoxLabel")
                verify(label, "the style's label")
            compare(label.text, "Include samples")
            compare(label.font.bold, true)
            colorIs(label.color, config.textColor, "label")
            var mark = findChild(box, "checkBoxMark")
            compare(mark.visible, true)
            colorIs(mark.color, config.bannerColor, "mark")
            mouseClick(box, box.width / 2, box.height / 2)
            compare(box.checked, false)
            compare(mark.visible, false)
        }

        function test_tabView() {
            var view = make(tabViewComponent)
            compare(view.count, 2)
            waitForRendering(view)
            colorIs(view.selectedTabColor, config.bannerColor, "current tab")
            colorIs(view.tabColor, config.backgroundColor, "other tabs")
            view.currentIndex = 1
            compare(view.getTab(1).title, "Second")
        }

        name: "Components"
        when: windowShown

        Private.AppToolConfig {
            id: config

            // Values that differ from the themes', so that a colour that came
            // from elsewhere shows.
            bannerColor: "#123456"
            bannerTextColor: "#fedcba"
            backgroundColor: "#eeeedd"
            textColor: "#202122"
            highlightColor: "#80ff8000"
        }

        Component {
            id: messageBoxComponent

            Private.MessageBox {}
        }

        Component {
            id: textComponent

            Private.StyledText {
                toolConfig: config
                text: "Text"
            }
        }

        Component {
            id: labelValueComponent

            Private.LabelValue {
                toolConfig: config
            }
        }

        Component {
            id: imageButtonComponent

            Private.ImageButton {
                toolConfig: config
                source: "qrc:/imports/Varnex/Loomwright/Private/images/info.png"
            }
        }

        Component {
            id: progressComponent

            Private.ItemProgress {
                toolConfig: config
            }
        }

        Component {
            id: buttonComponent

            Private.StyledButton {
                x: 50
                y: 50
                toolConfig: config
            }
        }

        Component {
            id: checkBoxComponent

            Private.CheckBoxEx {
                x: 50
                y: 150
                toolConfig: config
            }
        }

        Component {
            id: tabViewComponent

            Private.StyledTabView {
                x: 200
                y: 150
                width: 300
                height: 200
                toolConfig: config

                Controls1.Tab {
                    title: "First"
                }

                Controls1.Tab {
                    title: "Second"
                }
            }
        }
    }
}
