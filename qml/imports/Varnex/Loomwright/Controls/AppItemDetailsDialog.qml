import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// The details of an app's portal item. For now it shows the app's title;
// "Save" has nothing to save yet and leaves the dialog open.
BrimforgeDialog {
    id: root

    // The app whose item is shown (an AppInfo, or anything with a title).
    property var appInfo: null
    property string appTitle: appInfo && appInfo.title !== undefined && appInfo.title !== null
                              ? String(appInfo.title) : ""

    title: qsTr("Item Details")
    width: Math.min(BrimforgeTheme.gridUnit * 160, maximumWidth)
    height: Math.min(BrimforgeTheme.gridUnit * 175, maximumHeight)

    buttons: [
        MaterialButton {
            objectName: "cancelButton"
            buttonText: qsTr("Cancel")
            buttonType: BrimforgeTheme.outlineButton
            onClicked: root.reject()
        },
        MaterialButton {
            objectName: "saveButton"
            buttonText: qsTr("Save")
            buttonType: BrimforgeTheme.filledButton
        }
    ]

    ColumnLayout {
        anchors.left: parent.left
        anchors.right: parent.right
        spacing: BrimforgeTheme.xLargeSpacing

        Text {
            objectName: "heading"
            Layout.fillWidth: true
            text: qsTr("Item details")
            textFormat: Text.PlainText
            elide: Text.ElideRight
            color: BrimforgeTheme.primaryForeground
            font.family: BrimforgeTheme.avenirDemi
            font.pointSize: BrimforgeTheme.largeFontSizePoint
        }

        Text {
            objectName: "appTitle"
            Layout.fillWidth: true
            text: root.appTitle
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            color: BrimforgeTheme.secondaryForeground
            font.family: BrimforgeTheme.avenir
            font.pointSize: BrimforgeTheme.mediumFontSizePoint
        }
    }
}
