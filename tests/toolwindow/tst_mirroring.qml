import QtQuick 2.15
import QtTest 1.15
import Varnex.Hostkit 1.0

// Right-to-left languages mirror the window: the side bar comes in from the
// right edge, the tool icon sits on its left edge, the strip, tool area and
// texts run from the right.
ToolWindowTestCase {
    id: testCase

    function test_mirror_data() {
        return [
            { tag: "he-IL", languages: ["he-IL"], mirror: true },
            { tag: "he", languages: ["he"], mirror: true },
            { tag: "ar-EG, by its language", languages: ["ar-EG"], mirror: true },
            { tag: "en-US", languages: ["en-US"], mirror: false },
            { tag: "only the first language counts", languages: ["de-DE", "he-IL"], mirror: false },
            { tag: "C", languages: ["C"], mirror: false },
            { tag: "none", languages: [], mirror: false },
            { tag: "a tool's own list", languages: ["fa-IR"], rightToLeft: ["fa"], mirror: true },
        ]
    }

    function test_mirror(data) {
        var properties = { uiLanguages: data.languages }
        if (data.rightToLeft)
            properties.localeForRTL = data.rightToLeft
        var window = makeWindow(properties)
        compare(window.mirror, data.mirror)
        compare(findChild(window.contentItem, "windowContent").LayoutMirroring.enabled, data.mirror)
    }

    function test_layout_data() {
        return [
            { tag: "en-US", languages: ["en-US"], mirrored: false },
            { tag: "he-IL", languages: ["he-IL"], mirrored: true },
        ]
    }

    function test_layout(data) {
        var toolId = "layout-" + Date.now()
        var window = makeWindow({ uiLanguages: data.languages, toolId: toolId, toolIcon: "qrc:/imports/Varnex/Loomwright/Private/images/info.png" })
        var width = window.contentItem.width
        var bar = window.toolSideBar
        var icon = window.toolIconItem
        var strip = window.summaryStrip
        var area = window.toolItem
        settleSideBar(window)
        compare(bar.opened, true)

        var barLeading = data.mirrored ? width - (bar.x + bar.width) : bar.x
        compare(barLeading, 0, "the side bar at the leading edge")
        // The icon straddles the side bar's inner edge.
        var iconCentre = icon.mapToItem(window.contentItem, icon.width / 2, 0).x
        var barEdge = data.mirrored ? bar.x : bar.x + bar.width
        fuzzyCompare(iconCentre, barEdge, 1)
        // Strip and tool area begin at that edge and run to the other side.
        var stripStart = strip.mapToItem(window.contentItem, 0, 0).x
        if (data.mirrored) {
            fuzzyCompare(stripStart + strip.width, barEdge, 1)
            fuzzyCompare(stripStart, 0, 1)
            verify(area.mapToItem(window.contentItem, area.width, 0).x < barEdge)
        } else {
            fuzzyCompare(stripStart, barEdge, 1)
            fuzzyCompare(stripStart + strip.width, width, 1)
            verify(area.mapToItem(window.contentItem, 0, 0).x > barEdge)
        }
        // Texts that begin at the leading edge.
        var versionText = findChild(bar, "versionText")
        compare(versionText.effectiveHorizontalAlignment, data.mirrored ? Text.AlignRight : Text.AlignLeft)

        // Hidden, the side bar leaves the icon at the leading edge.
        bar.hide()
        settleSideBar(window)
        var iconLeading = icon.mapToItem(window.contentItem, 0, 0).x
        if (data.mirrored)
            iconLeading = width - (iconLeading + icon.width)
        verify(iconLeading > 0 && iconLeading < icon.width, String(iconLeading))
        fuzzyCompare(strip.width, width, 1)
    }

    name: "Mirroring"
}
