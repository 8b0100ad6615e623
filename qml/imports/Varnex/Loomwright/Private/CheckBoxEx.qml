import QtQuick 2.15
import QtQuick.Controls 1.4

import "../Internal" as Internal

// The check box of the older tools, drawn by CheckBoxStyleEx: its text
// colour, bold option and active colours are the check box's own
// properties, so that a tool sets them where it places the box.
CheckBox {
    id: root

    // The window's AppToolConfig; without one the theme's colours stand in.
    property var toolConfig: null
    property color textColor: toolConfig ? toolConfig.textColor : Internal.BrimforgeTheme.primaryForeground
    property bool bold: false
    property real pointSize: Internal.BrimforgeTheme.baseFontSizePoint
    property color activeColor: toolConfig ? toolConfig.bannerColor : Internal.BrimforgeTheme.primaryButtonBackground
    property color activeTextColor: textColor

    style: CheckBoxStyleEx {
        toolConfig: root.toolConfig
        textColor: root.textColor
        bold: root.bold
        pointSize: root.pointSize
        activeColor: root.activeColor
        activeTextColor: root.activeTextColor
    }
}
