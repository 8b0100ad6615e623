import QtQuick 2.15
import QtQuick.Controls 2.15

import "../Internal" as Internal

// The app picker of the older tools: the older app grid in a dialog with
// OK and Cancel, titled in the tool configuration's banner colours. OK or a
// double click accepts the current app (`appInfo`); the app list is read
// again each time the dialog opens.
Dialog {
    id: root

    // The app list (an AppInfoList) and the window's AppToolConfig.
    property var appInfoList: null
    property var toolConfig: null
    readonly property var appInfo: gridView.currentAppInfo
    readonly property alias gridView: gridView
    property alias referenceCellWidth: gridView.referenceCellWidth
    property alias nullAppTitle: gridView.nullAppTitle
    property alias nullAppThumbnail: gridView.nullAppThumbnail

    title: qsTr("Apps")
    anchors.centerIn: parent
    width: Math.min(Internal.BrimforgeTheme.gridUnit * 150, parent ? parent.width : Number.POSITIVE_INFINITY)
    height: Math.min(Internal.BrimforgeTheme.gridUnit * 100, parent ? parent.height : Number.POSITIVE_INFINITY)
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape
    font.family: Internal.BrimforgeTheme.avenir
    font.pointSize: Internal.BrimforgeTheme.baseFontSizePoint

    onVisibleChanged: {
        if (visible && appInfoList)
            appInfoList.refresh()
    }

    background: Rectangle {
        color: root.toolConfig ? root.toolConfig.backgroundColor : Internal.BrimforgeTheme.floatingPanelBackground
        border.color: root.toolConfig ? root.toolConfig.bannerColor : Internal.BrimforgeTheme.floatingPanelBorderColor
        border.width: Internal.BrimforgeTheme.thinBorderWidth
    }

    header: Rectangle {
        implicitHeight: headerTitle.implicitHeight + 2 * Internal.BrimforgeTheme.dialogTitlePadding
        color: root.toolConfig ? root.toolConfig.bannerColor : Internal.BrimforgeTheme.secondaryBackground

        Text {
            id: headerTitle

            objectName: "dialogTitle"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            anchors.leftMargin: Internal.BrimforgeTheme.xxLargeSpacing
            anchors.rightMargin: Internal.BrimforgeTheme.xxLargeSpacing
            text: root.title
            textFormat: Text.PlainText
            elide: Text.ElideRight
            horizontalAlignment: Text.AlignLeft
            color: root.toolConfig ? root.toolConfig.bannerTextColor : Internal.BrimforgeTheme.primaryForeground
            font.family: Internal.BrimforgeTheme.avenirDemi
            font.pointSize: Internal.BrimforgeTheme.largeFontSizePoint
        }
    }

    // Buttons of its own rather than standard ones: those of the button box
    // outlive their dialog.
    footer: DialogButtonBox {
        alignment: Qt.AlignRight
        spacing: Internal.BrimforgeTheme.mediumSpacing
        padding: Internal.BrimforgeTheme.largeSpacing
        background: null

        StyledButton {
            objectName: "okButton"
            text: qsTr("OK")
            toolConfig: root.toolConfig
            enabled: !!root.appInfo
            DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
        }

        StyledButton {
            objectName: "cancelButton"
            text: qsTr("Cancel")
            toolConfig: root.toolConfig
            DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
        }
    }

    AppsGridView {
        id: gridView

        objectName: "appsGridView"
        anchors.fill: parent
        appInfoList: root.appInfoList
        toolConfig: root.toolConfig
        focus: true
        onDoubleClicked: {
            if (appInfo)
                root.accept()
        }
        Keys.onReturnPressed: {
            if (root.appInfo)
                root.accept()
        }
    }
}
