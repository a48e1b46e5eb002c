#!/usr/bin/env python3
"""Fills the translation columns of the word-table data files from translators' files.

    merge_translations.py --data src/words/data --translations DIR [--overwrite] [--dry-run]
                          [--allow-incomplete] [LANG...]

DIR holds one file per language, named by its column: deu.tsv fra.tsv spa.tsv chi.tsv ita.tsv
cze.tsv jap.tsv kor.tsv (LANG... limits the merge to some of them). Each line is

    section <TAB> index <TAB> English <TAB> translation

with a line break inside a text written as the two characters \\n. Sections: "word" (index =
the row's place in the published list, 1..387), "holiday" (the row of the holiday table),
"month", "zodiac", "eastern" (1..12), "suffix" (1), "region" (1..8, for ENG RUS DEU FRA ISP USA
PRA KAT). A translator's file ends with the line "# complete"; a file without it is skipped
unless --allow-incomplete is given.

The English text of every line must equal the data file's English text for that index; a line
that differs is reported and not merged, nothing is guessed. Cells that already hold a text are
kept unless --overwrite is given, so corrections made in the data file survive a second merge.
Rows fixed in every language (the telling rows, "Mr.X" and the like) and the Korean cell that
stays empty are never touched. A translation that lost the leading or trailing blank of the
English text gets it back (a value is joined there), and is reported.

Exit status: 0 when everything merged cleanly, 1 when something was reported, 2 when a file
could not be read. The data files are rewritten through a temporary file and a rename.
"""

import argparse
import os
import sys

sys.dont_write_bytecode = True  # keep the source tree free of caches
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import wordtables as wt  # noqa: E402

TRANSLATED = ["deu", "fra", "spa", "chi", "ita", "cze", "jap", "kor"]
SECTION_OF_CALENDAR = {"month", "zodiac", "eastern", "suffix", "region"}


class Report:
    def __init__(self):
        self.problems = []
        self.notes = []

    def problem(self, text):
        self.problems.append(text)

    def note(self, text):
        self.notes.append(text)


def read_translation_file(path, report):
    """The lines of a translator's file as (line number, section, index, English, translation),
    and whether the file says it is complete."""
    with open(path, encoding="utf-8-sig", newline="") as f:
        raw = f.read()
    lines = raw.replace("\r\n", "\n").split("\n")
    while lines and lines[-1].strip() == "":
        lines.pop()
    complete = bool(lines) and lines[-1].strip() == "# complete"
    entries = []
    name = os.path.basename(path)
    for number, line in enumerate(lines, 1):
        if line.startswith("#") or line.strip() == "":
            continue
        cells = line.split("\t")
        if len(cells) != 4:
            report.problem(f"{name}:{number}: {len(cells)} cells, expected 4")
            continue
        section, index, english, translation = cells
        if not index.isdigit():
            report.problem(f"{name}:{number}: index '{index}' is not a number")
            continue
        try:
            english = wt.unescape(english, f"{name}:{number}")
            translation = wt.unescape(translation, f"{name}:{number}")
        except wt.DataError as e:
            report.problem(str(e))
            continue
        entries.append((number, section, int(index), english, translation))
    return entries, complete


def target_of(tables, section, index):
    """(file, row number, English text, key) of the cell a translator's line fills, or None."""
    if section == "word":
        row = tables.words_by_number.get(index)
        if row is None:
            return None
        return tables.words_file, row.row_number, row.texts["eng"], row.key, row.texts
    if section == "holiday":
        if not 1 <= index <= len(tables.holidays):
            return None
        h = tables.holidays[index - 1]
        return tables.holidays_file, h["row_number"], h["texts"]["eng"], None, h["texts"]
    if section in SECTION_OF_CALENDAR:
        entry = tables.calendar[section].get(index)
        if entry is None:
            return None
        return tables.calendar_file, entry["row_number"], entry["texts"]["eng"], None, entry["texts"]
    return None


def keep_blanks(english, translation):
    if english.startswith(" ") and not translation.startswith(" "):
        translation = " " + translation
    if english.endswith(" ") and not translation.endswith(" "):
        translation = translation + " "
    return translation


