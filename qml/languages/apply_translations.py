#!/usr/bin/env python3
"""Fills the plugin's translation sources from the committed tables.

    apply_translations.py LoomwrightPlugin_<locale>.ts...

lupdate keeps the .ts files in step with the QML; the texts themselves live
in translations/<locale>.json next to this script, so that a refresh never
loses them. For each message of a .ts file the table gives the translation:

    "Cancel": "Abbrechen",
    "%n file(s)": ["%n Datei", "%n Dateien"],
    "@AppSummary": { "Version %1": "Version %1" }

A plain entry serves its source text in every component; an entry under
"@" + component name serves that component only and wins over a plain one.
Texts that count (qsTr with a number, "%n") take a list with the language's
plural forms in Qt's order (see README.md). A message with a translation is
marked finished; one without is left unfinished and empty, so that lrelease
leaves it out, and is reported.

Exits with 1 when a table entry does not fit its message (wrong number of
plural forms, a placeholder lost), with 0 otherwise.
"""

import json
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

HERE = os.path.dirname(os.path.abspath(__file__))
TABLES = os.path.join(HERE, "translations")
PLACEHOLDER = re.compile(r"%(?:\d+|n)")
TAG = re.compile(r"</?[a-zA-Z][^>]*>")


def locale_of(path):
    name = os.path.splitext(os.path.basename(path))[0]
    prefix = "LoomwrightPlugin_"
    if not name.startswith(prefix):
        raise SystemExit(f"{path}: not a LoomwrightPlugin_<locale>.ts file")
    return name[len(prefix):]


def load_table(locale):
    path = os.path.join(TABLES, locale + ".json")
    if not os.path.exists(path):
        return {}, {}
    with open(path, encoding="utf-8") as file:
        table = json.load(file)
    plain = {key: value for key, value in table.items() if not key.startswith("@")}
    by_context = {key[1:]: value for key, value in table.items() if key.startswith("@")}
    return plain, by_context


def problems_of(source, forms):
    """What is wrong with forms as a translation of source."""
    found = []
    wanted = sorted(set(PLACEHOLDER.findall(source)) - {"%n"})
    for form in forms:
        if not form:
            found.append("empty form")
        if sorted(set(PLACEHOLDER.findall(form)) - {"%n"}) != wanted:
            found.append(f"placeholders differ in {form!r}")
        if sorted(TAG.findall(form)) != sorted(TAG.findall(source)):
            found.append(f"rich-text tags differ in {form!r}")
    return found


def fill(path):
    locale = locale_of(path)
    plain, by_context = load_table(locale)
    tree = ElementTree.parse(path)
    errors, missing, filled = [], [], 0
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        overrides = by_context.get(name, {})
        for message in context.iter("message"):
            source = message.findtext("source")
            numerus = message.get("numerus") == "yes"
            translation = message.find("translation")
            wanted = overrides.get(source, plain.get(source))
            slots = len(translation.findall("numerusform")) if numerus else 1
            translation.attrib.pop("type", None)
            for child in list(translation):
                translation.remove(child)
            translation.text = None
            if wanted is None:
                translation.set("type", "unfinished")
                if numerus:
                    for _ in range(slots):
                        ElementTree.SubElement(translation, "numerusform")
                missing.append(f"{name}: {source}")
                continue
            forms = wanted if isinstance(wanted, list) else [wanted]
            if numerus != isinstance(wanted, list) or len(forms) != slots:
                errors.append(f"{name}: {source!r} needs {slots} {'plural forms' if numerus else 'text'}, "
                              f"the table has {len(forms) if isinstance(wanted, list) else 'a text'}")
                translation.set("type", "unfinished")
                for _ in range(slots if numerus else 0):
                    ElementTree.SubElement(translation, "numerusform")
                continue
            errors.extend(f"{name}: {source!r}: {problem}" for problem in problems_of(source, forms))
            if numerus:
                for form in forms:
                    ElementTree.SubElement(translation, "numerusform").text = form
            else:
                translation.text = forms[0]
            filled += 1
    tree.write(path, encoding="utf-8", xml_declaration=True)
    # Back into Qt's own layout, so that lupdate and this script produce the
    # same file and a refresh without changes changes nothing.
    subprocess.run([os.environ.get("LCONVERT", "lconvert"), "-locations", "none", "-i", path, "-o", path],
                   check=True)
    for line in errors:
        print(f"{os.path.basename(path)}: {line}", file=sys.stderr)
    for line in missing:
        print(f"{os.path.basename(path)}: not translated yet: {line}", file=sys.stderr)
    return filled, len(missing), bool(errors)


def main(paths):
    failed = False
    for path in paths:
        filled, missing, wrong = fill(path)
        failed |= wrong
        print(f"{os.path.basename(path)}: {filled} translated, {missing} to do")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
