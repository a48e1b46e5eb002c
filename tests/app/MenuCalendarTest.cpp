#include "ProgramFixture.h"

#include "table/Rounding.h"

#include <QTimer>

namespace vesrin::test {
namespace {

// The calendar's day comes from VESRIN_TODAY, set before the program is made.
class MenuCalendarTest : public ProgramTest {
protected:
    void MakeProgramOn(const char* day, int windowSize = 1) {
        qputenv("VESRIN_TODAY", day);
        if (windowSize != 1) {
            Settings options;
            options.WindowSize = windowSize;
            WriteBytes(SettingsFile(), FormatSettings(options));
        }
        MakeProgram();
        ASSERT_TRUE(form->MenuShown());
    }
    void TearDown() override {
        qunsetenv("VESRIN_TODAY");
        ProgramTest::TearDown();
    }
    MenuCalendar& Calendar() { return *Menu().Calendar; }
};

TEST_F(MenuCalendarTest, TheRightPictureCyclesThroughTheYearAndTheDaysHolidays) {
    // 2 February 2025: Stalingrad and the Catholic Candlemas.
    MakeProgramOn("2025-02-02");
    MenuCalendar& cal = Calendar();
    ASSERT_TRUE(cal.Shown());
    EXPECT_TRUE(cal.ImCalL->isVisible());
    EXPECT_TRUE(cal.ImCalR->isVisible());
    EXPECT_TRUE(cal.TimerCal.isActive());
    EXPECT_EQ(cal.TimerCal.interval(), 10000);
    EXPECT_EQ(cal.Info().Count, 4);
    EXPECT_EQ(cal.ImCalL->toolTip(), QStringLiteral("Aquarius"));
    EXPECT_EQ(cal.ImCalL->Picture().size(), QSize(60, 100));

    const QString cycle[] = {
        QStringLiteral("Year Of The Snake"),
        QStringLiteral("The day of the victory of Soviet forces in the battle of Stalingrad (82-th anniversary, "
                       "Russian Festival)"),
        QStringLiteral("Candlemas (Catholic feast)"),
        QStringLiteral("Year Of The Snake"),
    };
    for (const QString& hint : cycle) {
        SCOPED_TRACE(hint.toStdString());
        EXPECT_EQ(cal.ImCalR->toolTip(), hint);
        EXPECT_EQ(cal.ImCalR->Picture(), cal.Info().TB[std::size_t(cal.RightIndex())]);
        cal.TimerCalTimer();
    }
}

TEST_F(MenuCalendarTest, ADayWithoutHolidaysKeepsTheYearAndPaintsNothing) {
    MakeProgramOn("2026-12-11");
    MenuCalendar& cal = Calendar();
    ASSERT_TRUE(cal.Shown());
    EXPECT_EQ(cal.Info().Count, 2);
    const qint64 before = cal.ImCalR->Picture().cacheKey();
    for (int i = 0; i < 3; ++i) cal.TimerCalTimer();
    EXPECT_EQ(cal.RightIndex(), 1);
    EXPECT_EQ(cal.ImCalR->Picture().cacheKey(), before);
    EXPECT_EQ(cal.ImCalR->toolTip(), QStringLiteral("Year Of The Horse"));
    EXPECT_EQ(cal.ImCalL->toolTip(), QStringLiteral("Sagittarius"));
}

TEST_F(MenuCalendarTest, PicturesStandOnTheTableAndPushTheSideDecorationsOut) {
    for (int size : {1, 5}) {
        SCOPED_TRACE(size);
        MakeProgramOn("2025-05-09", size);
        const TableScale& s = context->Scale;
        const int y = RoundHalfEven(95 * s.ScaleY) + RoundHalfEven(50 * (s.ScaleY - 1));
        const int shift = RoundHalfEven(30 * (s.ScaleX - 1));
        EXPECT_EQ(Calendar().ImCalL->geometry(), QRect(RoundHalfEven(150 * s.ScaleX) + shift, y, 60, 100));
        EXPECT_EQ(Calendar().ImCalR->geometry(), QRect(RoundHalfEven(550 * s.ScaleX) + shift, y, 60, 100));
        EXPECT_EQ(Menu().CalendarShift(), 20);
        EXPECT_EQ(Menu().Places().ImageSvLeft, PlaceMainMenu(s, 20).ImageSvLeft);
        EXPECT_EQ(Menu().Places().ImageSvRight, PlaceMainMenu(s, 20).ImageSvRight);
        form.reset();
        context.reset();
    }
}

TEST_F(MenuCalendarTest, TheCycleStopsWhileTheMenuIsHidden) {
    MakeProgramOn("2025-05-09");
    ASSERT_TRUE(Calendar().TimerCal.isActive());
    Menu().hide();
    EXPECT_FALSE(Calendar().TimerCal.isActive());
    Menu().show();
    EXPECT_TRUE(Calendar().TimerCal.isActive());
}

} // namespace
} // namespace vesrin::test
