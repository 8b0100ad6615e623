import QtQuick 2.15

// Covers the whole window while a long activity (a download, an upload)
// runs: it dims the content, swallows pointer input so that nothing behind
// it can be started twice, and shows what is going on and how far it got.
// Colours, fonts and sizes come from the theme; font sizes are in points.
Rectangle {
    id: root

    property string title
    property string text
    // 0 to 100; a negative value means the progress is not known yet.
    property real percentage: -1
    // A negative value means no estimate.
    property real secondsRemaining: -1
    readonly property string percentageText: root.percentage >= 0 ? qsTr("%1%").arg(Math.round(root.percentage)) : ""
    readonly property string remainingText: root.remainingTimeText(root.secondsRemaining)
    property real panelWidth: BrimforgeTheme.gridUnit * 100
    property real titleFontSize: BrimforgeTheme.mediumFontSizePoint
    property real fontSize: BrimforgeTheme.baseFontSizePoint
    // A dimming veil: the content shows through.
    property color overlayColor: BrimforgeTheme.activityOverlayColor
    property color panelColor: BrimforgeTheme.floatingPanelBackground
    property color borderColor: BrimforgeTheme.floatingPanelBorderColor
    property color textColor: BrimforgeTheme.primaryForeground
    property color secondaryTextColor: BrimforgeTheme.secondaryForeground

    function show(message) {
        if (message !== undefined)
            root.text = message
        root.visible = true
    }

    function hide() {
        root.visible = false
    }

    // Under a minute the seconds count; beyond that whole minutes read better
    // than a number that changes every second.
    function remainingTimeText(seconds) {
        if (seconds < 0 || isNaN(seconds))
            return ""
        if (seconds < 59.5) {
            var wholeSeconds = Math.round(seconds)
            return qsTr("%n second(s) remaining", "", wholeSeconds)
        }
        var minutes = Math.round(seconds / 60)
        return qsTr("%n minute(s) remaining", "", minutes)
    }

    anchors.fill: parent
    visible: false
    color: root.overlayColor

    MouseArea {
        anchors.fill: parent
        hoverEnabled: true
        preventStealing: true
        acceptedButtons: Qt.AllButtons
        onWheel: wheel.accepted = true
    }

    Rectangle {
        id: panel

        anchors.centerIn: parent
        width: Math.min(root.panelWidth, root.width - 2 * BrimforgeTheme.xxLargeSpacing)
        height: content.implicitHeight + 2 * content.anchors.margins
        radius: BrimforgeTheme.mediumRadius
        color: root.panelColor
        border.width: BrimforgeTheme.thinBorderWidth
        border.color: root.borderColor

        Column {
            id: content

            anchors.fill: parent
            anchors.margins: BrimforgeTheme.gridUnit * 5
            spacing: BrimforgeTheme.xLargeSpacing

            Text {
                objectName: "titleText"
                width: parent.width
                visible: text.length > 0
                text: root.title
                color: root.textColor
                font.family: BrimforgeTheme.avenirDemi
                font.pointSize: root.titleFontSize
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignHCenter
            }

            Text {
                objectName: "activityText"
                width: parent.width
                visible: text.length > 0
                text: root.text
                color: root.textColor
                font.family: BrimforgeTheme.avenir
                font.pointSize: root.fontSize
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignHCenter
            }

            BrimforgeProgressBar {
                objectName: "progressBar"
                width: parent.width
                from: 0
                to: 100
                value: Math.max(0, Math.min(100, root.percentage))
                indeterminate: root.percentage < 0
            }

            Item {
                width: parent.width
                height: Math.max(percentageLabel.implicitHeight, remainingLabel.implicitHeight)

                Text {
                    id: percentageLabel

                    objectName: "percentageText"
                    anchors.left: parent.left
                    text: root.percentageText
                    color: root.secondaryTextColor
                    font.family: BrimforgeTheme.avenir
                    font.pointSize: BrimforgeTheme.smallFontSizePoint
                }

                Text {
                    id: remainingLabel

                    objectName: "remainingText"
                    anchors.right: parent.right
                    text: root.remainingText
                    color: root.secondaryTextColor
                    font.family: BrimforgeTheme.avenir
                    font.pointSize: BrimforgeTheme.smallFontSizePoint
                }
            }
        }
    }
}
