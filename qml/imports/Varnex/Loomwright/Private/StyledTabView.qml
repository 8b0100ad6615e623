import QtQuick 2.15
import QtQuick.Controls 1.4
import QtQuick.Controls.Styles 1.4

import "../Internal" as Internal

// The tab view of the older tools: the current tab in the tool
// configuration's banner colours, the others in its background and text
// colours, a tab under the pointer in its highlight colour, and the page
// on the background colour.
TabView {
    id: root

    // The window's AppToolConfig; without one the theme's colours stand in.
    property var toolConfig: null
    property color tabColor: toolConfig ? toolConfig.backgroundColor : Internal.BrimforgeTheme.secondaryBackground
    property color tabTextColor: toolConfig ? toolConfig.textColor : Internal.BrimforgeTheme.secondaryForeground
    property color selectedTabColor: toolConfig ? toolConfig.bannerColor : Internal.BrimforgeTheme.primaryButtonBackground
    property color selectedTabTextColor: toolConfig ? toolConfig.bannerTextColor
                                                    : Internal.BrimforgeTheme.primaryButtonForeground
    property color hoveredTabColor: toolConfig ? toolConfig.highlightColor
                                               : Internal.BrimforgeTheme.appActionButtonHoverBackground
    property color frameColor: toolConfig ? toolConfig.backgroundColor : Internal.BrimforgeTheme.primaryBackground
    property color frameBorderColor: selectedTabColor

    style: TabViewStyle {
        frameOverlap: 0
        tabOverlap: 0
        tabsAlignment: root.LayoutMirroring.enabled ? Qt.AlignRight : Qt.AlignLeft

        tab: Rectangle {
            objectName: "tab"
            implicitWidth: Math.max(tabTitle.implicitWidth + 2 * Internal.BrimforgeTheme.xLargeSpacing,
                                    Internal.BrimforgeTheme.smallControlWidth)
            implicitHeight: Internal.BrimforgeTheme.mediumControlHeight
            color: styleData.selected ? root.selectedTabColor : styleData.hovered ? root.hoveredTabColor : root.tabColor

            Text {
                id: tabTitle

                anchors.centerIn: parent
                width: Math.min(implicitWidth, parent.width - 2 * Internal.BrimforgeTheme.smallSpacing)
                text: styleData.title
                textFormat: Text.PlainText
                elide: Text.ElideRight
                color: styleData.selected ? root.selectedTabTextColor : root.tabTextColor
                opacity: styleData.enabled ? 1 : 0.5
                font.family: styleData.selected ? Internal.BrimforgeTheme.avenirDemi : Internal.BrimforgeTheme.avenir
                font.pointSize: Internal.BrimforgeTheme.baseFontSizePoint
            }
        }

        frame: Rectangle {
            color: root.frameColor
            border.color: root.frameBorderColor
            border.width: Internal.BrimforgeTheme.thinBorderWidth
        }
    }
}
