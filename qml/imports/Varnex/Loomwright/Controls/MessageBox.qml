import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// Messages and yes/no questions with callbacks.
//
// Each request calls exactly one of its callbacks, once, after the box has
// closed: "Yes" calls onYes, "No" onNo, "OK" onAccepted; closing the box
// otherwise (Escape) counts as "No" or as rejected. Requests made while a
// box is showing wait their turn, so none is lost or answered for another.
BrimforgeDialog {
    id: root

    // The icons of the standard message dialog, by the same numbers.
    readonly property int iconNone: 0
    readonly property int iconInformation: 1
    readonly property int iconWarning: 2
    readonly property int iconCritical: 3
    readonly property int iconQuestion: 4

    property int icon: iconNone
    property string text
    property string informativeText
    property string detailedText
    readonly property bool isQuestion: internal.current !== null && internal.current.kind === "question"
    // Requests not yet answered, the one on show included.
    readonly property int pendingCount: internal.queue.length + (internal.current !== null ? 1 : 0)

    function confirmYesNo(title, text, onYes, onNo) {
        enqueue({
            kind: "question",
            icon: iconQuestion,
            title: title,
            text: text,
            informativeText: "",
            detailedText: "",
            onChosen: onYes,
            onDismissed: onNo
        })
    }

    function message(icon, title, text, informativeText, detailedText, onAccepted, onRejected) {
        enqueue({
            kind: "message",
            icon: iconCode(icon),
            title: title,
            text: text,
            informativeText: informativeText,
            detailedText: detailedText,
            onChosen: onAccepted,
            onDismissed: onRejected
        })
    }

    // Accepts the icon numbers of the standard message dialog (StandardIcon)
    // and their names.
    function iconCode(icon) {
        if (typeof icon === "number")
            return icon >= iconNone && icon <= iconQuestion ? icon : iconNone
        var names = ["", "information", "warning", "critical", "question"]
        var index = names.indexOf(String(icon === undefined || icon === null ? "" : icon).toLowerCase())
        return index > 0 ? index : iconNone
    }

    function textOf(value) {
        return value === undefined || value === null ? "" : String(value)
    }

    function enqueue(request) {
        request.settled = false
        internal.queue = internal.queue.concat([request])
        if (internal.current === null)
            showNext()
    }

    function showNext() {
        if (internal.current !== null || internal.queue.length === 0)
            return
        var request = internal.queue[0]
        internal.queue = internal.queue.slice(1)
        internal.current = request
        internal.choice = ""
        title = textOf(request.title)
        icon = request.icon
        text = textOf(request.text)
        informativeText = textOf(request.informativeText)
        detailedText = textOf(request.detailedText)
        open()
    }

    // The first answer counts, also while the box is still closing.
    function choose(answer) {
        if (internal.current === null || internal.choice !== "" || !visible)
            return
        internal.choice = answer
        close()
    }

    function settle() {
        var request = internal.current
        if (request === null || request.settled)
            return
        request.settled = true
        internal.current = null
        var callback = internal.choice === "chosen" ? request.onChosen : request.onDismissed
        try {
            if (typeof callback === "function")
                callback()
        } finally {
            // A callback may ask the next question itself; either way the
            // queue goes on once this box is out of the way.
            Qt.callLater(showNext)
        }
    }

    function iconName(code) {
        switch (code) {
        case iconInformation: return "information"
        case iconWarning: return "warning"
        case iconCritical: return "alert"
        case iconQuestion: return "question"
        }
        return ""
    }

    width: Math.min(BrimforgeTheme.gridUnit * 120, maximumWidth)

    onClosed: settle()

    QtObject {
        id: internal

        property var current: null
        property var queue: []
        property string choice: ""
    }

    buttons: [
        MaterialButton {
            objectName: "yesButton"
            visible: root.isQuestion
            buttonText: qsTr("Yes")
            buttonType: BrimforgeTheme.filledButton
            onClicked: root.choose("chosen")
        },
        MaterialButton {
            objectName: "noButton"
            visible: root.isQuestion
            buttonText: qsTr("No")
            buttonType: BrimforgeTheme.outlineButton
            onClicked: root.choose("dismissed")
        },
        MaterialButton {
            objectName: "okButton"
            visible: !root.isQuestion
            buttonText: qsTr("OK")
            buttonType: BrimforgeTheme.filledButton
            onClicked: root.choose("chosen")
        }
    ]

    RowLayout {
        id: body

        anchors.left: parent.left
        anchors.right: parent.right
        spacing: BrimforgeTheme.xxLargeSpacing
        focus: true
        LayoutMirroring.enabled: BrimforgeTheme.rtl
        LayoutMirroring.childrenInherit: true

        Keys.onReturnPressed: root.choose("chosen")
        Keys.onEnterPressed: root.choose("chosen")

        BrimforgeIcon {
            objectName: "messageIcon"
            Layout.alignment: Qt.AlignTop
            visible: root.icon !== root.iconNone
            icon: visible ? BrimforgeTheme.icon.getIconByName(root.iconName(root.icon)) : ""
            iconImageSize: 32
            color: root.icon === root.iconCritical ? BrimforgeTheme.errorColor : BrimforgeTheme.highlightBorderColor
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: BrimforgeTheme.largeSpacing

            Text {
                objectName: "messageText"
                Layout.fillWidth: true
                visible: text !== ""
                text: root.text
                textFormat: Text.PlainText
                wrapMode: Text.Wrap
                color: BrimforgeTheme.primaryForeground
                font.family: BrimforgeTheme.avenir
                font.pointSize: BrimforgeTheme.baseFontSizePoint
            }

            Text {
                objectName: "informativeText"
                Layout.fillWidth: true
                visible: text !== ""
                text: root.informativeText
                textFormat: Text.PlainText
                wrapMode: Text.WrapAtWordBoundaryOrAnywhere
                color: BrimforgeTheme.secondaryForeground
                font.family: BrimforgeTheme.avenir
                font.pointSize: BrimforgeTheme.smallFontSizePoint
            }

            Flickable {
                objectName: "detailedText"
                Layout.fillWidth: true
                Layout.preferredHeight: Math.min(details.implicitHeight, BrimforgeTheme.gridUnit * 40)
                visible: root.detailedText !== ""
                clip: true
                boundsBehavior: Flickable.StopAtBounds
                ScrollBar.vertical: ScrollBar {}

                TextArea.flickable: TextArea {
                    id: details

                    text: root.detailedText
                    textFormat: TextEdit.PlainText
                    readOnly: true
                    selectByMouse: true
                    wrapMode: TextEdit.WrapAtWordBoundaryOrAnywhere
                    color: BrimforgeTheme.secondaryForeground
                    selectionColor: BrimforgeTheme.primaryButtonBackground
                    selectedTextColor: BrimforgeTheme.primaryButtonForeground
                    font.family: BrimforgeTheme.avenir
                    font.pointSize: BrimforgeTheme.smallFontSizePoint
                    background: Rectangle {
                        color: BrimforgeTheme.secondaryBackground
                        border.color: BrimforgeTheme.secondaryBorderColor
                        border.width: BrimforgeTheme.thinBorderWidth
                    }
                }
            }
        }
    }
}
