import QtQuick 2.15
import Varnex.Loomwright.Controls 1.0 as Controls

// Text in the older tools' look: the theme's text family at its base size,
// in the tool configuration's text colour, links in its banner colour.
// Without a configuration the theme's colours stand in.
Text {
    id: root

    // The window's AppToolConfig.
    property var toolConfig: null

    color: toolConfig ? toolConfig.textColor : Controls.BrimforgeTheme.primaryForeground
    linkColor: toolConfig ? toolConfig.bannerColor : Controls.BrimforgeTheme.hyperlinkColor
    font.family: Controls.BrimforgeTheme.avenir
    font.pointSize: Controls.BrimforgeTheme.baseFontSizePoint
}
