import QtQuick 2.15

// A bar that slides in from the leading edge of its parent and out again.
//
// show() makes it visible and slides it in over `duration` ms, easing in;
// hide() slides it out to `offset` beyond the edge, easing out, and then
// makes it invisible; toggle() does whichever it is not heading for. A
// click on the bar itself hides it. With `autoHide` and a positive
// `autoHideTimeout`, the bar hides itself that long after it has slid in or
// the pointer has left it, unless the pointer came back meanwhile.
//
// `opened` is where the bar is heading; it changes at once, which is what a
// window remembers of it.
Item {
    id: root

    // How far beyond the edge the hidden bar waits.
    property real offset: 0
    property bool autoHide: false
    property int autoHideTimeout: 3000
    property int duration: 250
    // Slides in from the right edge (right-to-left layouts).
    property bool mirrored: false
    readonly property bool opened: internal.opened
    readonly property bool moving: slide.running
    readonly property bool hovered: hoverHandler.hovered
    // 0 when out, 1 when in.
    property real position: 0

    readonly property real parentWidth: parent ? parent.width : 0
    readonly property real shownX: mirrored ? parentWidth - width : 0
    readonly property real hiddenX: mirrored ? parentWidth + offset : -(width + offset)

    // The bar was clicked; it hides itself.
    signal clicked()

    function show() {
        internal.opened = true
        autoHideTimer.stop()
        visible = true
        slide.stop()
        slide.to = 1
        slide.easing.type = Easing.InCubic
        slide.start()
    }

    function hide() {
        internal.opened = false
        autoHideTimer.stop()
        slide.stop()
        slide.to = 0
        slide.easing.type = Easing.OutCubic
        slide.start()
    }

    function toggle() {
        if (opened)
            hide()
        else
            show()
    }

    function armAutoHide() {
        if (autoHide && autoHideTimeout > 0 && opened && !hoverHandler.hovered)
            autoHideTimer.restart()
    }

    x: hiddenX + (shownX - hiddenX) * position
    visible: false

    QtObject {
        id: internal

        property bool opened: false
    }

    NumberAnimation {
        id: slide

        target: root
        property: "position"
        duration: root.duration

        onFinished: {
            if (root.opened)
                root.armAutoHide()
            else
                root.visible = false
        }
    }

    Timer {
        id: autoHideTimer

        interval: Math.max(1, root.autoHideTimeout)
        onTriggered: root.hide()
    }

    HoverHandler {
        id: hoverHandler

        onHoveredChanged: {
            if (hovered)
                autoHideTimer.stop()
            else
                root.armAutoHide()
        }
    }

    MouseArea {
        objectName: "sideBarClickArea"
        anchors.fill: parent
        onClicked: {
            root.clicked()
            root.hide()
        }
    }
}
