#!/usr/bin/env python3
"""Fills the plugin's translation sources from the committed tables, or
checks that the committed sources are what a refresh would write.

    apply_translations.py LoomwrightPlugin_<locale>.ts...
    apply_translations.py --check COMMITTED_FOLDER LoomwrightPlugin_<locale>.ts...

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

The refresh writes the files given. The check fills the files given (fresh
lupdate output in a folder of its own) the same way, then compares each with
the file of the same name in COMMITTED_FOLDER and writes nothing there.

Exits with 1 when a table entry is invalid (not a text or a list of texts,
wrong number of plural forms, a placeholder or rich-text tag lost or added),
or, for the check, when a committed catalogue differs from what the refresh
would write; with 0 otherwise. Untranslated texts never fail either.
"""

import json
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

HERE = os.path.dirname(os.path.abspath(__file__))
TABLES = os.path.join(HERE, "translations")
PREFIX = "LoomwrightPlugin_"
PLACEHOLDER = re.compile(r"%(?:\d+|n)")
TAG = re.compile(r"</?[a-zA-Z][^>]*>")

# Qt's plural forms per language, in Qt's order (README.md has the numbers
# behind them): True marks a form that stands for exactly one number, which
# may spell it out ("eine Sekunde", "ثانيتان") instead of showing %n. Every
# other form serves several numbers and must show which one.
_ONE_OTHER = (True, False)
_SINGLE = (False,)
_SLAVIC = (False, False, False)
PLURAL_FORMS = {
    **dict.fromkeys(["bg", "ca", "da", "de", "en", "es", "et", "fi", "he", "it", "nb_NO", "nl", "pt_PT", "sv"],
                    _ONE_OTHER),
    **dict.fromkeys(["fr", "pt_BR"], (False, False)),
    **dict.fromkeys(["hu", "id", "ja", "ko", "th", "tr", "vi", "zh_CN", "zh_HK", "zh_TW"], _SINGLE),
    **dict.fromkeys(["bs", "hr", "ru", "sr", "uk"], _SLAVIC),
    **dict.fromkeys(["cs", "sk", "pl"], (True, False, False)),
    "lt": (False, False, False),
    "lv": (False, False, True),
    "ro": (True, False, False),
    "sl": (False, False, False, False),
    "ar": (True, True, True, False, False, False),
}


def locale_of(path):
    name = os.path.splitext(os.path.basename(path))[0]
    if not name.startswith(PREFIX) or not path.endswith(".ts"):
        return None
    return name[len(PREFIX):]


def shown(text):
    """text on one line of a report."""
    return text.replace("\n", "\\n")


def _refuse_duplicates(pairs):
    table, twice = {}, []
    for key, value in pairs:
        if key in table:
            twice.append(key)
        table[key] = value
    if twice:
        # json.load would silently keep the last one: one of two translations
        # someone meant is lost without a word.
        raise ValueError("given twice: " + ", ".join(repr(key) for key in twice))
    return table


def load_table(locale):
    """The table of locale as (plain entries, entries by context, problems);
    a missing table is an empty one."""
    path = os.path.join(TABLES, locale + ".json")
    if not os.path.exists(path):
        return {}, {}, []
    try:
        with open(path, encoding="utf-8") as file:
            table = json.load(file, object_pairs_hook=_refuse_duplicates)
    except (OSError, UnicodeDecodeError, ValueError) as error:
        return {}, {}, [f"{os.path.basename(path)} cannot be read: {error}"]
    if not isinstance(table, dict):
        return {}, {}, [f"{os.path.basename(path)} is not an object of texts"]
    plain, by_context, problems = {}, {}, []
    for key, value in table.items():
        if not key.startswith("@"):
            plain[key] = value
        elif isinstance(value, dict):
            by_context[key[1:]] = value
        else:
            problems.append(f"{key!r} is not an object of texts for that component")
    return plain, by_context, problems


