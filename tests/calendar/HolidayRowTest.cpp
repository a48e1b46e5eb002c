#include "calendar/HolidayRow.h"

#include <gtest/gtest.h>

#include <string>

namespace vesrin {
namespace {

const std::string kNames = "ru#en#de#fr#es#zh#it#cs#ja#ko#";

TEST(HolidayRow, ParsesEveryKindOfDateCode) {
  struct Case {
    const char* Code;
    DateRule Rule;
    int Day, Month, Year, Offset, Week, WeekDay;
  };
  const Case cases[] = {
      {"09.05.1945", DateRule::Fixed, 9, 5, 1945, 0, 0, 0},
      {"01.01.0000", DateRule::Fixed, 1, 1, 0, 0, 0, 0},
      {"29.02.0000", DateRule::Fixed, 29, 2, 0, 0, 0, 0},
      {"pasha.p000", DateRule::OrthodoxEaster, 0, 0, 0, 0, 0, 0},
      {"pasha.p-07", DateRule::OrthodoxEaster, 0, 0, 0, -7, 0, 0},
      {"pasha.p+40", DateRule::OrthodoxEaster, 0, 0, 0, 40, 0, 0},
      {"pasha.k-02", DateRule::CatholicEaster, 0, 0, 0, -2, 0, 0},
      {"****3.2.01", DateRule::NthWeekday, 0, 1, 0, 0, 3, 2},
      {"****l.2.05", DateRule::LastWeekday, 0, 5, 0, 0, 0, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Code);
    const std::optional<HolidayRow> row = ParseHolidayRow(std::string(c.Code) + "#USA#R_USAFLAG#" + kNames);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->Rule, c.Rule);
    EXPECT_EQ(row->Day, c.Day);
    EXPECT_EQ(row->Month, c.Month);
    EXPECT_EQ(row->Year, c.Year);
    EXPECT_EQ(row->Offset, c.Offset);
    EXPECT_EQ(row->Week, c.Week);
    EXPECT_EQ(row->WeekDay, c.WeekDay);
    EXPECT_EQ(row->Region, "USA");
    EXPECT_EQ(row->Picture, "R_USAFLAG");
  }
}

TEST(HolidayRow, NamesComeInTheProgramsLanguageOrder) {
  const std::optional<HolidayRow> row = ParseHolidayRow("01.01.0000#ALL#R_NEWYEAR#" + kNames + "extra#");
  ASSERT_TRUE(row);
  EXPECT_EQ(row->Name(Language::English), "en");
  EXPECT_EQ(row->Name(Language::Russian), "ru");
  EXPECT_EQ(row->Name(Language::German), "de");
  EXPECT_EQ(row->Name(Language::Korean), "ko");
}

TEST(HolidayRow, RejectsMalformedRows) {
  const std::string rows[] = {
      "",
      "01.01.0000#ALL#R_NEWYEAR#",
      "01.01.0000#ALL#R_NEWYEAR#ru#en#de#fr#es#zh#it#cs#ja#ko",  // the tenth name is not ended
      "01.01.0000 ALL#R_NEWYEAR#" + kNames,
      "32.01.0000#ALL#R_NEWYEAR#" + kNames,
      "30.02.0000#ALL#R_NEWYEAR#" + kNames,
      "01.13.0000#ALL#R_NEWYEAR#" + kNames,
      "1.1.000000#ALL#R_NEWYEAR#" + kNames,
      "pasha.x000#PRA#R_PASHA00#" + kNames,
      "pasha.p+4a#PRA#R_PASHA00#" + kNames,
      "pasha.p*40#PRA#R_PASHA00#" + kNames,
      "****0.2.01#USA#R_USAFLAG#" + kNames,
      "****6.2.01#USA#R_USAFLAG#" + kNames,
      "****3.8.01#USA#R_USAFLAG#" + kNames,
      "****3.2.13#USA#R_USAFLAG#" + kNames,
      "****x.2.01#USA#R_USAFLAG#" + kNames,
  };
  for (const std::string& text : rows) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(ParseHolidayRow(text));
  }
}

