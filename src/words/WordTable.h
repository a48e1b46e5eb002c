#pragma once

#include "words/Language.h"
#include "words/WordRows.h"

#include <optional>
#include <string_view>
#include <vector>

// The word table: every text the program shows, in ten languages. WordRows.h is generated
// from src/words/data/words.tsv and names each row by its key (Word::MainNewPlayer), so a
// row that the code uses but the data file lost does not compile.

namespace vesrin {

// The row's text in the language, UTF-8, exactly as stored: leading and trailing blanks kept,
// a line break as LF then CR. There is no fallback: an empty entry gives an empty text. The
// texts are constant for the life of the process.
std::string_view WordOf(Word row, Language language);

// The key that names the row in the data file and in the code ("MainNewPlayer").
std::string_view WordKey(Word row);

// The row's place in the published row list (1 for "New Player"), 0 for the special rows
// (title, version date, fixed titles) that the list does not number.
int WordListNumber(Word row);

// The row named by a key, by a list place, or by its position in the table (0-based).
std::optional<Word> FindWordByKey(std::string_view key);
std::optional<Word> FindWordByListNumber(int number);
std::optional<Word> WordFromIndex(int index);

// Every row whose English text is exactly this one (several rows share a text), in table order.
std::vector<Word> FindWordsByEnglish(std::string_view text);

// The header row of the main menu's club list for a ranking kind: 2 shows ratings, any other
// kind scores.
Word ClubListHeader(int rankingKind);

}  // namespace vesrin
