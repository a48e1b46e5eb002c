#include "calendar/CalendarPictures.h"

#include <QDate>
#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace vesrin {

namespace {

constexpr QPoint kZodiacSpot(17, 65);
constexpr QPoint kPictureSpot(3, 27);

// Pixels of a point size at the design's 96 dots per inch.
int Pixels(int points) { return int(std::lround(points * 96.0 / 72.0)); }

void CentredText(QPainter& p, const QString& text, const QFont& font, const QColor& colour, int centreY) {
  const QFontMetrics metrics(font);
  const int x = (CalendarPictureWidth - metrics.horizontalAdvance(text)) / 2;
  const int y = centreY - metrics.height() / 2 + metrics.ascent();
  p.setFont(font);
  p.setPen(colour);
  p.drawText(x, y, text);
}

QImage OnPage(const QImage& page, const QImage& picture, QPoint spot) {
  QImage composed = page.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QPainter p(&composed);
  p.drawImage(spot, picture);
  return composed;
}

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

}  // namespace

bool BuildCalendar(TInfoCal& info, const CivilDate& today, const QString& fontName, int daySize, int monthSize,
                   Language language, const LibraryPlaces& places) {
  info = TInfoCal{};
  std::optional<ResourceLibrary> library = ResourceLibrary::Open(CalendarLibrary, places);
  if (!library || library->ReadPicture(QStringLiteral("R_BASE")).isNull()) {
    library = ResourceLibrary::Open(QString(), places);
  }
  if (!library) return false;
  const QImage page = library->ReadPicture(QStringLiteral("R_BASE"));
  if (page.isNull()) return false;

  const CalendarDay day = BuildCalendarDay(today, language, BuiltInHolidays());
  const auto picture = [&](const std::string& name) { return library->ReadPicture(FromUtf8(name)); };

  // The day: its number (red on Sundays), the month and the zodiac sign.
  QImage first = OnPage(page, picture(day.Pictures[0].Picture), kZodiacSpot);
  {
    QPainter p(&first);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont number(fontName);
    number.setBold(true);
    number.setPixelSize(Pixels(daySize > 0 ? daySize : 12));
    CentredText(p, QString::number(today.Day), number, day.Sunday ? QColor(220, 0, 0) : QColor(Qt::black), 22);
    const QString month = FromUtf8(day.MonthName);
    QFont monthFont(fontName);
    int monthPoints = monthSize > 0 ? monthSize : 8;
    if (month.size() > 8) --monthPoints;
    monthFont.setPixelSize(Pixels(monthPoints));
    CentredText(p, month, monthFont, Qt::black, 42);
  }
  info.TB[0] = first;
  info.Hint[0] = FromUtf8(day.Pictures[0].Hint);
  for (std::size_t i = 1; i < day.Pictures.size() && i < info.TB.size(); ++i) {
    info.TB[i] = OnPage(page, picture(day.Pictures[i].Picture), kPictureSpot);
    info.Hint[i] = FromUtf8(day.Pictures[i].Hint);
  }
  info.Count = int(std::min(day.Pictures.size(), info.TB.size()));
  return true;
}

CivilDate CalendarToday() {
  const QDate chosen = QDate::fromString(qEnvironmentVariable("VESRIN_TODAY"), Qt::ISODate);
  const QDate today = chosen.isValid() ? chosen : QDate::currentDate();
  return {today.year(), today.month(), today.day()};
}

}  // namespace vesrin
