#include "words/Language.h"

#include <array>

namespace vesrin {

namespace {

struct LanguageInfo {
  std::string_view Code;
  std::string_view ListName;
  std::string_view FlagPicture;
  std::string_view Column;
  FlagGlyph Glyph;
};

using namespace std::string_view_literals;

constexpr std::array<LanguageInfo, LanguageCount> kLanguages = {{
    {"Eng"sv, "English"sv, "FlagOEng"sv, "eng"sv, {Continent::Europe, 48}},
    {"Rus"sv, "Русский"sv, "FlagORus"sv, "rus"sv, {Continent::Europe, 1}},
    {"Deu"sv, "Deutsche"sv, "FlagODeu"sv, "deu"sv, {Continent::Europe, 16}},
    {"Fra"sv, "Français"sv, "FlagOFra"sv, "fra"sv, {Continent::Europe, 15}},
    {"Spa"sv, "Español"sv, "FlagOSpa"sv, "spa"sv, {Continent::Europe, 43}},
    {"Chi"sv, "中文"sv, "FlagOChi"sv, "chi"sv, {Continent::Asia, 10}},
    {"Ita"sv, "Italiano"sv, "FlagOIta"sv, "ita"sv, {Continent::Europe, 24}},
    {"Cze"sv, "Čeština"sv, "FlagOCze"sv, "cze"sv, {Continent::Europe, 10}},
    {"Eng"sv, "日本"sv, "FlagOJap"sv, "jap"sv, {Continent::Asia, 20}},
    {"Eng"sv, "한국인"sv, "FlagOKor"sv, "kor"sv, {Continent::Asia, 40}},
}};

const LanguageInfo& Info(Language language) {
  auto index = static_cast<std::size_t>(language);
  return kLanguages[index < kLanguages.size() ? index : 0];
}

}  // namespace

std::optional<Language> LanguageFromIndex(int index) {
  if (index < 0 || index >= LanguageCount) return std::nullopt;
  return static_cast<Language>(index);
}

std::string_view LanguageCode(Language language) { return Info(language).Code; }

std::string_view LanguageListName(Language language) { return Info(language).ListName; }

std::string_view FlagPictureName(Language language) { return Info(language).FlagPicture; }

std::string_view LanguageColumnName(Language language) { return Info(language).Column; }

FlagGlyph LanguageFlagGlyph(Language language) { return Info(language).Glyph; }

}  // namespace vesrin
