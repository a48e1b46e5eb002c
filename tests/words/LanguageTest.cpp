#include "words/Countries.h"
#include "words/Language.h"

#include <gtest/gtest.h>

#include <string_view>

namespace vesrin {
namespace {

TEST(Language, CodesNamesFlagsAndGlyphs) {
  struct Case {
    Language Lang;
    std::string_view Code;
    std::string_view ListName;
    std::string_view FlagPicture;
    Continent GlyphList;
    int GlyphIndex;
    std::string_view GlyphCountry;  // the country whose flag the glyph is
  };
  const Case cases[] = {
      {Language::English, "Eng", "English", "FlagOEng", Continent::Europe, 48, "United Kingdom"},
      {Language::Russian, "Rus", "Русский", "FlagORus", Continent::Europe, 1, "Russia"},
      {Language::German, "Deu", "Deutsche", "FlagODeu", Continent::Europe, 16, "Germany"},
      {Language::French, "Fra", "Français", "FlagOFra", Continent::Europe, 15, "France"},
      {Language::Spanish, "Spa", "Español", "FlagOSpa", Continent::Europe, 43, "Spain"},
      {Language::Chinese, "Chi", "中文", "FlagOChi", Continent::Asia, 10, "China"},
      {Language::Italian, "Ita", "Italiano", "FlagOIta", Continent::Europe, 24, "Italy"},
      {Language::Czech, "Cze", "Čeština", "FlagOCze", Continent::Europe, 10, "Czech Republic"},
      {Language::Japanese, "Eng", "日本", "FlagOJap", Continent::Asia, 20, "Japan"},
      {Language::Korean, "Eng", "한국인", "FlagOKor", Continent::Asia, 40, "South Korea"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.ListName));
    EXPECT_EQ(LanguageCode(c.Lang), c.Code);
    EXPECT_EQ(LanguageListName(c.Lang), c.ListName);
    EXPECT_EQ(FlagPictureName(c.Lang), c.FlagPicture);
    auto glyph = LanguageFlagGlyph(c.Lang);
    EXPECT_EQ(glyph.List, c.GlyphList);
    EXPECT_EQ(glyph.Index, c.GlyphIndex);
    auto country = FindCountry(glyph.List, glyph.Index);
    ASSERT_TRUE(country.has_value());
    EXPECT_EQ(country->English, c.GlyphCountry);
  }
}

TEST(Language, IndexRoundTripsAndRejectsOtherNumbers) {
  for (int i = 0; i < LanguageCount; ++i) {
    auto language = LanguageFromIndex(i);
    ASSERT_TRUE(language.has_value());
    EXPECT_EQ(LanguageIndex(*language), i);
  }
  EXPECT_FALSE(LanguageFromIndex(-1));
  EXPECT_FALSE(LanguageFromIndex(10));
  EXPECT_EQ(LanguageFromIndex(0), Language::English);
  EXPECT_EQ(LanguageFromIndex(9), Language::Korean);
}

}  // namespace
}  // namespace vesrin
