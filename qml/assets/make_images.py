#!/usr/bin/env python3
"""Makes the pictures of the Controls and Private modules.

Icons are SVG files: Bootstrap Icons or our own drawings, given a neutral
grey through the root element's colour so that they look right untinted on
both themes (the controls tint them anyway). Where the manifest asks for the
PNG variants, rsvg-convert renders that same SVG file twice with a style sheet
that only changes its colour: "_l" with dark strokes for the light theme, "_d"
with light strokes for the dark theme. The state pictures and the Private
module's pictures are painted here as SVG and rendered to PNG the same way.

Usage: make_images.py --bootstrap DIR --controls DIR --private DIR
                      [--rsvg PROGRAM] [--depfile FILE]
"""

import argparse
import math
import os
import re
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True
import assetlib  # noqa: E402

NEUTRAL = "#808080"       # SVG files as shipped
LIGHT_THEME = "#4c4c4c"   # strokes of "_l" pictures: the light theme's foreground
DARK_THEME = "#d1d1d1"    # strokes of "_d" pictures: the dark theme's foreground
ICON_PIXELS = 64


def icon_svg(source_path):
    """The SVG text of an icon with its colour fixed on the root element.
    Shapes keep filling with currentColor, so a style sheet can recolour it."""
    with open(source_path, encoding="utf-8") as source:
        text = source.read()
    text = re.sub(r"<!--.*?-->\s*", "", text, flags=re.S)
    text = re.sub(r'\s(class|color)="[^"]*"', "", text, count=2)
    if 'fill="currentColor"' not in text.split(">", 1)[0]:
        assetlib.fail("%s: the root element must fill with currentColor" % source_path)
    return text.replace("<svg ", '<svg color="%s" ' % NEUTRAL, 1)


class Renderer:
    """Runs rsvg-convert; files are written only through it."""

    def __init__(self, program, workdir):
        self.program = program
        self.sheets = {}
        for name, colour in (("light", LIGHT_THEME), ("dark", DARK_THEME)):
            path = os.path.join(workdir, name + ".css")
            with open(path, "w", encoding="utf-8") as sheet:
                sheet.write("svg { color: %s; }\n" % colour)
            self.sheets[name] = path

    def file(self, svg_path, png_path, size, sheet=None):
        command = [self.program, "-w", str(size), "-h", str(size), "-o", png_path]
        if sheet:
            command += ["-s", self.sheets[sheet]]
        self._run(command + [svg_path], None)

    def text(self, svg_text, png_path, width, height):
        self._run([self.program, "-w", str(width), "-h", str(height), "-o", png_path], svg_text.encode("utf-8"))

    def _run(self, command, data):
        done = subprocess.run(command, input=data, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        if done.returncode != 0:
            assetlib.fail("%s failed: %s" % (" ".join(command), done.stderr.decode(errors="replace").strip()))


# ---------------------------------------------------------------------------
# Pictures painted here. Each returns (svg text, width, height).

def svg(width, height, body, view=None):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="%s">%s</svg>'
            % (width, height, view or "0 0 %d %d" % (width, height), body), width, height)


def avatar(back, figure, ring=None):
    """A head and shoulders in a circle, the picture of a user without a photo."""
    body = ('<defs><clipPath id="c"><circle cx="64" cy="64" r="62"/></clipPath></defs>'
            '<circle cx="64" cy="64" r="62" fill="%s"/>'
            '<g clip-path="url(#c)" fill="%s">'
            '<circle cx="64" cy="50" r="23"/>'
            '<path d="M18 128c0-30 20-46 46-46s46 16 46 46z"/></g>' % (back, figure))
    if ring:
        body += '<circle cx="64" cy="64" r="61" fill="none" stroke="%s" stroke-width="3"/>' % ring
    return svg(128, 128, body)


