import QtQuick 2.15
import Varnex.Hostkit 1.0

import "qrc:/imports/Feldrin"

// The suite's spinner: a glyph in the theme's foreground colour.
GlyphBusyIndicator {
    id: root

    property real dimension: 50

    implicitWidth: dimension * Hostkit.displayScaleFactor
    implicitHeight: dimension * Hostkit.displayScaleFactor
    glyphSet: BrimforgeTheme.defaultGlyphSet
    color: BrimforgeTheme.primaryForeground
    backgroundColor: BrimforgeTheme.primaryBackground
}
