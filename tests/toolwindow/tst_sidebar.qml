import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Varnex.Loomwright.Private 1.0 as Private

// The side bar's motion, and its visibility remembered per tool across a
// restart: of the window in this process, and of the tool in a second
// process with the same settings. (The test case, which is not visible
// itself, is not the items' parent.)
Item {
    id: root

    width: 800
    height: 600

    Item {
        id: area

        width: 400
        height: 300
    }

    ToolWindowTestCase {
        id: testCase

        function sideBarKey(toolId) {
            return "Tool-" + toolId + "/sideBarVisible"
        }

        function makeBar(properties) {
            var bar = createTemporaryObject(barComponent, area, properties || {})
            verify(bar)
            return bar
        }

        function settle(bar) {
            tryVerify(function () { return !bar.moving }, waitMs, "the bar stopped")
        }

        // Slides in to the leading edge, out to `offset` beyond it and then
        // hides; a click on the bar hides it too.
        function test_motion_data() {
            return [
                { tag: "left to right", mirrored: false, shownX: 0, hiddenX: -(100 + 7) },
                { tag: "right to left", mirrored: true, shownX: 400 - 100, hiddenX: 400 + 7 },
            ]
        }

        function test_motion(data) {
            var bar = makeBar({ mirrored: data.mirrored })
            compare(bar.visible, false)
            compare(bar.opened, false)
            compare(bar.x, data.hiddenX)

            bar.show()
            compare(bar.visible, true)
            compare(bar.opened, true)
            settle(bar)
            compare(bar.x, data.shownX)

            bar.toggle()
            compare(bar.opened, false)
            compare(bar.visible, true, "visible while sliding out")
            settle(bar)
            compare(bar.visible, false)
            compare(bar.x, data.hiddenX)

            bar.toggle()
            settle(bar)
            var clickedSpy = spy(bar, "clicked")
            mouseClick(bar, bar.width / 2, bar.height / 2)
            compare(clickedSpy.count, 1)
            compare(bar.opened, false)
            settle(bar)
            compare(bar.visible, false)
        }

        // With autoHide the bar goes by itself once it has slid in, and again
        // after the pointer has left it, but not while the pointer is on it.
        function test_autoHide() {
            var bar = makeBar({ autoHide: true, autoHideTimeout: 50 })
            bar.show()
            settle(bar)
            tryCompare(bar, "opened", false, waitMs)
            settle(bar)
            compare(bar.visible, false)

            mouseMove(area, area.width - 1, area.height - 1)
            bar.show()
            settle(bar)
            mouseMove(bar, bar.width / 2, bar.height / 2)
            tryCompare(bar, "hovered", true, waitMs)
            wait(200)
            compare(bar.opened, true, "stays while the pointer is on it")
            mouseMove(area, area.width - 1, area.height - 1)
            tryCompare(bar, "opened", false, waitMs)
        }

        // Without a remembered value the side bar shows; toggling stores the
        // new state under the tool's key, and the next window of the same tool
        // starts with it. Another tool keeps its own.
        function test_rememberedInThisProcess() {
            var toolId = "make-" + Date.now()
            Hostkit.settings.setValue(sideBarKey(toolId), false)
            var window = makeWindow({ toolId: toolId })
            settleSideBar(window)
            compare(window.toolSideBar.opened, false, "starts hidden as stored")
            compare(window.toolSideBar.visible, false)

            window.toolSideBar.toggle()
            compare(Hostkit.settings.boolValue(sideBarKey(toolId), false), true)
            destroyWindow(window)

            window = makeWindow({ toolId: toolId })
            compare(window.toolSideBar.opened, true)
            settleSideBar(window)
            window.toolSideBar.hide()
            compare(Hostkit.settings.boolValue(sideBarKey(toolId), true), false)
            destroyWindow(window)

            window = makeWindow({ toolId: toolId })
            compare(window.toolSideBar.opened, false)
            var other = makeWindow({ toolId: toolId + "-other" })
            compare(other.toolSideBar.opened, true, "another tool keeps its own")
            compare(Hostkit.settings.boolValue(sideBarKey(toolId + "-other"), false), true)

            // Without a toolId nothing is remembered and the bar starts hidden.
            var anonymous = makeWindow({})
            compare(anonymous.toolSideBar.opened, false)
            anonymous.toolSideBar.show()
            compare(Hostkit.settings.value(sideBarKey("")), undefined)
        }

        // The same across a restart of the tool's process: each run of the peer
        // is a new process on the same settings.
        function test_rememberedAcrossProcesses() {
            var toolId = "run-" + Date.now()
            var runs = [
                { action: "hide", sideBar: "true", stored: "false" },
                { action: "", sideBar: "false", stored: "false" },
                { action: "toggle", sideBar: "false", stored: "true" },
                { action: "", sideBar: "true", stored: "true" },
            ]
            runs.forEach(function (run) {
                var peer = startPeer(["sideBar", toolId].concat(run.action ? [run.action] : []))
                waitForLine(peer, "sideBar " + run.sideBar)
                waitForLine(peer, "stored " + run.stored)
                waitForEnd(peer)
            })
            var other = startPeer(["sideBar", toolId + "-other"])
            waitForLine(other, "sideBar true")
            waitForLine(other, "stored true")
            waitForEnd(other)
        }

        name: "SideBar"

        Component {
            id: barComponent

            Private.SideBar {
                width: 100
                height: 300
                offset: 7
            }
        }
    }
}
