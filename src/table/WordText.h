#pragma once

#include "words/WordTable.h"

#include <QString>

namespace vesrin {

// A row of the word table as window text.
inline QString WordText(Word row, Language language) {
    const std::string_view text = WordOf(row, language);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace vesrin
