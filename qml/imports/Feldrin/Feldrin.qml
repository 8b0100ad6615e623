pragma Singleton

import QtQuick 2.15

// The design system's two glyph fonts, read once per engine.
QtObject {
    id: root

    readonly property GlyphSet uiIcons: GlyphSet {
        source: "fonts/feldrin-ui-icons-24.ttf"
    }

    readonly property GlyphSet pointSymbols: GlyphSet {
        source: "fonts/feldrin-point-symbols-21.ttf"
    }
}
