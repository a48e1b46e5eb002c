#pragma once

#include <compare>

// Gregorian dates and the moving feasts of the calendar: both Easters and the n-th and
// last weekdays of a month.

namespace vesrin {

struct CivilDate {
  int Year = 0;
  int Month = 0;  // 1..12
  int Day = 0;    // 1..31
  auto operator<=>(const CivilDate&) const = default;
};

// 1 when the year is a leap year of the Gregorian calendar, else 0.
int LeapDays(int year);
int DaysInMonth(int year, int month);
bool IsValidDate(const CivilDate& date);

// Day of the year, 1 January is 1.
int DayOfYear(const CivilDate& date);
// The date of a day of the year; days before 1 or past the year's end run into the
// neighbouring years.
CivilDate DateOfDay(int year, int dayOfYear);

// 1 Sunday .. 7 Saturday.
int Weekday(const CivilDate& date);

// Easter Sunday of the Orthodox church (Julian computus) as a Gregorian date; the
// Julian calendar lags 13 days behind from 1900 to 2099.
CivilDate OrthodoxEaster(int year);
// Easter Sunday of the Catholic church (Gregorian computus).
CivilDate CatholicEaster(int year);

// The week-th weekday (1 Sunday .. 7 Saturday) of the month, week 1..5; nothing
// (a zero date) when the month has no such day.
CivilDate NthWeekday(int year, int month, int week, int weekday);
// The last such weekday of the month.
CivilDate LastWeekday(int year, int month, int weekday);

// The zodiac sign of a day, 1 Aries .. 12 Pisces.
int ZodiacSign(int month, int day);
// The eastern year's animal, 1 Rat .. 12 Pig.
int EasternAnimal(int year);

}  // namespace vesrin
