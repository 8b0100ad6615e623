#!/usr/bin/python3
"""Makes the fonts of the Controls and Feldrin modules with FontForge.

Runs under the system's Python, the only one that has the fontforge module.

  make_fonts.py text --source-dir DIR --out DIR [--depfile FILE]
      The text family "Avenir Next LT Pro" in eight styles: each Open Sans
      style renamed into that one family (Apache License 2.0 allows it; the
      copyright, licence and trademark notices stay in the name table).

  make_fonts.py icons --pictures DIR --out FILE [--depfile FILE]
      The suite's icon font: one glyph per code point of brimforge-icons.tsv,
      drawn from the picture that stands in for it, so glyph and picture agree.

  make_fonts.py glyphs --set NAME --bootstrap DIR --out DIR [--depfile FILE]
      A Feldrin glyph font NAME.ttf with its name map NAME.json and, where the
      set has an origins manifest, its origin table NAME.info.
"""

import argparse
import contextlib
import json
import os
import sys
import tempfile

sys.dont_write_bytecode = True
import assetlib  # noqa: E402

# A fixed build time in the fonts' head tables, so that the same inputs give
# the same bytes.
os.environ.setdefault("SOURCE_DATE_EPOCH", "1672531200")


@contextlib.contextmanager
def muted(*descriptors):
    """Sends what the C level writes to these descriptors nowhere, for the
    length of the block."""
    sys.stdout.flush()
    sys.stderr.flush()
    saved = [(fd, os.dup(fd)) for fd in descriptors]
    sink = os.open(os.devnull, os.O_WRONLY)
    try:
        for fd in descriptors:
            os.dup2(sink, fd)
        yield
    finally:
        for fd, copy in saved:
            os.dup2(copy, fd)
            os.close(copy)
        os.close(sink)


# FontForge greets on loading.
try:
    with muted(1, 2):
        import fontforge
        import psMat
except ImportError:
    assetlib.fail("the fontforge module is missing; run this script with the system's /usr/bin/python3 "
                  "and install python3-fontforge")

TEXT_FAMILY = "Avenir Next LT Pro"
ICON_FAMILY = "Brimforge"
GLYPH_FAMILIES = {"feldrin-ui-icons-24": "Feldrin UI Icons 24", "feldrin-point-symbols-21": "Feldrin Point Symbols 21"}
EM = 1000
ASCENT = 800


@contextlib.contextmanager
def quiet():
    """FontForge reports every oddity of a font on the C level's standard
    error; keep it and show it only when something fails."""
    sys.stderr.flush()
    saved = os.dup(2)
    with tempfile.TemporaryFile() as log:
        os.dup2(log.fileno(), 2)
        try:
            yield
        except BaseException:
            os.dup2(saved, 2)
            log.seek(0)
            sys.stderr.write(log.read().decode(errors="replace"))
            raise
        finally:
            os.dup2(saved, 2)
            os.close(saved)


def set_metrics(font):
    """The em square is the glyph box: a line is exactly one em high, so text
    of pixel size n shows a glyph in an n by n box."""
    font.em = EM
    font.ascent = ASCENT
    font.descent = EM - ASCENT
    for attribute, value in (("os2_winascent", ASCENT), ("os2_windescent", EM - ASCENT),
                             ("os2_typoascent", ASCENT), ("os2_typodescent", ASCENT - EM),
                             ("os2_typolinegap", 0), ("hhea_ascent", ASCENT),
                             ("hhea_descent", ASCENT - EM), ("hhea_linegap", 0)):
        setattr(font, attribute, value)
    for attribute in ("os2_winascent_add", "os2_windescent_add", "os2_typoascent_add",
                      "os2_typodescent_add", "hhea_ascent_add", "hhea_descent_add"):
        setattr(font, attribute, False)


def picture_transform(padding):
    """Where a 16-unit picture lands in the em square, with `padding` (a
    fraction of the em) left free on every side. FontForge imports the
    picture's box as the whole em: x * EM/16, and y from the ascent down."""
    scale = 1.0 - 2 * padding
    shift_x = padding * EM
    shift_y = ASCENT - padding * EM - scale * ASCENT
    return psMat.compose(psMat.scale(scale), psMat.translate(shift_x, shift_y))


def new_symbol_font(family):
    font = fontforge.font()
    font.encoding = "UnicodeFull"
    set_metrics(font)
    font.familyname = family
    font.fontname = family.replace(" ", "")
    font.fullname = family
    font.weight = "Regular"
    font.appendSFNTName("English (US)", "SubFamily", "Regular")
    font.copyright = ("Glyphs from Bootstrap Icons, copyright (c) 2019-2021 The Bootstrap Authors, MIT licence; "
                      "other glyphs drawn for this project.")
    notdef = font.createChar(-1, ".notdef")
    notdef.width = EM
    space = font.createChar(0x20, "space")
    space.width = EM
    return font


def add_glyph(font, code_point, picture, transform):
    glyph = font.createChar(code_point, "uni%04X" % code_point)
    glyph.importOutlines(picture)
    glyph.transform(transform)
    glyph.removeOverlap()
    glyph.correctDirection()
    glyph.width = EM
    return glyph


def generate(font, path):
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    font.generate(path + ".tmp.ttf", flags=("opentype",))
    os.replace(path + ".tmp.ttf", path)


