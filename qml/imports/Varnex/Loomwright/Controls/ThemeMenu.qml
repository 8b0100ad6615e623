import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Templates 2.15 as T
import Feldrin 1.0

// A pop-up menu in the suite's look, on a floating panel background. Entries
// made from actions use the themed delegate; MenuItem and MenuSeparator
// children of the default style follow through the palette.
T.Menu {
    id: root

    property real menuWidth: BrimforgeTheme.gridUnit * 45
    property real itemHeight: BrimforgeTheme.smallControlHeight
    property color textColor: BrimforgeTheme.primaryForeground
    property color disabledTextColor: Qt.rgba(root.textColor.r, root.textColor.g, root.textColor.b, 0.4)
    property color backgroundColor: BrimforgeTheme.floatingPanelBackground
    property color highlightColor: BrimforgeTheme.appActionButtonHoverBackground
    property color borderColor: BrimforgeTheme.floatingPanelBorderColor
    property color dividerColor: BrimforgeTheme.floatingPanelDividerColor

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            contentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             contentHeight + topPadding + bottomPadding)

    margins: 0
    overlap: BrimforgeTheme.thinBorderWidth
    padding: BrimforgeTheme.thinBorderWidth

    font.family: BrimforgeTheme.avenir
    font.pointSize: BrimforgeTheme.baseFontSizePoint
    palette.window: root.backgroundColor
    palette.windowText: root.textColor
    palette.text: root.textColor
    palette.base: root.backgroundColor
    palette.light: root.highlightColor
    palette.midlight: root.highlightColor
    palette.mid: root.dividerColor
    palette.dark: root.borderColor

    delegate: T.MenuItem {
        id: menuItem

        implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                                implicitContentWidth + leftPadding + rightPadding)
        implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                                 implicitContentHeight + topPadding + bottomPadding,
                                 implicitIndicatorHeight + topPadding + bottomPadding)

        padding: BrimforgeTheme.smallSpacing
        leftPadding: BrimforgeTheme.xLargeSpacing
        rightPadding: BrimforgeTheme.xLargeSpacing
        spacing: BrimforgeTheme.mediumSpacing
        hoverEnabled: true

        contentItem: Text {
            readonly property real markSpace: menuItem.checkable ? menuItem.indicator.width + menuItem.spacing : 0
            readonly property real arrowSpace: menuItem.subMenu ? menuItem.arrow.width + menuItem.spacing : 0

            leftPadding: menuItem.mirrored ? arrowSpace : markSpace
            rightPadding: menuItem.mirrored ? markSpace : arrowSpace
            text: menuItem.text
            font: menuItem.font
            color: menuItem.enabled ? root.textColor : root.disabledTextColor
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter
            LayoutMirroring.enabled: false
            horizontalAlignment: menuItem.mirrored ? Text.AlignRight : Text.AlignLeft
        }

        indicator: GlyphItem {
            x: menuItem.mirrored ? menuItem.width - width - menuItem.rightPadding : menuItem.leftPadding
            y: menuItem.topPadding + (menuItem.availableHeight - height) / 2
            width: BrimforgeTheme.smallIconSize
            height: width
            name: "check"
            color: root.textColor
            visible: menuItem.checkable && menuItem.checked
        }

        arrow: GlyphItem {
            x: menuItem.mirrored ? menuItem.leftPadding : menuItem.width - width - menuItem.rightPadding
            y: menuItem.topPadding + (menuItem.availableHeight - height) / 2
            width: BrimforgeTheme.smallIconSize
            height: width
            name: "chevron-right"
            mirror: menuItem.mirrored
            color: root.textColor
            visible: menuItem.subMenu
        }

        background: Rectangle {
            implicitWidth: root.menuWidth
            implicitHeight: root.itemHeight
            color: menuItem.enabled && (menuItem.down || menuItem.highlighted) ? root.highlightColor : "transparent"
        }
    }

    contentItem: ListView {
        implicitHeight: contentHeight
        model: root.contentModel
        interactive: Window.window ? contentHeight + root.topPadding + root.bottomPadding > Window.window.height : false
        clip: true
        currentIndex: root.currentIndex
    }

    background: Rectangle {
        implicitWidth: root.menuWidth
        implicitHeight: root.itemHeight
        color: root.backgroundColor
        border.width: BrimforgeTheme.thinBorderWidth
        border.color: root.borderColor
    }
}
