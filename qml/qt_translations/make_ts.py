#!/usr/bin/env python3
"""Writes the project's own Qt catalogues (.ts) from catalogues.json and the
per-language tables in translations/, for lrelease to compile.

    make_ts.py list CATALOGUES
        prints the names of the catalogues we supply (<kind>_<locale>), one a line
    make_ts.py write CATALOGUES TABLE KIND LOCALE OUTPUT
        writes the catalogue <KIND>_<LOCALE>.ts to OUTPUT

A catalogue holds every text in every context its kind lists; a text missing
from the language's table stops the build rather than shipping a catalogue
that silently falls back to English.
"""

import json
import sys
from xml.sax.saxutils import escape


class CatalogueError(Exception):
    pass


def load(path):
    try:
        with open(path, encoding="utf-8") as handle:
            return json.load(handle)
    except (OSError, ValueError) as error:
        raise CatalogueError(f"{path}: {error}")


def messages(description, items, where):
    """Yields (source, comment, numerus) for a context's items, expanding
    references ("@name") to the shared text lists."""
    for item in items:
        if isinstance(item, str) and item.startswith("@"):
            shared = description.get("texts", {}).get(item[1:])
            if shared is None:
                raise CatalogueError(f"{where}: no text list {item[1:]!r}")
            yield from messages(description, shared, f"{where} {item}")
        elif isinstance(item, str):
            yield item, None, False
        elif isinstance(item, dict) and isinstance(item.get("source"), str):
            yield item["source"], item.get("comment"), bool(item.get("numerus"))
        else:
            raise CatalogueError(f"{where}: cannot read {item!r}")


def translation_of(table, context, source, comment):
    # A context's own entry wins, so one dialog can differ from the rest; a
    # disambiguated text is looked up as "source|comment".
    key = source if comment is None else f"{source}|{comment}"
    for texts in (table.get("contexts", {}).get(context, {}), table.get("texts", {})):
        if key in texts:
            return texts[key]
    return None


def render(description, table, kind, locale, table_path):
    catalogue = description.get("catalogues", {}).get(kind)
    if catalogue is None:
        raise CatalogueError(f"no catalogue kind {kind!r}")
    if locale not in catalogue.get("locales", []):
        raise CatalogueError(f"{kind}_{locale} is not one of ours")
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             "<!DOCTYPE TS>",
             f'<TS version="2.1" language="{escape(locale)}" sourcelanguage="en">']
    missing = []
    for context, items in catalogue.get("contexts", {}).items():
        lines += ["<context>", f"    <name>{escape(context)}</name>"]
        for source, comment, numerus in messages(description, items, f"{kind}/{context}"):
            translation = translation_of(table, context, source, comment)
            expected = list if numerus else str
            if not isinstance(translation, expected):
                missing.append(f"{context}: {source!r}" + (" (numerus forms)" if numerus else ""))
                continue
            lines.append('    <message numerus="yes">' if numerus else "    <message>")
            lines.append(f"        <source>{escape(source)}</source>")
            if comment is not None:
                lines.append(f"        <comment>{escape(comment)}</comment>")
            if numerus:
                lines.append("        <translation>")
                lines += [f"            <numerusform>{escape(form)}</numerusform>" for form in translation]
                lines.append("        </translation>")
            else:
                lines.append(f"        <translation>{escape(translation)}</translation>")
            lines.append("    </message>")
        lines.append("</context>")
    lines.append("</TS>")
    if missing:
        raise CatalogueError(f"{table_path} lacks, for {kind}_{locale}: " + "; ".join(missing))
    return "\n".join(lines) + "\n"


def main(argv):
    if len(argv) == 3 and argv[1] == "list":
        description = load(argv[2])
        for kind, catalogue in description.get("catalogues", {}).items():
            for locale in catalogue.get("locales", []):
                print(f"{kind}_{locale}")
        return 0
    if len(argv) == 7 and argv[1] == "write":
        _, _, catalogues_path, table_path, kind, locale, output = argv
        text = render(load(catalogues_path), load(table_path), kind, locale, table_path)
        with open(output, "w", encoding="utf-8", newline="\n") as handle:
            handle.write(text)
        return 0
    print(__doc__.strip(), file=sys.stderr)
    return 2


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv))
    except CatalogueError as error:
        print(f"make_ts.py: {error}", file=sys.stderr)
        sys.exit(1)