TEST(HolidayRow, EveryBuiltInRowParsesAndHasADateEveryYear) {
  const std::vector<HolidayRow>& rows = BuiltInHolidays();
  EXPECT_GE(rows.size(), 78u);
  for (const HolidayRow& row : rows) {
    SCOPED_TRACE(row.Name(Language::English));
    EXPECT_NE(row.Region, "QOR");
    for (int year = 2000; year <= 2040; ++year) EXPECT_TRUE(HolidayDate(row, year)) << year;
  }
}

const HolidayRow& BuiltIn(DateRule rule, int offset) {
  for (const HolidayRow& row : BuiltInHolidays()) {
    if (row.Rule == rule && row.Offset == offset) return row;
  }
  static const HolidayRow none;
  ADD_FAILURE() << "no such row";
  return none;
}

// The feasts counted from Easter land on their church weekdays every year: Palm Sunday a
// week before, Ascension on a Thursday (the fortieth day) and Trinity on a Sunday (the
// fiftieth day).
TEST(HolidayRow, FeastsCountedFromEasterKeepTheirWeekdays) {
  struct Case {
    int Offset;
    int Days;     // after Easter
    int Weekday;  // 1 Sunday
  };
  const Case cases[] = {{0, 0, 1}, {-7, -7, 1}, {40, 39, 5}, {50, 49, 1}};
  for (const Case& c : cases) {
    const HolidayRow& row = BuiltIn(DateRule::OrthodoxEaster, c.Offset);
    for (int year = 2000; year <= 2040; ++year) {
      SCOPED_TRACE(std::to_string(c.Offset) + " in " + std::to_string(year));
      const std::optional<CivilDate> date = HolidayDate(row, year);
      ASSERT_TRUE(date);
      EXPECT_EQ(DayOfYear(*date) - DayOfYear(OrthodoxEaster(year)), c.Days);
      EXPECT_EQ(Weekday(*date), c.Weekday);
    }
  }
}

TEST(HolidayRow, MovingRowsOnKnownDays) {
  struct Case {
    const char* Code;
    const char* Picture;
    int Year;
    CivilDate Date;
  };
  const Case cases[] = {
      {"pasha.p000", "R_PASHA00", 2024, {2024, 5, 5}},
      {"pasha.p-07", "R_PRAKRES", 2024, {2024, 4, 28}},
      {"pasha.k000", "R_PASHA00", 2024, {2024, 3, 31}},
      {"pasha.p000", "R_PASHA00", 2029, {2029, 4, 8}},
      {"pasha.p+40", "R_PRAKRES", 2025, {2025, 5, 29}},  // Ascension 2025
      {"pasha.p+50", "R_PRAKRES", 2025, {2025, 6, 8}},   // Trinity 2025
      {"pasha.k+40", "R_KATKRES", 2024, {2024, 5, 9}},   // counted as the church does too
      {"pasha.k-02", "R_KATKRES", 2024, {2024, 3, 29}},
      {"****4.5.11", "R_USABLAG", 2025, {2025, 11, 27}},
      {"****3.2.01", "R_USAFLAG", 2025, {2025, 1, 20}},
      {"****l.2.05", "R_USAFLAG", 2025, {2025, 5, 26}},
      {"13.09.0000", "R_ALLPROG", 2025, {2025, 9, 13}},
      {"13.09.0000", "R_ALLPROG", 2024, {2024, 9, 12}},
      {"13.09.0000", "R_USAFLAG", 2024, {2024, 9, 13}},
      {"29.02.0000", "R_USAFLAG", 2024, {2024, 2, 29}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.Code) + " " + std::to_string(c.Year));
    const std::optional<HolidayRow> row = ParseHolidayRow(std::string(c.Code) + "#USA#" + c.Picture + "#" + kNames);
    ASSERT_TRUE(row);
    EXPECT_EQ(HolidayDate(*row, c.Year), c.Date);
  }
  const std::optional<HolidayRow> leapDay = ParseHolidayRow("29.02.0000#USA#R_USAFLAG#" + kNames);
  ASSERT_TRUE(leapDay);
  EXPECT_FALSE(HolidayDate(*leapDay, 2025));
}

}  // namespace
}  // namespace vesrin
