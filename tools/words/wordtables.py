"""Reading, checking and writing the word-table data files of src/words/data.

Shared by the build step that compiles the tables into the program (gen_words.py), the
completeness check (check_words.py), the translation merge (merge_translations.py) and the
tests. Every file is UTF-8 text with one row a line and tab-separated cells; lines starting
with "#" are comments and are kept as they are when a file is written back.
"""

import os
import re
import sys
import tempfile

LANGUAGES = ["eng", "rus", "deu", "fra", "spa", "chi", "ita", "cze", "jap", "kor"]
LIST_ROW_COUNT = 387          # rows of the published word list; special rows come on top
ALPHABETIC = ["eng", "rus", "deu", "fra", "spa", "ita", "cze"]
CLUB_HEADER_KEYS = ["MainClubHeaderScore", "MainClubHeaderRating"]
# Character counts the club list headers keep in the three East Asian languages, where most
# characters are full-width and the alphabetic 39-column layout cannot be kept.
CLUB_HEADER_CJK_LENGTHS = {"chi": {29}, "jap": {25, 26}, "kor": {31}}
# The one cell that is empty on purpose: the history window's "Player" header in Korean.
ALLOWED_EMPTY = {("HistPlayer", "kor")}
# Rows whose every language is fixed by the table itself (the merge never touches them).
FIXED_ROWS = {"MainNewPlayer", "HistPlayer", "FileCantFind", "LoginDefaultName",
              "SupportYooMoney", "SupportPayPal", "FacePlayboy"}

CALENDAR_SECTIONS = {"month": 12, "zodiac": 12, "eastern": 12, "suffix": 1, "region": 8}
REGION_CODES = ["ENG", "RUS", "DEU", "FRA", "ISP", "USA", "PRA", "KAT"]
CONTINENTS = 6

WORDS_HEADER = ["n", "key"] + LANGUAGES
HOLIDAYS_HEADER = ["n", "date", "region", "picture"] + LANGUAGES
CALENDAR_HEADER = ["section", "index"] + LANGUAGES
COUNTRIES_HEADER = ["continent", "number", "eng", "rus"]

KEY_PATTERN = re.compile(r"^[A-Z][A-Za-z0-9]*$")
DATE_PATTERN = re.compile(r"^(\d\d\.\d\d\.\d{4}|pasha\.[pk](000|[+-]\d\d)|\*\*\*\*[1-4l]\.[1-7]\.\d\d)$")


class DataError(Exception):
    """A data file that the build cannot use; the message names the file and line."""


def unescape(cell, where):
    """Turns the written form of a cell into its text: \\n is a line break, \\t a tab, \\\\ a
    backslash. Any other backslash is an error rather than a guess."""
    out = []
    i = 0
    while i < len(cell):
        c = cell[i]
        if c == "\\":
            nxt = cell[i + 1] if i + 1 < len(cell) else ""
            if nxt == "n":
                out.append("\n")
            elif nxt == "t":
                out.append("\t")
            elif nxt == "\\":
                out.append("\\")
            else:
                raise DataError(f"{where}: unknown escape '\\{nxt}'")
            i += 2
            continue
        if c in "\r\n":
            raise DataError(f"{where}: raw line break in a cell")
        out.append(c)
        i += 1
    return "".join(out)


def escape(text):
    return text.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n")


class TsvFile:
    """One data file: its raw lines (comments kept) and its rows as lists of escaped cells."""

    def __init__(self, path, header):
        self.path = path
        self.name = os.path.basename(path)
        with open(path, encoding="utf-8", newline="") as f:
            raw = f.read()
        if "\r" in raw:
            raise DataError(f"{self.name}: carriage return in the file (lines end with LF only)")
        self.lines = raw.split("\n")
        if self.lines and self.lines[-1] == "":
            self.lines.pop()
        self.rows = []          # (line index, cells)
        seen_header = False
        for index, line in enumerate(self.lines):
            if line.startswith("#"):
                continue
            cells = line.split("\t")
            if not seen_header:
                if cells != header:
                    raise DataError(f"{self.name}:{index + 1}: header must be {' '.join(header)}")
                seen_header = True
                continue
            if len(cells) != len(header):
                raise DataError(f"{self.name}:{index + 1}: {len(cells)} cells, expected {len(header)}")
            self.rows.append((index, cells))
        if not seen_header:
            raise DataError(f"{self.name}: no header line")
        self.header = header

    def where(self, line_index):
        return f"{self.name}:{line_index + 1}"

    def set_cell(self, row_number, column, escaped_text):
        index, cells = self.rows[row_number]
        cells[self.header.index(column)] = escaped_text
        self.lines[index] = "\t".join(cells)

    def write(self):
        folder = os.path.dirname(os.path.abspath(self.path))
        fd, tmp = tempfile.mkstemp(dir=folder, prefix="." + self.name, suffix=".tmp")
        with os.fdopen(fd, "w", encoding="utf-8", newline="") as f:
            f.write("\n".join(self.lines) + "\n")
        os.chmod(tmp, 0o644)
        os.replace(tmp, self.path)


