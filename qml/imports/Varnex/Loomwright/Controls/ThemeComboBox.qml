import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Templates 2.15 as T
import Feldrin 1.0

// A drop-down list in the suite's look. Its list opens on a floating panel
// background, and the current entry is set in the demi-bold style.
T.ComboBox {
    id: root

    property color textColor: BrimforgeTheme.primaryForeground
    property color backgroundColor: BrimforgeTheme.tertiaryBackground
    property color borderColor: root.hovered ? BrimforgeTheme.primaryBorderColor : BrimforgeTheme.secondaryBorderColor
    property real itemHeight: BrimforgeTheme.smallControlHeight

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding,
                             implicitIndicatorHeight + topPadding + bottomPadding)

    padding: BrimforgeTheme.smallSpacing
    leftPadding: root.padding + (root.mirrored ? root.indicator.width + root.spacing : BrimforgeTheme.xSmallSpacing)
    rightPadding: root.padding + (root.mirrored ? BrimforgeTheme.xSmallSpacing : root.indicator.width + root.spacing)
    spacing: BrimforgeTheme.smallSpacing
    hoverEnabled: true
    opacity: root.enabled ? 1 : 0.5

    font.family: BrimforgeTheme.avenir
    font.pointSize: BrimforgeTheme.baseFontSizePoint

    delegate: T.ItemDelegate {
        id: entry

        readonly property string entryText: root.textRole
                                            ? (Array.isArray(root.model) ? modelData[root.textRole] : model[root.textRole])
                                            : modelData

        width: ListView.view.width
        implicitHeight: root.itemHeight
        padding: BrimforgeTheme.smallSpacing
        leftPadding: BrimforgeTheme.largeSpacing
        rightPadding: BrimforgeTheme.largeSpacing
        hoverEnabled: root.hoverEnabled
        highlighted: root.highlightedIndex === index
        text: entryText
        font.family: root.currentIndex === index ? BrimforgeTheme.avenirDemi : BrimforgeTheme.avenir
        font.pointSize: root.font.pointSize

        contentItem: Text {
            text: entry.text
            font: entry.font
            color: root.textColor
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter
            LayoutMirroring.enabled: false
            horizontalAlignment: root.mirrored ? Text.AlignRight : Text.AlignLeft
        }

        background: Rectangle {
            color: entry.down || entry.highlighted ? BrimforgeTheme.appActionButtonHoverBackground : "transparent"
        }
    }

    indicator: GlyphItem {
        objectName: "dropDownGlyph"
        x: root.mirrored ? root.padding : root.width - width - root.padding
        y: root.topPadding + (root.availableHeight - height) / 2
        width: BrimforgeTheme.smallIconSize
        height: width
        name: "chevron-down"
        color: root.textColor
    }

    contentItem: T.TextField {
        padding: 0
        text: root.editable ? root.editText : root.displayText
        enabled: root.editable
        autoScroll: root.editable
        readOnly: root.down
        inputMethodHints: root.inputMethodHints
        validator: root.validator
        selectByMouse: root.selectTextByMouse
        font: root.font
        color: root.textColor
        selectionColor: BrimforgeTheme.primaryButtonBackground
        selectedTextColor: BrimforgeTheme.primaryButtonForeground
        verticalAlignment: Text.AlignVCenter
        LayoutMirroring.enabled: false
        horizontalAlignment: root.mirrored ? Text.AlignRight : Text.AlignLeft
    }

    background: Rectangle {
        implicitWidth: BrimforgeTheme.mediumControlWidth
        implicitHeight: BrimforgeTheme.mediumControlHeight
        color: root.backgroundColor
        border.width: root.visualFocus || root.down ? BrimforgeTheme.mediumBorderWidth : BrimforgeTheme.thinBorderWidth
        border.color: root.visualFocus || root.down ? BrimforgeTheme.highlightBorderColor : root.borderColor
    }

    popup: T.Popup {
        y: root.height
        width: root.width
        height: Math.min(contentItem.implicitHeight + topPadding + bottomPadding,
                         root.Window.height - topMargin - bottomMargin)
        topMargin: BrimforgeTheme.smallSpacing
        bottomMargin: BrimforgeTheme.smallSpacing
        padding: BrimforgeTheme.thinBorderWidth

        contentItem: ListView {
            clip: true
            implicitHeight: contentHeight
            model: root.delegateModel
            currentIndex: root.highlightedIndex
            highlightMoveDuration: 0
            boundsBehavior: Flickable.StopAtBounds

            T.ScrollIndicator.vertical: T.ScrollIndicator {
                id: scrollIndicator

                implicitWidth: implicitContentWidth + leftPadding + rightPadding
                implicitHeight: implicitContentHeight + topPadding + bottomPadding
                padding: BrimforgeTheme.xxSmallSpacing

                contentItem: Rectangle {
                    implicitWidth: BrimforgeTheme.thickBorderWidth
                    implicitHeight: BrimforgeTheme.thickBorderWidth
                    color: BrimforgeTheme.secondaryDividerColor
                    visible: scrollIndicator.size < 1
                    opacity: scrollIndicator.active ? 1 : 0
                }
            }
        }

        background: Rectangle {
            color: BrimforgeTheme.floatingPanelBackground
            border.width: BrimforgeTheme.thinBorderWidth
            border.color: BrimforgeTheme.floatingPanelBorderColor
        }
    }
}
