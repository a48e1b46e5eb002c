#pragma once

#include "settings/Settings.h"
#include "table/WordText.h"
#include "words/WordTable.h"

#include <QString>

#include <string_view>

namespace vesrin {

// Texts of the records windows: word-table rows in the current language, fetched at the
// moment they are shown, and the code page 1251 bytes of the files turned into window
// text.

// The row in the language of the settings; the table's line break (LF then CR) becomes
// one line break.
QString WordText(const Settings& settings, Word row);

// The row named by its English text (the first row with that text) in the current
// language; the English text itself when no row has it.
QString EnglishRowText(const Settings& settings, std::string_view englishRow);

} // namespace vesrin
