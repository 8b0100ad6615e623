import QtQuick 2.15
import QtQuick.Controls 2.15

import "../Internal" as Internal

// A push button of the older tools with a background, text and border
// colour for each state: disabled, pressed, hovered and at rest. The
// defaults come from the tool configuration: its background and text
// colours at rest, its highlight under the pointer, its banner colours
// while pressed.
Button {
    id: root

    // The window's AppToolConfig; without one the theme's colours stand in.
    property var toolConfig: null

    property color backgroundColor: toolConfig ? toolConfig.backgroundColor : Internal.BrimforgeTheme.secondaryBackground
    property color hoveredBackgroundColor: toolConfig ? toolConfig.highlightColor
                                                      : Internal.BrimforgeTheme.appActionButtonHoverBackground
    property color pressedBackgroundColor: toolConfig ? toolConfig.bannerColor : Internal.BrimforgeTheme.primaryButtonBackground
    property color disabledBackgroundColor: backgroundColor

    property color textColor: toolConfig ? toolConfig.textColor : Internal.BrimforgeTheme.primaryForeground
    property color hoveredTextColor: textColor
    property color pressedTextColor: toolConfig ? toolConfig.bannerTextColor : Internal.BrimforgeTheme.primaryButtonForeground
    property color disabledTextColor: Internal.BrimforgeTheme.disabledButtonGrey

    property color borderColor: textColor
    property color hoveredBorderColor: toolConfig ? toolConfig.bannerColor : Internal.BrimforgeTheme.highlightBorderColor
    property color pressedBorderColor: pressedBackgroundColor
    property color disabledBorderColor: Internal.BrimforgeTheme.disabledButtonGrey

    property real borderWidth: Internal.BrimforgeTheme.thinBorderWidth
    property real radius: Internal.BrimforgeTheme.mediumRadius

    readonly property string colorState: !enabled ? "disabled" : pressed ? "pressed" : hovered ? "hovered" : "normal"
    readonly property color currentBackgroundColor: pick(backgroundColor, hoveredBackgroundColor, pressedBackgroundColor,
                                                          disabledBackgroundColor)
    readonly property color currentTextColor: pick(textColor, hoveredTextColor, pressedTextColor, disabledTextColor)
    readonly property color currentBorderColor: pick(borderColor, hoveredBorderColor, pressedBorderColor,
                                                      disabledBorderColor)

    function pick(normal, hoveredColor, pressedColor, disabledColor) {
        switch (colorState) {
        case "disabled": return disabledColor
        case "pressed": return pressedColor
        case "hovered": return hoveredColor
        }
        return normal
    }

    implicitHeight: Math.max(Internal.BrimforgeTheme.mediumControlHeight, implicitContentHeight + topPadding + bottomPadding)
    implicitWidth: Math.max(Internal.BrimforgeTheme.smallControlWidth, implicitContentWidth + leftPadding + rightPadding)
    leftPadding: Internal.BrimforgeTheme.xLargeSpacing
    rightPadding: Internal.BrimforgeTheme.xLargeSpacing
    hoverEnabled: true
    font.family: Internal.BrimforgeTheme.avenirDemi
    font.pointSize: Internal.BrimforgeTheme.baseFontSizePoint

    contentItem: Text {
        objectName: "buttonText"
        text: root.text
        textFormat: Text.PlainText
        font: root.font
        color: root.currentTextColor
        elide: Text.ElideRight
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }

    background: Rectangle {
        objectName: "buttonBackground"
        color: root.currentBackgroundColor
        border.color: root.currentBorderColor
        border.width: root.borderWidth
        radius: root.radius
    }
}
