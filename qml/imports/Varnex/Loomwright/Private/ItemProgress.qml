import QtQuick 2.15
import QtQuick.Controls 2.15

import "../Internal" as Internal
import "toolstyle.js" as ToolStyle

// The progress of a download over the whole window: a cover that takes
// every click, the message, and a busy indicator until a percentage is
// known, then a bar with the percentage; below, while the time left is
// known, an estimate of it. show() starts afresh: percentage and seconds
// remaining go back to 0 until the download reports them.
Rectangle {
    id: root

    property string message
    // 0 to 100; 0 while unknown.
    property real percentage: 0
    // The estimated seconds left; 0 while unknown.
    property real secondsRemaining: 0
    // The window's AppToolConfig, for the bar's colour.
    property var toolConfig: null
    readonly property string percentageText: qsTr("%1%").arg(Math.round(percentage))
    readonly property string timeText: estimatedTimeText(secondsRemaining)

    function show(text) {
        message = text === undefined || text === null ? "" : String(text)
        percentage = 0
        secondsRemaining = 0
        visible = true
    }

    function hide() {
        visible = false
    }

    // "Almost done" for the last second; then whole minutes, rounded up
    // (half a minute more, rounded), while that makes more than one;
    // otherwise the seconds.
    function estimatedTimeText(seconds) {
        if (!(seconds > 0))
            return ""
        if (seconds <= 1)
            return qsTr("Almost done")
        var minutes = Math.round(seconds / 60 + 0.5)
        if (minutes > 1)
            return qsTr("Estimated %n minute(s) remaining", "", minutes)
        return qsTr("Estimated %n second(s) remaining", "", Math.round(seconds))
    }

    anchors.fill: parent
    visible: false
    color: ToolStyle.colors.progressCover
    z: 1000

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

        Text {
            objectName: "progressMessage"
            width: parent.width
            text: root.message
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
            color: ToolStyle.colors.coverText
            font.family: Internal.BrimforgeTheme.avenirBold
            font.pointSize: ToolStyle.fontSizes.progressMessage
            font.bold: true
        }

        Internal.BrimforgeBusyIndicator {
            objectName: "progressBusy"
            anchors.horizontalCenter: parent.horizontalCenter
            visible: root.percentage <= 0
            running: root.visible && visible
        }

        ProgressBar {
            id: bar

            objectName: "progressBar"
            anchors.horizontalCenter: parent.horizontalCenter
            width: Math.min(parent.width, Internal.BrimforgeTheme.largeControlWidth * 2)
            visible: root.percentage > 0
            from: 0
            to: 100
            value: root.percentage

            background: Rectangle {
                implicitHeight: Internal.BrimforgeTheme.progressBarHeight
                color: ToolStyle.colors.coverText
                opacity: 0.3
                radius: Internal.BrimforgeTheme.smallRadius
            }

            contentItem: Item {
                implicitHeight: Internal.BrimforgeTheme.progressBarHeight

                Rectangle {
                    x: bar.mirrored ? parent.width - width : 0
                    width: bar.position * parent.width
                    height: parent.height
                    radius: Internal.BrimforgeTheme.smallRadius
                    color: root.toolConfig ? root.toolConfig.bannerColor : Internal.BrimforgeTheme.primaryButtonBackground
                }
            }
        }

        Text {
            objectName: "progressPercentage"
            width: parent.width
            visible: root.percentage > 0
            text: root.percentageText
            textFormat: Text.PlainText
            horizontalAlignment: Text.AlignHCenter
            color: ToolStyle.colors.coverText
            font.family: Internal.BrimforgeTheme.avenir
            font.pointSize: ToolStyle.fontSizes.progressMessage
        }

        Text {
            objectName: "progressTime"
            width: parent.width
            visible: text !== ""
            text: root.timeText
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
            color: ToolStyle.colors.coverText
            font.family: Internal.BrimforgeTheme.avenir
            font.pointSize: ToolStyle.fontSizes.progressTime
        }
    }
}
