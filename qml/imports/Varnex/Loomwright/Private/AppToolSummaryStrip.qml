import QtQuick 2.15

import "toolstyle.js" as ToolStyle

// The strip along the top of AppToolWindow with the active app's summary,
// which starts past the tool's icon.
Rectangle {
    id: root

    property var appInfo: null
    // The window's AppToolConfig.
    property var toolConfig: null
    // Where the summary starts, from the strip's leading edge.
    property real summaryInset

    color: ToolStyle.colors.summaryBand

    AppSummary {
        objectName: "appSummary"
        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        anchors.leftMargin: root.summaryInset
        visible: root.appInfo !== null && root.appInfo.isValid
        appInfo: root.appInfo
        toolConfig: root.toolConfig
    }
}
