#include "words/CalendarWords.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace vesrin {
namespace {

std::vector<std::string_view> Fields(std::string_view row) {
  std::vector<std::string_view> fields;
  while (!row.empty()) {
    auto end = row.find('#');
    fields.push_back(row.substr(0, end));
    row = end == std::string_view::npos ? std::string_view{} : row.substr(end + 1);
  }
  return fields;
}

TEST(CalendarWords, HolidayRowsKeepTheirFixedColumns) {
  auto rows = HolidayRows();
  ASSERT_EQ(rows.size(), 82u);
  for (auto row : rows) {
    SCOPED_TRACE(std::string(row));
    ASSERT_GE(row.size(), 26u);
    EXPECT_EQ(row[10], '#');
    EXPECT_EQ(row[14], '#');
    EXPECT_EQ(row[24], '#');
    EXPECT_EQ(row.substr(15, 2), "R_");
    auto fields = Fields(row);
    ASSERT_EQ(fields.size(), 13u);  // date, region, picture, ten names
    for (std::size_t name = 3; name < fields.size(); ++name) EXPECT_FALSE(fields[name].empty()) << name;
  }
}

TEST(CalendarWords, NamesStandRussianFirst) {
  auto rows = HolidayRows();
  struct Case {
    std::size_t Index;
    std::string_view Head;
    std::string_view Russian;
    std::string_view English;
  };
  const Case cases[] = {
      {0, "01.01.0000#ALL#R_NEWYEAR", "Новый год", "New Year"},
      {19, "09.05.1945#RUS#R_RUSORDN", "День Победы в Великой Отечественной войне",
       "Victory day in Great Patriotic war"},
      {4, "****3.2.01#USA#R_USAFLAG", "День Мартина Лютера Кинга", "Martin Luther King Day"},
      {56, "pasha.p000#PRA#R_PASHA00", "Пасха", "Easter"},
      {74, "pasha.k000#KAT#R_PASHA00", "Пасха", "Easter"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.Head));
    auto fields = Fields(rows[c.Index]);
    EXPECT_EQ(rows[c.Index].substr(0, 24), c.Head);
    EXPECT_EQ(fields[3], c.Russian);
    EXPECT_EQ(fields[4], c.English);
  }
}

TEST(CalendarWords, AscensionAndTrinityKeepTheirStoredOffsets) {
  auto rows = HolidayRows();
  EXPECT_EQ(rows[58].substr(0, 24), "pasha.p+40#PRA#R_PRAKRES");
  EXPECT_EQ(rows[59].substr(0, 24), "pasha.p+50#PRA#R_PRAKRES");
}

TEST(CalendarWords, MonthsSignsYearsAndSuffix) {
  EXPECT_EQ(MonthName(1, Language::English), "January");
  EXPECT_EQ(MonthName(12, Language::English), "December");
  EXPECT_EQ(MonthName(10, Language::Russian), "октября");
  EXPECT_EQ(MonthName(5, Language::Russian), "мая");
  EXPECT_EQ(ZodiacName(1, Language::English), "Aries");
  EXPECT_EQ(ZodiacName(12, Language::English), "Pisces");
  EXPECT_EQ(EasternYearName(1, Language::English), "Year Of The Rat");
  EXPECT_EQ(EasternYearName(12, Language::English), "Year Of The Pig");
  EXPECT_EQ(AnniversarySuffix(Language::English), "-th anniversary");
  for (int outside : {0, 13, -1}) {
    EXPECT_EQ(MonthName(outside, Language::English), "");
    EXPECT_EQ(ZodiacName(outside, Language::English), "");
    EXPECT_EQ(EasternYearName(outside, Language::English), "");
  }
  EXPECT_EQ(MonthName(1, static_cast<Language>(10)), "");
}

TEST(CalendarWords, EveryNameIsThereInEveryLanguage) {
  for (int i = 0; i < LanguageCount; ++i) {
    auto language = static_cast<Language>(i);
    SCOPED_TRACE(i);
    for (int n = 1; n <= 12; ++n) {
      EXPECT_FALSE(MonthName(n, language).empty()) << n;
      EXPECT_FALSE(ZodiacName(n, language).empty()) << n;
      EXPECT_FALSE(EasternYearName(n, language).empty()) << n;
    }
    EXPECT_FALSE(AnniversarySuffix(language).empty());
  }
}

TEST(CalendarWords, RegionWords) {
  struct Case {
    std::string_view Code;
    std::string_view English;
  };
  const Case cases[] = {
      {"ENG", "Holiday UK"},         {"RUS", "Russian Festival"},
      {"DEU", "German holiday"},     {"FRA", "French holiday"},
      {"ISP", "Spanish holiday"},    {"USA", "Holiday United States"},
      {"PRA", "The Orthodox holiday"}, {"KAT", "Catholic feast"},
      {"ALL", ""},                   {"RU-", ""},
      {"QOR", ""},                   {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.Code));
    EXPECT_EQ(RegionWord(c.Code, Language::English), c.English);
    EXPECT_EQ(RegionWord(c.Code, Language::Russian).empty(), c.English.empty());
  }
}

}  // namespace
}  // namespace vesrin
