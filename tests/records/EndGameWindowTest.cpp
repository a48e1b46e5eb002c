#include "records/EndGameWindow.h"

#include "UiTestSupport.h"

#include <gtest/gtest.h>

namespace vesrin {
namespace {

class EndGameWindow : public ::testing::Test, public test::WindowsFixture {};

TEST_F(EndGameWindow, TextsPicturesAndSoundsFollowThePlace) {
    struct Case {
        const char* Name;
        CycleReport Report;
        QStringList Lines;
        const char* Animation;
        const char* Sound;
        int Medal;
    };
    const Case cases[] = {
        {"best local cycle",
         {GameKind::Local, 1, 310, 0, 0},
         {"CONGRATULATIONS!!!", "Your result - the best!", "Result: 310", "You become a Master of the Order!"},
         "GEndBest", "WFiBest", 1},
        {"best network cycle",
         {GameKind::Network, 1, 90, 0, 0},
         {"CONGRATULATIONS!!!", "Your result - the best!", "Result: 90", "You become a Bachelor of the Order!"},
         "GEndBest", "WFiBest", 1},
        {"fourth place",
         {GameKind::Local, 4, 150, 0, 0},
         {"CONGRATULATIONS!!!", "Good result!", "Result: 150", "You have hitted in top ten players!"},
         "GEndGood", "WFiGood", 4},
        {"no place",
         {GameKind::Local, 0, -40, 0, 0},
         {"Our regrets...", "Your result keeps to wish best", "Result: -40",
          "You have not hitted in ten best players..."},
         "GEndBads", "WFiBads", 0},
        {"best account series with its bonus",
         {GameKind::Account, 1, 220, 1, 25},
         {"CONGRATULATIONS!!!", "Your result - the best!", "Result: 220",
          "You become the Vice-President of the order!", "You get 25 Qors!!!"},
         "GEndBest", "WFiBest", 1},
        {"account series beyond the world ten",
         {GameKind::Account, 0, 20, 37, 0},
         {"Our regrets...", "Your result keeps to wish best", "Result: 20 ; Place: 37",
          "You have not hitted in ten best players..."},
         "GEndBads", "WFiBads", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        sounds.clear();
        TFormEndGame window(context, c.Report);
        window.show();
        EXPECT_EQ(window.windowTitle(), "The completion of game");
        EXPECT_EQ(window.Lines(), c.Lines);
        EXPECT_EQ(window.AnimationName(), c.Animation);
        EXPECT_EQ(window.MedalPlace(), c.Medal);
        EXPECT_EQ(window.AnimationLoops(), c.Medal == 0) << "a place reached is celebrated once";
        EXPECT_EQ(sounds, std::vector<std::string>{c.Sound});
    }
}

TEST_F(EndGameWindow, ReopeningPlaysTheSoundOnceAndTakesTheNewLanguage) {
    TFormEndGame window(context, CycleReport{GameKind::Local, 2, 120, 0, 0});
    window.show();
    window.hide();
    settings.Language = 1;
    window.show();
    EXPECT_EQ(sounds.size(), 1u);
    EXPECT_EQ(window.Lines()[2], QString::fromUtf8("Результат: 120"));

    TFormEndGame bonus(context, CycleReport{GameKind::Account, 1, 220, 1, 25});
    bonus.show();
    ASSERT_EQ(bonus.Lines().size(), 5u);
    EXPECT_EQ(bonus.Lines()[4], QString::fromUtf8("Вы получаете 25 Qors!!!")) << "the bonus line too";
}

} // namespace
} // namespace vesrin
