#pragma once

#include "words/Continent.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace vesrin {

// The interface languages. The value is the column of every ten-language table (word table,
// calendar names) and the number the settings file stores.
enum class Language : std::uint8_t {
  English = 0,
  Russian = 1,
  German = 2,
  French = 3,
  Spanish = 4,
  Chinese = 5,
  Italian = 6,
  Czech = 7,
  Japanese = 8,
  Korean = 9,
};

inline constexpr int LanguageCount = 10;

// The language of a stored or listed number 0..9; nothing for any other number.
std::optional<Language> LanguageFromIndex(int index);

inline int LanguageIndex(Language language) { return static_cast<int>(language); }

// The three-letter code in the names of pictures with lettering. Japanese and Korean have no
// lettered pictures of their own and use the English ones, so they give "Eng".
std::string_view LanguageCode(Language language);

// The fixed, untranslated name of the language in the options dialog's language list.
std::string_view LanguageListName(Language language);

// The program's own PNG resource with the language's flag for the options dialog:
// "FlagO" and the code, or "FlagOJap" / "FlagOKor" for the two languages that share "Eng".
std::string_view FlagPictureName(Language language);

// The short column name of the language in the word-table data files ("eng", "rus", ...).
std::string_view LanguageColumnName(Language language);

// A glyph of the main window's country-flag picture lists: the list of a continent and the
// country number in it, so a language's glyph is the flag of its country.
struct FlagGlyph {
  Continent List;
  int Index;
};

// The 14 x 12 flag glyph drawn before the language's name in the language list.
FlagGlyph LanguageFlagGlyph(Language language);

}  // namespace vesrin
