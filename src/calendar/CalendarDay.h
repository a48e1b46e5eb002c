#pragma once

#include "calendar/HolidayRow.h"

#include <span>
#include <string>
#include <vector>

// What the two calendar pictures show on a day, before anything is painted.

namespace vesrin {

inline constexpr std::size_t MaxHolidaysShown = 6;

struct CalendarPicture {
  std::string Picture;  // the resource drawn on the background "R_BASE"
  std::string Hint;
};

struct CalendarDay {
  CivilDate Date;
  bool Sunday = false;     // the day's number is red
  std::string MonthName;   // under the number
  int Zodiac = 0;          // 1 Aries .. 12 Pisces
  int Animal = 0;          // 1 Rat .. 12 Pig
  // [0] the day picture (the zodiac sign, its name as hint), [1] the eastern year,
  // [2] onwards today's holidays in table order, at most six.
  std::vector<CalendarPicture> Pictures;
};

// The hint of a holiday: its name, then in brackets the anniversary (when the row has a
// first year before today's) and the region's word, either of them alone, or nothing.
std::string HolidayHint(const HolidayRow& row, int year, Language language);

CalendarDay BuildCalendarDay(const CivilDate& today, Language language, std::span<const HolidayRow> rows);

// The zodiac sign's picture "R_01" .. "R_12" and the eastern year's "R_VOSKRIS" ...
std::string ZodiacPicture(int sign);
std::string AnimalPicture(int animal);

}  // namespace vesrin
