import QtQuick 2.15
import Varnex.Loomwright.Controls 1.0 as Controls

// A label and its value in the older tools' look: both in the tool
// configuration's text colour, the label in the demi-bold style.
Controls.LabelValue {
    id: root

    // The window's AppToolConfig.
    property var toolConfig: null

    labelColor: toolConfig ? toolConfig.textColor : Controls.BrimforgeTheme.secondaryForeground
    valueColor: toolConfig ? (clickable ? toolConfig.bannerColor : toolConfig.textColor)
                           : (clickable ? Controls.BrimforgeTheme.hyperlinkColor : Controls.BrimforgeTheme.primaryForeground)
}
