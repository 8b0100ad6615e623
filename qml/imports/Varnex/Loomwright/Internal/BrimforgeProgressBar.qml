import QtQuick 2.15
import QtQuick.Controls 2.15

// A thin progress bar in the theme's colours; an indeterminate one shows a
// segment that runs along the track.
ProgressBar {
    id: root

    property color trackColor: BrimforgeTheme.secondaryDividerColor
    property color barColor: BrimforgeTheme.primaryButtonBackground
    property real barHeight: BrimforgeTheme.progressBarHeight

    implicitWidth: BrimforgeTheme.largeControlWidth
    implicitHeight: barHeight
    padding: 0

    background: Rectangle {
        radius: height / 2
        color: root.trackColor
    }

    contentItem: Item {
        clip: true

        Rectangle {
            visible: !root.indeterminate
            x: root.mirrored ? parent.width - width : 0
            width: root.position * parent.width
            height: parent.height
            radius: height / 2
            color: root.barColor
        }

        Rectangle {
            id: runner

            visible: root.indeterminate
            width: parent.width / 4
            height: parent.height
            radius: height / 2
            color: root.barColor

            XAnimator on x {
                from: -runner.width
                to: root.width
                duration: 1500
                loops: Animation.Infinite
                running: root.indeterminate && root.visible
            }
        }
    }
}
