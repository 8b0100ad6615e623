import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Loomwright.Controls 1.0

// Draws codes in a real window, saves each grab in the working directory
// and reads it back with zbarimg. One QRCode item serves every row, so a
// change of value, level or size that did not repaint would decode as the
// previous row's text.
TestCase {
    id: testCase

    // Mixed scripts: two-, three- and four-byte UTF-8 sequences.
    readonly property string mixed: "Grüße aus Köln, ça va? Ελληνικά, русский, 日本語テキスト, 🚀 "
    readonly property string shortText: "Loomwright"
    readonly property string hundredChars: (mixed + mixed).substring(0, 100)
    // Still within the 1273 bytes that a code holds at level H.
    readonly property string thousandChars: {
        var text = ""
        while (text.length < 998)
            text += "https://online.varnex.com/apps?id=" + text.length + "&name=Trail Map – Grüße ✓ "
        return text.substring(0, 998) + "🚀"
    }

    function utf8Length(text) {
        return unescape(encodeURIComponent(text)).length
    }

    function grabAndDecode(item, fileName) {
        var saved = false
        var result = null
        verify(item.grabToImage(function (grab) {
            saved = grab.saveToFile(fileName)
            result = grab
        }), "grab started")
        tryVerify(function () { return result !== null }, 10000, "grab of " + fileName)
        verify(saved, "saved " + fileName)
        // Binary output: the bytes of the code as they are. Otherwise zbar
        // guesses a character set and may take UTF-8 for Shift JIS when the
        // text is mostly ASCII.
        var reader = Loomwright.runSynchronous("zbarimg", ["--raw", "-q", "-Sbinary", fileName])
        return { exitCode: reader.exitCode, text: reader.standardOutput }
    }

    function paintAndDecode(value, level, fileName) {
        qr.value = value
        qr.level = level
        // A canvas paints before the next frame; the grab waits for that
        // frame.
        paintedSpy.clear()
        paintedSpy.wait(10000)
        return grabAndDecode(qr, fileName)
    }

    name: "QRCodeDecoding"
    when: windowShown
    // Shown, so that grabImage reads the codes back from the window.
    visible: true
    width: 700
    height: 700

    QRCode {
        id: qr

        width: 620
        height: 620
    }

    Component {
        id: defaultCode

        QRCode {}
    }

    SignalSpy {
        id: paintedSpy

        target: qr
        signalName: "painted"
    }

    function init() {
        qr.width = 620
        qr.height = 620
        qr.foreground = "black"
        qr.background = "white"
    }

    function test_decodesWhatItDraws_data() {
        var lengths = [
            { name: "short", text: shortText },
            { name: "100 characters", text: hundredChars },
            { name: "1000 characters", text: thousandChars }
        ]
        var rows = []
        for (var i = 0; i < lengths.length; ++i) {
            ["L", "M", "Q", "H"].forEach(function (level) {
                rows.push({ tag: lengths[i].name + ", level " + level, value: lengths[i].text, level: level })
            })
        }
        return rows
    }

    function test_decodesWhatItDraws(data) {
        verify(utf8Length(data.value) <= 1273, "fits level H")
        var fileName = "qrcode-" + data.tag.replace(/[^A-Za-z0-9]+/g, "-") + ".png"
        var decoded = paintAndDecode(data.value, data.level, fileName)
        compare(decoded.exitCode, 0, "zbarimg found a code in " + fileName)
        compare(decoded.text, data.value)
    }

    function test_themeColoursAndSizes_data() {
        return [
            { tag: "dark on light, small", foreground: "#242424", background: "#f8f8f8", size: 200 },
            { tag: "purple on white, wide canvas", foreground: "#6b1978", background: "#ffffff", size: 300, wide: true },
            { tag: "black on white, large", foreground: "black", background: "white", size: 640 }
        ]
    }

    function test_themeColoursAndSizes(data) {
        qr.foreground = data.foreground
        qr.background = data.background
        qr.width = data.wide ? data.size * 2 : data.size
        qr.height = data.size
        var value = data.tag + " ✓"
        var decoded = paintAndDecode(value, "M", "qrcode-colours-" + data.tag.replace(/[^A-Za-z0-9]+/g, "-") + ".png")
        compare(decoded.exitCode, 0)
        compare(decoded.text, value)
    }

    function test_resizeRepaints() {
        paintAndDecode("before the resize", "Q", "qrcode-resize-before.png")
        paintedSpy.clear()
        qr.width = 400
        qr.height = 400
        paintedSpy.wait(10000)
        var image = grabImage(qr)
        compare(image.width, 400)
        var decoded = grabAndDecode(qr, "qrcode-resize-after.png")
        compare(decoded.text, "before the resize")
    }

    function test_defaults() {
        var fresh = createTemporaryObject(defaultCode, testCase)
        compare(fresh.level, "L")
        verify(Qt.colorEqual(fresh.foreground, "black"))
        verify(Qt.colorEqual(fresh.background, "white"))
        verify(fresh.implicitWidth > 0 && fresh.implicitWidth === fresh.implicitHeight)
    }

    function test_repaintsOnEveryChange_data() {
        return [
            { tag: "value", property: "value", value: "another value" },
            { tag: "level", property: "level", value: "Q" },
            { tag: "foreground", property: "foreground", value: "#6b1978" },
            { tag: "background", property: "background", value: "#f8f8f8" },
            { tag: "width", property: "width", value: 500 },
            { tag: "height", property: "height", value: 500 }
        ]
    }

    function test_repaintsOnEveryChange(data) {
        paintAndDecode("before the change", "M", "qrcode-change-before.png")
        paintedSpy.clear()
        qr[data.property] = data.value
        paintedSpy.wait(5000)
        compare(paintedSpy.count, 1)
    }

    function test_valuesWithoutCode_data() {
        return [
            { tag: "empty value", value: "", warning: false },
            // Byte mode holds at most 1273 bytes at level H.
            { tag: "too long for level H", value: new Array(1300).join("x"), warning: true }
        ]
    }

    function test_valuesWithoutCode(data) {
        if (data.warning)
            ignoreWarning(/QRCode: cannot encode the value: code length overflow.*/)
        qr.foreground = "black"
        qr.background = "#ff0000"
        var decoded = paintAndDecode(data.value, "H", "qrcode-" + data.tag.replace(/[^A-Za-z0-9]+/g, "-") + ".png")
        verify(decoded.exitCode !== 0, "no code to read")
        // Only the background is drawn.
        var image = grabImage(qr)
        verify(Qt.colorEqual(image.pixel(qr.width / 2, qr.height / 2), "#ff0000"))
    }
}
