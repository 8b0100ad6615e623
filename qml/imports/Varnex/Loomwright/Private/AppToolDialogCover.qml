import QtQuick 2.15

import "../Internal" as Internal
import "toolstyle.js" as ToolStyle

// What covers AppToolWindow while one of its dialogs is open: it dims the
// window, takes every click and wheel turn, and shows the tool's icon and
// title.
Rectangle {
    id: root

    property url iconSource
    property real iconSize
    property string title

    color: ToolStyle.colors.dialogCover

    MouseArea {
        anchors.fill: parent
        hoverEnabled: true
        preventStealing: true
        acceptedButtons: Qt.AllButtons
        onWheel: wheel.accepted = true
    }

    Column {
        anchors.centerIn: parent
        width: parent.width - 2 * Internal.BrimforgeTheme.xxLargeSpacing
        spacing: Internal.BrimforgeTheme.xxLargeSpacing

        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            width: root.iconSize
            height: root.iconSize
            visible: String(root.iconSource) !== ""
            source: root.iconSource
            sourceSize.width: width
            sourceSize.height: height
            fillMode: Image.PreserveAspectFit
        }

        Text {
            objectName: "coverTitle"
            width: parent.width
            text: root.title
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
            color: ToolStyle.colors.coverText
            font.family: Internal.BrimforgeTheme.avenirBold
            font.pointSize: ToolStyle.fontSizes.coverTitle
            font.bold: true
        }
    }
}
