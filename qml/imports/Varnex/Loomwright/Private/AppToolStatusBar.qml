import QtQuick 2.15

import "../Internal" as Internal
import "toolstyle.js" as ToolStyle

// The status bar of AppToolWindow: the active app's path, shortened in the
// middle when it is too long.
Rectangle {
    id: root

    // The window's AppToolConfig.
    property var toolConfig: null
    property string path

    height: Internal.BrimforgeTheme.smallControlHeight
    color: ToolStyle.colors.summaryBand

    StyledText {
        objectName: "appPath"
        anchors.fill: parent
        anchors.leftMargin: Internal.BrimforgeTheme.mediumSpacing
        anchors.rightMargin: Internal.BrimforgeTheme.mediumSpacing
        toolConfig: root.toolConfig
        text: root.path
        textFormat: Text.PlainText
        elide: Text.ElideMiddle
        horizontalAlignment: Text.AlignLeft
        verticalAlignment: Text.AlignVCenter
        font.pointSize: Internal.BrimforgeTheme.smallFontSizePoint
    }
}
