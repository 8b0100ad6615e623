import QtQuick 2.15
import QtQuick.Dialogs 1.3

// Messages and yes/no questions of the older tools on the standard message
// dialog, with callbacks.
//
// Each request calls exactly one of its callbacks, once, after the dialog
// has closed: "Yes" calls onYes, "No" onNo, "OK" onAccepted; closing the
// dialog otherwise counts as "No" or as rejected. Requests made while a
// dialog is showing wait their turn, so none is lost or answered for another.
MessageDialog {
    id: root

    // The icons of the standard message dialog (StandardIcon), by number.
    readonly property int iconNone: StandardIcon.NoIcon
    readonly property int iconInformation: StandardIcon.Information
    readonly property int iconWarning: StandardIcon.Warning
    readonly property int iconCritical: StandardIcon.Critical
    readonly property int iconQuestion: StandardIcon.Question
    readonly property bool isQuestion: internal.current !== null && internal.current.kind === "question"
    // Requests not yet answered, the one on show included.
    readonly property int pendingCount: internal.queue.length + (internal.current !== null ? 1 : 0)
    readonly property QtObject internal: QtObject {
        // The request on show, and those waiting.
        property var current: null
        property var queue: []
    }

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

    // Takes StandardIcon numbers and their names ("critical").
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
        title = textOf(request.title)
        icon = request.icon
        text = textOf(request.text)
        informativeText = textOf(request.informativeText)
        detailedText = textOf(request.detailedText)
        standardButtons = request.kind === "question" ? (StandardButton.Yes | StandardButton.No) : StandardButton.Ok
        open()
    }

    // The first answer counts; the dialog is already closed when it comes.
    function settle(chosen) {
        var request = internal.current
        if (request === null || request.settled)
            return
        request.settled = true
        internal.current = null
        var callback = chosen ? request.onChosen : request.onDismissed
        try {
            if (typeof callback === "function")
                callback()
        } finally {
            // A callback may ask the next question itself; either way the
            // queue goes on once this dialog is out of the way.
            Qt.callLater(showNext)
        }
    }

    modality: Qt.ApplicationModal

    onYes: settle(true)
    onNo: settle(false)
    onAccepted: settle(true)
    onRejected: settle(false)
}
