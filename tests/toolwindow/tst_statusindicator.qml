import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Loomwright.Private 1.0 as Private

// The app status indicator: one precedence for its state, icon and click
// code (unpublished, then local changes, then an update), and the pointer
// that tells what a click does. (The test case, which is not visible
// itself, is not the items' parent.)
Item {
    id: root

    width: 200
    height: 200

    MouseArea {
        id: beneath

        anchors.fill: parent
    }

    TestCase {
        id: testCase

        readonly property string upload: "images/uploadIndicator.png"
        readonly property string download: "images/downloadIndicator.png"

        function test_states_data() {
            return [
                { tag: "nothing", status: 0, icon: "", cursor: Qt.ArrowCursor },
                { tag: "unpublished", unpublished: true, status: 3, icon: upload, cursor: Qt.UpArrowCursor },
                { tag: "unpublished, not shown", unpublished: true, showUnpublished: false, status: 0, icon: "",
                  cursor: Qt.ArrowCursor },
                { tag: "update available", updateAvailable: true, status: 1, icon: download, cursor: Qt.PointingHandCursor },
                { tag: "updated locally", updatedLocally: true, status: 2, icon: upload, cursor: Qt.UpArrowCursor },
                { tag: "updated locally, not shown", updatedLocally: true, showLocalUpdate: false, status: 0, icon: "",
                  cursor: Qt.ArrowCursor },
                { tag: "both: local changes win", updateAvailable: true, updatedLocally: true, status: 2, icon: upload,
                  cursor: Qt.SizeVerCursor },
                { tag: "both, local not shown", updateAvailable: true, updatedLocally: true, showLocalUpdate: false,
                  status: 1, icon: download, cursor: Qt.PointingHandCursor },
                { tag: "update, no cursor", updateAvailable: true, showCursor: false, status: 1, icon: download,
                  cursor: Qt.ArrowCursor },
            ]
        }

        function test_states(data) {
            var properties = {}
            var names = ["unpublished", "updateAvailable", "updatedLocally", "showUnpublished", "showLocalUpdate", "showCursor"]
            names.forEach(function (name) {
                if (data[name] !== undefined)
                    properties[name] = data[name]
            })
            var indicator = createTemporaryObject(indicatorComponent, root, properties)
            verify(indicator)
            compare(indicator.status, data.status)
            var icon = findChild(indicator, "statusIcon")
            compare(String(icon.source).replace(/^.*\/(images\/)/, "$1"), data.icon)
            compare(findChild(indicator, "statusRing").visible, data.status !== 0)
            compare(findChild(indicator, "statusArea").cursorShape, data.cursor)
            if (data.icon !== "")
                tryCompare(icon, "status", Image.Ready)

            // Also with nothing to tell: a click reports status 0, and then
            // reaches what lies beneath.
            var clickedSpy = createTemporaryObject(spyComponent, testCase, { target: indicator, signalName: "clicked" })
            var beneathSpy = createTemporaryObject(spyComponent, testCase, { target: beneath, signalName: "clicked" })
            mouseClick(indicator, indicator.width / 2, indicator.height / 2)
            compare(clickedSpy.count, 1)
            compare(clickedSpy.signalArguments[0][0], data.status)
            compare(beneathSpy.count, data.status === 0 ? 1 : 0)
        }

        name: "StatusIndicator"
        when: windowShown

        Component {
            id: indicatorComponent

            Private.StatusIndicator {
                x: 20
                y: 20
            }
        }

        Component {
            id: spyComponent

            SignalSpy {}
        }
    }
}
