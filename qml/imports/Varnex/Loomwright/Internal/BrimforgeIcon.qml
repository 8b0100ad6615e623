import QtQuick 2.15
import QtGraphicalEffects 1.15
import Feldrin 1.0

// An icon by one of three ways: a Feldrin glyph by name (`glyph`), a
// character of the suite's icon font, or, where that font is not used, the
// picture that stands in for it. `icon` takes an entry of the theme's icon
// table, which already is the one or the other.
Item {
    id: root

    property string glyph
    property string icon
    property color color: BrimforgeTheme.primaryForeground
    property bool useIconFont: BrimforgeTheme.useIconFont
    property real iconFontSizeMultiplier: 1.0
    // In units.
    property real iconImageSize: 21
    // Only the width is the icon size; the height is the item's own.
    property bool forceIconWidth: false
    // Only the height is the icon size; the width is the item's own.
    property bool forceIconHeight: false
    readonly property alias iconImage: iconImage
    readonly property alias iconFont: iconFont
    readonly property string mode: glyph !== "" ? "glyph" : (useIconFont ? "font" : "image")
    readonly property real iconSize: BrimforgeTheme.scaled(iconImageSize * iconFontSizeMultiplier)

    implicitWidth: mode === "font" ? Math.max(iconFont.implicitWidth, iconSize) : iconSize
    implicitHeight: mode === "font" ? Math.max(iconFont.implicitHeight, iconSize) : iconSize

    GlyphControl {
        id: glyphControl

        objectName: "glyphControl"
        anchors.centerIn: parent
        visible: root.mode === "glyph"
        name: root.glyph
        color: root.color
        width: root.forceIconHeight ? root.width : root.iconSize
        height: root.forceIconWidth ? root.height : root.iconSize
    }

    Text {
        id: iconFont

        anchors.centerIn: parent
        visible: root.mode === "font"
        text: visible ? root.icon : ""
        textFormat: Text.PlainText
        color: root.color
        font.family: BrimforgeTheme.iconFont
        font.pointSize: BrimforgeTheme.largeFontSizePoint * root.iconFontSizeMultiplier
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }

    Image {
        id: iconImage

        anchors.centerIn: parent
        visible: false
        width: root.forceIconHeight ? root.width : root.iconSize
        height: root.forceIconWidth ? root.height : root.iconSize
        // When the theme switches between font and pictures, the mode can
        // change before the icon does: a lone character is never a picture.
        // The theme's icon table names the pictures of the Controls folder
        // ("images/cog.svg"), where apps find them by URL too; a name with a
        // scheme or a leading slash is taken as it is.
        source: {
            if (root.mode !== "image" || root.icon.length <= 2)
                return ""
            return /^([a-z][a-z0-9+.-]*:|\/)/i.test(root.icon) ? root.icon : Qt.resolvedUrl("../Controls/" + root.icon)
        }
        sourceSize: Qt.size(width, height)
        fillMode: Image.PreserveAspectFit
        smooth: true
        asynchronous: false
    }

    // The pictures are drawn in one colour; the tint gives them the icon's.
    ColorOverlay {
        objectName: "iconTint"
        anchors.fill: iconImage
        visible: root.mode === "image"
        source: iconImage
        color: root.color
        cached: false
    }
}
