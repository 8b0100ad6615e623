import QtQuick 2.15
import Varnex.Hostkit 1.0

// One glyph of a glyph set, as high as the item.
Item {
    id: root

    property string name
    property GlyphSet glyphSet: Feldrin.uiIcons
    property string glyphChar: glyphSet ? glyphSet.glyphChar(name) : ""
    property real fontScale: 1
    property color color: "black"
    property int style: Text.Normal
    property color styleColor: "transparent"
    property bool mirror: false
    readonly property alias glyph: glyph

    implicitWidth: 35 * Hostkit.displayScaleFactor
    implicitHeight: 35 * Hostkit.displayScaleFactor

    transform: Scale {
        origin.x: root.width / 2
        xScale: root.mirror ? -1 : 1
    }

    Text {
        id: glyph

        anchors.centerIn: parent
        text: root.glyphChar
        textFormat: Text.PlainText
        color: root.color
        style: root.style
        styleColor: root.styleColor
        font.family: root.glyphSet ? root.glyphSet.font.family : ""
        font.pixelSize: Math.max(1, root.height * root.fontScale)
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        renderType: Text.QtRendering
    }
}
