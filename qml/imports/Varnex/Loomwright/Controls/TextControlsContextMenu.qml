import QtQuick 2.15
import QtQuick.Controls 2.15

// The context menu of the suite's text fields and areas. It only announces
// the choice; the text control that opens it does the editing, so the same
// menu serves single- and multi-line editors. Its look is the theme's menu
// look (ThemeMenu).
ThemeMenu {
    id: root

    property bool canCut: true
    property bool canCopy: true
    property bool canPaste: true
    // In points, like the theme's font sizes.
    property real fontSize: BrimforgeTheme.baseFontSizePoint

    signal cut()
    signal copy()
    signal paste()

    width: root.menuWidth
    menuWidth: BrimforgeTheme.gridUnit * 35
    font.pointSize: root.fontSize

    Action {
        objectName: "cutAction"
        text: qsTr("Cut")
        enabled: root.canCut
        onTriggered: root.cut()
    }

    Action {
        objectName: "copyAction"
        text: qsTr("Copy")
        enabled: root.canCopy
        onTriggered: root.copy()
    }

    Action {
        objectName: "pasteAction"
        text: qsTr("Paste")
        enabled: root.canPaste
        onTriggered: root.paste()
    }
}
