import QtQuick 2.15
import QtQuick.Controls 2.15
import Feldrin 1.0

// A title that turns into its own editor. The pencil button (or, with
// useClickOnTextToEdit, a click on the text) starts editing; the check
// button, Enter or Return ends it. editComplete reports the new title only
// when it was edited, and never an empty one: an emptied title falls back to
// the one it had before, and to "App" when that was empty too.
FocusScope {
    id: root

    property string text
    property bool useClickOnTextToEdit: false
    property string placeholderText
    property color color: BrimforgeTheme.primaryForeground
    property color buttonColor: BrimforgeTheme.primaryForeground
    property font font: Qt.font({ family: BrimforgeTheme.avenirDemi, pointSize: BrimforgeTheme.largeFontSizePoint })
    property real buttonSize: BrimforgeTheme.xSmallControlHeight
    readonly property bool editing: internal.editing
    readonly property bool dirty: internal.dirty
    readonly property alias editor: editor

    signal editComplete(string newText)

    // Starts editing when idle and finishes it when editing: what the button,
    // Enter and Return do.
    function toggleEditing() {
        if (internal.editing)
            finishEditing()
        else
            startEditing()
    }

    function startEditing() {
        if (internal.editing || !root.enabled)
            return
        internal.rememberedText = root.text
        editor.text = root.text
        internal.dirty = false
        internal.editing = true
        editor.selectAll()
        editor.forceActiveFocus()
    }

    function finishEditing() {
        if (!internal.editing)
            return
        internal.editing = false
        if (!internal.dirty)
            return
        var newText = editor.text
        if (newText.length === 0)
            newText = internal.rememberedText.length > 0 ? internal.rememberedText : qsTr("App")
        root.text = newText
        root.editComplete(newText)
    }

    implicitWidth: label.implicitWidth + root.buttonSize + BrimforgeTheme.mediumSpacing
    implicitHeight: Math.max(editor.implicitHeight, root.buttonSize)

    QtObject {
        id: internal

        property bool editing: false
        property bool dirty: false
        property string rememberedText
    }

    Item {
        id: textArea

        anchors.left: root.left
        anchors.right: editButton.left
        anchors.rightMargin: BrimforgeTheme.mediumSpacing
        anchors.verticalCenter: root.verticalCenter
        height: root.height

        Text {
            id: label

            objectName: "titleText"
            anchors.fill: textArea
            leftPadding: editor.leftPadding
            rightPadding: editor.rightPadding
            visible: !internal.editing
            text: root.text.length > 0 ? root.text : root.placeholderText
            font: root.font
            color: root.color
            opacity: root.text.length > 0 ? 1 : 0.6
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter

            MouseArea {
                anchors.fill: label
                enabled: root.useClickOnTextToEdit && !internal.editing
                cursorShape: Qt.IBeamCursor
                onClicked: root.startEditing()
            }
        }

        ThemeTextField {
            id: editor

            objectName: "titleEditor"
            anchors.fill: textArea
            visible: internal.editing
            readOnly: !internal.editing
            font: root.font
            color: root.color
            placeholderText: root.placeholderText
            onTextEdited: internal.dirty = true
            Keys.onReturnPressed: root.finishEditing()
            Keys.onEnterPressed: root.finishEditing()
        }
    }

    AbstractButton {
        id: editButton

        objectName: "editButton"
        anchors.right: root.right
        anchors.verticalCenter: root.verticalCenter
        width: root.buttonSize
        height: root.buttonSize
        hoverEnabled: true
        focusPolicy: Qt.NoFocus
        ToolTip.text: internal.editing ? qsTr("Save Changes") : qsTr("Edit Title")
        ToolTip.visible: hovered
        ToolTip.delay: 500
        onClicked: root.toggleEditing()

        background: Rectangle {
            radius: BrimforgeTheme.smallRadius
            color: editButton.down || editButton.hovered ? BrimforgeTheme.appActionButtonHoverBackground : "transparent"
        }

        contentItem: GlyphItem {
            objectName: "editGlyph"
            name: internal.editing ? "check" : "pencil"
            fontScale: 0.7
            color: root.buttonColor
        }
    }
}