def problems_of(locale, source, wanted, counts):
    """What is wrong with wanted (a text or, when the text counts, a list of
    plural forms) as the translation of source into locale; empty when
    nothing is."""
    if counts:
        if not isinstance(wanted, list) or not all(isinstance(form, str) for form in wanted):
            return ["a text that counts needs a list of its plural forms"]
        rule = PLURAL_FORMS.get(locale)
        if rule is None:
            return [f"no plural rule for {locale!r} (PLURAL_FORMS in apply_translations.py)"]
        if len(wanted) != len(rule):
            return [f"needs {len(rule)} plural forms, the table has {len(wanted)}"]
    elif not isinstance(wanted, str):
        return ["needs a text, the table has " + ("plural forms" if isinstance(wanted, list) else repr(wanted))]
    forms = wanted if counts else [wanted]
    found = []
    placeholders = sorted(set(PLACEHOLDER.findall(source)) - {"%n"})
    tags = sorted(TAG.findall(source))
    for index, form in enumerate(forms):
        if not form:
            found.append("empty form" if counts else "empty text")
            continue
        used = set(PLACEHOLDER.findall(form))
        if sorted(used - {"%n"}) != placeholders:
            found.append(f"placeholders differ in {form!r}")
        if counts and "%n" in source and "%n" not in used and not PLURAL_FORMS[locale][index]:
            found.append(f"%n lost in {form!r}, a form for several numbers")
        if not counts and "%n" in used:
            found.append(f"%n added in {form!r}, a text that does not count")
        if sorted(TAG.findall(form)) != tags:
            found.append(f"rich-text tags differ in {form!r}")
    return found


def table_problems(locale, plain, by_context):
    """Every invalid entry of a table, whether a source text uses it or not."""
    found = []
    if locale not in PLURAL_FORMS:
        found.append(f"no plural rule for {locale!r} (PLURAL_FORMS in apply_translations.py)")
    entries = [(None, source, wanted) for source, wanted in plain.items()]
    entries += [(context, source, wanted) for context, table in by_context.items() for source, wanted in table.items()]
    for context, source, wanted in entries:
        where = f"@{context}: " if context else ""
        if locale == "en" and not isinstance(wanted, list):
            # English needs nothing but the plural forms.
            found.append(f"{where}{source!r}: the English table holds only texts that count")
            continue
        found.extend(f"{where}{source!r}: {problem}"
                     for problem in problems_of(locale, source, wanted, "%n" in source))
    return found


def fill(path):
    """Fills the .ts file at path from its table; returns what a report needs."""
    locale = locale_of(path)
    plain, by_context, errors = load_table(locale)
    unreadable = bool(errors)
    errors += table_problems(locale, plain, by_context)
    tree = ElementTree.parse(path)
    missing, used, filled = [], set(), 0
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        overrides = by_context.get(name, {})
        for message in context.iter("message"):
            source = message.findtext("source")
            numerus = message.get("numerus") == "yes"
            translation = message.find("translation")
            slots = len(translation.findall("numerusform")) if numerus else 1
            if source in overrides:
                wanted = overrides[source]
                used.add((name, source))
            else:
                wanted = plain.get(source)
                used.add((None, source))
            translation.attrib.pop("type", None)
            for child in list(translation):
                translation.remove(child)
            translation.text = None
            problems = problems_of(locale, source, wanted, numerus) if wanted is not None else []
            if problems and numerus != ("%n" in source):
                # Counting without showing the number: the table check above
                # took the entry for the other kind.
                errors.extend(f"{name}: {source!r}: {problem}" for problem in problems)
            fits = wanted is not None and not problems
            if numerus and fits and len(wanted) != slots:
                # lupdate and PLURAL_FORMS disagree about the language.
                errors.append(f"{name}: {source!r}: lupdate makes {slots} plural forms for {locale!r}, "
                              f"PLURAL_FORMS {len(wanted)}")
                fits = False
            if not fits:
                translation.set("type", "unfinished")
                for _ in range(slots if numerus else 0):
                    ElementTree.SubElement(translation, "numerusform")
                if wanted is None:
                    missing.append(f"{name}: {shown(source)}")
                continue
            if numerus:
                for form in wanted:
                    ElementTree.SubElement(translation, "numerusform").text = form
            else:
                translation.text = wanted
            filled += 1
    tree.write(path, encoding="utf-8", xml_declaration=True)
    # Back into Qt's own layout, so that lupdate and this script produce the
    # same file and a refresh without changes changes nothing.
    subprocess.run([os.environ.get("LCONVERT", "lconvert"), "-locations", "none", "-i", path, "-o", path],
                   check=True)
    unused = [source for source in plain if (None, source) not in used]
    unused += [f"@{context}: {source}" for context, table in by_context.items() for source in table
               if (context, source) not in used]
    return {"filled": filled, "missing": missing, "errors": errors, "unused": unused, "unreadable": unreadable}


