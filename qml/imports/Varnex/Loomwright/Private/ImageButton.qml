import QtQuick 2.15
import Varnex.Loomwright.Controls 1.0 as Controls

// A picture button of the older tools: the picture as it is, glowing in the
// tool configuration's highlight colour while hovered or focused, and tinted
// with it while checked or pressed when `colorize` is on.
Controls.ImageButton {
    id: root

    // The window's AppToolConfig.
    property var toolConfig: null
    readonly property color highlightColor: toolConfig ? toolConfig.highlightColor
                                                       : Controls.BrimforgeTheme.highlightBorderColor

    colorize: false
    hoverColor: highlightColor
    pressedColor: highlightColor
    checkedColor: highlightColor
    glowColor: highlightColor
}
