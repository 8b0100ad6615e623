import QtQuick 2.15
import QtGraphicalEffects 1.15

import "../Internal" as Internal

// The large icon of AppToolWindow, which glows under the pointer where the
// graphics can draw the effect.
Item {
    id: root

    property url source
    property color glowColor
    property bool effectsAvailable: false

    signal clicked()
    signal pressAndHold(var button)

    visible: String(source) !== ""

    Image {
        id: iconImage

        anchors.fill: parent
        source: root.source
        sourceSize.width: width
        sourceSize.height: height
        fillMode: Image.PreserveAspectFit
        smooth: true
    }

    Glow {
        objectName: "toolIconGlow"
        anchors.fill: iconImage
        source: iconImage
        radius: Internal.BrimforgeTheme.gridUnit * 2
        samples: 16
        spread: 0.5
        color: root.glowColor
        transparentBorder: true
        visible: root.effectsAvailable && (iconArea.containsMouse || iconArea.pressed)
    }

    MouseArea {
        id: iconArea

        objectName: "toolIconArea"
        anchors.fill: parent
        hoverEnabled: true
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        cursorShape: Qt.PointingHandCursor
        onClicked: root.clicked()
        onPressAndHold: root.pressAndHold(mouse.button)
    }
}
