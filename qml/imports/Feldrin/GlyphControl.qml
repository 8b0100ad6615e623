import QtQuick 2.15
import QtQuick.Controls 2.15

// A glyph as a control, so that it takes its colour from the palette and can
// carry focus, hover and tooltips like any other control.
Control {
    id: root

    property alias name: glyphItem.name
    property alias glyphSet: glyphItem.glyphSet
    property alias glyphChar: glyphItem.glyphChar
    property alias fontScale: glyphItem.fontScale
    property alias color: glyphItem.color
    property alias style: glyphItem.style
    property alias styleColor: glyphItem.styleColor
    property alias mirror: glyphItem.mirror
    readonly property alias glyph: glyphItem.glyph
    property bool debug: false

    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    padding: 0

    // A guide for lining glyphs up: the glyph box's circle and its centre.
    background: Item {
        visible: root.debug

        Rectangle {
            anchors.centerIn: parent
            width: Math.min(parent.width, parent.height)
            height: width
            radius: width / 2
            color: "transparent"
            border.color: "red"
            border.width: 1
        }

        Rectangle {
            anchors.centerIn: parent
            width: parent.width
            height: 1
            color: "red"
        }

        Rectangle {
            anchors.centerIn: parent
            width: 1
            height: parent.height
            color: "red"
        }
    }

    contentItem: GlyphItem {
        id: glyphItem

        color: root.palette.windowText
    }
}