def make_text(args):
    inputs = [__file__, assetlib.__file__]
    first = None
    for file_name, source_name, style, weight, italic in assetlib.text_font_rows(
            os.path.join(assetlib.MANIFESTS, "text-fonts.tsv")):
        source = os.path.join(args.source_dir, source_name)
        if not os.path.isfile(source):
            assetlib.fail("missing %s (Debian package fonts-open-sans)" % source)
        inputs.append(source)
        out = os.path.join(args.out, file_name)
        first = first or out
        with quiet():
            font = fontforge.open(source)
            full_name = "%s %s" % (TEXT_FAMILY, style)
            postscript = os.path.splitext(file_name)[0]
            font.familyname = TEXT_FAMILY
            font.fontname = postscript
            font.fullname = full_name
            font.weight = style.replace(" Italic", "") if style != "Italic" else "Regular"
            font.os2_weight = weight
            origin = "%s, %s" % (source_name, font.version.strip())
            renamed = {"Family", "SubFamily", "UniqueID", "Fullname", "PostScriptName",
                       "Preferred Family", "Preferred Styles", "Compatible Full", "WWS Family",
                       "WWS Subfamily", "Descriptor"}
            font.sfnt_names = tuple(entry for entry in font.sfnt_names if entry[1] not in renamed)
            for key, value in (("Family", TEXT_FAMILY), ("SubFamily", style), ("Fullname", full_name),
                               ("PostScriptName", postscript), ("UniqueID", "%s; made from %s" % (full_name, origin)),
                               ("Preferred Family", TEXT_FAMILY), ("Preferred Styles", style),
                               ("Descriptor", "Open Sans (%s), renamed; outlines unchanged." % origin)):
                font.appendSFNTName("English (US)", key, value)
            generate(font, out)
            font.close()
    assetlib.write_depfile(args.depfile, first, inputs)


def make_icons(args):
    inputs = [__file__, assetlib.__file__]
    font = new_symbol_font(ICON_FAMILY)
    transform = picture_transform(1.0 / 18)
    done = {}
    for entry, code, picture in assetlib.rows(os.path.join(assetlib.MANIFESTS, "brimforge-icons.tsv"), 3):
        code_point = int(code, 16)
        if not 0xE000 <= code_point <= 0xF8FF:
            assetlib.fail("%s: U+%04X lies outside the private use area" % (entry, code_point))
        if code_point in done:
            if done[code_point] != picture:
                assetlib.fail("%s: U+%04X already draws %s" % (entry, code_point, done[code_point]))
            continue
        path = os.path.join(args.pictures, os.path.basename(picture))
        inputs.append(path)
        with quiet():
            add_glyph(font, code_point, path, transform)
        done[code_point] = picture
    with quiet():
        generate(font, args.out)
    assetlib.write_depfile(args.depfile, args.out, inputs)


def make_glyphs(args):
    inputs = [__file__, assetlib.__file__]
    manifest = os.path.join(assetlib.MANIFESTS, args.set + ".tsv")
    origins_manifest = os.path.join(assetlib.MANIFESTS, args.set + "-origins.tsv")
    # Point symbols are anchored somewhere inside their box and keep a wider
    # margin than the icons of the interface.
    has_origins = os.path.isfile(origins_manifest)
    padding = 0.1 if has_origins else 2.0 / 24

    font = new_symbol_font(GLYPH_FAMILIES.get(args.set, args.set))
    transform = picture_transform(padding)
    names = {}
    expected = 0xE001
    for code, name, source in assetlib.rows(manifest, 3):
        code_point = int(code, 16)
        if code_point != expected:
            assetlib.fail("%s: %s has U+%04X where U+%04X comes next" % (manifest, name, code_point, expected))
        if not assetlib.GLYPH_NAME.match(name) or name in names:
            assetlib.fail("%s: bad or repeated glyph name %r" % (manifest, name))
        expected += 1
        path = assetlib.picture_path(source, args.bootstrap)
        inputs.append(path)
        with quiet():
            add_glyph(font, code_point, path, transform)
        names[name] = "\\%04x" % code_point

    base = os.path.join(args.out, args.set)
    with quiet():
        generate(font, base + ".ttf")
    with open(base + ".json", "w", encoding="utf-8") as out:
        json.dump(names, out, indent=1)
        out.write("\n")

    if has_origins:
        table = {}
        scale = 1.0 - 2 * padding
        for name, x, y in assetlib.rows(origins_manifest, 3):
            if name not in names:
                assetlib.fail("%s: no glyph named %r" % (origins_manifest, name))
            # Fractions of the glyph box, 0 at the left and top, 1 at the right and bottom.
            table[name] = {"xorigin": round(padding + scale * float(x) / 16, 2),
                           "yorigin": round(padding + scale * float(y) / 16, 2)}
        with open(base + ".info", "w", encoding="utf-8") as out:
            json.dump(table, out, indent=1)
            out.write("\n")
    assetlib.write_depfile(args.depfile, base + ".ttf", inputs)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    commands = parser.add_subparsers(dest="command", required=True)
    text = commands.add_parser("text")
    text.add_argument("--source-dir", required=True)
    text.add_argument("--out", required=True)
    icons = commands.add_parser("icons")
    icons.add_argument("--pictures", required=True)
    icons.add_argument("--out", required=True)
    glyphs = commands.add_parser("glyphs")
    glyphs.add_argument("--set", required=True)
    glyphs.add_argument("--bootstrap", required=True)
    glyphs.add_argument("--out", required=True)
    for command in (text, icons, glyphs):
        command.add_argument("--depfile")
    args = parser.parse_args()
    {"text": make_text, "icons": make_icons, "glyphs": make_glyphs}[args.command](args)


if __name__ == "__main__":
    main()
