import QtQuick 2.15
import QtQuick.Templates 2.15 as T

// An on/off switch in the suite's look: the track takes the brand colour
// when on.
T.Switch {
    id: root

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
        id: track

        implicitWidth: BrimforgeTheme.gridUnit * 9
        implicitHeight: BrimforgeTheme.gridUnit * 5
        x: root.text ? (root.mirrored ? root.width - width - root.rightPadding : root.leftPadding)
                     : root.leftPadding + (root.availableWidth - width) / 2
        y: root.topPadding + (root.availableHeight - height) / 2
        radius: height / 2
        color: root.checked ? root.checkedColor : "transparent"
        border.width: root.visualFocus ? BrimforgeTheme.mediumBorderWidth : BrimforgeTheme.thinBorderWidth
        border.color: root.visualFocus ? BrimforgeTheme.highlightBorderColor
                                       : root.checked ? root.checkedColor : root.outlineColor

        Rectangle {
            objectName: "handle"
            // The track shows as a ring around the handle.
            readonly property real inset: BrimforgeTheme.thickBorderWidth

            // visualPosition already runs from right to left when mirrored.
            x: inset + root.visualPosition * (track.width - width - 2 * inset)
            y: (track.height - height) / 2
            width: track.height - 2 * inset
            height: width
            radius: width / 2
            color: root.checked ? BrimforgeTheme.primaryButtonForeground : BrimforgeTheme.primaryForeground

            Behavior on x {
                enabled: !root.down
                NumberAnimation { duration: 120 }
            }
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
