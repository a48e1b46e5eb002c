#include "records/CountWindow.h"

#include "UiTestSupport.h"

#include <gtest/gtest.h>

namespace vesrin {
namespace {

class CountWindow : public ::testing::Test, public test::WindowsFixture {};

TEST_F(CountWindow, ShowsTheCountersOfEachKindOfGame) {
    struct Case {
        const char* Name;
        GameCountsView Game;
        QStringList Values;
        QStringList Pictures;
    };
    const Case cases[] = {
        {"local game 40 ends a cycle",
         {{GameKind::Local, 40, 85, -12, 3.456, 0, 0}, 1},
         {"40", "20", "85", "-12", "73", "3,46", "3,34"},
         {"GClubC", "GClubF"}},
        {"first game of a new player",
         {{GameKind::Local, 1, 0, 40, 0, 0, 0}, 2},
         {"1", "1", "0", "40", "40", "0,00", "4,00"},
         {"GClubC", "GClubF"}},
        {"network game",
         {{GameKind::Network, 10, 9, 5, 2.5, 0, 0}, 1},
         {"10", "10", "9", "5", "14", "2,50", "2,30"},
         {"GClubG"}},
        {"account game",
         {{GameKind::Account, 7, 30, 15, 0, 6, 12.6}, 3},
         {"7", "7", "30", "15", "45", "13", "?"},
         {"GClubA", "GClubB"}},
        {"tournament game",
         {{GameKind::Tournament, 3, 100, -20, 0, 0, 1500.4}, 2},
         {"3", "-", "100", "-20", "80", "1500", "?"},
         {"GClubE"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TFormCount window(context, c.Game);
        window.show();
        QStringList values;
        for (int row = 0; row < TFormCount::Rows; ++row) values << window.ValueText(row);
        EXPECT_EQ(values, c.Values);
        EXPECT_EQ(window.ShownPictures(), c.Pictures);
    }
}

TEST_F(CountWindow, LabelsComeFromTheWordTableOfTheLanguage) {
    TFormCount window(context, GameCountsView{});
    window.show();
    EXPECT_EQ(window.windowTitle(), "Information about game");
    const QStringList english = {"General number of game:", "Number of round in a current cycle:",
                                 "The initial score:",       "The current score:",
                                 "The general score:",       "The initial rating:",
                                 "The current rating:"};
    for (int row = 0; row < TFormCount::Rows; ++row) EXPECT_EQ(window.LabelText(row), english[row]);
    window.hide();
    settings.Language = 1;
    window.show();
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Информация об игре"));
    EXPECT_NE(window.LabelText(0), english[0]);
}

TEST(CountPictures, KindsAndLamps) {
    EXPECT_EQ(CountKindPictures(GameKind::Account, true), (QStringList{"GifA", "GifB"}));
    EXPECT_EQ(CountKindPictures(GameKind::Network, true), (QStringList{"GifG"}));
    EXPECT_EQ(AccountLampPicture(1), "LampR24");
    EXPECT_EQ(AccountLampPicture(2), "LampY24");
    EXPECT_EQ(AccountLampPicture(3), "LampG24");
}

TEST_F(CountWindow, PurpleWithoutTheLibraryShowsTheBuiltInPictures) {
    settings.AuxDesignPurple = true;
    TFormCount window(context, GameCountsView{{GameKind::Account, 1, 0, 0, 0, 0, 0}, 3});
    window.show();
    EXPECT_EQ(window.Design().Look, AuxLook::Purple) << "the window has no library background to miss";
    EXPECT_EQ(window.ShownPictures(), (QStringList{"GClubA", "GClubB"}));
}

} // namespace
} // namespace vesrin
