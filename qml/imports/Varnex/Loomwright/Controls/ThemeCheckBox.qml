import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import Feldrin 1.0

// A check box in the suite's look: the brand colour marks the checked box,
// the highlight colour the keyboard focus.
T.CheckBox {
    id: root

    property real indicatorSize: BrimforgeTheme.indicatorSize
    property color textColor: BrimforgeTheme.primaryForeground
    property color checkedColor: BrimforgeTheme.primaryButtonBackground
    // The theme's border greys are meant for large boxes; a small mark needs
    // more contrast to be seen on the light page.
    property color outlineColor: Qt.rgba(root.textColor.r, root.textColor.g, root.textColor.b, 0.7)

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding,
                             implicitIndicatorHeight + topPadding + bottomPadding)

    padding: BrimforgeTheme.xSmallSpacing
    spacing: BrimforgeTheme.mediumSpacing
    hoverEnabled: true
    opacity: root.enabled ? 1 : 0.5

    font.family: BrimforgeTheme.avenir
    font.pointSize: BrimforgeTheme.baseFontSizePoint

    indicator: Rectangle {
        id: box

        implicitWidth: root.indicatorSize
        implicitHeight: root.indicatorSize
        x: root.text ? (root.mirrored ? root.width - width - root.rightPadding : root.leftPadding)
                     : root.leftPadding + (root.availableWidth - width) / 2
        y: root.topPadding + (root.availableHeight - height) / 2
        radius: BrimforgeTheme.smallRadius
        color: root.checkState !== Qt.Unchecked ? root.checkedColor : "transparent"
        border.width: root.visualFocus ? BrimforgeTheme.mediumBorderWidth : BrimforgeTheme.thinBorderWidth
        border.color: root.visualFocus ? BrimforgeTheme.highlightBorderColor
                                       : root.checkState !== Qt.Unchecked || root.hovered ? root.checkedColor
                                                                                           : root.outlineColor

        GlyphItem {
            objectName: "checkGlyph"
            anchors.fill: box
            name: "check"
            fontScale: 0.9
            color: BrimforgeTheme.primaryButtonForeground
            visible: root.checkState === Qt.Checked
        }

        Rectangle {
            objectName: "partialMark"
            anchors.centerIn: box
            width: box.width / 2
            height: BrimforgeTheme.mediumBorderWidth
            color: BrimforgeTheme.primaryButtonForeground
            visible: root.checkState === Qt.PartiallyChecked
        }
    }

    contentItem: Text {
        leftPadding: root.indicator && !root.mirrored ? root.indicator.width + root.spacing : 0
        rightPadding: root.indicator && root.mirrored ? root.indicator.width + root.spacing : 0
        text: root.text
        font: root.font
        color: root.textColor
        elide: Text.ElideRight
        // The control decides the side; the text must not flip it a second
        // time through an inherited mirroring.
        LayoutMirroring.enabled: false
        horizontalAlignment: root.mirrored ? Text.AlignRight : Text.AlignLeft
        verticalAlignment: Text.AlignVCenter
    }
}
