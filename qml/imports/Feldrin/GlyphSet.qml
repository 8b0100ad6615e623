import QtQuick 2.15
import Varnex.Hostkit 1.0

// A glyph font with its name map (and, for symbols, its origin table): turns
// glyph names into characters of the font.
QtObject {
    id: root

    property url source
    property font font: Qt.font({ family: fontLoader.name })
    readonly property var names: tables.names
    readonly property var info: tables.info
    property string undefinedChar: "?"
    property point defaultOrigin: Qt.point(0.5, 0.5)
    property bool debug: false

    // The maps are read once the set is complete (its logging category is
    // usable only then), and again whenever the source changes.
    readonly property QtObject tables: QtObject {
        property bool ready: false
        property var names: ({})
        property var info: ({})
    }

    readonly property FontLoader fontLoader: FontLoader {
        source: root.source
    }

    // Named after the type of the object, "GlyphSet" or the name of a type
    // built on it, so that logging rules can pick one kind of set. What a set
    // found is for whoever asks for it ("GlyphSet.debug=true"), not for every
    // start of every tool.
    readonly property LoggingCategory log: LoggingCategory {
        name: String(root).replace(/(_QMLTYPE_\d+|_QML_\d+)?\(.*$/, "") || "GlyphSet"
        defaultLogLevel: LoggingCategory.Info
    }

    // Reads the JSON file beside the font whose name is the font's base name
    // and the given extension; an empty object when either is missing.
    function readCompanion(fontSource, extension) {
        if (!fontSource || String(fontSource) === "")
            return {}
        var fileInfo = Hostkit.fileInfo(fontSource)
        if (!fileInfo.exists) {
            console.debug(log, "Font not found:", fontSource)
            return {}
        }
        var fileName = fileInfo.baseName + extension
        if (!fileInfo.folder.fileExists(fileName)) {
            console.debug(log, "No", fileName, "beside the font")
            return {}
        }
        var data = fileInfo.folder.readJsonFile(fileName)
        if (Hostkit.typeOf(data) !== "object")
            return {}
        return data
    }

    function readNames(fontSource) {
        var map = readCompanion(fontSource, ".json")
        var result = {}
        for (var name in map) {
            var value = map[name]
            var codePoint = NaN
            if (Hostkit.typeOf(value) === "number")
                codePoint = value
            else if (Hostkit.typeOf(value) === "string")
                codePoint = parseInt(value.replace("\\", "0x"), 16)
            // A malformed entry must not take the whole map down with it.
            if (!Number.isInteger(codePoint) || codePoint < 0 || codePoint > 0x10FFFF) {
                console.warn(log, "Invalid code point for glyph", name, JSON.stringify(value))
                continue
            }
            result[name] = String.fromCodePoint(codePoint)
        }
        if (debug)
            console.debug(log, "names:", JSON.stringify(result))
        return result
    }

    function readInfo(fontSource) {
        var table = readCompanion(fontSource, ".info")
        if (debug)
            console.debug(log, "info:", JSON.stringify(table))
        return table
    }

    function glyphChar(name) {
        if (!name || !Object.prototype.hasOwnProperty.call(names, name))
            return undefinedChar
        return names[name]
    }

    function glyphOrigin(name) {
        var record = name && Object.prototype.hasOwnProperty.call(info, name) ? info[name] : undefined
        if (!record || Hostkit.typeOf(record) !== "object")
            return defaultOrigin
        if (record.origin)
            return record.origin
        var x = Number.isFinite(record.xorigin) ? record.xorigin : defaultOrigin.x
        var y = Number.isFinite(record.yorigin) ? record.yorigin : defaultOrigin.y
        record.origin = Qt.point(x, y)
        return record.origin
    }

    function readTables() {
        tables.names = readNames(source)
        tables.info = readInfo(source)
    }

    onSourceChanged: {
        if (tables.ready)
            readTables()
    }

    Component.onCompleted: {
        tables.ready = true
        readTables()
        console.debug(log, "family:", fontLoader.name)
        console.debug(log, "glyphs:", Object.keys(names).length)
        console.debug(log, "source:", source)
        if (debug)
            console.debug(log, "status:", fontLoader.status)
    }
}
