#include "words/Countries.h"
#include "words/WordTable.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace vesrin {
namespace {

TEST(Countries, ListLengthsPerContinent) {
  struct Case {
    Continent Of;
    int Count;
    std::string_view Last;
    std::string_view Word;
  };
  const Case cases[] = {
      {Continent::Europe, 48, "United Kingdom", "Europe"},
      {Continent::Asia, 51, "Yemen", "Asia"},
      {Continent::NorthAmerica, 35, "Virgin Islands", "North America"},
      {Continent::SouthAmerica, 14, "Venezuela", "South America"},
      {Continent::Oceania, 23, "Wallis and Futuna", "Oceania"},
      {Continent::Africa, 54, "Zimbabwe", "Africa"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.Word));
    EXPECT_EQ(CountryCount(c.Of), c.Count);
    EXPECT_EQ(CountryName(c.Of, 0, Language::English), "Unknown");
    EXPECT_EQ(CountryName(c.Of, c.Count, Language::English), c.Last);
    EXPECT_FALSE(FindCountry(c.Of, c.Count + 1));
    EXPECT_FALSE(FindCountry(c.Of, -1));
    EXPECT_EQ(WordOf(ContinentWord(c.Of), Language::English), c.Word);
  }
}

TEST(Countries, NamesAndFlagKeys) {
  struct Case {
    Continent Of;
    int Number;
    std::string_view English;
    std::string_view Russian;
    std::string_view FlagKey;
  };
  const Case cases[] = {
      {Continent::Europe, 1, "Russia", "Россия", "Russia"},
      {Continent::Europe, 7, "Bosnia & Herzegovina", "Босния и Герцеговина", "Bosnia_&_Herzegovina"},
      {Continent::SouthAmerica, 10, "Peru", "Перу", "Peru"},
      {Continent::NorthAmerica, 34, "USA", "США", "USA"},
      {Continent::Africa, 24, "Ivory Coast (Cote Divoire)", "Кот-д'Ивуар", "Ivory_Coast_(Cote_Divoire)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.English));
    auto country = FindCountry(c.Of, c.Number);
    ASSERT_TRUE(country.has_value());
    EXPECT_EQ(country->English, c.English);
    EXPECT_EQ(country->Russian, c.Russian);
    EXPECT_EQ(country->FlagKey, c.FlagKey);
    EXPECT_EQ(CountryName(c.Of, c.Number, Language::Russian), c.Russian);
    EXPECT_EQ(CountryName(c.Of, c.Number, Language::German), c.English);
    EXPECT_EQ(CountryName(c.Of, c.Number, Language::Korean), c.English);
  }
}

TEST(Countries, ContinentDigits) {
  EXPECT_EQ(ContinentFromDigit(1), Continent::Europe);
  EXPECT_EQ(ContinentFromDigit(6), Continent::Africa);
  EXPECT_FALSE(ContinentFromDigit(0));
  EXPECT_FALSE(ContinentFromDigit(7));
}

}  // namespace
}  // namespace vesrin
