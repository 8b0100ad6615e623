import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Loomwright.Private 1.0 as Private

// The download progress cover: its state, what it shows, and the estimate
// of the time left in words. (The test case, which is not visible itself,
// is not the items' parent.)
Item {
    id: root

    width: 400
    height: 300

    MouseArea {
        id: below

        anchors.fill: parent
    }

    TestCase {
        id: testCase

        function initTestCase() {
            // The texts that count have their English forms in the catalogue.
            // The cover is made anew by each test.
            verify(testHost.setLanguage("en", false))
        }

        function cleanupTestCase() {
            testHost.setLanguage("", false)
        }

        function makeProgress() {
            var progress = createTemporaryObject(progressComponent, root)
            verify(progress)
            return progress
        }

        function test_estimatedTime_data() {
            return [
                { tag: "59 s", seconds: 59, text: "Estimated 59 seconds remaining" },
                { tag: "60 s", seconds: 60, text: "Estimated 2 minutes remaining" },
                { tag: "1 s", seconds: 1, text: "Almost done" },
                { tag: "2 s", seconds: 2, text: "Estimated 2 seconds remaining" },
                { tag: "half a second", seconds: 0.5, text: "Almost done" },
                { tag: "89 s", seconds: 89, text: "Estimated 2 minutes remaining" },
                { tag: "150 s", seconds: 150, text: "Estimated 3 minutes remaining" },
                { tag: "unknown", seconds: 0, text: "" },
                { tag: "negative", seconds: -5, text: "" },
                { tag: "not a number", seconds: NaN, text: "" },
            ]
        }

        function test_estimatedTime(data) {
            var progress = makeProgress()
            progress.show("Downloading")
            progress.secondsRemaining = data.seconds
            compare(progress.timeText, data.text)
            var line = findChild(progress, "progressTime")
            compare(line.text, data.text)
            compare(line.visible, data.text !== "")
        }

        // show() starts afresh; a known percentage replaces the busy indicator
        // with the bar and its rounded value.
        function test_state() {
            var progress = makeProgress()
            compare(progress.visible, false)
            progress.percentage = 40
            progress.secondsRemaining = 30

            progress.show("Downloading Sample")
            compare(progress.visible, true)
            compare(progress.message, "Downloading Sample")
            compare(progress.percentage, 0)
            compare(progress.secondsRemaining, 0)
            compare(findChild(progress, "progressBusy").visible, true)
            compare(findChild(progress, "progressBar").visible, false)
            compare(findChild(progress, "progressPercentage").visible, false)
            compare(findChild(progress, "progressTime").visible, false)

            progress.percentage = 42.6
            compare(findChild(progress, "progressBusy").visible, false)
            compare(findChild(progress, "progressBar").visible, true)
            compare(findChild(progress, "progressPercentage").text, "43%")

            progress.hide()
            compare(progress.visible, false)
            progress.show()
            compare(progress.message, "")
            compare(progress.percentage, 0)
        }

        // While it shows, clicks and wheel turns do not reach the window below.
        function test_swallowsInput() {
            var clickSpy = createTemporaryObject(spyComponent, testCase, { target: below, signalName: "clicked" })
            var progress = makeProgress()
            progress.show("Downloading")
            mouseClick(root, 10, 10)
            compare(clickSpy.count, 0)
            progress.hide()
            mouseClick(root, 10, 10)
            compare(clickSpy.count, 1)
        }

        name: "ItemProgress"
        when: windowShown

        Component {
            id: progressComponent

            Private.ItemProgress {}
        }

        Component {
            id: spyComponent

            SignalSpy {}
        }
    }
}
