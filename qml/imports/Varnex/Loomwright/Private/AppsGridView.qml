import QtQuick 2.15
import QtQuick.Controls 2.15

import "../Internal" as Internal
import "../Internal/toolwindow.js" as ToolWindow

// The older app grid: square cells (AppItemView) of an app list's filtered
// apps, as many columns as the width holds for cells about
// `referenceCellWidth` wide (see toolwindow.js, columnCount()).
GridView {
    id: root

    // The app list (an AppInfoList) and the window's AppToolConfig.
    property var appInfoList: null
    property var toolConfig: null
    readonly property var apps: appInfoList ? appInfoList.filteredApps : []
    property real referenceCellWidth: Internal.BrimforgeTheme.largeControlWidth
    property real cellMargin: Internal.BrimforgeTheme.mediumSpacing
    readonly property int columns: ToolWindow.columnCount(width, referenceCellWidth, cellMargin)
    readonly property var currentAppInfo: currentIndex >= 0 && currentIndex < count ? apps[currentIndex] : null
    property string nullAppTitle
    property url nullAppThumbnail: "images/gis5.png"

    signal clicked(var appInfo, int button)
    signal doubleClicked(var appInfo, int button)
    signal statusClicked(var appInfo, int status)

    clip: true
    enabled: !(appInfoList && appInfoList.refreshing)
    model: apps
    currentIndex: -1
    cellWidth: Math.max(1, width / columns)
    cellHeight: cellWidth
    boundsBehavior: Flickable.StopAtBounds
    keyNavigationEnabled: true
    ScrollBar.vertical: ScrollBar {}

    // A new list holds no choice yet; left alone, the view would make its
    // first app current, and the picker would answer with an app that the
    // user never chose.
    onModelChanged: currentIndex = -1

    delegate: AppItemView {
        width: root.cellWidth
        height: root.cellHeight
        appInfo: modelData
        toolConfig: root.toolConfig
        isCurrent: root.currentIndex === index
        nullAppTitle: root.nullAppTitle
        nullAppThumbnail: root.nullAppThumbnail
        onClicked: {
            root.currentIndex = index
            root.forceActiveFocus()
            root.clicked(appInfo, button)
        }
        onDoubleClicked: {
            root.currentIndex = index
            root.doubleClicked(appInfo, button)
        }
        onStatusClicked: root.statusClicked(appInfo, status)
    }

    Internal.BrimforgeBusyIndicator {
        parent: root
        anchors.centerIn: parent
        running: !!root.appInfoList && root.appInfoList.refreshing
        visible: running
    }
}
