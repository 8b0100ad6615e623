import QtQuick 2.15

// A switch whose label carries an icon before its text: a Feldrin glyph by
// name (glyph), or an entry of the theme's icon table (themeIcon).
ThemeSwitch {
    id: root

    property string glyph
    // An entry of the theme's icon table (BrimforgeTheme.icon.getIconByName).
    property string themeIcon
    property color iconColor: root.textColor
    // In units, like the icon's own sizes.
    property real iconSize: 20

    contentItem: Item {
        id: content

        readonly property real indicatorSpace: root.indicator ? root.indicator.width + root.spacing : 0
        readonly property real iconSpace: labelIcon.visible ? labelIcon.width + root.spacing : 0

        // From the parts' natural sizes, not from the row, whose width
        // follows the space it is given.
        implicitWidth: indicatorSpace + iconSpace + labelText.implicitWidth
        implicitHeight: Math.max(labelIcon.implicitHeight, labelText.implicitHeight)

        Row {
            id: label

            x: root.mirrored ? content.width - content.indicatorSpace - width : content.indicatorSpace
            height: content.height
            spacing: root.spacing
            LayoutMirroring.enabled: root.mirrored

            BrimforgeIcon {
                id: labelIcon

                objectName: "labelIcon"
                anchors.verticalCenter: label.verticalCenter
                glyph: root.glyph
                icon: root.themeIcon
                color: root.iconColor
                iconImageSize: root.iconSize
                visible: root.glyph.length > 0 || root.themeIcon.length > 0
            }

            Text {
                id: labelText

                objectName: "labelText"
                anchors.verticalCenter: label.verticalCenter
                width: Math.max(0, Math.min(implicitWidth, content.width - content.indicatorSpace - content.iconSpace))
                text: root.text
                font: root.font
                color: root.textColor
                elide: Text.ElideRight
                verticalAlignment: Text.AlignVCenter
            }
        }
    }
}
