import QtQuick 2.15

import "../Internal" as Internal
import "../Internal/toolwindow.js" as ToolWindow

// The older tools' one-line summary of an app: its version and its owner.
// Either part is left out while the app does not say it.
Row {
    id: root

    // The app (an AppInfo) and the window's AppToolConfig.
    property var appInfo: null
    property var toolConfig: null
    readonly property string version: revision >= 0 ? valueText("version") : ""
    readonly property string owner: revision >= 0 && appInfo && appInfo.owner ? String(appInfo.owner) : ""
    // Counts the app's changes: its descriptor is read through a function,
    // which no binding would follow by itself.
    property int revision: 0
    property real pointSize: Internal.BrimforgeTheme.baseFontSizePoint

    function valueText(name) {
        if (!appInfo || typeof appInfo.value !== "function")
            return ""
        var value = appInfo.value(name, "")
        return value === undefined || value === null ? "" : String(value)
    }

    spacing: Internal.BrimforgeTheme.xxLargeSpacing

    Connections {
        target: root.appInfo
        ignoreUnknownSignals: true

        function onInfoChanged() {
            ++root.revision
        }
    }

    StyledText {
        objectName: "versionText"
        visible: root.version !== ""
        toolConfig: root.toolConfig
        text: qsTr("Version %1").arg(root.version)
        textFormat: Text.PlainText
        font.pointSize: root.pointSize
    }

    StyledText {
        objectName: "ownerText"
        visible: root.owner !== ""
        toolConfig: root.toolConfig
        // The owner is a name from the portal: no markup of its own.
        text: qsTr("Owner <b>%1</b>").arg(ToolWindow.escapeHtml(root.owner))
        textFormat: Text.StyledText
        font.pointSize: root.pointSize
    }
}