def messages_of(path):
    """The messages of a .ts file: (context, source) -> (numerus, state, forms)."""
    messages = {}
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            forms = [form.text or "" for form in translation.findall("numerusform")] or [translation.text or ""]
            messages[(name, message.findtext("source"))] = (message.get("numerus") == "yes",
                                                           translation.get("type"), forms)
    return messages


def differences(fresh, committed):
    """How the committed .ts file differs from the fresh one; empty when not."""
    if not os.path.exists(committed):
        return ["the catalogue is missing"]
    try:
        old = messages_of(committed)
    except ElementTree.ParseError as error:
        return [f"the catalogue cannot be read: {error}"]
    new = messages_of(fresh)
    found = [f"missing from the catalogue: {context}: {shown(source)}" for context, source in new
             if (context, source) not in old]
    found += [f"no longer in the sources: {context}: {shown(source)}" for context, source in old
              if (context, source) not in new]
    found += [f"the translation differs from the table: {context}: {shown(source)}" for context, source in new
              if (context, source) in old and old[(context, source)] != new[(context, source)]]
    if not found:
        with open(fresh, "rb") as a, open(committed, "rb") as b:
            if a.read() != b.read():
                found.append("the file is not in the layout the refresh writes")
    return found


def main(arguments):
    committed = None
    if arguments[:1] == ["--check"]:
        if len(arguments) < 2:
            print(__doc__, file=sys.stderr)
            return 2
        committed, arguments = arguments[1], arguments[2:]
    failed = False
    unused = {}
    for path in arguments:
        name = os.path.basename(path)
        locale = locale_of(path)
        if locale is None:
            print(f"{path}: not a {PREFIX}<locale>.ts file", file=sys.stderr)
            failed = True
            continue
        report = fill(path)
        for line in report["errors"]:
            print(f"{name}: {line}", file=sys.stderr)
        # Against a table that cannot be read every text would differ: its
        # error says it all.
        stale = differences(path, os.path.join(committed, name)) if committed and not report["unreadable"] else []
        for line in stale:
            print(f"{name}: {line}", file=sys.stderr)
        for line in report["missing"]:
            print(f"{name}: not translated yet: {line}")
        for entry in report["unused"]:
            unused.setdefault(entry, []).append(locale)
        failed |= bool(report["errors"] or stale)
        print(f"{name}: {report['filled']} translated, {len(report['missing'])} to do")
    for entry, locales in unused.items():
        # Kept for texts on their way in (no need to fail), but worth a look.
        others = sorted(set(filter(None, map(locale_of, arguments))) - set(locales))
        where = ("every table" if not others else "every table but " + ", ".join(others) if len(others) <= 3
                 else ", ".join(locales))
        print(f"no source text uses {entry!r} ({where})")
    if committed and failed:
        print("The translation sources are not in step: fix the tables named above, then run "
              "scripts/update-translations.sh and commit the tables and the .ts files together.", file=sys.stderr)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
