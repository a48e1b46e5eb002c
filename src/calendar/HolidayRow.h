#pragma once

#include "calendar/Dates.h"
#include "words/Language.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The calendar's holiday rows: "date code#region#picture#" and ten names, each ended by
// "#", the Russian name first. The date code has ten characters:
//   "dd.mm.yyyy"   a fixed date; year 0000 every year, any other year is the first one and
//                  gives the hint an anniversary;
//   "pasha.pXXX"   Orthodox Easter and a signed offset ("000", "-07", "+40");
//   "pasha.kXXX"   Catholic Easter and such an offset;
//   "****w.d.mm"   the w-th weekday d (1 Sunday .. 7 Saturday) of month mm;
//   "****l.d.mm"   the last weekday d of month mm.

namespace vesrin {

enum class DateRule { Fixed, OrthodoxEaster, CatholicEaster, NthWeekday, LastWeekday };

struct HolidayRow {
  DateRule Rule = DateRule::Fixed;
  int Day = 0;      // Fixed
  int Month = 0;    // Fixed, NthWeekday, LastWeekday
  int Year = 0;     // Fixed: 0 for every year, else the year of the first event
  int Offset = 0;   // the Easters: the stored day offset
  int Week = 0;     // NthWeekday: 1..5
  int WeekDay = 0;  // NthWeekday, LastWeekday: 1 Sunday .. 7 Saturday
  std::string Region;
  std::string Picture;
  // The names in the program's language order (English first, then Russian, ...).
  std::array<std::string, LanguageCount> Names;

  const std::string& Name(Language language) const { return Names[static_cast<std::size_t>(language)]; }
};

// One row; nothing when the text is not a well-formed row (fields out of their columns, an
// unknown date code, fewer than ten names). Anything after the tenth name is ignored.
std::optional<HolidayRow> ParseHolidayRow(std::string_view text);

// The built-in rows in table order, without the private rows (region "QOR").
const std::vector<HolidayRow>& BuiltInHolidays();

// The row's date in a year; nothing when it has none that year (a fifth weekday the month
// lacks, 29 February outside leap years). Positive Easter offsets count Easter Sunday as the
// first day, as the church does: "+40" is the fortieth day (Ascension, a Thursday) and
// "+50" the fiftieth (Pentecost, a Sunday), Easter + 39 and + 49 days. Programmer's day
// (picture "R_ALLPROG") keeps to the 256th day of the year, 12 September in leap years.
std::optional<CivilDate> HolidayDate(const HolidayRow& row, int year);

// Today's rows in table order, at most `limit`.
std::vector<const HolidayRow*> HolidaysOn(const CivilDate& today, std::span<const HolidayRow> rows,
                                          std::size_t limit);

}  // namespace vesrin
