import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Loomwright.Controls 1.0

TestCase {
    id: testCase

    property var calls: []

    function record(name) {
        return function () {
            var list = calls
            list.push({ name: name, boxVisible: messageBox.visible })
            calls = list
        }
    }

    function names() {
        return calls.map(function (call) { return call.name })
    }

    function button(name) {
        var found = findChild(messageBox.footer, name)
        verify(found, "button " + name)
        return found
    }

    // Opened, and laid out: the buttons take their places in the next frame.
    function waitOpened() {
        tryCompare(messageBox, "opened", true)
        waitForRendering(messageBox.footer)
    }

    function clickButton(name) {
        waitOpened()
        var target = button(name)
        verify(target.visible, name + " shown")
        mouseClick(target)
    }

    function waitSettled() {
        tryCompare(messageBox, "pendingCount", 0)
        tryCompare(messageBox, "visible", false)
    }

    name: "MessageBox"
    when: windowShown
    width: 800
    height: 600

    MessageBox {
        id: messageBox
    }

    function init() {
        calls = []
    }

    function cleanup() {
        if (messageBox.visible)
            messageBox.close()
        waitSettled()
    }

    function test_question_data() {
        return [
            { tag: "Yes", answer: "yesButton", expected: ["yes"] },
            { tag: "No", answer: "noButton", expected: ["no"] },
            { tag: "Escape counts as No", answer: "escape", expected: ["no"] }
        ]
    }

    function test_question(data) {
        messageBox.confirmYesNo("Download App", "Trails is not on your local system.\n\nWould you like to download it now?",
                                record("yes"), record("no"))
        waitOpened()
        compare(messageBox.title, "Download App")
        compare(findChild(messageBox.contentItem, "messageText").text,
                "Trails is not on your local system.\n\nWould you like to download it now?")
        compare(button("yesButton").text, "Yes")
        compare(button("noButton").text, "No")
        verify(!button("okButton").visible, "no OK button on a question")
        if (data.answer === "escape")
            keyClick(Qt.Key_Escape)
        else
            clickButton(data.answer)
        waitSettled()
        compare(names(), data.expected)
        verify(!calls[0].boxVisible, "the callback runs after the box has closed")
    }

    function test_message_data() {
        return [
            { tag: "OK", escape: false, expected: ["accepted"] },
            { tag: "Escape rejects", escape: true, expected: ["rejected"] }
        ]
    }

    function test_message(data) {
        messageBox.message(3, "Download Error", "Item does not exist or is inaccessible.", "HTTP 404",
                           "GET /content/items/123", record("accepted"), record("rejected"))
        waitOpened()
        compare(messageBox.icon, messageBox.iconCritical)
        compare(findChild(messageBox.contentItem, "informativeText").text, "HTTP 404")
        verify(findChild(messageBox.contentItem, "detailedText").visible)
        compare(button("okButton").text, "OK")
        verify(!button("yesButton").visible && !button("noButton").visible, "only OK on a message")
        if (data.escape)
            keyClick(Qt.Key_Escape)
        else
            clickButton("okButton")
        waitSettled()
        compare(names(), data.expected)
    }

    function test_iconByNameOrNumber_data() {
        return [
            { tag: "number", icon: 1, expected: 1 },
            { tag: "name", icon: "Warning", expected: 2 },
            { tag: "unknown name", icon: "sparkles", expected: 0 },
            { tag: "out of range", icon: 17, expected: 0 },
            { tag: "undefined", icon: undefined, expected: 0 }
        ]
    }

    function test_iconByNameOrNumber(data) {
        messageBox.message(data.icon, "Title", "Text")
        waitOpened()
        compare(messageBox.icon, data.expected)
        compare(findChild(messageBox.contentItem, "messageIcon").visible, data.expected !== 0)
        clickButton("okButton")
        waitSettled()
    }

    // A second request waits for the first; each gets its own answer.
    function test_requestsWaitTheirTurn() {
        messageBox.confirmYesNo("First", "one?", record("first yes"), record("first no"))
        messageBox.message(1, "Second", "two", "", "", record("second ok"), record("second rejected"))
        compare(messageBox.pendingCount, 2)
        waitOpened()
        compare(messageBox.title, "First")
        clickButton("noButton")
        tryCompare(messageBox, "title", "Second")
        waitOpened()
        clickButton("okButton")
        waitSettled()
        compare(names(), ["first no", "second ok"])
    }

    function test_callbackMayAskAgain() {
        messageBox.confirmYesNo("Replace", "Replace the app?", function () {
            record("yes")()
            messageBox.confirmYesNo("Sure", "Really?", record("sure yes"), record("sure no"))
        }, record("no"))
        clickButton("yesButton")
        tryCompare(messageBox, "title", "Sure")
        clickButton("noButton")
        waitSettled()
        compare(names(), ["yes", "sure no"])
    }

    // Two clicks before the box is gone still answer once.
    function test_answersOnce() {
        messageBox.confirmYesNo("Once", "Only once?", record("yes"), record("no"))
        waitOpened()
        var yes = button("yesButton")
        yes.clicked()
        yes.clicked()
        button("noButton").clicked()
        waitSettled()
        compare(names(), ["yes"])
    }

    function test_callbacksAreOptional() {
        messageBox.confirmYesNo("No callbacks", "Fine?")
        clickButton("yesButton")
        waitSettled()
        messageBox.message(0, "Plain", "text")
        keyClick(Qt.Key_Escape)
        waitSettled()
        compare(calls.length, 0)
    }
}
