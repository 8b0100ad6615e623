import QtQuick 2.15
import QtQuick.Controls 1.4
import QtQuick.Controls.Styles 1.4

import "../Internal" as Internal

// The check box style of the older tools: the label in the tool
// configuration's text colour, optionally bold; the box's mark and its
// border, while the box is checked, hovered or focused, in the active
// colour (the configuration's banner colour), and the label in the active
// text colour while hovered.
CheckBoxStyle {
    id: root

    // The window's AppToolConfig; without one the theme's colours stand in.
    property var toolConfig: null
    property color textColor: toolConfig ? toolConfig.textColor : Internal.BrimforgeTheme.primaryForeground
    property bool bold: false
    property real pointSize: Internal.BrimforgeTheme.baseFontSizePoint
    property color activeColor: toolConfig ? toolConfig.bannerColor : Internal.BrimforgeTheme.primaryButtonBackground
    property color activeTextColor: textColor
    property color boxColor: toolConfig ? toolConfig.backgroundColor : Internal.BrimforgeTheme.tertiaryBackground
    property color disabledColor: Internal.BrimforgeTheme.disabledButtonGrey

    spacing: Internal.BrimforgeTheme.smallSpacing

    indicator: Rectangle {
        readonly property bool active: control.checked || control.hovered || control.activeFocus

        objectName: "checkBoxIndicator"
        implicitWidth: Internal.BrimforgeTheme.indicatorSize
        implicitHeight: Internal.BrimforgeTheme.indicatorSize
        radius: Internal.BrimforgeTheme.smallRadius
        color: root.boxColor
        border.color: !control.enabled ? root.disabledColor : active ? root.activeColor : root.textColor
        border.width: control.activeFocus ? Internal.BrimforgeTheme.mediumBorderWidth : Internal.BrimforgeTheme.thinBorderWidth

        Rectangle {
            objectName: "checkBoxMark"
            anchors.fill: parent
            anchors.margins: Internal.BrimforgeTheme.xSmallSpacing
            radius: Internal.BrimforgeTheme.smallRadius
            visible: control.checkedState !== Qt.Unchecked
            opacity: control.checkedState === Qt.PartiallyChecked ? 0.5 : 1
            color: control.enabled ? root.activeColor : root.disabledColor
        }
    }

    label: Text {
        objectName: "checkBoxLabel"
        text: control.text
        textFormat: Text.PlainText
        color: !control.enabled ? root.disabledColor : control.hovered ? root.activeTextColor : root.textColor
        font.family: root.bold ? Internal.BrimforgeTheme.avenirBold : Internal.BrimforgeTheme.avenir
        font.bold: root.bold
        font.pointSize: root.pointSize
        verticalAlignment: Text.AlignVCenter
    }
}
