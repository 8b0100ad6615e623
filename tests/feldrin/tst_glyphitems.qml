import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Feldrin 1.0

Item {
    id: root

    width: 400
    height: 400

    GlyphItem {
        id: item

        name: "pencil"
    }

    GlyphControl {
        id: control

        name: "check"
    }

    GlyphBusyIndicator {
        id: busy

        running: false
    }

    TestCase {
        id: testCase

        name: "GlyphItems"
        when: windowShown

        function test_itemDefaults() {
            compare(item.glyphSet, Feldrin.uiIcons)
            compare(item.fontScale, 1)
            compare(item.mirror, false)
            compare(item.implicitWidth, 35 * Hostkit.displayScaleFactor)
            compare(item.implicitHeight, 35 * Hostkit.displayScaleFactor)
        }

        function test_glyphCharFollowsNameAndSet() {
            compare(item.glyphChar, Feldrin.uiIcons.glyphChar("pencil"))
            compare(item.glyph.text, item.glyphChar)
            item.name = "x"
            compare(item.glyph.text, Feldrin.uiIcons.glyphChar("x"))
            item.glyphSet = Feldrin.pointSymbols
            compare(item.glyph.text, Feldrin.pointSymbols.glyphChar("x"))
            compare(item.glyph.font.family, Feldrin.pointSymbols.font.family)
            item.glyphSet = Feldrin.uiIcons
            item.name = "pencil"
            compare(item.glyph.font.family, Feldrin.uiIcons.font.family)
        }

        function test_pixelSizeFollowsHeightAndScale() {
            item.height = 40
            compare(item.glyph.font.pixelSize, 40)
            item.fontScale = 0.5
            compare(item.glyph.font.pixelSize, 20)
            item.fontScale = 1
            item.height = item.implicitHeight
        }

        function test_mirror() {
            item.width = 50
            item.mirror = true
            var mapped = item.mapToItem(null, 10, 0)
            var origin = item.mapToItem(null, 0, 0)
            compare(origin.x - mapped.x, 10, "flipped about the item's middle")
            compare(item.mapToItem(null, 50, 0).x, item.mapToItem(null, 0, 0).x - 50)
            item.mirror = false
            compare(item.mapToItem(null, 10, 0).x - item.mapToItem(null, 0, 0).x, 10)
            item.width = item.implicitWidth
        }

        function test_styleReachesTheText() {
            item.color = "red"
            item.style = Text.Outline
            item.styleColor = "blue"
            compare(item.glyph.color, Qt.rgba(1, 0, 0, 1))
            compare(item.glyph.style, Text.Outline)
            compare(item.glyph.styleColor, Qt.rgba(0, 0, 1, 1))
            item.style = Text.Normal
        }

        function test_controlAliases() {
            compare(control.glyphChar, Feldrin.uiIcons.glyphChar("check"))
            compare(control.glyph.text, control.glyphChar)
            compare(control.color, control.palette.windowText)
            control.name = "sign-out"
            compare(control.glyph.text, Feldrin.uiIcons.glyphChar("sign-out"))
            verify(control.implicitWidth > 0)
        }

        function test_controlDebugGuide() {
            verify(!control.background.visible)
            control.debug = true
            verify(control.background.visible)
            control.debug = false
        }

        function test_busyIndicator() {
            compare(busy.name, "spinner")
            compare(busy.glyphSet, Feldrin.uiIcons)
            compare(busy.color, busy.palette.dark)
            compare(busy.backgroundColor, busy.palette.dark)
            compare(busy.implicitWidth, 64 * Hostkit.displayScaleFactor)
            compare(busy.contentItem.glyphChar, Feldrin.uiIcons.glyphChar("spinner"))
            compare(busy.contentItem.height, busy.height)

            busy.running = true
            tryCompare(busy.contentItem, "opacity", 1, 1000)
            var angle = busy.contentItem.rotation
            wait(200)
            verify(busy.contentItem.rotation !== angle, "spins while running")

            busy.running = false
            tryCompare(busy.contentItem, "opacity", 0, 1000)
        }
    }
}