def no_apps(tile, accent):
    """An empty gallery: outlined app cards, one of them offering a new app."""
    cards = []
    for row in range(2):
        for column in range(3):
            x, y = 24 + column * 68, 20 + row * 76
            cards.append('<rect x="%d" y="%d" width="56" height="64" rx="6" fill="none" stroke="%s" '
                         'stroke-width="3" stroke-dasharray="%s"/>'
                         % (x, y, tile, "8 6" if (row, column) != (0, 0) else "none"))
    plus = ('<path d="M50 40v24M38 52h24" stroke="%s" stroke-width="5" stroke-linecap="round"/>' % accent)
    return svg(240, 180, "".join(cards) + plus)


def no_results(glass, mark):
    """A search that found nothing: a magnifier over empty lines, a cross inside."""
    lines = "".join('<rect x="28" y="%d" width="%d" height="8" rx="4" fill="%s" opacity="0.45"/>'
                    % (y, w, glass) for y, w in ((128, 120), (146, 90)))
    body = ('<circle cx="104" cy="66" r="40" fill="none" stroke="%s" stroke-width="9"/>'
            '<path d="M133 95l32 32" stroke="%s" stroke-width="13" stroke-linecap="round"/>'
            '<path d="M90 52l28 28M118 52l-28 28" stroke="%s" stroke-width="7" stroke-linecap="round"/>%s'
            % (glass, glass, mark, lines))
    return svg(240, 180, body)


def round_badge(colour, inner):
    return svg(32, 32, '<circle cx="16" cy="16" r="15" fill="%s"/>%s' % (colour, inner))


def hexagon_tile():
    """One tile of a honeycomb that repeats without seams: white outlines on
    transparent, faint enough to lie under a banner's text."""
    r = 20.0
    w = math.sqrt(3) * r
    h = 3 * r
    def hexagon(cx, cy):
        points = []
        for k in range(6):
            a = math.radians(60 * k - 90)
            points.append("%.3f,%.3f" % (cx + r * math.cos(a), cy + r * math.sin(a)))
        return '<polygon points="%s"/>' % " ".join(points)
    cells = [hexagon(x, y) for x, y in ((0, 0), (w, 0), (w / 2, h / 2), (0, h), (w, h))]
    body = ('<g fill="none" stroke="#ffffff" stroke-opacity="0.35" stroke-width="1.5">%s</g>' % "".join(cells))
    # The tile is √3·r by 3r; it is stretched by a fraction of a per cent onto whole pixels.
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="35" height="60" viewBox="0 0 %.3f %.3f" '
            'preserveAspectRatio="none">%s</svg>' % (w, h, body), 35, 60)


def sample_map():
    """A small town by a lake: land, water, a river, parks, roads and blocks."""
    body = [
        '<rect width="320" height="240" fill="#ece8dc"/>',
        '<path d="M0 150c40-10 70 8 100 0s46-40 84-34c30 5 40 30 70 34s50-6 66-14v104H0z" fill="#a9cbe6"/>',
        '<path d="M196 0c-6 30 10 50 2 76s-20 34-14 46" fill="none" stroke="#a9cbe6" stroke-width="10"/>',
        '<path d="M20 30h70v52H20zM236 24c22-6 50 4 64 18v44c-26 6-52 0-64-14z" fill="#cde3b8"/>',
        '<g fill="#d8d2c4">',
    ]
    for x in range(110, 180, 22):
        for y in range(16, 110, 24):
            body.append('<rect x="%d" y="%d" width="16" height="18" rx="1"/>' % (x, y))
    body.append('</g>')
    body.append('<g fill="none" stroke-linecap="round">'
                '<path d="M0 100h320M104 0v240M0 20c80 10 150 0 320 12" stroke="#b5ad9c" stroke-width="9"/>'
                '<path d="M0 100h320M104 0v240M0 20c80 10 150 0 320 12" stroke="#ffffff" stroke-width="6"/>'
                '<path d="M180 0l0 126" stroke="#ffffff" stroke-width="3"/></g>')
    body.append('<circle cx="150" cy="64" r="6" fill="#c0392b" stroke="#ffffff" stroke-width="2"/>')
    return svg(320, 240, "".join(body))


