import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Varnex.Hostkit.Desktop 1.0
import Varnex.Loomwright.Private 1.0 as Private

// The older app grid: its column rule, square cells of an app list's apps,
// and the picker dialog around it. (The test case, which is not visible
// itself, is not the items' parent.)
Item {
    id: root

    width: 800
    height: 600

    TestCase {
        id: testCase

        readonly property string appsFolder: temporaryFolder + "/grid-apps"
        readonly property int waitMs: 30000

        function initTestCase() {
            ["Alpha", "Beta", "Gamma"].forEach(function (title, index) {
                verify(testHost.writeFile(appsFolder + "/" + title.toLowerCase() + "/appinfo.json",
                                          JSON.stringify({ title: title, version: "1." + index, owner: "demo",
                                                           modified: 1000 * (index + 1) })))
            })
            Hostkit.settings.setValue("appsFolder", appsFolder)
        }

        function cleanupTestCase() {
            Hostkit.settings.remove("appsFolder")
        }

        function spy(target, signalName) {
            return createTemporaryObject(spyComponent, testCase, { target: target, signalName: signalName })
        }

        // Cells of 150 with a margin of 8: the rounded share of the width, one
        // more when the cells would be wider than 158, one fewer again when
        // that leaves them narrower than 118.5; always at least one.
        function test_columnRule_data() {
            return [
                { tag: "600", width: 600, columns: 4 },
                { tag: "700: five of 140", width: 700, columns: 5 },
                { tag: "330: three would be too narrow", width: 330, columns: 2 },
                { tag: "360: three of 120", width: 360, columns: 3 },
                { tag: "160: a second column of 80 is too narrow", width: 160, columns: 1 },
                { tag: "250: two of 125", width: 250, columns: 2 },
                { tag: "100", width: 100, columns: 1 },
                { tag: "1", width: 1, columns: 1 },
                { tag: "0", width: 0, columns: 1 },
            ]
        }

        function test_columnRule(data) {
            var grid = createTemporaryObject(gridComponent, root, { width: data.width, referenceCellWidth: 150,
                                                                         cellMargin: 8 })
            verify(grid)
            compare(grid.columns, data.columns)
            if (data.width > 0) {
                fuzzyCompare(grid.cellWidth, data.width / data.columns, 0.001)
                compare(grid.cellHeight, grid.cellWidth)
            }
        }

        // The list's apps as cells; a click makes a cell current, a double click
        // reports it.
        function test_cells() {
            var list = createTemporaryObject(listComponent, testCase)
            list.refresh()
            compare(list.filteredApps.length, 3)
            var grid = createTemporaryObject(gridComponent, root, { width: 400, height: 300, appInfoList: list })
            compare(grid.count, 3)
            compare(grid.columns, 2)
            compare(grid.currentAppInfo, null)

            var clickedSpy = spy(grid, "clicked")
            var doubleClickedSpy = spy(grid, "doubleClicked")
            mouseClick(grid, grid.cellWidth * 1.5, grid.cellHeight / 2)
            compare(clickedSpy.count, 1)
            compare(grid.currentIndex, 1)
            compare(grid.currentAppInfo, list.filteredApps[1])
            mouseDoubleClickSequence(grid, grid.cellWidth / 2, grid.cellHeight / 2)
            compare(doubleClickedSpy.count, 1)
            compare(grid.currentIndex, 0)
            compare(doubleClickedSpy.signalArguments[0][0], list.filteredApps[0])
        }

        // "Apps", OK only with an app chosen, the list read again when it opens,
        // a double click accepts.
        function test_dialog() {
            var list = createTemporaryObject(listComponent, testCase)
            var dialog = createTemporaryObject(dialogComponent, root, { appInfoList: list })
            compare(dialog.title, "Apps")
            compare(list.filteredApps.length, 0)
            var acceptedSpy = spy(dialog, "accepted")
            dialog.open()
            tryCompare(dialog, "opened", true, waitMs)
            compare(list.filteredApps.length, 3, "read when the dialog opened")
            var grid = dialog.gridView
            waitForRendering(grid)
            compare(dialog.appInfo, null)
            compare(findChild(dialog.footer, "okButton").enabled, false)
            mouseDoubleClickSequence(grid, grid.cellWidth / 2, grid.cellHeight / 2)
            tryCompare(acceptedSpy, "count", 1, waitMs)
            compare(dialog.appInfo, list.filteredApps[0])
            compare(findChild(dialog.footer, "okButton").enabled, true)
        }

        name: "AppsGrid"
        when: windowShown

        Component {
            id: gridComponent

            Private.AppsGridView {
                height: 300
            }
        }

        Component {
            id: dialogComponent

            Private.AppsDialog {}
        }

        Component {
            id: listComponent

            AppInfoList {
                autoRefresh: false
            }
        }

        Component {
            id: spyComponent

            SignalSpy {}
        }
    }
}
