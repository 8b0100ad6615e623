import QtQuick 2.15

import "../Internal" as Internal

// Text in the older tools' look: the theme's text family at its base size,
// in the tool configuration's text colour, links in its banner colour.
// Without a configuration the theme's colours stand in.
Text {
    id: root

    // The window's AppToolConfig.
    property var toolConfig: null

    color: toolConfig ? toolConfig.textColor : Internal.BrimforgeTheme.primaryForeground
    linkColor: toolConfig ? toolConfig.bannerColor : Internal.BrimforgeTheme.hyperlinkColor
    font.family: Internal.BrimforgeTheme.avenir
    font.pointSize: Internal.BrimforgeTheme.baseFontSizePoint
}
