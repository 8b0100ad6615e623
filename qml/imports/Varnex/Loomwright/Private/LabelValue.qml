import QtQuick 2.15

import "../Internal" as Internal

// A label and its value in the older tools' look: both in the tool
// configuration's text colour, the label in the demi-bold style.
Internal.LabelValue {
    id: root

    // The window's AppToolConfig.
    property var toolConfig: null

    labelColor: toolConfig ? toolConfig.textColor : Internal.BrimforgeTheme.secondaryForeground
    valueColor: toolConfig ? (clickable ? toolConfig.bannerColor : toolConfig.textColor)
                           : (clickable ? Internal.BrimforgeTheme.hyperlinkColor : Internal.BrimforgeTheme.primaryForeground)
}
