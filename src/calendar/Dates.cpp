#include "calendar/Dates.h"

#include <array>

namespace vesrin {

int LeapDays(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 ? 1 : 0; }

int DaysInMonth(int year, int month) {
  static constexpr std::array<int, 12> kLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return kLengths[static_cast<std::size_t>(month - 1)] + (month == 2 ? LeapDays(year) : 0);
}

bool IsValidDate(const CivilDate& date) {
  return date.Month >= 1 && date.Month <= 12 && date.Day >= 1 && date.Day <= DaysInMonth(date.Year, date.Month);
}

int DayOfYear(const CivilDate& date) {
  int days = date.Day;
  for (int month = 1; month < date.Month; ++month) days += DaysInMonth(date.Year, month);
  return days;
}

CivilDate DateOfDay(int year, int dayOfYear) {
  while (dayOfYear < 1) {
    --year;
    dayOfYear += 365 + LeapDays(year);
  }
  while (dayOfYear > 365 + LeapDays(year)) {
    dayOfYear -= 365 + LeapDays(year);
    ++year;
  }
  int month = 1;
  while (dayOfYear > DaysInMonth(year, month)) dayOfYear -= DaysInMonth(year, month++);
  return {year, month, dayOfYear};
}

int Weekday(const CivilDate& date) {
  // Zeller's congruence with January and February as months 13 and 14 of the year before.
  int month = date.Month;
  int year = date.Year;
  if (month < 3) {
    month += 12;
    --year;
  }
  const int k = ((year % 100) + 100) % 100;
  const int j = year / 100;
  const int h = (date.Day + 13 * (month + 1) / 5 + k + k / 4 + j / 4 + 5 * j) % 7;  // 0 Saturday
  return (h + 6) % 7 + 1;
}

CivilDate OrthodoxEaster(int year) {
  const int a = year % 19;
  const int d = (19 * a + 15) % 30;
  const int e = (2 * (year % 4) + 4 * (year % 7) + 6 * d + 6) % 7;
  // March 22 + d + e of the Julian calendar, thirteen days later in the Gregorian one.
  const int march22 = 59 + LeapDays(year) + 22;
  return DateOfDay(year, march22 + d + e + 13);
}

CivilDate CatholicEaster(int year) {
  const int g = year % 19 + 1;
  const int c = year / 100 + 1;
  const int x = 3 * c / 4 - 12;
  const int z = (8 * c + 5) / 25 - 5;
  const int s = 5 * year / 4 - x - 10;
  int epact = ((11 * g + 20 + z - x) % 30 + 30) % 30;
  if ((epact == 25 && g > 11) || epact == 24) ++epact;
  int n = 44 - epact;
  if (n < 21) n += 30;
  n = n + 7 - ((s + n) % 7);
  return n > 31 ? CivilDate{year, 4, n - 31} : CivilDate{year, 3, n};
}

CivilDate NthWeekday(int year, int month, int week, int weekday) {
  if (month < 1 || month > 12 || week < 1 || weekday < 1 || weekday > 7) return {};
  const int first = Weekday({year, month, 1});
  const int day = 1 + (weekday - first + 7) % 7 + 7 * (week - 1);
  if (day > DaysInMonth(year, month)) return {};
  return {year, month, day};
}

CivilDate LastWeekday(int year, int month, int weekday) {
  if (month < 1 || month > 12 || weekday < 1 || weekday > 7) return {};
  const int lastDay = DaysInMonth(year, month);
  const int last = Weekday({year, month, lastDay});
  return {year, month, lastDay - (last - weekday + 7) % 7};
}

int ZodiacSign(int month, int day) {
  // The first day of the sign that begins in each month, January .. December, and the sign.
  struct Start {
    int Day;
    int Sign;
  };
  static constexpr std::array<Start, 12> kStarts = {{{21, 11},
                                                     {21, 12},
                                                     {21, 1},
                                                     {21, 2},
                                                     {21, 3},
                                                     {22, 4},
                                                     {23, 5},
                                                     {24, 6},
                                                     {24, 7},
                                                     {24, 8},
                                                     {23, 9},
                                                     {22, 10}}};
  if (month < 1 || month > 12) return 0;
  const Start& start = kStarts[static_cast<std::size_t>(month - 1)];
  if (day >= start.Day) return start.Sign;
  return start.Sign == 1 ? 12 : start.Sign - 1;
}

int EasternAnimal(int year) {
  // 2020 was a year of the rat; the animals follow in the order rat, ox, ... pig.
  return ((year - 2020) % 12 + 12) % 12 + 1;
}

}  // namespace vesrin
