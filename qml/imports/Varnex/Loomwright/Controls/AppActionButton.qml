import QtQuick 2.15
import QtQuick.Controls 2.15

// A tool button that shows a BrimforgeAction: its glyph or icon picture with
// its name below (or beside, with `horizontal`), its tooltip on hover, and
// runs it when clicked.
AbstractButton {
    id: root

    property bool horizontal: false
    property string glyph: action && action.glyph !== undefined ? action.glyph : ""
    property url iconSource: action && action.iconSource !== undefined ? action.iconSource : ""
    property string displayName: {
        if (!action)
            return ""
        return action.displayName !== undefined ? action.displayName : action.text
    }
    property string tooltip: action && action.tooltip !== undefined ? action.tooltip : ""
    property real iconSize: 24
    property real textPointSize: BrimforgeTheme.smallFontSizePoint
    property color textColor: enabled ? BrimforgeTheme.primaryForeground : BrimforgeTheme.secondaryDividerColor
    property color hoverColor: BrimforgeTheme.appActionButtonHoverBackground
    property color pressedColor: BrimforgeTheme.secondaryDividerColor
    readonly property bool hasIcon: glyph !== "" || String(iconSource) !== ""

    implicitWidth: Math.max(implicitBackgroundWidth, implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight, implicitContentHeight + topPadding + bottomPadding)
    padding: BrimforgeTheme.smallSpacing
    spacing: BrimforgeTheme.xSmallSpacing
    hoverEnabled: true
    font.family: BrimforgeTheme.avenir
    font.pointSize: textPointSize
    text: displayName
    Accessible.name: displayName
    Accessible.description: tooltip

    ToolTip.visible: hovered && tooltip !== ""
    ToolTip.text: tooltip
    ToolTip.delay: 600

    background: Rectangle {
        implicitWidth: BrimforgeTheme.largeControlHeight
        implicitHeight: BrimforgeTheme.largeControlHeight
        color: root.pressed ? root.pressedColor : (root.hovered ? root.hoverColor : "transparent")
        border.width: root.visualFocus ? BrimforgeTheme.thinBorderWidth : 0
        border.color: BrimforgeTheme.highlightBorderColor
    }

    contentItem: Item {
        implicitWidth: root.horizontal
                       ? (root.hasIcon ? actionIcon.implicitWidth : 0) + (root.hasIcon && label.text ? root.spacing : 0) + label.implicitWidth
                       : Math.max(root.hasIcon ? actionIcon.implicitWidth : 0, label.implicitWidth)
        implicitHeight: root.horizontal
                        ? Math.max(root.hasIcon ? actionIcon.implicitHeight : 0, label.implicitHeight)
                        : (root.hasIcon ? actionIcon.implicitHeight : 0) + (root.hasIcon && label.text ? root.spacing : 0) + label.implicitHeight

        Grid {
            anchors.centerIn: parent
            columns: root.horizontal ? 2 : 1
            spacing: root.spacing
            horizontalItemAlignment: Grid.AlignHCenter
            verticalItemAlignment: Grid.AlignVCenter
            // Follows the control, whether mirrored by the layout or the locale.
            LayoutMirroring.enabled: root.mirrored

            BrimforgeIcon {
                id: actionIcon

                visible: root.hasIcon
                glyph: root.glyph
                icon: root.glyph === "" ? root.iconSource : ""
                useIconFont: false
                iconImageSize: root.iconSize
                color: root.textColor
            }

            Text {
                id: label

                visible: text !== ""
                width: Math.min(implicitWidth, root.availableWidth)
                text: root.displayName
                font: root.font
                color: root.textColor
                elide: Text.ElideRight
                horizontalAlignment: Text.AlignHCenter
                textFormat: Text.PlainText
            }
        }
    }
}
