import QtQuick 2.15

// A panel that floats above the content with a pointer arrow on one of its
// edges, towards what it belongs to (a button, a field). The item's box is
// the panel's body; the arrow lies outside it, so that the tip can touch its
// target. Hidden until show().
Item {
    id: root

    // Qt.TopEdge, Qt.BottomEdge, Qt.LeftEdge or Qt.RightEdge; left and right
    // swap in a mirrored layout.
    property int arrowEdge: Qt.TopEdge
    // Where along its edge the arrow sits: Qt.AlignLeft, Qt.AlignRight or
    // centred on the top and bottom edges, Qt.AlignTop, Qt.AlignBottom or
    // centred on the side edges; at arrowMargin from the named corner.
    property int arrowAlignment: Qt.AlignCenter
    property real arrowMargin: BrimforgeTheme.gridUnit * 6
    property real arrowSize: BrimforgeTheme.gridUnit * 2
    property bool arrowVisible: true
    property color color: BrimforgeTheme.floatingPanelBackground
    property color borderColor: BrimforgeTheme.floatingPanelBorderColor
    property real borderWidth: BrimforgeTheme.thinBorderWidth
    property real radius: BrimforgeTheme.mediumRadius
    property real padding: BrimforgeTheme.xLargeSpacing
    readonly property bool mirrored: root.LayoutMirroring.enabled
    readonly property int effectiveArrowEdge: !root.mirrored ? root.arrowEdge
                                                             : root.arrowEdge === Qt.LeftEdge ? Qt.RightEdge
                                                                                              : root.arrowEdge === Qt.RightEdge ? Qt.LeftEdge
                                                                                                                                : root.arrowEdge
    readonly property bool arrowOnHorizontalEdge: root.effectiveArrowEdge === Qt.TopEdge
                                                  || root.effectiveArrowEdge === Qt.BottomEdge
    // The arrow's centre along its edge, in the body's coordinates.
    readonly property real arrowOffset: {
        var length = root.arrowOnHorizontalEdge ? root.width : root.height
        var start = root.arrowOnHorizontalEdge ? Qt.AlignLeft : Qt.AlignTop
        var end = root.arrowOnHorizontalEdge ? Qt.AlignRight : Qt.AlignBottom
        if (root.arrowOnHorizontalEdge && root.mirrored) {
            start = Qt.AlignRight
            end = Qt.AlignLeft
        }
        var offset = length / 2
        if (root.arrowAlignment & start)
            offset = root.arrowMargin
        else if (root.arrowAlignment & end)
            offset = length - root.arrowMargin
        var low = root.radius + root.arrowSize
        return Math.max(low, Math.min(length - low, offset))
    }
    readonly property point arrowTip: {
        switch (root.effectiveArrowEdge) {
        case Qt.BottomEdge:
            return Qt.point(root.arrowOffset, root.height + root.arrowSize)
        case Qt.LeftEdge:
            return Qt.point(-root.arrowSize, root.arrowOffset)
        case Qt.RightEdge:
            return Qt.point(root.width + root.arrowSize, root.arrowOffset)
        default:
            return Qt.point(root.arrowOffset, -root.arrowSize)
        }
    }
    readonly property alias contentItem: contentArea
    default property alias content: contentArea.data

    function show() {
        root.visible = true
    }

    function hide() {
        root.visible = false
    }

    implicitWidth: contentArea.childrenRect.width + 2 * root.padding
    implicitHeight: contentArea.childrenRect.height + 2 * root.padding
    visible: false

    Canvas {
        id: shape

        // Anything that changes the outline or its colours.
        readonly property var outline: [root.width, root.height, root.effectiveArrowEdge, root.arrowOffset,
                                        root.arrowSize, root.arrowVisible, root.radius, root.borderWidth,
                                        root.color, root.borderColor]

        x: -root.arrowSize
        y: -root.arrowSize
        width: root.width + 2 * root.arrowSize
        height: root.height + 2 * root.arrowSize
        antialiasing: true
        onOutlineChanged: requestPaint()
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            var half = root.borderWidth / 2
            var left = root.arrowSize + half
            var top = root.arrowSize + half
            var right = root.arrowSize + root.width - half
            var bottom = root.arrowSize + root.height - half
            var r = Math.max(0, Math.min(root.radius, (right - left) / 2, (bottom - top) / 2))
            var s = root.arrowVisible ? root.arrowSize : 0
            var along = root.arrowSize + root.arrowOffset
            var edge = root.effectiveArrowEdge

            ctx.beginPath()
            ctx.moveTo(left + r, top)
            if (edge === Qt.TopEdge && s > 0) {
                ctx.lineTo(along - s, top)
                ctx.lineTo(along, top - s)
                ctx.lineTo(along + s, top)
            }
            ctx.lineTo(right - r, top)
            ctx.arcTo(right, top, right, top + r, r)
            if (edge === Qt.RightEdge && s > 0) {
                ctx.lineTo(right, along - s)
                ctx.lineTo(right + s, along)
                ctx.lineTo(right, along + s)
            }
            ctx.lineTo(right, bottom - r)
            ctx.arcTo(right, bottom, right - r, bottom, r)
            if (edge === Qt.BottomEdge && s > 0) {
                ctx.lineTo(along + s, bottom)
                ctx.lineTo(along, bottom + s)
                ctx.lineTo(along - s, bottom)
            }
            ctx.lineTo(left + r, bottom)
            ctx.arcTo(left, bottom, left, bottom - r, r)
            if (edge === Qt.LeftEdge && s > 0) {
                ctx.lineTo(left, along + s)
                ctx.lineTo(left - s, along)
                ctx.lineTo(left, along - s)
            }
            ctx.lineTo(left, top + r)
            ctx.arcTo(left, top, left + r, top, r)
            ctx.closePath()

            ctx.fillStyle = root.color
            ctx.fill()
            if (root.borderWidth > 0) {
                ctx.lineWidth = root.borderWidth
                ctx.strokeStyle = root.borderColor
                ctx.stroke()
            }
        }
    }

    // Clicks on the panel must not reach what lies under it.
    MouseArea {
        anchors.fill: root
        acceptedButtons: Qt.AllButtons
        onWheel: wheel.accepted = true
    }

    Item {
        id: contentArea

        anchors.fill: root
        anchors.margins: root.padding
    }
}
