import QtQuick 2.15

import "../Internal" as Internal

// A picture button of the older tools: the picture as it is, glowing in the
// tool configuration's highlight colour while hovered or focused, and tinted
// with it while checked or pressed when `colorize` is on.
Internal.ImageButton {
    id: root

    // The window's AppToolConfig.
    property var toolConfig: null
    readonly property color highlightColor: toolConfig ? toolConfig.highlightColor
                                                       : Internal.BrimforgeTheme.highlightBorderColor

    colorize: false
    hoverColor: highlightColor
    pressedColor: highlightColor
    checkedColor: highlightColor
    glowColor: highlightColor
}
