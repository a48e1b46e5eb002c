#include "calendar/Dates.h"

#include <gtest/gtest.h>

#include <string>

namespace vesrin {
namespace {

// Easter Sundays as the churches publish them, Orthodox in the Gregorian calendar.
struct EasterYear {
  int Year;
  int OrthodoxMonth, OrthodoxDay;
  int CatholicMonth, CatholicDay;
};
constexpr EasterYear kEasters[] = {
    {2000, 4, 30, 4, 23}, {2001, 4, 15, 4, 15}, {2002, 5, 5, 3, 31},  {2003, 4, 27, 4, 20}, {2004, 4, 11, 4, 11},
    {2005, 5, 1, 3, 27},  {2006, 4, 23, 4, 16}, {2007, 4, 8, 4, 8},   {2008, 4, 27, 3, 23}, {2009, 4, 19, 4, 12},
    {2010, 4, 4, 4, 4},   {2011, 4, 24, 4, 24}, {2012, 4, 15, 4, 8},  {2013, 5, 5, 3, 31},  {2014, 4, 20, 4, 20},
    {2015, 4, 12, 4, 5},  {2016, 5, 1, 3, 27},  {2017, 4, 16, 4, 16}, {2018, 4, 8, 4, 1},   {2019, 4, 28, 4, 21},
    {2020, 4, 19, 4, 12}, {2021, 5, 2, 4, 4},   {2022, 4, 24, 4, 17}, {2023, 4, 16, 4, 9},  {2024, 5, 5, 3, 31},
    {2025, 4, 20, 4, 20}, {2026, 4, 12, 4, 5},  {2027, 5, 2, 3, 28},  {2028, 4, 16, 4, 16}, {2029, 4, 8, 4, 1},
    {2030, 4, 28, 4, 21}, {2031, 4, 13, 4, 13}, {2032, 5, 2, 3, 28},  {2033, 4, 24, 4, 17}, {2034, 4, 9, 4, 9},
    {2035, 4, 29, 3, 25}, {2036, 4, 20, 4, 13}, {2037, 4, 5, 4, 5},   {2038, 4, 25, 4, 25}, {2039, 4, 17, 4, 10},
    {2040, 5, 6, 4, 1},
};

TEST(Dates, BothEastersMatchThePublishedDates) {
  for (const EasterYear& c : kEasters) {
    SCOPED_TRACE(c.Year);
    EXPECT_EQ(OrthodoxEaster(c.Year), (CivilDate{c.Year, c.OrthodoxMonth, c.OrthodoxDay}));
    EXPECT_EQ(CatholicEaster(c.Year), (CivilDate{c.Year, c.CatholicMonth, c.CatholicDay}));
    EXPECT_EQ(Weekday(OrthodoxEaster(c.Year)), 1);
    EXPECT_EQ(Weekday(CatholicEaster(c.Year)), 1);
  }
}

// Martin Luther King Day (third Monday of January), Thanksgiving (fourth Thursday of
// November) and Memorial Day (last Monday of May), as the United States observe them.
struct UsYear {
  int Year;
  int KingDay;          // January
  int Thanksgiving;     // November
  int MemorialDay;      // May
};
constexpr UsYear kUsDays[] = {
    {2000, 17, 23, 29}, {2001, 15, 22, 28}, {2002, 21, 28, 27}, {2003, 20, 27, 26}, {2004, 19, 25, 31},
    {2005, 17, 24, 30}, {2006, 16, 23, 29}, {2007, 15, 22, 28}, {2008, 21, 27, 26}, {2009, 19, 26, 25},
    {2010, 18, 25, 31}, {2011, 17, 24, 30}, {2012, 16, 22, 28}, {2013, 21, 28, 27}, {2014, 20, 27, 26},
    {2015, 19, 26, 25}, {2016, 18, 24, 30}, {2017, 16, 23, 29}, {2018, 15, 22, 28}, {2019, 21, 28, 27},
    {2020, 20, 26, 25}, {2021, 18, 25, 31}, {2022, 17, 24, 30}, {2023, 16, 23, 29}, {2024, 15, 28, 27},
    {2025, 20, 27, 26}, {2026, 19, 26, 25}, {2027, 18, 25, 31}, {2028, 17, 23, 29}, {2029, 15, 22, 28},
    {2030, 21, 28, 27}, {2031, 20, 27, 26}, {2032, 19, 25, 31}, {2033, 17, 24, 30}, {2034, 16, 23, 29},
    {2035, 15, 22, 28}, {2036, 21, 27, 26}, {2037, 19, 26, 25}, {2038, 18, 25, 31}, {2039, 17, 24, 30},
    {2040, 16, 22, 28},
};

TEST(Dates, NthAndLastWeekdaysMatchTheObservedDays) {
  for (const UsYear& c : kUsDays) {
    SCOPED_TRACE(c.Year);
    EXPECT_EQ(NthWeekday(c.Year, 1, 3, 2), (CivilDate{c.Year, 1, c.KingDay}));
    EXPECT_EQ(NthWeekday(c.Year, 11, 4, 5), (CivilDate{c.Year, 11, c.Thanksgiving}));
    EXPECT_EQ(LastWeekday(c.Year, 5, 2), (CivilDate{c.Year, 5, c.MemorialDay}));
  }
}

TEST(Dates, FifthWeekdayOnlyWhenTheMonthHasIt) {
  EXPECT_EQ(NthWeekday(2024, 2, 5, 5), (CivilDate{2024, 2, 29}));  // leap February, five Thursdays
  EXPECT_EQ(NthWeekday(2025, 2, 5, 5), CivilDate{});
  EXPECT_EQ(LastWeekday(2024, 2, 5), (CivilDate{2024, 2, 29}));
  EXPECT_EQ(LastWeekday(2025, 2, 5), (CivilDate{2025, 2, 27}));
}

TEST(Dates, WeekdaysAndDaysOfTheYear) {
  struct Case {
    CivilDate Date;
    int Weekday;
    int DayOfYear;
  };
  const Case cases[] = {
      {{2000, 1, 1}, 7, 1},    {{2000, 2, 29}, 3, 60},   {{2000, 12, 31}, 1, 366}, {{1900, 3, 1}, 5, 60},
      {{2024, 9, 12}, 5, 256}, {{2025, 9, 13}, 7, 256}, {{2026, 12, 11}, 6, 345}, {{2100, 3, 1}, 2, 60},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.Date.Year) + "-" + std::to_string(c.Date.Month) + "-" + std::to_string(c.Date.Day));
    EXPECT_EQ(Weekday(c.Date), c.Weekday);
    EXPECT_EQ(DayOfYear(c.Date), c.DayOfYear);
    EXPECT_EQ(DateOfDay(c.Date.Year, c.DayOfYear), c.Date);
  }
  EXPECT_EQ(DateOfDay(2024, 0), (CivilDate{2023, 12, 31}));
  EXPECT_EQ(DateOfDay(2023, 366), (CivilDate{2024, 1, 1}));
}

