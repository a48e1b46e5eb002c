#include "records/WindowWords.h"

#include "base/Cp1251.h"
#include "table/WordText.h"

namespace vesrin {

namespace {

QString ShownText(std::string_view utf8) {
    QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    return text;
}

} // namespace

QString WordText(const Settings& settings, Word row) {
    const Language language = LanguageFromIndex(settings.Language).value_or(Language::English);
    QString text = WordText(row, language);
    text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    return text;
}

QString EnglishRowText(const Settings& settings, std::string_view englishRow) {
    const auto rows = FindWordsByEnglish(englishRow);
    return rows.empty() ? ShownText(englishRow) : WordText(settings, rows.front());
}

} // namespace vesrin
