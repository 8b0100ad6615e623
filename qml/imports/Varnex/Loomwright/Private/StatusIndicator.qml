import QtQuick 2.15
import QtGraphicalEffects 1.15

import "../Internal" as Internal
import "toolstyle.js" as ToolStyle

// An app's state as a small round icon that can be clicked.
//
// One precedence decides both the icon and the code that a click reports,
// so that what the user sees is what the tool is told:
//
//   status (click code)       when                                  icon
//   statusUnpublished (3)     unpublished, with showUnpublished     upload
//   statusUpdatedLocally (2)  updatedLocally, with showLocalUpdate  upload
//   statusUpdateAvailable (1) updateAvailable                       download
//   statusNone (0)            otherwise                             none
//
// Local changes win over an update: downloading the update would write
// over them, so the tool is pointed at uploading first.
//
// With showCursor the pointer tells what a click does: a vertical double
// arrow when an update and local changes (with showLocalUpdate) are both
// there, a pointing hand for an update alone, an up arrow for an upload
// (local changes, or an unpublished app), the normal arrow otherwise.
//
// With nothing to tell it draws nothing, yet a click still reports
// statusNone, and goes on to whatever lies beneath (the app's tile).
Item {
    id: root

    readonly property int statusNone: 0
    readonly property int statusUpdateAvailable: 1
    readonly property int statusUpdatedLocally: 2
    readonly property int statusUnpublished: 3

    property bool unpublished: false
    property bool updateAvailable: false
    property bool updatedLocally: false
    property bool showUnpublished: true
    property bool showLocalUpdate: true
    property bool showCursor: true
    // The window's AppToolConfig, for the glow.
    property var toolConfig: null

    readonly property int status: unpublished && showUnpublished ? statusUnpublished
                                  : updatedLocally && showLocalUpdate ? statusUpdatedLocally
                                  : updateAvailable ? statusUpdateAvailable
                                  : statusNone
    readonly property url iconSource: status === statusUpdateAvailable ? "images/downloadIndicator.png"
                                      : status === statusNone ? "" : "images/uploadIndicator.png"
    readonly property int cursorShape: !showCursor ? Qt.ArrowCursor
                                       : updateAvailable && updatedLocally && showLocalUpdate ? Qt.SizeVerCursor
                                       : status === statusUpdateAvailable ? Qt.PointingHandCursor
                                       : status !== statusNone ? Qt.UpArrowCursor
                                       : Qt.ArrowCursor
    readonly property alias hovered: mouseArea.containsMouse
    readonly property bool effectsAvailable: GraphicsInfo.api !== GraphicsInfo.Software
                                             && GraphicsInfo.api !== GraphicsInfo.Unknown

    signal clicked(int status)

    implicitWidth: Internal.BrimforgeTheme.mediumIconSize
    implicitHeight: Internal.BrimforgeTheme.mediumIconSize

    Rectangle {
        id: ring

        objectName: "statusRing"
        anchors.fill: parent
        visible: root.status !== root.statusNone
        radius: width / 2
        color: "transparent"
        border.color: ToolStyle.colors.indicatorOutline
        border.width: Internal.BrimforgeTheme.thinBorderWidth
    }

    Image {
        id: icon

        objectName: "statusIcon"
        anchors.fill: parent
        anchors.margins: Internal.BrimforgeTheme.xxSmallSpacing
        source: root.iconSource
        sourceSize.width: width
        sourceSize.height: height
        fillMode: Image.PreserveAspectFit
        smooth: true
    }

    Glow {
        anchors.fill: icon
        source: icon
        radius: Internal.BrimforgeTheme.glowRadius
        samples: 2 * Math.ceil(radius) + 1
        spread: 0.5
        color: root.toolConfig ? root.toolConfig.highlightColor : Internal.BrimforgeTheme.highlightBorderColor
        transparentBorder: true
        visible: root.effectsAvailable && root.hovered
    }

    MouseArea {
        id: mouseArea

        objectName: "statusArea"
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: root.cursorShape
        propagateComposedEvents: true
        onClicked: {
            root.clicked(root.status)
            mouse.accepted = root.status !== root.statusNone
        }
    }
}
