"""What the asset generators share: reading the manifests, finding pictures,
and writing the dependency file that tells the build which inputs to watch.

Only the standard library is used, so that both generators can import it:
make_images.py under any Python 3 and make_fonts.py under the system Python
that has the fontforge module.
"""

import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
MANIFESTS = os.path.join(HERE, "manifests")
DRAWINGS = os.path.join(HERE, "drawings")

# Glyph names in the Feldrin maps: lower-case words joined by hyphens.
GLYPH_NAME = re.compile(r"[a-z0-9]+(?:-[a-z0-9]+)*\Z")


def fail(message):
    sys.stderr.write("%s: %s\n" % (os.path.basename(sys.argv[0]), message))
    sys.exit(1)


def rows(path, columns):
    """The rows of a manifest: blank lines and lines starting with # are skipped,
    fields are separated by white space, and every row must have `columns` fields."""
    result = []
    with open(path, encoding="utf-8") as manifest:
        for number, line in enumerate(manifest, 1):
            text = line.strip()
            if not text or text.startswith("#"):
                continue
            fields = text.split()
            if len(fields) != columns:
                fail("%s:%d: expected %d fields, found %d" % (path, number, columns, len(fields)))
            result.append(fields)
    return result


def text_font_rows(path):
    """The text-font manifest, whose style names may contain a blank:
    file, source, style words, weight, italic."""
    result = []
    with open(path, encoding="utf-8") as manifest:
        for number, line in enumerate(manifest, 1):
            text = line.strip()
            if not text or text.startswith("#"):
                continue
            fields = text.split()
            if len(fields) < 5:
                fail("%s:%d: expected file, source, style, weight and italic" % (path, number))
            result.append((fields[0], fields[1], " ".join(fields[2:-2]), int(fields[-2]), fields[-1] == "1"))
    return result


def picture_path(source, bootstrap_dir):
    """The SVG file behind a manifest source: drawing:<name> is one of our own
    drawings, anything else a Bootstrap Icons name."""
    if source.startswith("drawing:"):
        path = os.path.join(DRAWINGS, source[len("drawing:"):] + ".svg")
    else:
        path = os.path.join(bootstrap_dir, source + ".svg")
    if not os.path.isfile(path):
        fail("no picture for %r at %s" % (source, path))
    return path


def write_depfile(path, target, inputs):
    """A make-style dependency file: the build runs the generator again when
    one of the inputs changes, including the system's icons and fonts."""
    if not path:
        return
    def escape(name):
        return name.replace("\\", "\\\\").replace(" ", "\\ ").replace("#", "\\#").replace("$", "$$")
    deps = sorted(set(os.path.abspath(p) for p in inputs))
    with open(path, "w", encoding="utf-8") as depfile:
        depfile.write(escape(os.path.abspath(target)) + ":")
        for dep in deps:
            depfile.write(" \\\n  " + escape(dep))
        depfile.write("\n")
