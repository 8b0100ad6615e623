import QtQuick 2.15
import QtQuick.Controls 2.15
import Varnex.Loomwright.Controls 1.0 as Controls

// A push button of the older tools with a background, text and border
// colour for each state: disabled, pressed, hovered and at rest. The
// defaults come from the tool configuration: its background and text
// colours at rest, its highlight under the pointer, its banner colours
// while pressed.
Button {
    id: root

    // The window's AppToolConfig; without one the theme's colours stand in.
    property var toolConfig: null

    property color backgroundColor: toolConfig ? toolConfig.backgroundColor : Controls.BrimforgeTheme.secondaryBackground
    property color hoveredBackgroundColor: toolConfig ? toolConfig.highlightColor
                                                      : Controls.BrimforgeTheme.appActionButtonHoverBackground
    property color pressedBackgroundColor: toolConfig ? toolConfig.bannerColor : Controls.BrimforgeTheme.primaryButtonBackground
    property color disabledBackgroundColor: backgroundColor

    property color textColor: toolConfig ? toolConfig.textColor : Controls.BrimforgeTheme.primaryForeground
    property color hoveredTextColor: textColor
    property color pressedTextColor: toolConfig ? toolConfig.bannerTextColor : Controls.BrimforgeTheme.primaryButtonForeground
    property color disabledTextColor: Controls.BrimforgeTheme.disabledButtonGrey

    property color borderColor: textColor
    property color hoveredBorderColor: toolConfig ? toolConfig.bannerColor : Controls.BrimforgeTheme.highlightBorderColor
    property color pressedBorderColor: pressedBackgroundColor
    property color disabledBorderColor: Controls.BrimforgeTheme.disabledButtonGrey

    property real borderWidth: Controls.BrimforgeTheme.thinBorderWidth
    property real radius: Controls.BrimforgeTheme.mediumRadius

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

    implicitHeight: Math.max(Controls.BrimforgeTheme.mediumControlHeight, implicitContentHeight + topPadding + bottomPadding)
    implicitWidth: Math.max(Controls.BrimforgeTheme.smallControlWidth, implicitContentWidth + leftPadding + rightPadding)
    leftPadding: Controls.BrimforgeTheme.xLargeSpacing
    rightPadding: Controls.BrimforgeTheme.xLargeSpacing
    hoverEnabled: true
    font.family: Controls.BrimforgeTheme.avenirDemi
    font.pointSize: Controls.BrimforgeTheme.baseFontSizePoint

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
