import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import Feldrin 1.0

// A tab of a vertical tab bar (a column of tabs at the side of a page): the
// current tab is marked by a bar at its leading edge, and its glyph and text
// line up at the leading edge so that the column reads as a list.
T.TabButton {
    id: root

    property string glyph
    property color textColor: BrimforgeTheme.primaryForeground
    property color indicatorColor: BrimforgeTheme.highlightBorderColor
    property real indicatorThickness: BrimforgeTheme.thickBorderWidth
    property real glyphSize: BrimforgeTheme.mediumIconSize

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    padding: BrimforgeTheme.mediumSpacing
    leftPadding: root.mirrored ? BrimforgeTheme.xLargeSpacing : BrimforgeTheme.xxLargeSpacing
    rightPadding: root.mirrored ? BrimforgeTheme.xxLargeSpacing : BrimforgeTheme.xLargeSpacing
    spacing: BrimforgeTheme.largeSpacing
    hoverEnabled: true
    opacity: root.enabled ? 1 : 0.5

    font.family: root.checked ? BrimforgeTheme.avenirDemi : BrimforgeTheme.avenir
    font.pointSize: BrimforgeTheme.baseFontSizePoint

    contentItem: Item {
        id: content

        readonly property real glyphSpace: glyphItem.visible ? glyphItem.width + root.spacing : 0

        // From the parts' natural sizes, not from the row, whose width
        // follows the space it is given.
        implicitWidth: glyphSpace + tabText.implicitWidth
        implicitHeight: Math.max(tabText.implicitHeight, root.glyphSize)

        Row {
            id: row

            anchors.verticalCenter: content.verticalCenter
            x: root.mirrored ? content.width - width : 0
            spacing: root.spacing
            opacity: root.checked || root.hovered ? 1 : 0.7
            LayoutMirroring.enabled: root.mirrored

            GlyphItem {
                id: glyphItem

                objectName: "tabGlyph"
                anchors.verticalCenter: row.verticalCenter
                width: root.glyphSize
                height: root.glyphSize
                name: root.glyph
                color: root.textColor
                visible: root.glyph.length > 0
            }

            Text {
                id: tabText

                objectName: "tabText"
                anchors.verticalCenter: row.verticalCenter
                width: Math.max(0, Math.min(implicitWidth, content.width - content.glyphSpace))
                text: root.text
                font: root.font
                color: root.textColor
                elide: Text.ElideRight
            }
        }
    }

    background: Rectangle {
        id: surface

        implicitWidth: BrimforgeTheme.mediumControlWidth
        implicitHeight: BrimforgeTheme.largeControlHeight
        color: root.checked ? BrimforgeTheme.secondaryBackground
                            : root.down || root.hovered ? BrimforgeTheme.appActionButtonHoverBackground : "transparent"

        Rectangle {
            objectName: "currentIndicator"
            x: root.mirrored ? surface.width - width : 0
            width: root.indicatorThickness
            height: surface.height
            color: root.indicatorColor
            visible: root.checked
        }
    }
}
