#include "calendar/CalendarPictures.h"

#include "TestLibrary.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace vesrin {
namespace {

TEST(CalendarPictures, EveryPictureTheCalendarNamesIsBuiltIn) {
  const std::optional<ResourceLibrary> program = ResourceLibrary::Open(QString(), LibraryPlaces{});
  ASSERT_TRUE(program);
  std::set<std::string> names = {"R_BASE"};
  for (int i = 1; i <= 12; ++i) {
    names.insert(ZodiacPicture(i));
    names.insert(AnimalPicture(i));
  }
  for (const HolidayRow& row : BuiltInHolidays()) names.insert(row.Picture);
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    const QImage picture = program->ReadPicture(QString::fromStdString(name));
    ASSERT_FALSE(picture.isNull());
    if (name == "R_BASE") {
      EXPECT_EQ(picture.size(), QSize(CalendarPictureWidth, CalendarPictureHeight));
    } else if (name.size() == 4) {
      EXPECT_EQ(picture.size(), QSize(26, 30));  // a zodiac sign, at 17, 65
    } else {
      EXPECT_EQ(picture.size(), QSize(54, 70));  // at 3, 27 of the page
    }
  }
}

TEST(CalendarPictures, ADayWithHolidaysGivesItsPicturesAndHints) {
  TInfoCal info;
  ASSERT_TRUE(BuildCalendar(info, {2025, 5, 9}, QStringLiteral("DejaVu Sans"), 0, 0, Language::English, LibraryPlaces{}));
  ASSERT_EQ(info.Count, 3);  // the day, the year and the victory day
  EXPECT_EQ(info.Hint[0], QStringLiteral("Taurus"));
  EXPECT_EQ(info.Hint[1], QStringLiteral("Year Of The Snake"));
  EXPECT_EQ(info.Hint[2], QStringLiteral("Victory day in Great Patriotic war (80-th anniversary, Russian Festival)"));
  for (int i = 0; i < info.Count; ++i) EXPECT_EQ(info.TB[std::size_t(i)].size(), QSize(60, 100)) << i;
  for (std::size_t i = std::size_t(info.Count); i < info.TB.size(); ++i) EXPECT_TRUE(info.TB[i].isNull()) << i;
  // Each picture shows something of its own.
  EXPECT_NE(info.TB[1], info.TB[2]);
  EXPECT_NE(info.TB[0], info.TB[1]);
}

TEST(CalendarPictures, ALibraryBesideTheProgramComesFirst) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QImage page(60, 100, QImage::Format_ARGB32);
  page.fill(QColor(10, 200, 10));
  QImage sign(26, 30, QImage::Format_ARGB32);
  sign.fill(Qt::blue);
  ASSERT_TRUE(test::BuildLibrary(QDir(folder.path()).filePath(CalendarLibrary),
                                 {{QStringLiteral("R_BASE"), test::PngData(page)},
                                  {QStringLiteral("R_09"), test::PngData(sign)}}));
  TInfoCal info;
  ASSERT_TRUE(BuildCalendar(info, {2026, 12, 11}, QStringLiteral("DejaVu Sans"), 0, 0, Language::English,
                            LibraryPlaces::Beside(folder.path())));
  ASSERT_EQ(info.Count, 2);
  EXPECT_EQ(info.TB[0].pixelColor(2, 98), QColor(10, 200, 10));
  EXPECT_EQ(info.TB[0].pixelColor(17 + 5, 65 + 5), QColor(Qt::blue));
}

TEST(CalendarPictures, TheDayCanBeChosenForTests) {
  qputenv("VESRIN_TODAY", "2024-05-05");
  EXPECT_EQ(CalendarToday(), (CivilDate{2024, 5, 5}));
  qputenv("VESRIN_TODAY", "2024-02-30");
  const CivilDate fallback = CalendarToday();
  EXPECT_TRUE(IsValidDate(fallback));
  EXPECT_NE(fallback, (CivilDate{2024, 2, 30}));
  qunsetenv("VESRIN_TODAY");
}

}  // namespace
}  // namespace vesrin
