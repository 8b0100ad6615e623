import QtQuick 2.15
import QtQuick.Controls 2.15
import Varnex.Hostkit 1.0

// A busy indicator that spins one glyph of a glyph set.
BusyIndicator {
    id: root

    property GlyphSet glyphSet: Feldrin.uiIcons
    property string name: "spinner"
    property color color: palette.dark
    property color backgroundColor: palette.dark

    implicitWidth: 64 * Hostkit.displayScaleFactor
    implicitHeight: 64 * Hostkit.displayScaleFactor
    padding: 0

    contentItem: GlyphItem {
        id: glyphItem

        glyphSet: root.glyphSet
        name: root.name
        color: root.color
        styleColor: root.backgroundColor
        opacity: root.running ? 1 : 0
        visible: opacity > 0

        Behavior on opacity {
            NumberAnimation {
                duration: 250
            }
        }

        RotationAnimation on rotation {
            from: 0
            to: 360
            duration: 1250
            loops: Animation.Infinite
            running: root.visible && root.running
        }
    }
}
