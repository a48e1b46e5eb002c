"""Tests of the translation merge and the completeness check, on copies of the data files."""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

SOURCE = os.environ.get("VESRIN_SOURCE_DIR",
                        os.path.abspath(os.path.join(os.path.dirname(__file__), "..", "..")))
TOOLS = os.path.join(SOURCE, "tools", "words")
DATA = os.path.join(SOURCE, "src", "words", "data")
sys.dont_write_bytecode = True  # keep the source tree free of caches
sys.path.insert(0, TOOLS)
import wordtables as wt  # noqa: E402


def escape(text):
    return wt.escape(text)


class MergeTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp()
        self.data = os.path.join(self.dir, "data")
        self.translations = os.path.join(self.dir, "translations")
        shutil.copytree(DATA, self.data)
        os.mkdir(self.translations)
        tables = wt.Tables(self.data)
        # Start from a table whose German column is empty, as before a translator's delivery.
        for w in tables.words:
            if w.number and w.key not in wt.FIXED_ROWS:
                tables.words_file.set_cell(w.row_number, "deu", "")
        for h in tables.holidays:
            tables.holidays_file.set_cell(h["row_number"], "deu", "")
        for entries in tables.calendar.values():
            for entry in entries.values():
                tables.calendar_file.set_cell(entry["row_number"], "deu", "")
        for f in (tables.words_file, tables.holidays_file, tables.calendar_file):
            f.write()
        self.tables = wt.Tables(self.data)

    def tearDown(self):
        shutil.rmtree(self.dir)

    def full_file(self, translate=lambda section, index, english: "DE " + english.strip()):
        lines = []
        for w in self.tables.words:
            if w.number:
                lines.append(("word", w.number, w.texts["eng"], translate("word", w.number, w.texts["eng"])))
        for h in self.tables.holidays:
            lines.append(("holiday", h["number"], h["texts"]["eng"], translate("holiday", h["number"], h["texts"]["eng"])))
        for section, entries in self.tables.calendar.items():
            for index, entry in sorted(entries.items()):
                lines.append((section, index, entry["texts"]["eng"], translate(section, index, entry["texts"]["eng"])))
        return lines

    def write(self, lang, lines, complete=True):
        with open(os.path.join(self.translations, f"{lang}.tsv"), "w", encoding="utf-8") as f:
            for section, index, english, translation in lines:
                f.write(f"{section}\t{index}\t{escape(english)}\t{escape(translation)}\n")
            if complete:
                f.write("# complete\n")

    def merge(self, *extra):
        result = subprocess.run(
            [sys.executable, os.path.join(TOOLS, "merge_translations.py"), "--data", self.data,
             "--translations", self.translations, *extra, "deu"],
            capture_output=True, text=True)
        return result.returncode, result.stdout + result.stderr

    def german(self, key):
        tables = wt.Tables(self.data)
        return next(w for w in tables.words if w.key == key).texts["deu"]

    def test_fills_every_cell_and_keeps_line_breaks_and_blanks(self):
        self.write("deu", self.full_file())
        status, output = self.merge()
        self.assertEqual(status, 0, output)
        tables = wt.Tables(self.data)
        self.assertFalse([w.key for w in tables.words if not w.texts["deu"]])
        self.assertEqual(self.german("AboutCredits"),
                         "DE In the program many graphic, sound and musical fragments were used.\n"
                         "Thank you to their authors.")
        # "Result: " is joined with a value: the blank that the translation lost comes back.
        self.assertEqual(self.german("EndResult"), "DE Result: ")
        self.assertIn("kept the English text's blanks", output)
        self.assertEqual(tables.holidays[0]["texts"]["deu"], "DE New Year")
        self.assertEqual(tables.calendar["month"][10]["texts"]["deu"], "DE October")

    def test_english_mismatch_is_reported_and_not_merged(self):
        lines = self.full_file()
        lines = [(s, i, "Nouveau" if (s, i) == ("word", 2) else e, t) for s, i, e, t in lines]
        self.write("deu", lines)
        status, output = self.merge()
        self.assertEqual(status, 1)
        self.assertIn("English text differs for word 2", output)
        self.assertEqual(self.german("MainOptions"), "")
        self.assertEqual(self.german("MainTopTen"), "DE Top Ten")

    def test_incomplete_file_is_skipped_unless_allowed(self):
        self.write("deu", self.full_file()[:10], complete=False)
        status, output = self.merge()
        self.assertEqual(status, 1)
        self.assertIn("does not end with '# complete'", output)
        self.assertEqual(self.german("MainOptions"), "")
        status, output = self.merge("--allow-incomplete")
        self.assertEqual(self.german("MainOptions"), "DE Options")
        self.assertIn("entries missing", output)

    def test_existing_texts_are_kept_unless_overwritten(self):
        self.write("deu", self.full_file())
        self.merge()
        self.write("deu", self.full_file(lambda s, i, e: "NEU " + e.strip()))
        status, output = self.merge()
        self.assertEqual(self.german("MainOptions"), "DE Options")
        self.assertIn("kept the table's deu text", output)
        self.merge("--overwrite")
        self.assertEqual(self.german("MainOptions"), "NEU Options")

    def test_fixed_rows_are_never_touched(self):
        self.write("deu", self.full_file())
        self.merge("--overwrite")
        self.assertEqual(self.german("MainNewPlayer"), "Neuer Spieler")
        self.assertEqual(self.german("HistPlayer"), "Spieler")
        self.assertEqual(self.german("LoginDefaultName"), "Mr.X")

    def test_holiday_names_may_not_hold_the_field_separator(self):
        lines = [(s, i, e, "A#B" if (s, i) == ("holiday", 1) else t) for s, i, e, t in self.full_file()]
        self.write("deu", lines)
        status, output = self.merge()
        self.assertEqual(status, 1)
        self.assertIn("holiday 1 may not hold '#'", output)
        wt.Tables(self.data)  # still a valid table


class CompletenessTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp()
        self.data = os.path.join(self.dir, "data")
        shutil.copytree(DATA, self.data)

    def tearDown(self):
        shutil.rmtree(self.dir)

    def set_word(self, key, lang, text):
        tables = wt.Tables(self.data)
        row = next(w for w in tables.words if w.key == key)
        tables.words_file.set_cell(row.row_number, lang, wt.escape(text))
        tables.words_file.write()

    def problems(self):
        return wt.completeness_problems(wt.Tables(self.data))

    def test_reports_the_faults_a_translation_can_have(self):
        cases = [
            ("empty cell", "MainOptions", "rus", "", "has no rus text"),
            ("lost trailing blank", "EndResult", "rus", "Результат:", "lost the trailing blank"),
            ("lost line break", "AboutCredits", "rus", "Один абзац", "line breaks"),
            ("header too long", "MainClubHeaderScore", "rus", " Члены клуба              Игры     Очки ",
             "must be 39 characters"),
            ("header misaligned", "MainClubHeaderScore", "rus", " Члены клуба            Игры       Очки ",
             "must be 39 characters"),
            ("Korean history header filled", "HistPlayer", "kor", "플레이어", "must stay empty"),
        ]
        baseline = set(self.problems())
        for name, key, lang, text, message in cases:
            with self.subTest(name):
                shutil.rmtree(self.data)
                shutil.copytree(DATA, self.data)
                self.set_word(key, lang, text)
                new = [p for p in self.problems() if p not in baseline]
                self.assertTrue(any(message in p and key in p for p in new), new)

    def test_malformed_file_stops_the_reader(self):
        path = os.path.join(self.data, "words.tsv")
        with open(path, encoding="utf-8") as f:
            text = f.read()
        cases = [
            ("duplicate key", text.replace("\tMainOptions\t", "\tMainNewPlayer\t", 1), "used twice"),
            ("missing list number", text.replace("\n2\tMainOptions", "\n-\tMainOptions", 1), "missing"),
            ("unknown escape", text.replace("\tOptions\t", "\tOpt\\qions\t", 1), "unknown escape"),
            ("short row", text.replace("\tOptions\t", "\t", 1), "cells"),
        ]
        for name, changed, message in cases:
            with self.subTest(name):
                with open(path, "w", encoding="utf-8") as f:
                    f.write(changed)
                with self.assertRaises(wt.DataError) as caught:
                    wt.Tables(self.data)
                self.assertIn(message, str(caught.exception))


if __name__ == "__main__":
    unittest.main()
