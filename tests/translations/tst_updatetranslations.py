#!/usr/bin/env python3
"""scripts/update-translations.sh --check on copies of the translation
sources with faults put in: each must fail the check with a line that names
it, and nothing else may.

    tst_updatetranslations.py SOURCE_DIR [unittest options]

The copies hold a few locales with different plural rules; the refresh is
run on them first, so that they start in step whatever the tree's state.
"""

import json
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

SOURCE_DIR = None
LOCALES = ["ar", "de", "en", "fr", "ru"]


def run(top, *arguments):
    result = subprocess.run(["bash", os.path.join(top, "scripts/update-translations.sh"), *arguments],
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True, timeout=120)
    return result.returncode, result.stdout, result.stderr


def snapshot(top):
    """Every file of the copy with its contents."""
    files = {}
    for folder, _, names in os.walk(top):
        for name in names:
            path = os.path.join(folder, name)
            with open(path, "rb") as file:
                files[os.path.relpath(path, top)] = file.read()
    return files


class CheckTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        cls.pristine = os.path.join(cls.folder.name, "pristine")
        languages = os.path.join(cls.pristine, "qml/languages")
        os.makedirs(os.path.join(languages, "translations"))
        os.makedirs(os.path.join(cls.pristine, "scripts"))
        shutil.copy(os.path.join(SOURCE_DIR, "scripts/update-translations.sh"), os.path.join(cls.pristine, "scripts"))
        shutil.copy(os.path.join(SOURCE_DIR, "qml/languages/apply_translations.py"), languages)
        shutil.copytree(os.path.join(SOURCE_DIR, "qml/imports"), os.path.join(cls.pristine, "qml/imports"))
        with open(os.path.join(languages, "locales"), "w") as file:
            file.write("\n".join(LOCALES) + "\n")
        for locale in LOCALES:
            shutil.copy(os.path.join(SOURCE_DIR, f"qml/languages/LoomwrightPlugin_{locale}.ts"), languages)
            shutil.copy(os.path.join(SOURCE_DIR, f"qml/languages/translations/{locale}.json"),
                        os.path.join(languages, "translations"))
        run(cls.pristine)

    @classmethod
    def tearDownClass(cls):
        cls.folder.cleanup()

    def setUp(self):
        self.top = os.path.join(self.folder.name, self.id().rsplit(".", 1)[-1])
        shutil.copytree(self.pristine, self.top)

    def tearDown(self):
        shutil.rmtree(self.top)

    def path(self, name):
        return os.path.join(self.top, name)

    def table(self, locale):
        with open(self.path(f"qml/languages/translations/{locale}.json"), encoding="utf-8") as file:
            return json.load(file)

    def set_table(self, locale, table):
        with open(self.path(f"qml/languages/translations/{locale}.json"), "w", encoding="utf-8") as file:
            json.dump(table, file, ensure_ascii=False, indent=4)

    def edit_table(self, locale, key, value):
        table = self.table(locale)
        table[key] = value
        self.set_table(locale, table)

    def add_text(self, folder, name, text):
        os.makedirs(self.path(folder), exist_ok=True)
        with open(self.path(os.path.join(folder, name)), "w", encoding="utf-8") as file:
            file.write('import QtQuick 2.15\nItem {\n    property string label: qsTr("%s")\n}\n' % text)

    def assertFails(self, *lines):
        before = snapshot(self.top)
        code, out, err = run(self.top, "--check")
        self.assertEqual(code, 1, out + err)
        for line in lines:
            self.assertIn(line, err)
        self.assertEqual(snapshot(self.top), before, "the check wrote into the tree")
        return out, err

    def test_copies_in_step_pass_and_stay_unwritten(self):
        before = snapshot(self.top)
        code, out, err = run(self.top, "--check")
        self.assertEqual((code, err), (0, ""), out)
        self.assertRegex(out, r"LoomwrightPlugin_de.ts: \d+ translated, 0 to do")
        self.assertEqual(snapshot(self.top), before)

    def test_faulty_table_entries(self):
        # (row name, locale, key, value, the line that must name the fault)
        rows = [
            ("lost placeholder", "de", "Version %1", "Version",
             "LoomwrightPlugin_de.ts: 'Version %1': placeholders differ in 'Version'"),
            ("added placeholder", "fr", "Just now", "À l’instant %2",
             "LoomwrightPlugin_fr.ts: 'Just now': placeholders differ"),
            ("%n in a text that does not count", "de", "Help", "Hilfe %n",
             "'Help': %n added in 'Hilfe %n'"),
            ("lost rich-text tag", "de", "Owner <b>%1</b>", "Besitzer %1",
             "'Owner <b>%1</b>': rich-text tags differ in 'Besitzer %1'"),
            ("too few plural forms", "ru", "%n second(s) remaining", ["Осталась %n секунда", "Осталось %n секунд"],
             "LoomwrightPlugin_ru.ts: '%n second(s) remaining': needs 3 plural forms, the table has 2"),
            ("too many plural forms", "de", "%n minute(s) remaining", ["a %n", "b %n", "c %n"],
             "'%n minute(s) remaining': needs 2 plural forms, the table has 3"),
            ("a text for a text that counts", "fr", "%n second(s) remaining", "%n secondes restantes",
             "'%n second(s) remaining': a text that counts needs a list of its plural forms"),
            ("plural forms for a text that does not count", "de", "Cancel", ["Abbrechen", "Abbrechen"],
             "'Cancel': needs a text, the table has plural forms"),
            ("%n lost in a form for several numbers", "ru", "%n minute(s) remaining",
             ["Осталась %n минута", "Осталось %n минуты", "Осталось много минут"],
             "%n lost in 'Осталось много минут'"),
            ("wrong count in an entry no text uses yet", "ar", "%n file(s)", ["%n ملف", "ملفان"],
             "LoomwrightPlugin_ar.ts: '%n file(s)': needs 6 plural forms, the table has 2"),
            ("empty text", "de", "Paste", "", "'Paste': empty text"),
            ("not a text", "de", "Copy", 42, "'Copy': needs a text, the table has 42"),
            ("a component's entries not an object", "de", "@AppSummary", "Version",
             "'@AppSummary' is not an object of texts"),
            ("a component's entry with a lost placeholder", "de", "@AppSummary", {"Version %1": "Version"},
             "@AppSummary: 'Version %1': placeholders differ"),
            ("English beyond plural forms", "en", "Cancel", "Cancel",
             "'Cancel': the English table holds only texts that count"),
        ]
        refused_by_the_refresh = {"lost placeholder", "too few plural forms", "wrong count in an entry no text uses yet"}
        for name, locale, key, value, line in rows:
            with self.subTest(name):
                pristine = self.table(locale)
                self.edit_table(locale, key, value)
                self.assertFails(line)
                if name in refused_by_the_refresh:
                    # The same rules, the same words.
                    shutil.copytree(self.top, self.top + ".refresh")
                    try:
                        code, out, err = run(self.top + ".refresh")
                        self.assertEqual(code, 1, out + err)
                        self.assertIn(line, err)
                    finally:
                        shutil.rmtree(self.top + ".refresh")
                self.set_table(locale, pristine)

    def test_unreadable_tables(self):
        rows = [
            ("an entry given twice", '{"Cut": "Ausschneiden", "Cut": "Schneiden"}',
             "de.json cannot be read: given twice: 'Cut'"),
            ("not JSON", '{"Cut": "Ausschneiden",', "de.json cannot be read"),
            ("not an object", '["Ausschneiden"]', "de.json is not an object of texts"),
        ]
        for name, text, line in rows:
            with self.subTest(name):
                shutil.copy(self.path("qml/languages/translations/de.json"), self.path("saved.json"))
                with open(self.path("qml/languages/translations/de.json"), "w", encoding="utf-8") as file:
                    file.write(text)
                out, err = self.assertFails(line)
                self.assertNotIn("Traceback", err)
                shutil.move(self.path("saved.json"), self.path("qml/languages/translations/de.json"))

    def test_catalogues_out_of_step(self):
        rows = [
            # (row name, change, lines)
            ("a text of the modules missing from the catalogues",
             lambda: self.add_text("qml/imports/Varnex/Loomwright/Controls", "FreshLabel.qml", "Frobnicate"),
             ["LoomwrightPlugin_de.ts: missing from the catalogue: FreshLabel: Frobnicate",
              "LoomwrightPlugin_ar.ts: missing from the catalogue: FreshLabel: Frobnicate"]),
            ("a text of the sample tool missing from the catalogues",
             lambda: self.add_text("examples/sampletool", "PickerPage.qml", "Choose a picture"),
             ["LoomwrightPlugin_ru.ts: missing from the catalogue: PickerPage: Choose a picture"]),
            ("a text gone from the sources",
             lambda: os.remove(self.path("qml/imports/Varnex/Loomwright/Controls/ToolHelpDialog.qml")),
             ["LoomwrightPlugin_fr.ts: no longer in the sources: ToolHelpDialog: Help"]),
            ("a table changed, the catalogue not",
             lambda: self.edit_table("de", "Cancel", "Abbruch"),
             ["LoomwrightPlugin_de.ts: the translation differs from the table: AppsDialog: Cancel"]),
            ("a catalogue missing",
             lambda: os.remove(self.path("qml/languages/LoomwrightPlugin_fr.ts")),
             ["LoomwrightPlugin_fr.ts: the catalogue is missing"]),
            ("a catalogue of a locale not listed",
             lambda: shutil.copy(self.path("qml/languages/LoomwrightPlugin_de.ts"),
                                 self.path("qml/languages/LoomwrightPlugin_de_CH.ts")),
             ["LoomwrightPlugin_de_CH.ts: de_CH is not in qml/languages/locales"]),
        ]
        for name, change, lines in rows:
            with self.subTest(name):
                shutil.rmtree(self.top)
                shutil.copytree(self.pristine, self.top)
                change()
                self.assertFails(*lines)

    def test_untranslated_texts_are_listed_without_failing(self):
        table = self.table("de")
        del table["Help"]
        self.set_table("de", table)
        self.add_text("examples/sampletool", "PickerPage.qml", "Choose a picture")
        code, out, err = run(self.top)
        self.assertEqual(code, 0, out + err)
        code, out, err = run(self.top, "--check")
        self.assertEqual((code, err), (0, ""), out)
        self.assertIn("LoomwrightPlugin_de.ts: not translated yet: ToolHelpDialog: Help", out)
        self.assertIn("LoomwrightPlugin_de.ts: not translated yet: PickerPage: Choose a picture", out)
        self.assertRegex(out, r"LoomwrightPlugin_de.ts: \d+ translated, 2 to do")
        # Nothing to translate in English.
        self.assertRegex(out, r"LoomwrightPlugin_en.ts: \d+ translated, 0 to do")


if __name__ == "__main__":
    if len(sys.argv) < 2 or not os.path.isdir(sys.argv[1]):
        sys.exit(__doc__)
    SOURCE_DIR = os.path.abspath(sys.argv.pop(1))
    unittest.main()