def merge_language(tables, lang, path, args, report):
    name = os.path.basename(path)
    entries, complete = read_translation_file(path, report)
    if not complete and not args.allow_incomplete:
        report.problem(f"{name}: does not end with '# complete'; skipped")
        return 0
    seen = set()
    filled = 0
    for number, section, index, english, translation in entries:
        where = f"{name}:{number}"
        if (section, index) in seen:
            report.problem(f"{where}: {section} {index} given twice; the first one counts")
            continue
        seen.add((section, index))
        target = target_of(tables, section, index)
        if target is None:
            report.problem(f"{where}: no {section} {index} in the data files")
            continue
        f, row_number, ours, key, texts = target
        if english != ours:
            report.problem(f"{where}: English text differs for {section} {index}: "
                           f"{english!r} in the file, {ours!r} in the table; not merged")
            continue
        if key in wt.FIXED_ROWS or (key, lang) in wt.ALLOWED_EMPTY:
            continue
        if not translation:
            report.problem(f"{where}: {section} {index} has an empty translation")
            continue
        fixed = keep_blanks(ours, translation) if section == "word" else translation
        if fixed != translation:
            report.note(f"{where}: {section} {index}: kept the English text's blanks: {fixed!r}")
        if section != "word" and ("#" in fixed or "\n" in fixed):
            report.problem(f"{where}: {section} {index} may not hold '#' or a line break; not merged")
            continue
        current = texts[lang]
        if current == fixed:
            continue
        if current and not args.overwrite:
            report.note(f"{where}: {section} {index} kept the table's {lang} text {current!r} "
                        f"(the file has {fixed!r})")
            continue
        f.set_cell(row_number, lang, wt.escape(fixed))
        texts[lang] = fixed
        filled += 1
    expected = ({("word", n) for n in range(1, wt.LIST_ROW_COUNT + 1)}
                | {("holiday", n) for n in range(1, len(tables.holidays) + 1)}
                | {(s, n) for s, count in wt.CALENDAR_SECTIONS.items() for n in range(1, count + 1)})
    missing = sorted(expected - seen)
    if missing:
        shown = ", ".join(f"{s} {n}" for s, n in missing[:8])
        report.problem(f"{name}: {len(missing)} entries missing ({shown}{', ...' if len(missing) > 8 else ''})")
    return filled


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--data", required=True, help="the folder of words.tsv and its companions")
    parser.add_argument("--translations", required=True, help="the folder of the translators' files")
    parser.add_argument("--overwrite", action="store_true", help="replace texts the table already has")
    parser.add_argument("--dry-run", action="store_true", help="report only, write nothing")
    parser.add_argument("--allow-incomplete", action="store_true", help="merge files without '# complete'")
    parser.add_argument("languages", nargs="*", help=f"columns to merge (default: all of {' '.join(TRANSLATED)})")
    args = parser.parse_args()
    for lang in args.languages:
        if lang not in TRANSLATED:
            print(f"unknown language column '{lang}'; one of {' '.join(TRANSLATED)}", file=sys.stderr)
            return 2
    tables = wt.load_or_report(args.data)
    if tables is None:
        return 2
    report = Report()
    for lang in args.languages or TRANSLATED:
        path = os.path.join(args.translations, f"{lang}.tsv")
        if not os.path.exists(path):
            report.problem(f"{lang}.tsv: not there")
            continue
        try:
            filled = merge_language(tables, lang, path, args, report)
        except (OSError, UnicodeDecodeError) as e:
            print(f"{path}: {e}", file=sys.stderr)
            return 2
        print(f"{lang}: {filled} cells filled")
    if not args.dry_run:
        for f in (tables.words_file, tables.holidays_file, tables.calendar_file):
            f.write()
        # Read back what was written: a merge must leave files the build accepts.
        if wt.load_or_report(args.data, "word table after the merge") is None:
            return 2
    for line in report.notes:
        print(f"note: {line}")
    for line in report.problems:
        print(f"problem: {line}")
    return 1 if report.problems else 0


if __name__ == "__main__":
    sys.exit(main())
