import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import Feldrin 1.0

// A tab of a horizontal tab bar: the current tab is underlined in the
// highlight colour, the others are dimmed. An optional Feldrin glyph sits
// before the text.
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
    leftPadding: BrimforgeTheme.xxLargeSpacing
    rightPadding: BrimforgeTheme.xxLargeSpacing
    spacing: BrimforgeTheme.smallSpacing
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

            anchors.centerIn: content
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

        implicitHeight: BrimforgeTheme.largeControlHeight
        color: root.down || root.hovered ? BrimforgeTheme.appActionButtonHoverBackground : "transparent"

        Rectangle {
            objectName: "currentIndicator"
            anchors.left: surface.left
            anchors.right: surface.right
            anchors.bottom: surface.bottom
            height: root.indicatorThickness
            color: root.indicatorColor
            visible: root.checked
        }
    }
}
