import QtQuick 2.15
import QtQuick.Templates 2.15 as T

// The floating panel as a popup: it lies above everything in the window and
// closes on Escape or a press outside it. Position it with x and y as any
// popup; the arrow lies outside its box, at arrowTip.
T.Popup {
    id: root

    property alias arrowEdge: panel.arrowEdge
    property alias arrowAlignment: panel.arrowAlignment
    property alias arrowMargin: panel.arrowMargin
    property alias arrowSize: panel.arrowSize
    property alias arrowVisible: panel.arrowVisible
    property alias color: panel.color
    property alias borderColor: panel.borderColor
    property alias borderWidth: panel.borderWidth
    property alias radius: panel.radius
    readonly property alias arrowTip: panel.arrowTip

    function show() {
        root.open()
    }

    function hide() {
        root.close()
    }

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    padding: BrimforgeTheme.xLargeSpacing
    margins: 0
    font.family: BrimforgeTheme.avenir
    font.pointSize: BrimforgeTheme.baseFontSizePoint

    background: FloatingPanel {
        id: panel

        padding: 0
        visible: true
    }
}