class WordRow:
    def __init__(self, row_number, where, number, key, texts):
        self.row_number = row_number  # position among the file's rows (0-based)
        self.where = where
        self.number = number          # place in the published list, 0 for special rows
        self.key = key
        self.texts = texts            # language code -> text (unescaped)


class Tables:
    """All four data files, read and structurally checked."""

    def __init__(self, data_dir):
        self.data_dir = data_dir
        self.words_file = TsvFile(os.path.join(data_dir, "words.tsv"), WORDS_HEADER)
        self.holidays_file = TsvFile(os.path.join(data_dir, "holidays.tsv"), HOLIDAYS_HEADER)
        self.calendar_file = TsvFile(os.path.join(data_dir, "calendar.tsv"), CALENDAR_HEADER)
        self.countries_file = TsvFile(os.path.join(data_dir, "countries.tsv"), COUNTRIES_HEADER)
        self._read_words()
        self._read_holidays()
        self._read_calendar()
        self._read_countries()

    def _texts(self, f, index, cells, first_column):
        return {lang: unescape(cells[first_column + i], f"{f.where(index)} ({lang})")
                for i, lang in enumerate(f.header[first_column:])}

    def _read_words(self):
        f = self.words_file
        self.words = []
        keys = set()
        numbers = {}
        for row_number, (index, cells) in enumerate(f.rows):
            where = f.where(index)
            n, key = cells[0], cells[1]
            if n == "-":
                number = 0
            elif n.isdigit() and 1 <= int(n) <= LIST_ROW_COUNT:
                number = int(n)
                if number in numbers:
                    raise DataError(f"{where}: list number {n} also at {numbers[number]}")
                numbers[number] = where
            else:
                raise DataError(f"{where}: list number must be 1..{LIST_ROW_COUNT} or '-', not '{n}'")
            if not KEY_PATTERN.match(key):
                raise DataError(f"{where}: key '{key}' is not an identifier starting with a capital")
            if key in keys:
                raise DataError(f"{where}: key '{key}' is used twice")
            keys.add(key)
            texts = self._texts(f, index, cells, 2)
            if not texts["eng"]:
                raise DataError(f"{where}: the English text is empty")
            self.words.append(WordRow(row_number, where, number, key, texts))
        missing = [n for n in range(1, LIST_ROW_COUNT + 1) if n not in numbers]
        if missing:
            raise DataError(f"{f.name}: list numbers missing: {missing[:10]}")
        listed = [w.number for w in self.words if w.number]
        if listed != sorted(listed):
            raise DataError(f"{f.name}: the numbered rows must stand in list order")
        self.words_by_number = {w.number: w for w in self.words if w.number}

    def _read_holidays(self):
        f = self.holidays_file
        self.holidays = []
        for row_number, (index, cells) in enumerate(f.rows):
            where = f.where(index)
            n, date, region, picture = cells[:4]
            if n != str(row_number + 1):
                raise DataError(f"{where}: row number must be {row_number + 1}, not '{n}'")
            if not DATE_PATTERN.match(date):
                raise DataError(f"{where}: bad date code '{date}'")
            if not re.match(r"^[A-Z][A-Z-]{2}$", region):
                raise DataError(f"{where}: bad region code '{region}'")
            if not re.match(r"^R_[A-Za-z0-9]{7}$", picture):
                raise DataError(f"{where}: picture name must be R_ and 7 characters, not '{picture}'")
            texts = self._texts(f, index, cells, 4)
            for lang, text in texts.items():
                if "#" in text or "\n" in text or "\t" in text:
                    raise DataError(f"{where} ({lang}): a holiday name may not hold '#', a tab or a line break")
            if not texts["eng"]:
                raise DataError(f"{where}: the English name is empty")
            self.holidays.append({"row_number": row_number, "where": where, "number": row_number + 1,
                                  "date": date, "region": region, "picture": picture, "texts": texts})

    def _read_calendar(self):
        f = self.calendar_file
        self.calendar = {s: {} for s in CALENDAR_SECTIONS}
        for row_number, (index, cells) in enumerate(f.rows):
            where = f.where(index)
            section, number = cells[0], cells[1]
            if section not in CALENDAR_SECTIONS:
                raise DataError(f"{where}: unknown section '{section}'")
            if not number.isdigit() or not 1 <= int(number) <= CALENDAR_SECTIONS[section]:
                raise DataError(f"{where}: index '{number}' out of range for {section}")
            if int(number) in self.calendar[section]:
                raise DataError(f"{where}: {section} {number} given twice")
            texts = self._texts(f, index, cells, 2)
            if not texts["eng"]:
                raise DataError(f"{where}: the English text is empty")
            self.calendar[section][int(number)] = {"row_number": row_number, "where": where, "texts": texts}
        for section, count in CALENDAR_SECTIONS.items():
            missing = [i for i in range(1, count + 1) if i not in self.calendar[section]]
            if missing:
                raise DataError(f"{f.name}: {section} entries missing: {missing}")

    def _read_countries(self):
        f = self.countries_file
        self.countries = []
        expected = (1, 0)
        for index, cells in f.rows:
            where = f.where(index)
            if not cells[0].isdigit() or not cells[1].isdigit():
                raise DataError(f"{where}: continent and number must be numbers")
            here = (int(cells[0]), int(cells[1]))
            if here != expected and here != (expected[0] + 1, 0):
                raise DataError(f"{where}: expected country {expected[0]}-{expected[1]:03d} next")
            if not 1 <= here[0] <= CONTINENTS:
                raise DataError(f"{where}: continent must be 1..{CONTINENTS}")
            english = unescape(cells[2], where)
            russian = unescape(cells[3], where)
            if not english:
                raise DataError(f"{where}: the English name is empty")
            self.countries.append({"where": where, "continent": here[0], "number": here[1],
                                   "eng": english, "rus": russian,
                                   "flag": english.replace(" ", "_")})
            expected = (here[0], here[1] + 1)
        if expected[0] != CONTINENTS:
            raise DataError(f"{f.name}: the list must cover the continents 1..{CONTINENTS}")


