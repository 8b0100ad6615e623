
//---------------------------------------------------------------------
// Canvas adapter for the QRCode component.
//
// get_qr() returns a painter whose canvas(settings) draws the symbol of
// settings.value onto settings.canvas (a Qt Quick Canvas). Text is encoded
// as UTF-8 in byte mode, the smallest version (1 to 40) that holds it at
// the requested error-correction level is chosen, and a quiet zone of four
// modules is kept around the symbol so that readers find its edges on any
// background.
//---------------------------------------------------------------------

qrcode.stringToBytes = qrcode.stringToBytesFuncs['UTF-8'];

var QUIET_ZONE_MODULES = 4;

function QrPainter() {
    this._value = null;
    this._level = null;
    this._symbol = null;
    this.error = "";
}

// Encodes once per value and level: repaints for a new size or colour
// reuse the symbol, because choosing the mask is the expensive part.
QrPainter.prototype.symbol = function(value, level) {
    if (value === this._value && level === this._level)
        return this._symbol;

    this._value = value;
    this._level = level;
    this._symbol = null;
    this.error = "";

    if (value.length === 0)
        return null;
    if (level !== "L" && level !== "M" && level !== "Q" && level !== "H") {
        this.error = "unknown error-correction level " + level;
        return null;
    }
    try {
        var code = qrcode(0, level);
        code.addData(value, 'Byte');
        code.make();
        this._symbol = code;
    } catch (e) {
        // The encoder throws plain strings, e.g. for text beyond version 40.
        this.error = String(e);
    }
    return this._symbol;
};

// Paints the background over the whole canvas and the symbol centred in a
// square of settings.side. Returns true when a symbol was drawn; false for
// an empty value or one that cannot be encoded (see the painter's error).
QrPainter.prototype.canvas = function(settings) {
    var canvas = settings.canvas;
    if (!canvas)
        return false;
    var context = canvas.getContext("2d");
    if (!context)
        return false;

    var width = canvas.width;
    var height = canvas.height;
    var level = String(settings.level === undefined ? "L" : settings.level).toUpperCase();
    var value = settings.value === undefined || settings.value === null ? "" : String(settings.value);
    var side = settings.side === undefined ? Math.min(width, height) : settings.side;

    context.save();
    context.setTransform(1, 0, 0, 1, 0, 0);
    context.clearRect(0, 0, width, height);
    context.fillStyle = settings.background;
    context.fillRect(0, 0, width, height);

    var code = this.symbol(value, level);
    if (!code || side <= 0) {
        context.restore();
        return false;
    }

    var count = code.getModuleCount();
    var span = count + 2 * QUIET_ZONE_MODULES;
    // Whole pixels per module keep the edges sharp; only a canvas smaller
    // than the symbol falls back to fractional modules.
    var cell = side / span;
    if (cell >= 1)
        cell = Math.floor(cell);
    var left = Math.floor((width - span * cell) / 2) + QUIET_ZONE_MODULES * cell;
    var top = Math.floor((height - span * cell) / 2) + QUIET_ZONE_MODULES * cell;

    context.fillStyle = settings.foreground;
    context.beginPath();
    for (var row = 0; row < count; ++row) {
        var col = 0;
        while (col < count) {
            if (!code.isDark(row, col)) {
                ++col;
                continue;
            }
            var start = col;
            while (col < count && code.isDark(row, col))
                ++col;
            context.rect(left + start * cell, top + row * cell, (col - start) * cell, cell);
        }
    }
    context.fill();
    context.restore();
    return true;
};

// The number of modules per side of the symbol for value and level, or 0
// when it cannot be encoded.
QrPainter.prototype.moduleCount = function(value, level) {
    var code = this.symbol(String(value), String(level).toUpperCase());
    return code ? code.getModuleCount() : 0;
};

function get_qr() {
    return new QrPainter();
}
