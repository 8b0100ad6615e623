import QtQuick 2.15

// Measures text as the controls set it: the theme's text family at the base
// size unless told otherwise.
TextMetrics {
    id: root

    font.family: BrimforgeTheme.avenir
    font.pointSize: BrimforgeTheme.baseFontSizePoint
}
