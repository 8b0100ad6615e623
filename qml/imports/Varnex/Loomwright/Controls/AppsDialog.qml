import QtQuick 2.15
import QtQuick.Controls 2.15

// The app picker: the app gallery in a dialog. "OK" or a double click on a
// card accepts the card that is current (`appInfo`); the list is read again
// each time the dialog opens.
BrimforgeDialog {
    id: root

    // The app list (an AppInfoList) and the AppWindow that the cards use.
    property var appInfoList: null
    property var appWindow: null
    readonly property var appInfo: gridView.currentAppInfo
    readonly property alias gridView: gridView

    title: qsTr("Apps")
    width: Math.min(BrimforgeTheme.gridUnit * 200, maximumWidth)
    height: Math.min(BrimforgeTheme.gridUnit * 150, maximumHeight)
    onVisibleChanged: {
        if (visible && appInfoList)
            appInfoList.refresh()
    }

    buttons: [
        MaterialButton {
            objectName: "cancelButton"
            buttonText: qsTr("Cancel")
            buttonType: BrimforgeTheme.outlineButton
            onClicked: root.reject()
        },
        MaterialButton {
            objectName: "okButton"
            buttonText: qsTr("OK")
            buttonType: BrimforgeTheme.filledButton
            enabled: !!root.appInfo
            onClicked: root.accept()
        }
    ]

    AppsGridView {
        id: gridView

        objectName: "appsGridView"
        anchors.fill: parent
        appInfoList: root.appInfoList
        appWindow: root.appWindow
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
