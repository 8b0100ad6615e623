import QtQuick 2.15
import QtQuick.Templates 2.15 as T

// A multi-line editor in the suite's look, with the cut/copy/paste menu on
// the secondary button. Put it in a ScrollView for long texts.
T.TextArea {
    id: root

    property color backgroundColor: BrimforgeTheme.tertiaryBackground
    property color borderColor: root.hovered ? BrimforgeTheme.primaryBorderColor : BrimforgeTheme.secondaryBorderColor
    property color focusBorderColor: BrimforgeTheme.highlightBorderColor
    property bool contextMenuEnabled: true
    // The cut/copy/paste menu while it is open, otherwise null.
    readonly property var contextMenu: internal.contextMenu

    function openContextMenu(x, y) {
        if (internal.contextMenu)
            internal.contextMenu.close()
        var menu = contextMenuComponent.createObject(root)
        internal.contextMenu = menu
        menu.popup(root, x, y)
        return menu
    }

    implicitWidth: Math.max(contentWidth + leftPadding + rightPadding,
                            implicitBackgroundWidth + leftInset + rightInset,
                            placeholder.implicitWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(contentHeight + topPadding + bottomPadding,
                             implicitBackgroundHeight + topInset + bottomInset,
                             placeholder.implicitHeight + topPadding + bottomPadding)

    padding: BrimforgeTheme.mediumSpacing
    leftPadding: BrimforgeTheme.largeSpacing
    rightPadding: BrimforgeTheme.largeSpacing
    hoverEnabled: true
    selectByMouse: true
    // The menu takes the focus; the selection it acts on must outlive that.
    persistentSelection: internal.contextMenu !== null
    wrapMode: TextEdit.Wrap
    opacity: root.enabled ? 1 : 0.5

    font.family: BrimforgeTheme.avenir
    font.pointSize: BrimforgeTheme.baseFontSizePoint
    color: BrimforgeTheme.primaryForeground
    selectionColor: BrimforgeTheme.primaryButtonBackground
    selectedTextColor: BrimforgeTheme.primaryButtonForeground
    placeholderTextColor: Qt.rgba(root.color.r, root.color.g, root.color.b, 0.6)

    background: Rectangle {
        implicitWidth: BrimforgeTheme.largeControlWidth
        implicitHeight: BrimforgeTheme.gridUnit * 20
        color: root.backgroundColor
        border.width: root.activeFocus ? BrimforgeTheme.mediumBorderWidth : BrimforgeTheme.thinBorderWidth
        border.color: root.activeFocus ? root.focusBorderColor : root.borderColor
    }

    Text {
        id: placeholder

        x: root.leftPadding
        y: root.topPadding
        width: root.width - (root.leftPadding + root.rightPadding)
        height: root.height - (root.topPadding + root.bottomPadding)
        text: root.placeholderText
        font: root.font
        color: root.placeholderTextColor
        verticalAlignment: root.verticalAlignment
        horizontalAlignment: root.horizontalAlignment
        wrapMode: Text.Wrap
        elide: Text.ElideRight
        visible: !root.length && !root.preeditText
                 && (!root.activeFocus || root.horizontalAlignment !== Qt.AlignHCenter)
    }

    MouseArea {
        anchors.fill: root
        acceptedButtons: Qt.RightButton
        enabled: root.contextMenuEnabled && root.enabled
        onClicked: {
            root.forceActiveFocus()
            root.openContextMenu(mouse.x, mouse.y)
        }
    }

    Component {
        id: contextMenuComponent

        TextControlsContextMenu {
            id: menu

            canCut: !root.readOnly && root.selectedText.length > 0
            canCopy: root.selectedText.length > 0
            canPaste: !root.readOnly && root.canPaste
            onCut: root.cut()
            onCopy: root.copy()
            onPaste: root.paste()
            onClosed: {
                if (internal.contextMenu === menu)
                    internal.contextMenu = null
                destroy()
            }
        }
    }

    QtObject {
        id: internal

        property var contextMenu: null
    }
}
