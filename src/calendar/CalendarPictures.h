#pragma once

#include "calendar/CalendarDay.h"
#include "table/ResourceLibrary.h"
#include "words/Language.h"

#include <QImage>
#include <QString>

#include <array>

// The calendar's pictures: the day picture (number, month, zodiac sign) and the pictures
// of the eastern year and of today's holidays, each 60 x 100 on the calendar page, with
// their hints.

namespace vesrin {

inline constexpr int CalendarPictureWidth = 60;
inline constexpr int CalendarPictureHeight = 100;
inline const QString CalendarLibrary = QStringLiteral("QorCalendar01.dll");

// TB[0] the day, TB[1] the eastern year, TB[2..] today's holidays; Count are filled.
struct TInfoCal {
  std::array<QImage, 2 + MaxHolidaysShown> TB;
  std::array<QString, 2 + MaxHolidaysShown> Hint;
  int Count = 0;
};

// The day's pictures and hints, drawn with the pictures of "QorCalendar01.dll" when it is
// beside the program (or in its parent folder), else with the program's own. Font sizes in
// points, 0 for the defaults (12 for the day's number, 8 for the month). False when
// neither has the calendar page; the pictures are then left empty.
bool BuildCalendar(TInfoCal& info, const CivilDate& today, const QString& fontName, int daySize, int monthSize,
                   Language language, const LibraryPlaces& places);

// Today as the calendar sees it: the local date, or the date in the environment variable
// VESRIN_TODAY ("2025-05-09") when it holds a valid one, so that a test or a screenshot
// can show a chosen day.
CivilDate CalendarToday();

}  // namespace vesrin
