import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Varnex.Loomwright.Controls 1.0

Item {
    id: root

    width: 500
    height: 400

    BrimforgeAction {
        id: makeAction

        displayName: "Make"
        tooltip: "Build the app"
        description: "Builds the active app"
        glyph: "pencil"
        brimforgeToolName: "Make"
        brimforgeToolCommand: "make"
        brimforgeExecutableName: "make-tool"
    }

    Column {
        AppActionButton {
            id: actionButton

            action: makeAction
        }

        BrimforgeBusyIndicator {
            id: busy
        }

        BrimforgeProgressBar {
            id: progress

            width: 200
            value: 0.25
        }
    }

    AvenirTextMetrics {
        id: metrics

        text: "Loomwright"
    }

    TestCase {
        id: testCase

        name: "ActionsAndIndicators"
        when: windowShown

        function cleanup() {
            BrimforgeTheme.useDarkTheme = true
            actionButton.horizontal = false
        }

        function test_action() {
            compare(makeAction.text, "Make", "the name is the action's text too")
            compare(actionButton.displayName, "Make")
            compare(actionButton.tooltip, "Build the app")
            compare(actionButton.glyph, "pencil")
            var triggered = signalSpy.createObject(root, { target: makeAction, signalName: "triggered" })
            mouseClick(actionButton)
            compare(triggered.count, 1)
            makeAction.enabled = false
            verify(!actionButton.enabled)
            mouseClick(actionButton)
            compare(triggered.count, 1)
            makeAction.enabled = true
            triggered.destroy()
        }

        function test_actionButtonHover() {
            mouseMove(root, root.width - 1, root.height - 1)
            tryCompare(actionButton, "hovered", false)
            compare(actionButton.background.color, Qt.rgba(0, 0, 0, 0))
            mouseMove(actionButton, actionButton.width / 2, actionButton.height / 2)
            tryCompare(actionButton, "hovered", true)
            verify(Qt.colorEqual(actionButton.background.color, BrimforgeTheme.appActionButtonHoverBackground))
            BrimforgeTheme.useDarkTheme = false
            verify(Qt.colorEqual(actionButton.background.color, BrimforgeTheme.feldrinGray300))
            mouseMove(root, root.width - 1, root.height - 1)
            tryCompare(actionButton, "hovered", false)
        }

        function test_actionButtonLayout() {
            var tall = actionButton.implicitHeight
            var narrow = actionButton.implicitWidth
            actionButton.horizontal = true
            verify(actionButton.implicitWidth > narrow, "icon beside the text is wider")
            verify(actionButton.implicitHeight < tall, "and lower")
        }

        function test_busyIndicator() {
            compare(busy.dimension, 50)
            compare(busy.implicitWidth, 50 * Hostkit.displayScaleFactor)
            compare(busy.implicitHeight, 50 * Hostkit.displayScaleFactor)
            compare(busy.color, BrimforgeTheme.primaryForeground)
            busy.dimension = 20
            compare(busy.implicitWidth, 20 * Hostkit.displayScaleFactor)
            busy.dimension = 50
        }

        function test_progressBar() {
            compare(progress.contentItem.children[0].width, 50)
            progress.value = 1
            compare(progress.contentItem.children[0].width, 200)
            verify(Qt.colorEqual(progress.background.color, BrimforgeTheme.secondaryDividerColor))
            progress.value = 0.25
        }

        function test_textMetrics() {
            compare(metrics.font.family, BrimforgeTheme.avenir)
            compare(metrics.font.pointSize, BrimforgeTheme.baseFontSizePoint)
            verify(metrics.width > 0)
        }

        Component {
            id: signalSpy

            SignalSpy {}
        }
    }
}
