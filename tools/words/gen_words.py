#!/usr/bin/env python3
"""Compiles the word-table data files into the program.

    gen_words.py --data src/words/data --out <build folder>/generated/words

Writes WordRows.h (the enum that names every row by its key) and WordData.cpp (the texts).
Fails with a message naming the file and line when a data file is malformed: wrong number of
cells, a duplicate or missing key or list number, an unknown escape, a bad holiday row. Empty
translations do not stop the build; check_words.py reports them.
"""

import argparse
import os
import sys

sys.dont_write_bytecode = True  # keep the source tree free of caches
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import wordtables as wt  # noqa: E402


def cpp_string(text):
    """A C++ string literal of the UTF-8 text; a line break becomes LF then CR."""
    out = ['"']
    for c in text:
        if c == "\n":
            out.append("\\n\\r")
        elif c == "\\":
            out.append("\\\\")
        elif c == '"':
            out.append('\\"')
        elif c == "\t":
            out.append("\\t")
        elif ord(c) < 0x20 or ord(c) == 0x7F:
            out.append(f"\\{ord(c):03o}")
        else:
            out.append(c)
    out.append('"')
    return "".join(out)


def sv(text):
    return cpp_string(text) + "sv"


def ten(texts, order=wt.LANGUAGES):
    return "{" + ", ".join(sv(texts[lang]) for lang in order) + "}"


def comment_text(text):
    return text.replace("\n", "\\n").replace("*/", "* /")


def write_if_changed(path, content):
    """Rewrites a generated file only when it changed, so that an edit of one data file does not
    recompile what did not change."""
    try:
        with open(path, encoding="utf-8") as f:
            if f.read() == content:
                return
    except FileNotFoundError:
        pass
    tmp = path + ".tmp"
    with open(tmp, "w", encoding="utf-8", newline="\n") as f:
        f.write(content)
    os.replace(tmp, path)


def header(tables):
    lines = [
        "// Generated from src/words/data/words.tsv by tools/words/gen_words.py. Do not edit.",
        "#pragma once",
        "",
        "#include <cstdint>",
        "",
        "namespace vesrin {",
        "",
        "// One value per row of the word table, named by the row's key. Rows that share an",
        "// English text are separate values; code names the row it shows, never its text.",
        "enum class Word : std::uint16_t {",
    ]
    for w in tables.words:
        place = f"{w.number}" if w.number else "special"
        lines.append(f"  {w.key},  // {place}: {comment_text(w.texts['eng'])}")
    lines += [
        "};",
        "",
        f"inline constexpr int WordRowCount = {len(tables.words)};",
        "",
        "}  // namespace vesrin",
        "",
    ]
    return "\n".join(lines)


def holiday_row_text(h):
    # The calendar's own row form: fixed columns for date, region and picture, then the names
    # with the Russian one first, each closed by "#".
    order = ["rus", "eng"] + [lang for lang in wt.LANGUAGES if lang not in ("rus", "eng")]
    names = "".join(h["texts"][lang] + "#" for lang in order)
    return f"{h['date']}#{h['region']}#{h['picture']}#{names}"


def source(tables):
    out = [
        "// Generated from src/words/data/*.tsv by tools/words/gen_words.py. Do not edit.",
        '#include "words/detail/WordData.h"',
        "",
        "#include <array>",
        "#include <string_view>",
        "",
        "namespace vesrin::detail {",
        "",
        "using namespace std::string_view_literals;",
        "",
        "namespace {",
        "",
        f"constexpr std::array<WordRowData, {len(tables.words)}> kWordRows = {{{{",
    ]
    for w in tables.words:
        out.append(f"    {{{sv(w.key)}, {w.number}, {ten(w.texts)}}},")
    out += ["}};", ""]

    out.append(f"constexpr std::array<std::string_view, {len(tables.holidays)}> kHolidayRows = {{{{")
    for h in tables.holidays:
        out.append(f"    {sv(holiday_row_text(h))},")
    out += ["}};", ""]

    for section, name in [("month", "kMonths"), ("zodiac", "kZodiac"), ("eastern", "kEastern"),
                          ("suffix", "kSuffix"), ("region", "kRegions")]:
        entries = tables.calendar[section]
        out.append(f"constexpr std::array<TenTexts, {len(entries)}> {name} = {{{{")
        for number in sorted(entries):
            out.append(f"    TenTexts{ten(entries[number]['texts'])},")
        out += ["}};", ""]

    out.append(f"constexpr std::array<CountryData, {len(tables.countries)}> kCountries = {{{{")
    for c in tables.countries:
        out.append(f"    {{{c['continent']}, {c['number']}, {sv(c['eng'])}, {sv(c['rus'])}, {sv(c['flag'])}}},")
    out += ["}};", "", "}  // namespace", ""]

    out += [
        "std::span<const WordRowData> WordRows() { return kWordRows; }",
        "std::span<const std::string_view> HolidayRowTexts() { return kHolidayRows; }",
        "std::span<const TenTexts> MonthTexts() { return kMonths; }",
        "std::span<const TenTexts> ZodiacTexts() { return kZodiac; }",
        "std::span<const TenTexts> EasternYearTexts() { return kEastern; }",
        "const TenTexts& AnniversarySuffixTexts() { return kSuffix[0]; }",
        "std::span<const TenTexts> RegionTexts() { return kRegions; }",
        "std::span<const CountryData> CountryRows() { return kCountries; }",
        "",
        "}  // namespace vesrin::detail",
        "",
    ]
    return "\n".join(out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--data", required=True, help="the folder of words.tsv and its companions")
    parser.add_argument("--out", required=True, help="where WordRows.h and WordData.cpp go")
    args = parser.parse_args()
    tables = wt.load_or_report(args.data)
    if tables is None:
        return 1
    os.makedirs(args.out, exist_ok=True)
    write_if_changed(os.path.join(args.out, "WordRows.h"), header(tables))
    write_if_changed(os.path.join(args.out, "WordData.cpp"), source(tables))
    return 0


if __name__ == "__main__":
    sys.exit(main())