TEST(Dates, ZodiacBoundariesAndEasternYears) {
  struct Sign {
    int Month, Day, Sign;
  };
  const Sign signs[] = {
      {3, 20, 12}, {3, 21, 1},  {4, 20, 1},  {4, 21, 2},  {5, 20, 2},   {5, 21, 3},   {6, 21, 3},   {6, 22, 4},
      {7, 22, 4},  {7, 23, 5},  {8, 23, 5},  {8, 24, 6},  {9, 23, 6},   {9, 24, 7},   {10, 23, 7},  {10, 24, 8},
      {11, 22, 8}, {11, 23, 9}, {12, 21, 9}, {12, 22, 10}, {1, 20, 10}, {1, 21, 11}, {2, 20, 11}, {2, 21, 12},
  };
  for (const Sign& s : signs) {
    SCOPED_TRACE(std::to_string(s.Day) + "." + std::to_string(s.Month));
    EXPECT_EQ(ZodiacSign(s.Month, s.Day), s.Sign);
  }
  // 2024 dragon, 2025 snake, 2026 horse, 2031 pig, 2032 rat; 2016 monkey.
  EXPECT_EQ(EasternAnimal(2024), 5);
  EXPECT_EQ(EasternAnimal(2025), 6);
  EXPECT_EQ(EasternAnimal(2026), 7);
  EXPECT_EQ(EasternAnimal(2031), 12);
  EXPECT_EQ(EasternAnimal(2032), 1);
  EXPECT_EQ(EasternAnimal(2016), 9);
}

}  // namespace
}  // namespace vesrin
