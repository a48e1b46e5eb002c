#!/usr/bin/env python3
"""Checks that the word-table data files are complete.

    check_words.py --data src/words/data

Reports every empty cell (but the Korean history-window "Player", which stays empty), every
translation that lost a leading or trailing blank or a line break of the English text, club
list headers that do not keep their fixed-pitch layout, and holiday, calendar and country
entries without a name. Exits with 1 when there is anything to report, 2 when a file is
malformed (the build reports those too).
"""

import argparse
import os
import sys

sys.dont_write_bytecode = True  # keep the source tree free of caches
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import wordtables as wt  # noqa: E402


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--data", required=True)
    parser.add_argument("--most", type=int, default=60, help="how many problems to print")
    args = parser.parse_args()
    tables = wt.load_or_report(args.data)
    if tables is None:
        return 2
    problems = wt.completeness_problems(tables)
    for line in problems[:args.most]:
        print(line)
    if len(problems) > args.most:
        print(f"... and {len(problems) - args.most} more")
    if problems:
        empty = {}
        for line in problems:
            for lang in wt.LANGUAGES:
                if line.endswith(f"no {lang} text") or line.endswith(f"no {lang} name"):
                    empty[lang] = empty.get(lang, 0) + 1
        summary = ", ".join(f"{lang} {n}" for lang, n in empty.items())
        print(f"{len(problems)} problems" + (f"; empty cells: {summary}" if summary else ""))
        return 1
    print(f"word table complete: {len(tables.words)} rows, {len(tables.holidays)} holidays, "
          f"{len(tables.countries)} countries")
    return 0


if __name__ == "__main__":
    sys.exit(main())
