import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// A few lines about an app: its version, owner and dates, and for an app on
// the portal a link to the details of its item.
ColumnLayout {
    id: root

    // The app (an AppInfo).
    property var appInfo: null
    // The AppWindow, for dates in the user's format.
    property var appWindow: null
    readonly property string version: infoRevision >= 0 ? valueText("version") : ""
    readonly property string owner: appInfo && appInfo.owner ? String(appInfo.owner) : ""
    readonly property string createdText: infoRevision >= 0 ? dateText(appInfo ? appInfo.value("created", null) : null) : ""
    readonly property string modifiedText: dateText(appInfo ? appInfo.modified : null)
    readonly property bool hasItem: !!appInfo && appInfo.isPublished === true
    // Counts the app's changes: what value() reads follows them.
    property int infoRevision: 0
    property color textColor: BrimforgeTheme.secondaryForeground
    property real fontSize: BrimforgeTheme.smallFontSizePoint

    // The link was followed; the item details dialog opens as well.
    signal itemDetailsRequested(var appInfo)

    function valueText(name) {
        if (!appInfo)
            return ""
        var value = appInfo.value(name, "")
        return value === undefined || value === null ? "" : String(value)
    }

    // Milliseconds since the epoch (the portal's form), text or a date.
    function dateText(value) {
        if (value === undefined || value === null || value === "")
            return ""
        var date = value instanceof Date ? value : new Date(typeof value === "string" && /^\d+$/.test(value)
                                                            ? Number(value) : value)
        if (isNaN(date.getTime()) || date.getTime() <= 0)
            return ""
        return appWindow ? appWindow.formatDate(date) : date.toLocaleDateString(Qt.locale(), Locale.ShortFormat)
    }

    function showItemDetails() {
        itemDetailsRequested(appInfo)
        var dialog = detailsDialog.createObject(Overlay.overlay, { appInfo: appInfo })
        if (dialog) {
            dialog.closed.connect(dialog.destroy)
            dialog.open()
        }
    }

    spacing: BrimforgeTheme.xxSmallSpacing

    Connections {
        target: root.appInfo
        ignoreUnknownSignals: true

        function onInfoChanged() {
            ++root.infoRevision
        }
    }

    Text {
        objectName: "versionText"
        Layout.fillWidth: true
        visible: root.version !== ""
        text: qsTr("Version %1").arg(root.version)
        textFormat: Text.PlainText
        elide: Text.ElideRight
        color: root.textColor
        font.family: BrimforgeTheme.avenir
        font.pointSize: root.fontSize
    }

    Text {
        objectName: "ownerText"
        Layout.fillWidth: true
        visible: root.owner !== ""
        text: qsTr("By %1").arg(root.owner)
        textFormat: Text.PlainText
        elide: Text.ElideRight
        color: root.textColor
        font.family: BrimforgeTheme.avenir
        font.pointSize: root.fontSize
    }

    Text {
        objectName: "createdText"
        Layout.fillWidth: true
        visible: root.createdText !== ""
        text: qsTr("Created: %1").arg(root.createdText)
        textFormat: Text.PlainText
        elide: Text.ElideRight
        color: root.textColor
        font.family: BrimforgeTheme.avenir
        font.pointSize: root.fontSize
    }

    Text {
        objectName: "modifiedText"
        Layout.fillWidth: true
        visible: root.modifiedText !== ""
        text: qsTr("Last modified: %1").arg(root.modifiedText)
        textFormat: Text.PlainText
        elide: Text.ElideRight
        color: root.textColor
        font.family: BrimforgeTheme.avenir
        font.pointSize: root.fontSize
    }

    MaterialButton {
        objectName: "itemDetailsLink"
        visible: root.hasItem
        leftPadding: 0
        rightPadding: 0
        buttonType: BrimforgeTheme.hyperlinkButton
        buttonText: qsTr("More item details")
        buttonTextPointSize: root.fontSize
        onClicked: root.showItemDetails()
    }

    Component {
        id: detailsDialog

        AppItemDetailsDialog {}
    }
}
