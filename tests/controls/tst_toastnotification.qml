import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Loomwright.Controls 1.0

// The test case itself is not drawn; the controls go into this item.
Item {
    id: window

    width: 500
    height: 200

    TestCase {
        id: root

        name: "ToastNotification"
        when: windowShown

        Component {
            id: toastComponent

            ToastNotification {
                width: 480
                openLinksExternally: false
            }
        }

        Component {
            id: spyComponent

            SignalSpy {}
        }

        function createToast(properties) {
            var toast = createTemporaryObject(toastComponent, window, properties || {})
            verify(toast)
            return toast
        }

        function spyOn(target, signalName) {
            return createTemporaryObject(spyComponent, window, { target: target, signalName: signalName })
        }

        function test_hidesAfterHideAfter_data() {
            return [
                { tag: "with fade", useFadeAnimation: true },
                { tag: "without fade", useFadeAnimation: false }
            ]
        }

        function test_hidesAfterHideAfter(data) {
            var toast = createToast({ hideAfter: 200, useFadeAnimation: data.useFadeAnimation, text: "Saved" })
            toast.show()
            verify(toast.visible)
            compare(toast.opacity, 1)
            // Hiding starts the fade, or ends the banner at once.
            var hideSpy = spyOn(toast, data.useFadeAnimation ? "fadingChanged" : "visibleChanged")

            hideSpy.wait(2000)
            if (data.useFadeAnimation) {
                // Still on screen, fading out linearly over a second.
                verify(toast.visible)
                verify(toast.fading)
                wait(500)
                verify(toast.visible)
                verify(toast.opacity > 0.2 && toast.opacity < 0.8, "opacity half way: " + toast.opacity)
                tryVerify(function() { return !toast.visible }, 1500)
            } else {
                verify(!toast.visible)
            }
            compare(toast.opacity, 1, "opacity restored for the next show")
        }

        function test_staysWithoutHideAutomatically() {
            var toast = createToast({ hideAfter: 100, hideAutomatically: false, useFadeAnimation: false })
            toast.show()
            wait(400)
            verify(toast.visible)
            toast.hide()
            verify(!toast.visible)
        }

        function test_showDuringFadeBringsItBack() {
            var toast = createToast({ hideAutomatically: false })
            toast.show()
            toast.hide()
            verify(toast.fading)
            toast.show()
            verify(!toast.fading)
            compare(toast.opacity, 1)
            wait(1200)
            verify(toast.visible)
        }

        // A second show starts the time again.
        function test_showRestartsTheTime() {
            var toast = createToast({ hideAfter: 400, useFadeAnimation: false })
            toast.show()
            wait(250)
            toast.show()
            wait(250)
            verify(toast.visible)
            tryVerify(function() { return !toast.visible }, 1000)
        }

        // show() and hide() are signals: the dismiss button and the timer
        // emit hide(), which callers handle too.
        function test_dismissButton() {
            var toast = createToast({ hideAutomatically: false, useFadeAnimation: false })
            var showSpy = spyOn(toast, "show")
            var hideSpy = spyOn(toast, "hide")
            toast.show()
            compare(showSpy.count, 1)
            var button = findChild(toast, "dismissButton")
            verify(button.visible)
            compare(button.contentItem.name, "x")
            mouseClick(button)
            verify(!toast.visible)
            compare(hideSpy.count, 1)
        }

        function test_arrowButton() {
            var toast = createToast({ showArrow: true })
            var spy = spyOn(toast, "arrowClicked")
            toast.show()
            var button = findChild(toast, "arrowButton")
            verify(button.visible)
            compare(button.contentItem.name, "arrow-right")
            mouseClick(button)
            compare(spy.count, 1)
        }

        function test_colours_data() {
            return [
                { tag: "success", background: "#295429", border: "#295429" },
                { tag: "info", background: "#D2E9F9", border: "#3B8FC4" },
                { tag: "warning", background: "#F3EDC7", border: "#D9BF2B" },
                { tag: "error", background: BrimforgeTheme.brimforgeRed3, border: BrimforgeTheme.brimforgeRed3 }
            ]
        }

        function test_colours(data) {
            var toast = createToast({ messageType: data.tag })
            verify(Qt.colorEqual(toast.color, data.background), "background " + toast.color)
            verify(Qt.colorEqual(toast.border.color, data.border), "border " + toast.border.color)
        }

        function test_message() {
            var toast = createToast({ text: "one <b>two</b> three" })
            toast.show()
            var message = findChild(toast, "messageText")
            compare(message.font.pointSize, 14)
            compare(message.maximumLineCount, 3)
            verify(Qt.colorEqual(toast.textColor, "#111"))
            compare(toast.height, 50)
        }

        function test_longMessageIsNotCut() {
            var words = []
            for (var i = 0; i < 60; ++i)
                words.push("word")
            var toast = createToast({ text: words.join(" ") })
            toast.show()
            var message = findChild(toast, "messageText")
            tryVerify(function() { return message.lineCount === 3 })
            verify(message.truncated)
            var bottom = message.mapToItem(toast, 0, message.height).y
            verify(toast.height >= bottom, "text runs over the bottom of the banner")
        }

        function test_linkClicked() {
            var toast = createToast({ text: "See <a href=\"https://example.org/help\">the help</a> for more." })
            var spy = spyOn(toast, "linkClicked")
            toast.show()
            var message = findChild(toast, "messageText")
            waitForRendering(message)
            var target = null
            for (var x = 0; x < message.width && target === null; x += 2) {
                if (message.linkAt(x, message.height / 2))
                    target = x
            }
            verify(target !== null, "no link in the text")
            mouseClick(message, target, message.height / 2)
            compare(spy.count, 1)
            compare(spy.signalArguments[0][0], "https://example.org/help")
        }
    }
}