def arrow_badge(colour, down):
    shaft = "M16 8v13" if down else "M16 24V11"
    head = "M10.5 16 16 21.5 21.5 16" if down else "M10.5 16 16 10.5 21.5 16"
    return round_badge(colour, '<g fill="none" stroke="#ffffff" stroke-width="3" stroke-linecap="round" '
                               'stroke-linejoin="round"><path d="%s"/><path d="%s"/></g>' % (shaft, head))


PICTURES = {
    "no_user": lambda: avatar("#c7c7c7", "#8a8a8a"),
    "user": lambda: avatar("#e0e0e0", "#5c5c5c"),
    "user_light": lambda: avatar("none", "#e0e0e0", ring="#e0e0e0"),
    "no_apps_dark": lambda: no_apps("#5c5c5c", "#8f499c"),
    "no_apps_light": lambda: no_apps("#bdbdbd", "#8f499c"),
    "no_results_dark": lambda: no_results("#5c5c5c", "#ff6d3b"),
    "no_results_light": lambda: no_results("#bdbdbd", "#ab3c16"),
    "context_menu": lambda: svg(32, 32, '<g fill="#5c5c5c"><circle cx="16" cy="7" r="3"/>'
                                        '<circle cx="16" cy="16" r="3"/><circle cx="16" cy="25" r="3"/></g>'),
    "download_indicator": lambda: arrow_badge("#35ac46", True),
    "upload_indicator": lambda: arrow_badge("#007ac2", False),
    "info": lambda: round_badge("#007ac2", '<circle cx="16" cy="9" r="2.2" fill="#ffffff"/>'
                                           '<rect x="14" y="13" width="4" height="12" rx="1.5" fill="#ffffff"/>'),
    "hexagon_banner": hexagon_tile,
    "sample_map": sample_map,
}


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--bootstrap", required=True, help="folder of the Bootstrap Icons SVG files")
    parser.add_argument("--controls", required=True, help="the Controls module's images/ folder to fill")
    parser.add_argument("--private", required=True, help="the Private module's images/ folder to fill")
    parser.add_argument("--rsvg", default="rsvg-convert")
    parser.add_argument("--depfile")
    args = parser.parse_args()

    for folder in (args.controls, args.private):
        os.makedirs(folder, exist_ok=True)
    inputs = [__file__, assetlib.__file__]
    first_output = None

    with tempfile.TemporaryDirectory() as workdir:
        render = Renderer(args.rsvg, workdir)

        for name, source, variants in assetlib.rows(os.path.join(assetlib.MANIFESTS, "controls-images.tsv"), 3):
            if variants == "png":
                if not source.startswith("picture:") or source[8:] not in PICTURES:
                    assetlib.fail("%s: a PNG-only picture must be one of make_images.py's pictures" % name)
                text, width, height = PICTURES[source[8:]]()
                out = os.path.join(args.controls, name + ".png")
                render.text(text, out, width, height)
                first_output = first_output or out
                continue
            if variants not in ("svg", "svg+png"):
                assetlib.fail("%s: unknown variants %r" % (name, variants))
            source_path = assetlib.picture_path(source, args.bootstrap)
            inputs.append(source_path)
            svg_path = os.path.join(args.controls, name + ".svg")
            with open(svg_path, "w", encoding="utf-8") as out:
                out.write(icon_svg(source_path))
            first_output = first_output or svg_path
            if variants == "svg+png":
                render.file(svg_path, os.path.join(args.controls, name + "_l.png"), ICON_PIXELS, "light")
                render.file(svg_path, os.path.join(args.controls, name + "_d.png"), ICON_PIXELS, "dark")

        for file_name, picture in assetlib.rows(os.path.join(assetlib.MANIFESTS, "private-images.tsv"), 2):
            if picture not in PICTURES:
                assetlib.fail("%s: unknown picture %r" % (file_name, picture))
            text, width, height = PICTURES[picture]()
            render.text(text, os.path.join(args.private, file_name), width, height)

    assetlib.write_depfile(args.depfile, first_output, inputs)


if __name__ == "__main__":
    main()
