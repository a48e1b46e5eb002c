#include "ProgramFixture.h"

#include "app/CaptionColours.h"
#include "app/MainMenuLayout.h"
#include "app/MenuTexts.h"
#include "records/RecordsFile.h"
#include "records/Roster.h"

#include <gtest/gtest.h>

namespace vesrin::test {
namespace {

std::string Padded(std::string_view name) {
    std::string padded(name);
    padded.resize(20, ' ');
    return padded;
}

TEST(MenuTexts, ProfileRowsInBothRankingKinds) {
    const std::string empty20(20, '#');
    struct Case {
        const char* Name;
        std::string Line;
        int Kind;
        std::string Row;
    };
    const Case cases[] = {
        {"games in the cycle and the cycle score", PlayerLine("Anna", 2.6, 1, 26, "a"), 1,
         Padded("Anna") + "    " + "  1" + "    " + "    26"},
        {"games beyond a cycle count modulo 20", PlayerLine("Boris", 3.5, 45, -12, "b"), 1,
         Padded("Boris") + "    " + "  5" + "    " + "   -12"},
        {"a finished cycle shows 0", PlayerLine("Vera", 1, 40, 0, "v"), 1, Padded("Vera") + "    " + "  0" + "    " + "     0"},
        {"games played and the rating", PlayerLine("Boris", 3.5, 45, -12, "b"), 2,
         Padded("Boris") + "  " + "     45" + "  " + "  3,50"},
        {"a negative rating", PlayerLine("Ivan", -0.05, 3, -2, "i"), 2, Padded("Ivan") + "  " + "      3" + "  " + " -0,05"},
        {"an empty slot, kind 1", std::string(kEmptySlotLine), 1, empty20 + "    ###    ######"},
        {"an empty slot, kind 2", std::string(kEmptySlotLine), 2, empty20 + "  #######  ######"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(ProfileRowText(c.Line, c.Kind), c.Row);
    }
}

TEST(MenuTexts, RankingRowsShowNameAndScore) {
    EXPECT_EQ(RankingRowText(MakeTopTenLine("Vera", 250)), Padded("Vera") + "  " + "   250");
    EXPECT_EQ(RankingRowText("short"), Padded("short") + "  ") << "a short line is read no further than it goes";
}

TEST(MenuTexts, RowsAreCutFromPositionTwentyDownwardsUntilTheyFit) {
    // Ten pixels a character: a 37-character row measures 370.
    const auto measure = [](std::string_view text) { return int(text.size()) * 10; };
    const std::string rest = "    " + std::string("  1") + "    " + "    26";
    struct Case {
        const char* Name;
        std::string Row;
        int Limit;
        std::string Shown;
    };
    const Case cases[] = {
        {"a lost letter marks the cut", "ABCDEFGHIJKLMNOPQRST" + rest, ProfileRowLimit, "ABCDEFGHIJKLMNOP..." + rest},
        {"lost blanks leave no mark", Padded("Anna") + rest, ProfileRowLimit, std::string("Anna") + std::string(15, ' ') + rest},
        {"lost number signs leave no mark", std::string(20, '#') + rest, ProfileRowLimit, std::string(19, '#') + rest},
        {"a row that fits stays", "Anna" + rest, ProfileRowLimit, "Anna" + rest},
        {"never below position 5", "ABCDEFGHIJKLMNOPQRST" + rest, 10, "A..." + rest},
        {"ranking rows have their own limit", Padded("Vera") + "  " + "   250", RankingRowLimit,
         "Vera" + std::string(13, ' ') + "  " + "   250"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(CutRowText(c.Row, c.Limit, measure), c.Shown);
    }
}

TEST(CaptionColours, EachSchemeMovesTheColours) {
    struct Case {
        const char* Name;
        int Scheme;
        QRgb In;
        QRgb Out;
    };
    const Case cases[] = {
        {"scheme 1 keeps the picture", 1, qRgb(200, 100, 50), qRgb(200, 100, 50)},
        {"scheme 2 turns red orange", 2, qRgb(255, 0, 0), qRgb(255, 102, 0)},
        {"scheme 2 turns reddish pixels", 2, qRgb(200, 100, 50), qRgb(200, 101, 35)},
        {"scheme 2 leaves grey", 2, qRgb(128, 128, 128), qRgb(128, 128, 128)},
        {"scheme 2 leaves blue", 2, qRgb(20, 40, 255), qRgb(20, 40, 255)},
        {"scheme 3", 3, qRgb(200, 100, 50), qRgb(200, 200, 50)},
        {"scheme 4", 4, qRgb(200, 100, 50), qRgb(100, 200, 50)},
        {"scheme 5", 5, qRgb(200, 100, 50), qRgb(50, 200, 200)},
        {"scheme 6", 6, qRgb(200, 100, 50), qRgb(50, 100, 200)},
        {"scheme 7", 7, qRgb(200, 100, 50), qRgb(200, 100, 200)},
        {"scheme 8 is grey", 8, qRgb(200, 100, 0), qRgb(119, 119, 119)},
        {"the alpha stays", 4, qRgba(255, 0, 0, 128), qRgba(0, 255, 0, 128)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(RecolourCaptionPixel(c.In, c.Scheme), c.Out);
    }
    const int order[] = {2, 3, 4, 5, 6, 7, 1, 2};
    int scheme = 1;
    for (int next : order) EXPECT_EQ(scheme = NextCaptionScheme(scheme), next);
    EXPECT_EQ(NextCaptionScheme(8), 1);
}

TEST(MainMenuLayout, ElementsFollowTheWindowSize) {
    const MainMenuPlaces small = PlaceMainMenu(TableScaleFor(1, {}));
    EXPECT_EQ(small.RowHeight, 30);
    EXPECT_EQ(small.ImTitle, QRect(230, 85, 300, 90));
    EXPECT_EQ(small.Panel4, QRect(180, 225, 400, 30));
    EXPECT_EQ(small.ProfileRows[4], QRect(180, 385, 400, 30));
    EXPECT_EQ(small.Button6, QRect(280, 425, 200, 30));
    EXPECT_EQ(small.Button11, QRect(330, 465, 100, 30));
    EXPECT_EQ(small.RxGIFAn2, QRect(592, 290, 160, 200));
    EXPECT_EQ(small.ImageSvRight, QRect(600, 30, 100, 200));
    EXPECT_EQ(small.RightIcons[3], QRect(707, 164, 48, 48));

    const MainMenuPlaces large = PlaceMainMenu(TableScaleFor(5, {}));
    EXPECT_EQ(large.RowHeight, 60);
    EXPECT_EQ(large.ImTitle, QRect(460, 170, 600, 180));
    EXPECT_EQ(large.ProfileRows[0], QRect(360, 530, 800, 60));
    EXPECT_EQ(large.Button6, QRect(560, 850, 400, 60));
    EXPECT_EQ(large.ImCaption, QRect(360, 24, 800, 140));
    // Pictures that keep their own size stay centred on their stretched places.
    EXPECT_EQ(large.RxGIFAn1, QRect(94, 680, 160, 200));
    EXPECT_EQ(large.ImageSvLeft, QRect(170, 160, 100, 200));
    EXPECT_EQ(large.ImClock1, QRect(163, 369, 115, 64)) << "centred under the decoration, in the gap to Button9";
    EXPECT_EQ(large.RightIcons[0], QRect(1467, 5, 48, 48));

    // Full screen: the rows take ScaleX for their width and keep [Scale x 30] high.
    const MainMenuPlaces full = PlaceMainMenu(TableScaleFor(2, QSize(1920, 1040)));
    EXPECT_EQ(full.RowHeight, 62);
    EXPECT_EQ(full.ProfileRows[0].width(), 1011);
}

TEST(MainMenuLayout, ClockAndStatisticsPanelOnlyInTheLargerWindows) {
    struct Case {
        const char* Name;
        int WindowSize;
        QSize FullScreen;
        bool Shown;
    };
    const Case cases[] = {
        {"small window", 1, {}, false},
        {"average window 1", 3, {}, false},
        {"average window 2", 4, {}, true},
        {"large window", 5, {}, true},
        {"full screen 1290 x 850", 2, QSize(1290, 850), false},
        {"full screen 1291 x 851", 2, QSize(1291, 851), true},
        {"full screen wide but low", 2, QSize(1920, 850), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const TableScale scale = TableScaleFor(c.WindowSize, c.FullScreen);
        EXPECT_EQ(ShowsMenuPanels(scale), c.Shown);
        EXPECT_EQ(ShowsMenuClock(scale), c.Shown);
    }
}

} // namespace
} // namespace vesrin::test
