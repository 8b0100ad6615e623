import QtQuick 2.15
import Feldrin 1.0

// The suite's spinner: a glyph in the theme's foreground colour.
GlyphBusyIndicator {
    id: root

    // In units.
    property real dimension: 50

    implicitWidth: BrimforgeTheme.scaled(dimension)
    implicitHeight: BrimforgeTheme.scaled(dimension)
    glyphSet: BrimforgeTheme.defaultGlyphSet
    color: BrimforgeTheme.primaryForeground
    backgroundColor: BrimforgeTheme.primaryBackground
}
