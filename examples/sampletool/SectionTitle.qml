import QtQuick 2.15
import Varnex.Loomwright.Controls 1.0

// The heading of one part of the tool's form.
Text {
    id: root

    textFormat: Text.PlainText
    elide: Text.ElideRight
    horizontalAlignment: Text.AlignLeft
    color: BrimforgeTheme.primaryForeground
    font.family: BrimforgeTheme.avenirDemi
    font.pointSize: BrimforgeTheme.mediumFontSizePoint
}
