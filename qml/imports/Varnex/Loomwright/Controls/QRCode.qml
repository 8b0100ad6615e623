import QtQuick 2.15

import "QRCode.js" as QR

// Draws the QR code of `value` (error-correction `level` "L", "M", "Q" or
// "H"). Any change of size, colours, level or value repaints it; only a new
// value or level encodes again. A value that does not fit a code, even at
// the largest version, leaves just the background and one warning.
Canvas {
    id: root

    property string value
    property string level: "L"
    property color foreground: BrimforgeTheme.qrCodeForeground
    property color background: BrimforgeTheme.qrCodeBackground

    implicitWidth: BrimforgeTheme.qrCodeSize
    implicitHeight: implicitWidth

    onValueChanged: requestPaint()
    onLevelChanged: requestPaint()
    onForegroundChanged: requestPaint()
    onBackgroundChanged: requestPaint()
    onWidthChanged: requestPaint()
    onHeightChanged: requestPaint()
    onAvailableChanged: requestPaint()

    onPaint: {
        var painted = internal.painter.canvas({
            background: root.background,
            canvas: root,
            foreground: root.foreground,
            level: root.level,
            side: Math.min(root.width, root.height),
            value: root.value
        })
        var error = painted ? "" : internal.painter.error
        // Once per failing value and level, not on every repaint.
        if (error !== "" && error !== internal.reportedError)
            console.warn("QRCode: cannot encode the value:", error)
        internal.reportedError = error
    }

    QtObject {
        id: internal

        readonly property var painter: QR.get_qr()
        property string reportedError
    }
}
