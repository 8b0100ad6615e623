import QtQuick 2.15
import QtQuick.Dialogs 1.3 as Dialogs
import Varnex.Hostkit 1.0

// The folder dialog that chooses the active app's folder in place of the
// app picker, made the first time it is needed.
Loader {
    id: root

    // The window's AppSession, which takes the folder.
    property var session: null
    property string windowTitle

    active: false
    sourceComponent: Dialogs.FileDialog {
        title: qsTr("%1 - Select App Folder").arg(root.windowTitle)
        selectFolder: true
        onAccepted: root.session.setChosenPath(Hostkit.fileInfo(fileUrl).filePath)
        onRejected: root.session.pickerRejected()
    }
}
