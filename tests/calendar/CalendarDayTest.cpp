#include "calendar/CalendarDay.h"

#include "words/CalendarWords.h"

#include <gtest/gtest.h>

#include <string>

namespace vesrin {
namespace {

std::string Text(std::string_view text) { return std::string(text); }

// The Russian name as the built-in row stores it: the first name after the picture.
std::string StoredRussianName(std::string_view rowStart) {
  for (std::string_view row : HolidayRows()) {
    if (row.substr(0, rowStart.size()) == rowStart) {
      std::string_view names = row.substr(25);
      return std::string(names.substr(0, names.find('#')));
    }
  }
  ADD_FAILURE() << "no row " << rowStart;
  return {};
}

TEST(CalendarDay, HintsInTwoLanguages) {
  struct Case {
    CivilDate Day;
    std::string_view RowStart;
    std::string English;
    std::string Russian;  // after the stored Russian name
  };
  const Case cases[] = {
      {{2025, 5, 9},
       "09.05.1945#RUS",
       "Victory day in Great Patriotic war (80-th anniversary, Russian Festival)",
       " (80" + Text(AnniversarySuffix(Language::Russian)) + ", " + Text(RegionWord("RUS", Language::Russian)) + ")"},
      {{2025, 3, 8}, "08.03.0000#ALL", "International women`s day", ""},
      {{2025, 7, 4}, "04.07.0000#USA", "Independence day (Holiday United States)",
       " (" + Text(RegionWord("USA", Language::Russian)) + ")"},
      // A first year still to come gives no anniversary, nor does the first day itself.
      {{1945, 5, 9}, "09.05.1945#RUS", "Victory day in Great Patriotic war (Russian Festival)",
       " (" + Text(RegionWord("RUS", Language::Russian)) + ")"},
      {{2025, 2, 2},
       "02.02.1943#RUS",
       "The day of the victory of Soviet forces in the battle of Stalingrad (82-th anniversary, Russian Festival)",
       " (82" + Text(AnniversarySuffix(Language::Russian)) + ", " + Text(RegionWord("RUS", Language::Russian)) + ")"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.RowStart) + " " + std::to_string(c.Day.Year));
    const CalendarDay english = BuildCalendarDay(c.Day, Language::English, BuiltInHolidays());
    const CalendarDay russian = BuildCalendarDay(c.Day, Language::Russian, BuiltInHolidays());
    ASSERT_GE(english.Pictures.size(), 3u);
    ASSERT_EQ(russian.Pictures.size(), english.Pictures.size());
    EXPECT_EQ(english.Pictures[2].Hint, c.English);
    EXPECT_EQ(russian.Pictures[2].Hint, StoredRussianName(c.RowStart) + c.Russian);
  }
}

TEST(CalendarDay, DayAndYearPictures) {
  // 11 December 2026, a Friday: Sagittarius, year of the horse; no holiday.
  const CalendarDay day = BuildCalendarDay({2026, 12, 11}, Language::English, BuiltInHolidays());
  ASSERT_EQ(day.Pictures.size(), 2u);
  EXPECT_FALSE(day.Sunday);
  EXPECT_EQ(day.MonthName, "December");
  EXPECT_EQ(day.Pictures[0].Picture, "R_09");
  EXPECT_EQ(day.Pictures[0].Hint, "Sagittarius");
  EXPECT_EQ(day.Pictures[1].Picture, "R_VOSHORS");
  EXPECT_EQ(day.Pictures[1].Hint, "Year Of The Horse");

  const CalendarDay sunday = BuildCalendarDay({2024, 5, 5}, Language::Russian, BuiltInHolidays());
  EXPECT_TRUE(sunday.Sunday);
  EXPECT_EQ(sunday.MonthName, Text(MonthName(5, Language::Russian)));
  EXPECT_EQ(sunday.Pictures[0].Picture, "R_02");
  EXPECT_EQ(sunday.Pictures[1].Picture, "R_VOSDRAG");
  ASSERT_EQ(sunday.Pictures.size(), 3u);
  EXPECT_EQ(sunday.Pictures[2].Picture, "R_PASHA00");
}

TEST(CalendarDay, SeveralHolidaysInTableOrderAtMostSix) {
  // 2 February 2025: Stalingrad (RUS) and Candlemas (KAT), in table order.
  const CalendarDay two = BuildCalendarDay({2025, 2, 2}, Language::English, BuiltInHolidays());
  ASSERT_EQ(two.Pictures.size(), 4u);
  EXPECT_EQ(two.Pictures[2].Picture, "R_RUSORDN");
  EXPECT_EQ(two.Pictures[3].Picture, "R_KATKRES");
  EXPECT_EQ(two.Pictures[3].Hint, "Candlemas (Catholic feast)");

  // A day with more rows than pictures keeps the first six of the table.
  std::vector<HolidayRow> rows;
  for (int i = 0; i < 8; ++i) {
    const std::string name = "Day" + std::to_string(i);
    std::string text = "01.05.0000#ALL#R_1May000#";
    for (int n = 0; n < 10; ++n) text += name + "#";
    rows.push_back(*ParseHolidayRow(text));
  }
  const CalendarDay crowded = BuildCalendarDay({2025, 5, 1}, Language::English, rows);
  ASSERT_EQ(crowded.Pictures.size(), 2u + MaxHolidaysShown);
  for (std::size_t i = 0; i < MaxHolidaysShown; ++i) EXPECT_EQ(crowded.Pictures[2 + i].Hint, "Day" + std::to_string(i));
}

TEST(CalendarDay, OrthodoxAndCatholicEasterTogether) {
  // 20 April 2025 both churches keep Easter; 31 March 2024 only the Catholic one.
  const CalendarDay both = BuildCalendarDay({2025, 4, 20}, Language::English, BuiltInHolidays());
  ASSERT_EQ(both.Pictures.size(), 4u);
  EXPECT_EQ(both.Pictures[2].Hint, "Easter (The Orthodox holiday)");
  EXPECT_EQ(both.Pictures[3].Hint, "Easter (Catholic feast)");
  const CalendarDay catholic = BuildCalendarDay({2024, 3, 31}, Language::English, BuiltInHolidays());
  ASSERT_EQ(catholic.Pictures.size(), 3u);
  EXPECT_EQ(catholic.Pictures[2].Hint, "Easter (Catholic feast)");
}

}  // namespace
}  // namespace vesrin
