import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Templates 2.15 as T
import QtGraphicalEffects 1.15

// A button that is only a picture, tinted by its state (checked, pressed,
// hovered or at rest) and glowing while the pointer is over it. Without a
// graphics API for effects (the software renderer) the picture shows as it
// is.
T.AbstractButton {
    id: root

    property url source
    property bool colorize: true
    property color color: BrimforgeTheme.primaryForeground
    property color hoverColor: BrimforgeTheme.highlightBorderColor
    property color pressedColor: BrimforgeTheme.primaryButtonBackground
    property color checkedColor: BrimforgeTheme.highlightBorderColor
    property bool glowEnabled: true
    property color glowColor: BrimforgeTheme.highlightBorderColor
    property real glowRadius: BrimforgeTheme.glowRadius
    property string toolTip
    readonly property color currentColor: root.pressed ? root.pressedColor
                                                       : root.checked ? root.checkedColor
                                                                      : root.hovered ? root.hoverColor : root.color
    readonly property bool effectsAvailable: root.GraphicsInfo.api !== GraphicsInfo.Software
                                             && root.GraphicsInfo.api !== GraphicsInfo.Unknown
    readonly property alias image: image

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    padding: BrimforgeTheme.xxSmallSpacing
    hoverEnabled: true
    opacity: root.enabled ? 1 : 0.5

    ToolTip.text: root.toolTip
    ToolTip.visible: root.toolTip.length > 0 && root.hovered
    ToolTip.delay: 500

    contentItem: Item {
        id: content

        implicitWidth: BrimforgeTheme.largeIconSize
        implicitHeight: BrimforgeTheme.largeIconSize

        Image {
            id: image

            anchors.fill: content
            source: root.source
            sourceSize.width: width
            sourceSize.height: height
            fillMode: Image.PreserveAspectFit
            smooth: true
            mipmap: true
            visible: !tint.visible
        }

        ColorOverlay {
            id: tint

            objectName: "tint"
            anchors.fill: image
            source: image
            color: root.currentColor
            cached: false
            visible: root.colorize && root.effectsAvailable
        }

        Glow {
            objectName: "glow"
            anchors.fill: image
            source: tint.visible ? tint : image
            radius: root.glowRadius
            samples: 2 * Math.ceil(root.glowRadius) + 1
            color: root.glowColor
            spread: 0.2
            transparentBorder: true
            visible: root.glowEnabled && root.effectsAvailable && (root.hovered || root.visualFocus)
        }
    }
}