def load_or_report(data_dir, what="word table"):
    """The tables of a data folder, or None after printing why they cannot be read."""
    try:
        return Tables(data_dir)
    except (DataError, OSError, UnicodeDecodeError) as e:
        print(f"{what}: {e}", file=sys.stderr)
        return None


def completeness_problems(tables):
    """Everything that keeps the tables from being finished: empty cells (but the one allowed),
    translations that lost the blank a joined value relies on, and club list headers that do not
    keep the fixed-pitch layout."""
    problems = []
    for w in tables.words:
        english = w.texts["eng"]
        for lang in LANGUAGES:
            text = w.texts[lang]
            allowed = (w.key, lang) in ALLOWED_EMPTY
            if not text and not allowed:
                problems.append(f"{w.where}: {w.key} has no {lang} text")
            elif text and allowed:
                problems.append(f"{w.where}: {w.key} must stay empty in {lang}")
            if not text:
                continue
            if english.startswith(" ") and not text.startswith(" "):
                problems.append(f"{w.where}: {w.key} ({lang}) lost the leading blank of the English text")
            if english.endswith(" ") and not text.endswith(" "):
                problems.append(f"{w.where}: {w.key} ({lang}) lost the trailing blank of the English text")
            if english.count("\n") != text.count("\n"):
                problems.append(f"{w.where}: {w.key} ({lang}) has {text.count(chr(10))} line breaks, "
                                f"the English text {english.count(chr(10))}")
        if w.key in CLUB_HEADER_KEYS:
            problems += club_header_problems(w)
    for h in tables.holidays:
        for lang in LANGUAGES:
            if not h["texts"][lang]:
                problems.append(f"{h['where']}: holiday {h['number']} has no {lang} name")
    for section, entries in tables.calendar.items():
        for number, entry in entries.items():
            for lang in LANGUAGES:
                if not entry["texts"][lang]:
                    problems.append(f"{entry['where']}: {section} {number} has no {lang} text")
    for c in tables.countries:
        if not c["rus"]:
            problems.append(f"{c['where']}: country {c['continent']}-{c['number']:03d} has no Russian name")
    return problems


def club_header_problems(w):
    problems = []
    for lang in LANGUAGES:
        text = w.texts[lang]
        if not text:
            continue
        if lang in ALPHABETIC:
            # Columns as in the English header: a blank first, the games title ending at
            # column 29, the score or rating title ending at column 38, a blank last.
            ok = (len(text) == 39 and text[0] == " " and text[38] == " " and text[28] != " "
                  and text[29] == " " and text[37] != " ")
            if not ok:
                problems.append(f"{w.where}: {w.key} ({lang}) must be 39 characters with the titles "
                                f"ending at columns 29 and 38: '{text}' ({len(text)})")
        elif len(text) not in CLUB_HEADER_CJK_LENGTHS[lang]:
            wanted = " or ".join(str(n) for n in sorted(CLUB_HEADER_CJK_LENGTHS[lang]))
            problems.append(f"{w.where}: {w.key} ({lang}) must be {wanted} characters, not {len(text)}")
    return problems
