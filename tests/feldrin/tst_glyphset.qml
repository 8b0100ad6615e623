import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Feldrin 1.0

TestCase {
    id: root

    name: "GlyphSet"
    when: windowShown

    // The name map as the font's companion file has it, read independently
    // of the glyph set.
    function rawMap(fontUrl, extension) {
        var info = Hostkit.fileInfo(fontUrl)
        return info.folder.readJsonFile(info.baseName + extension)
    }

    function codePoint(text) {
        return text.codePointAt(0)
    }

    GlyphSet {
        id: sample

        source: Qt.resolvedUrl("data/sample-glyphs.ttf")
    }

    GlyphSet {
        id: missing

        source: Qt.resolvedUrl("data/no-such-font.ttf")
    }

    GlyphItem {
        id: missingItem

        glyphSet: missing
        name: "sign-in"
    }

    function test_uiIconsNames() {
        var map = rawMap("qrc:/imports/Feldrin/fonts/feldrin-ui-icons-24.ttf", ".json")
        compare(Object.keys(Feldrin.uiIcons.names).length, 809)
        compare(Object.keys(Feldrin.uiIcons.names).length, Object.keys(map).length)
        for (var name in map)
            compare(codePoint(Feldrin.uiIcons.glyphChar(name)), parseInt(map[name].replace("\\", ""), 16), name)
    }

    function test_pointSymbolsNames() {
        compare(Object.keys(Feldrin.pointSymbols.names).length, 603)
        compare(Object.keys(Feldrin.pointSymbols.info).length, 27)
    }

    function test_glyphChar_data() {
        return [
            { tag: "sign-in", set: Feldrin.uiIcons, name: "sign-in", known: true },
            { tag: "spinner", set: Feldrin.uiIcons, name: "spinner", known: true },
            { tag: "no-such-glyph", set: Feldrin.uiIcons, name: "no-such-glyph", known: false },
            { tag: "empty name", set: Feldrin.uiIcons, name: "", known: false },
            { tag: "inherited member name", set: Feldrin.uiIcons, name: "toString", known: false },
        ]
    }

    function test_glyphChar(data) {
        var map = rawMap(data.set.source, ".json")
        var text = data.set.glyphChar(data.name)
        if (!data.known) {
            compare(text, "?")
            return
        }
        compare(text.length, 1)
        compare(text, String.fromCharCode(parseInt(map[data.name].replace("\\", "0x"), 16)))
        verify(codePoint(text) >= 0xE001 && codePoint(text) <= 0xE329)
    }

    function test_undefinedCharIsTheSetsOwn() {
        sample.undefinedChar = "\u25a1"
        compare(sample.glyphChar("no-such-glyph"), "\u25a1")
        sample.undefinedChar = "?"
    }

    // Both forms of a code point are read; entries that are not code points
    // are left out instead of breaking the whole map.
    function test_mapForms_data() {
        return [
            { tag: "string form", name: "as-string", code: 0xE001 },
            { tag: "number form", name: "as-number", code: 0xE002 },
            { tag: "upper-case digits", name: "upper-case-digits", code: 0xE00A },
            { tag: "beyond the basic plane", name: "astral", code: 0x1F600 },
            { tag: "not hexadecimal", name: "not-hex", code: -1 },
            { tag: "beyond Unicode", name: "too-large", code: -1 },
            { tag: "negative", name: "negative", code: -1 },
            { tag: "boolean", name: "not-a-code-point", code: -1 },
        ]
    }

    function test_mapForms(data) {
        if (data.code < 0)
            compare(sample.glyphChar(data.name), "?")
        else
            compare(codePoint(sample.glyphChar(data.name)), data.code)
    }

    function test_missingSource() {
        compare(Object.keys(missing.names).length, 0)
        compare(Object.keys(missing.info).length, 0)
        compare(missing.glyphChar("sign-in"), "?")
        compare(missingItem.glyphChar, "?")
        compare(missingItem.glyph.text, "?")
    }

    function test_glyphOriginOfPointSymbols() {
        var pennant = Feldrin.pointSymbols.glyphOrigin("pennant")
        fuzzyCompare(pennant.x, 0.36, 1e-9)
        fuzzyCompare(pennant.y, 0.9, 1e-9)
        var info = rawMap(Feldrin.pointSymbols.source, ".info")
        var names = Object.keys(info)
        compare(names.length, 27)
        for (var i = 0; i < names.length; ++i) {
            var origin = Feldrin.pointSymbols.glyphOrigin(names[i])
            fuzzyCompare(origin.x, info[names[i]].xorigin, 1e-9, names[i])
            fuzzyCompare(origin.y, info[names[i]].yorigin, 1e-9, names[i])
        }
        var withoutRecord = Object.keys(Feldrin.pointSymbols.names).filter(function(name) { return !(name in info) })[0]
        verify(withoutRecord !== undefined)
        compare(Feldrin.pointSymbols.glyphOrigin(withoutRecord), Qt.point(0.5, 0.5))
    }

    function test_glyphOrigin_data() {
        return [
            { tag: "complete record", name: "complete", x: 0.36, y: 0.9 },
            { tag: "missing y", name: "x-only", x: 0.25, y: 0.5 },
            { tag: "y as text", name: "y-as-text", x: 0.1, y: 0.5 },
            { tag: "x not a number", name: "not-finite", x: 0.5, y: 0.8 },
            { tag: "empty record", name: "empty", x: 0.5, y: 0.5 },
            { tag: "no record", name: "as-string", x: 0.5, y: 0.5 },
            { tag: "empty name", name: "", x: 0.5, y: 0.5 },
        ]
    }

    function test_glyphOrigin(data) {
        var origin = sample.glyphOrigin(data.name)
        fuzzyCompare(origin.x, data.x, 1e-9)
        fuzzyCompare(origin.y, data.y, 1e-9)
    }

    function test_glyphOriginIsCachedInTheRecord() {
        var first = sample.glyphOrigin("complete")
        compare(sample.info.complete.origin, first)
        // A cached point wins over the numbers it was made from.
        sample.info.complete.origin = Qt.point(0.1, 0.2)
        compare(sample.glyphOrigin("complete"), Qt.point(0.1, 0.2))
        sample.info.complete.origin = first
    }

    function test_defaultOriginIsTheSetsOwn() {
        var set = Qt.createQmlObject("import Feldrin 1.0; GlyphSet { defaultOrigin: Qt.point(0.5, 1) }", root)
        set.source = sample.source
        compare(set.glyphOrigin("x-only"), Qt.point(0.25, 1))
        compare(set.glyphOrigin("no-record-here"), Qt.point(0.5, 1))
        set.destroy()
    }

    function test_fontFamily() {
        verify(Feldrin.uiIcons.font.family !== "")
        verify(Feldrin.pointSymbols.font.family !== "")
        verify(Feldrin.uiIcons.font.family !== Feldrin.pointSymbols.font.family)
    }

    function test_changingTheSourceReadsTheNewMaps() {
        var set = Qt.createQmlObject("import Feldrin 1.0; GlyphSet {}", root)
        compare(Object.keys(set.names).length, 0)
        set.source = Feldrin.pointSymbols.source
        compare(Object.keys(set.names).length, 603)
        compare(Object.keys(set.info).length, 27)
        set.destroy()
    }
}
