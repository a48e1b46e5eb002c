#include "calendar/CalendarDay.h"

#include "words/CalendarWords.h"

#include <array>

namespace vesrin {

std::string HolidayHint(const HolidayRow& row, int year, Language language) {
  std::string extra;
  // A row counted from a year still to come has no anniversary, nor has its first day.
  if (row.Rule == DateRule::Fixed && row.Year != 0 && year > row.Year) {
    extra = std::to_string(year - row.Year) + std::string(AnniversarySuffix(language));
  }
  const std::string_view region = RegionWord(row.Region, language);
  if (!region.empty()) {
    if (!extra.empty()) extra += ", ";
    extra += region;
  }
  std::string hint = row.Name(language);
  if (!extra.empty()) hint += " (" + extra + ")";
  return hint;
}

std::string ZodiacPicture(int sign) {
  if (sign < 1 || sign > 12) return {};
  return std::string("R_") + static_cast<char>('0' + sign / 10) + static_cast<char>('0' + sign % 10);
}

std::string AnimalPicture(int animal) {
  static constexpr std::array<const char*, 12> kNames = {"R_VOSKRIS", "R_VOSBULL", "R_VOSTIGR", "R_VOSRABB",
                                                         "R_VOSDRAG", "R_VOSSNAK", "R_VOSHORS", "R_VOSKOZA",
                                                         "R_VOSMONK", "R_VOSPETU", "R_VOSDOG0", "R_VOSPIG0"};
  if (animal < 1 || animal > 12) return {};
  return kNames[static_cast<std::size_t>(animal - 1)];
}

CalendarDay BuildCalendarDay(const CivilDate& today, Language language, std::span<const HolidayRow> rows) {
  CalendarDay day;
  day.Date = today;
  day.Sunday = Weekday(today) == 1;
  day.MonthName = std::string(MonthName(today.Month, language));
  day.Zodiac = ZodiacSign(today.Month, today.Day);
  day.Animal = EasternAnimal(today.Year);
  day.Pictures.push_back({ZodiacPicture(day.Zodiac), std::string(ZodiacName(day.Zodiac, language))});
  day.Pictures.push_back({AnimalPicture(day.Animal), std::string(EasternYearName(day.Animal, language))});
  for (const HolidayRow* row : HolidaysOn(today, rows, MaxHolidaysShown)) {
    day.Pictures.push_back({row->Picture, HolidayHint(*row, today.Year, language)});
  }
  return day;
}

}  // namespace vesrin
