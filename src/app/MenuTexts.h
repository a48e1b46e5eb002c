#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace vesrin {

// The texts of the main menu's club list, made from the lines of the records file in
// use. All texts are code page 1251 bytes like the file; the window turns them into
// window text.

// A profile row (Button1..Button5) from a roster line. Ranking kind 1: the name, four
// blanks, the games played modulo 20 in 3 columns ("###" for an empty slot), four
// blanks and the cycle score; kind 2: the name, two blanks, the games played (7
// columns), two blanks and the rating with two decimals in 6 columns ("######" for an
// empty slot).
std::string ProfileRowText(std::string_view rosterLine, int rankingKind);

// A ranking row (Panel1..Panel3) from a top-ten line: the name, two blanks, the score.
std::string RankingRowText(std::string_view topTenLine);

// The widths a row may not reach: a profile row and a ranking row.
inline constexpr int ProfileRowLimit = 361;
inline constexpr int RankingRowLimit = 251;

// While the text measures `limit` pixels or more, the character at position 20 goes,
// then the one at 19, and so on, never below position 5. When any character that went
// was neither a blank nor "#", the three characters before the cut become "...".
std::string CutRowText(std::string text, int limit, const std::function<int(std::string_view)>& measure);

} // namespace vesrin
