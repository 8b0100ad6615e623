import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Varnex.Loomwright.Controls 1.0
import Feldrin 1.0

Item {
    id: root

    width: 300
    height: 300

    BrimforgeIcon {
        id: icon

        icon: BrimforgeTheme.icon.brim_forge
    }

    TestCase {
        id: testCase

        name: "BrimforgeIcon"
        when: windowShown

        function cleanup() {
            BrimforgeTheme.platform = Qt.platform.os
            icon.glyph = ""
            icon.icon = Qt.binding(function() { return BrimforgeTheme.icon.brim_forge })
            icon.iconFontSizeMultiplier = 1
            icon.forceIconWidth = false
        }

        function glyphControl() {
            return findChild(icon, "glyphControl")
        }

        function test_glyph() {
            icon.glyph = "sign-in"
            compare(icon.mode, "glyph")
            verify(glyphControl().visible)
            verify(!icon.iconFont.visible)
            verify(!findChild(icon, "iconTint").visible)
            compare(glyphControl().glyph.text, Feldrin.uiIcons.glyphChar("sign-in"))
            compare(glyphControl().width, 21 * Hostkit.displayScaleFactor)
            compare(glyphControl().height, 21 * Hostkit.displayScaleFactor)
            icon.iconFontSizeMultiplier = 2
            compare(glyphControl().width, 42 * Hostkit.displayScaleFactor)
            icon.height = 60
            icon.forceIconWidth = true
            compare(glyphControl().width, 42 * Hostkit.displayScaleFactor)
            compare(glyphControl().height, 60, "only the width is forced")
            icon.height = icon.implicitHeight
        }

        function test_glyphWinsOverTheIconFont() {
            BrimforgeTheme.platform = "linux"
            icon.glyph = "pencil"
            compare(icon.mode, "glyph")
        }

        function test_iconFont() {
            BrimforgeTheme.platform = "linux"
            compare(icon.useIconFont, true)
            compare(icon.mode, "font")
            verify(icon.iconFont.visible)
            verify(!glyphControl().visible)
            compare(icon.iconFont.text, "\ue904")
            compare(icon.iconFont.font.family, BrimforgeTheme.iconFont)
            fuzzyCompare(icon.iconFont.font.pointSize, BrimforgeTheme.largeFontSizePoint, 1e-6)
            icon.iconFontSizeMultiplier = 1.5
            fuzzyCompare(icon.iconFont.font.pointSize, BrimforgeTheme.largeFontSizePoint * 1.5, 1e-6)
            compare(icon.iconFont.color, icon.color)
        }

        function test_picture() {
            BrimforgeTheme.platform = "windows"
            compare(icon.useIconFont, false)
            compare(icon.mode, "image")
            verify(!icon.iconFont.visible)
            verify(findChild(icon, "iconTint").visible)
            compare(String(icon.iconImage.source), "qrc:/imports/Varnex/Loomwright/Controls/images/brimforge.svg")
            tryCompare(icon.iconImage, "status", Image.Ready)
            compare(icon.iconImage.width, 21 * Hostkit.displayScaleFactor)
            compare(icon.iconImage.fillMode, Image.PreserveAspectFit)
            compare(findChild(icon, "iconTint").color, icon.color)
        }

        function test_useIconFontFollowsTheTheme() {
            BrimforgeTheme.platform = "windows"
            compare(icon.useIconFont, false)
            BrimforgeTheme.platform = "linux"
            compare(icon.useIconFont, true)
        }

        function test_colourFollowsTheScheme() {
            BrimforgeTheme.useDarkTheme = false
            compare(icon.color, BrimforgeTheme.primaryForeground)
            BrimforgeTheme.useDarkTheme = true
            compare(icon.color, BrimforgeTheme.primaryForeground)
        }
    }
}
