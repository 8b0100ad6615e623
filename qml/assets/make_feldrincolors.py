#!/usr/bin/env python3
"""Writes qml/imports/Feldrin/FeldrinColors.qml, the design system's palette.

Each group is a set of ramps, one per hue: a few key colours per ramp (a light
end, a core colour and a dark end) made from the group's saturation and
lightness, with the palette's fixed colours put in as keys of their own, and
the steps between keys interpolated evenly in RGB. Running the script again
gives the same file; `--check FILE` tells whether FILE is up to date.

Usage: make_feldrincolors.py [OUTPUT]       (default: standard output)
       make_feldrincolors.py --check FILE
"""

import colorsys
import sys

# Hue code -> hue angle in degrees.
HUES = {
    "yy": 52,   # yellow
    "oy": 40,   # orange-yellow
    "oo": 28,   # orange
    "ro": 16,   # red-orange
    "rr": 5,    # red
    "pk": 340,  # pink
    "vr": 318,  # violet-red
    "vv": 275,  # violet
    "bb": 205,  # blue
    "gb": 175,  # green-blue
    "gg": 130,  # green
    "yg": 80,   # yellow-green
    "br": 25,   # brown
}
HUE_ORDER = list(HUES)

# Colours the palette is known by; every ramp that holds one passes through it.
FIXED = {
    "h_yy_010": "#FFF7CC",
    "h_rr_060": "#D83020",
    "m_yy_010": "#FAF7DC",
    "v_yy_120": "#FFF766",
    "blk_120": "#808080",
    "d_bb_420": "#00A0FF",
}

# Group -> (steps, key steps with (saturation, lightness) of the key colour).
# Brown is muted in every group: its saturation is scaled by BROWN_SATURATION.
GROUPS = {
    "h": ([10 * i for i in range(1, 11)],
          {10: (1.00, 0.90), 60: (0.74, 0.49), 100: (0.74, 0.16)}),
    "m": ([10 * i for i in range(1, 11)],
          {10: (0.71, 0.92), 60: (0.45, 0.52), 100: (0.45, 0.18)}),
    "l": ([10 * i for i in range(1, 11)],
          {10: (0.35, 0.94), 60: (0.20, 0.56), 100: (0.20, 0.20)}),
    "v": ([120, 140, 160, 180],
          {120: (1.00, 0.70), 180: (1.00, 0.38)}),
    "d": ([410, 420, 430],
          {410: (1.00, 0.62), 420: (1.00, 0.50), 430: (1.00, 0.36)}),
}
GROUP_HUES = {
    "h": HUE_ORDER,
    "m": HUE_ORDER,
    "l": HUE_ORDER,
    "v": [h for h in HUE_ORDER if h != "br"],
    "d": ["yy", "rr", "bb", "gg"],
}
BROWN_SATURATION = 0.45
GRAY_STEPS = [0, 5, 10] + list(range(20, 231, 10)) + [235, 240]


def parse(hex_colour):
    return tuple(int(hex_colour[i:i + 2], 16) for i in (1, 3, 5))


def to_hex(rgb):
    return "#" + "".join("%02X" % c for c in rgb)


def hsl(hue, saturation, lightness):
    r, g, b = colorsys.hls_to_rgb(hue / 360.0, lightness, saturation)
    return tuple(int(c * 255 + 0.5) for c in (r, g, b))


def interpolate(keys, step):
    """Even interpolation between the two key steps around `step`."""
    steps = sorted(keys)
    if step in keys:
        return keys[step]
    below = max(s for s in steps if s < step)
    above = min(s for s in steps if s > step)
    t = (step - below) / (above - below)
    return tuple(int(a + (b - a) * t + 0.5) for a, b in zip(keys[below], keys[above]))


def name(group, hue, step):
    return "%s_%s_%03d" % (group, hue, step)


def palette():
    colours = []
    for group in ("h", "m", "l", "v"):
        colours.extend(ramps(group))
    for step in GRAY_STEPS:
        key = "blk_%03d" % step
        level = FIXED.get(key)
        value = parse(level) if level else (int(255 * (1 - step / 240.0) + 0.5),) * 3
        colours.append((key, value))
    colours.extend(ramps("d"))
    return colours


def ramps(group):
    steps, key_steps = GROUPS[group]
    for hue in GROUP_HUES[group]:
        scale = BROWN_SATURATION if hue == "br" else 1.0
        keys = {s: hsl(HUES[hue], sat * scale, light) for s, (sat, light) in key_steps.items()}
        for step in steps:
            fixed = FIXED.get(name(group, hue, step))
            if fixed:
                keys[step] = parse(fixed)
        for step in steps:
            yield name(group, hue, step), interpolate(keys, step)


def qml():
    colours = palette()
    lines = [
        "pragma Singleton",
        "",
        "import QtQuick 2.15",
        "",
        "// The design system's colour palette: group, hue and step. Written by",
        "// qml/assets/make_feldrincolors.py; change the script, not this file.",
        "QtObject {",
        "    id: root",
        "",
    ]
    previous = None
    for key, rgb in colours:
        ramp = key.rsplit("_", 1)[0] if not key.startswith("blk_") else "blk"
        if previous is not None and ramp != previous:
            lines.append("")
        previous = ramp
        lines.append('    readonly property color %s: "%s"' % (key, to_hex(rgb)))
    lines.append("}")
    return "\n".join(lines) + "\n"


def main(argv):
    text = qml()
    for key, value in FIXED.items():
        if '%s: "%s"' % (key, value) not in text:
            sys.exit("fixed colour %s lost" % key)
    if len(argv) == 3 and argv[1] == "--check":
        with open(argv[2], encoding="utf-8") as current:
            if current.read() != text:
                sys.exit("%s is not what %s writes" % (argv[2], argv[0]))
        return
    if len(argv) == 2:
        with open(argv[1], "w", encoding="utf-8") as out:
            out.write(text)
    else:
        sys.stdout.write(text)


if __name__ == "__main__":
    main(sys.argv)
