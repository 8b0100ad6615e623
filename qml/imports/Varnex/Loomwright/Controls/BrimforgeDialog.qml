import QtQuick 2.15
import QtQuick.Controls 2.15

// The dialog of the suite's tools: a modal panel centred in its window with
// a title bar and a row of buttons at the bottom, in the theme's colours
// and fonts. Derived dialogs put their content inside and their buttons
// (usually MaterialButtons) into `buttons`.
Dialog {
    id: root

    // The buttons of the bottom row, laid out from the trailing edge.
    property alias buttons: buttonRow.data
    property color titleColor: BrimforgeTheme.primaryForeground
    property color backgroundColor: BrimforgeTheme.floatingPanelBackground
    // The largest size that stays inside the window. A dialog that sticks
    // out of it cannot be moved back, and its buttons would be out of
    // reach; derived dialogs bound their sizes by these.
    readonly property real maximumWidth: parent ? Math.max(0, parent.width - 2 * margins) : Number.POSITIVE_INFINITY
    readonly property real maximumHeight: parent ? Math.max(0, parent.height - 2 * margins) : Number.POSITIVE_INFINITY

    parent: Overlay.overlay
    anchors.centerIn: parent
    margins: BrimforgeTheme.mediumSpacing
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape
    padding: BrimforgeTheme.gridUnit * 5
    topPadding: BrimforgeTheme.xxLargeSpacing
    bottomPadding: BrimforgeTheme.xxLargeSpacing
    font.family: BrimforgeTheme.avenir
    font.pointSize: BrimforgeTheme.baseFontSizePoint

    background: Rectangle {
        color: root.backgroundColor
        border.color: BrimforgeTheme.floatingPanelBorderColor
        border.width: BrimforgeTheme.thinBorderWidth
    }

    header: Item {
        implicitHeight: titleLabel.implicitHeight + 2 * BrimforgeTheme.dialogTitlePadding
        visible: root.title !== ""

        Text {
            id: titleLabel

            objectName: "dialogTitle"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            anchors.leftMargin: root.leftPadding
            anchors.rightMargin: root.rightPadding
            text: root.title
            textFormat: Text.PlainText
            elide: Text.ElideRight
            horizontalAlignment: BrimforgeTheme.rtl ? Text.AlignRight : Text.AlignLeft
            color: root.titleColor
            font.family: BrimforgeTheme.avenirDemi
            font.pointSize: BrimforgeTheme.mediumFontSizePoint
        }

        Rectangle {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            height: BrimforgeTheme.thinBorderWidth
            color: BrimforgeTheme.floatingPanelDividerColor
        }
    }

    footer: Item {
        implicitWidth: buttonRow.implicitWidth + root.leftPadding + root.rightPadding
        implicitHeight: buttonRow.children.length > 0 ? buttonRow.implicitHeight + root.bottomPadding : 0
        visible: buttonRow.children.length > 0

        Row {
            id: buttonRow

            objectName: "dialogButtons"
            anchors.top: parent.top
            anchors.right: BrimforgeTheme.rtl ? undefined : parent.right
            anchors.left: BrimforgeTheme.rtl ? parent.left : undefined
            anchors.leftMargin: root.leftPadding
            anchors.rightMargin: root.rightPadding
            spacing: BrimforgeTheme.xLargeSpacing
            layoutDirection: BrimforgeTheme.rtl ? Qt.RightToLeft : Qt.LeftToRight
        }
    }

    Overlay.modal: Rectangle {
        color: BrimforgeTheme.modalOverlayColor
    }
}
