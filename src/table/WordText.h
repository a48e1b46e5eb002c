#pragma once

#include "base/Cp1251.h"
#include "words/WordTable.h"

#include <QString>

namespace vesrin {

// A row of the word table as window text.
inline QString WordText(Word row, Language language) {
    const std::string_view text = WordOf(row, language);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Code page 1251 bytes of a file or the settings (a name, a font name) as window text.
inline QString FileText(std::string_view cp1251) { return QString::fromStdString(Cp1251ToUtf8(cp1251)); }

} // namespace vesrin
