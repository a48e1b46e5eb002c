#include "calendar/HolidayRow.h"

#include "words/CalendarWords.h"

namespace vesrin {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A number of only digits; -1 otherwise.
int Digits(std::string_view text) {
  if (text.empty()) return -1;
  int value = 0;
  for (char c : text) {
    if (!IsDigit(c)) return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

// "000", "-07", "+40": three characters, an optional sign and the digits.
std::optional<int> Offset(std::string_view text) {
  if (text.size() != 3) return std::nullopt;
  int sign = 1;
  if (text[0] == '-' || text[0] == '+') {
    sign = text[0] == '-' ? -1 : 1;
    text.remove_prefix(1);
  }
  const int value = Digits(text);
  if (value < 0) return std::nullopt;
  return sign * value;
}

bool ParseDateCode(std::string_view code, HolidayRow& row) {
  if (code.substr(0, 6) == "pasha.") {
    if (code[6] != 'p' && code[6] != 'k') return false;
    const std::optional<int> offset = Offset(code.substr(7));
    if (!offset) return false;
    row.Rule = code[6] == 'p' ? DateRule::OrthodoxEaster : DateRule::CatholicEaster;
    row.Offset = *offset;
    return true;
  }
  if (code.substr(0, 4) == "****") {
    if (code[5] != '.' || code[7] != '.') return false;
    row.WeekDay = Digits(code.substr(6, 1));
    row.Month = Digits(code.substr(8, 2));
    if (row.WeekDay < 1 || row.WeekDay > 7 || row.Month < 1 || row.Month > 12) return false;
    if (code[4] == 'l') {
      row.Rule = DateRule::LastWeekday;
      return true;
    }
    row.Week = Digits(code.substr(4, 1));
    row.Rule = DateRule::NthWeekday;
    return row.Week >= 1 && row.Week <= 5;
  }
  if (code[2] != '.' || code[5] != '.') return false;
  row.Rule = DateRule::Fixed;
  row.Day = Digits(code.substr(0, 2));
  row.Month = Digits(code.substr(3, 2));
  row.Year = Digits(code.substr(6, 4));
  return row.Day >= 1 && row.Month >= 1 && row.Month <= 12 && row.Year >= 0 &&
         row.Day <= DaysInMonth(2000, row.Month);
}

// The row stores the names Russian first; the program's order has English first.
std::size_t LanguageOfStoredName(std::size_t stored) {
  if (stored == 0) return static_cast<std::size_t>(Language::Russian);
  if (stored == 1) return static_cast<std::size_t>(Language::English);
  return stored;
}

}  // namespace

std::optional<HolidayRow> ParseHolidayRow(std::string_view text) {
  if (text.size() < 26 || text[10] != '#' || text[14] != '#' || text[24] != '#') return std::nullopt;
  HolidayRow row;
  if (!ParseDateCode(text.substr(0, 10), row)) return std::nullopt;
  row.Region = std::string(text.substr(11, 3));
  row.Picture = std::string(text.substr(15, 9));
  std::string_view names = text.substr(25);
  for (std::size_t stored = 0; stored < row.Names.size(); ++stored) {
    const std::size_t end = names.find('#');
    if (end == std::string_view::npos) return std::nullopt;
    row.Names[LanguageOfStoredName(stored)] = std::string(names.substr(0, end));
    names.remove_prefix(end + 1);
  }
  return row;
}

const std::vector<HolidayRow>& BuiltInHolidays() {
  static const std::vector<HolidayRow> rows = [] {
    std::vector<HolidayRow> parsed;
    for (std::string_view text : HolidayRows()) {
      std::optional<HolidayRow> row = ParseHolidayRow(text);
      if (row && row->Region != "QOR") parsed.push_back(std::move(*row));
    }
    return parsed;
  }();
  return rows;
}

std::optional<CivilDate> HolidayDate(const HolidayRow& row, int year) {
  CivilDate date;
  switch (row.Rule) {
    case DateRule::Fixed:
      date = {year, row.Month, row.Day};
      if (row.Picture == "R_ALLPROG") date = DateOfDay(year, 256);
      break;
    case DateRule::OrthodoxEaster:
    case DateRule::CatholicEaster: {
      const CivilDate easter = row.Rule == DateRule::OrthodoxEaster ? OrthodoxEaster(year) : CatholicEaster(year);
      const int days = row.Offset > 0 ? row.Offset - 1 : row.Offset;
      date = DateOfDay(year, DayOfYear(easter) + days);
      break;
    }
    case DateRule::NthWeekday:
      date = NthWeekday(year, row.Month, row.Week, row.WeekDay);
      break;
    case DateRule::LastWeekday:
      date = LastWeekday(year, row.Month, row.WeekDay);
      break;
  }
  if (!IsValidDate(date) || date.Year != year) return std::nullopt;
  return date;
}

std::vector<const HolidayRow*> HolidaysOn(const CivilDate& today, std::span<const HolidayRow> rows,
                                          std::size_t limit) {
  std::vector<const HolidayRow*> found;
  for (const HolidayRow& row : rows) {
    if (found.size() >= limit) break;
    if (HolidayDate(row, today.Year) == today) found.push_back(&row);
  }
  return found;
}

}  // namespace vesrin
