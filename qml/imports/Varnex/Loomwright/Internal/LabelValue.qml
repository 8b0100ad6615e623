import QtQuick 2.15
import QtQuick.Layouts 1.15

// A label and its value, side by side or the label above the value. A
// clickable pair shows its value as a link and reports clicks.
Item {
    id: root

    property string label
    property string value
    property bool clickable: false
    property int orientation: Qt.Horizontal
    property color labelColor: BrimforgeTheme.secondaryForeground
    property color valueColor: root.clickable ? BrimforgeTheme.hyperlinkColor : BrimforgeTheme.primaryForeground
    property real spacing: BrimforgeTheme.smallSpacing
    property alias labelFont: labelText.font
    property alias valueFont: valueText.font
    readonly property alias hovered: mouseArea.containsMouse

    signal clicked()

    implicitWidth: layout.implicitWidth
    implicitHeight: layout.implicitHeight

    GridLayout {
        id: layout

        anchors.fill: root
        columns: root.orientation === Qt.Horizontal ? 2 : 1
        columnSpacing: root.spacing
        rowSpacing: BrimforgeTheme.xxSmallSpacing

        Text {
            id: labelText

            objectName: "labelText"
            Layout.alignment: Qt.AlignLeft | Qt.AlignVCenter
            Layout.fillWidth: root.orientation !== Qt.Horizontal
            text: root.label
            color: root.labelColor
            font.family: BrimforgeTheme.avenirDemi
            font.pointSize: BrimforgeTheme.smallFontSizePoint
            elide: Text.ElideRight
            visible: text.length > 0
        }

        Text {
            id: valueText

            objectName: "valueText"
            Layout.alignment: Qt.AlignLeft | Qt.AlignVCenter
            Layout.fillWidth: true
            text: root.value
            color: root.valueColor
            font.family: BrimforgeTheme.avenir
            font.pointSize: BrimforgeTheme.baseFontSizePoint
            font.underline: root.clickable && mouseArea.containsMouse
            elide: Text.ElideRight
        }
    }

    MouseArea {
        id: mouseArea

        anchors.fill: root
        enabled: root.clickable && root.enabled
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: root.clicked()
    }
}
