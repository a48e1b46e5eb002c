#include "records/Rating.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vesrin {
namespace {

TEST(ComputeRating, Cases) {
    struct Case {
        const char* name;
        int gameNo;
        int result;
        double start;
        double rating;
    };
    const Case cases[] = {
        {"first game of a new player", 1, 40, 0.0, 4.0},
        {"tenth game", 10, -15, 2.5, 2.1},
        {"rounded to six decimals", 3, 1, 0.0, 0.033333},
        {"negative rounding", 3, -1, 0.0, -0.033333},
        {"limited above", 1, 5000, 0.0, 99.99},
        {"limited below", 1, -5000, 0.0, -99.99},
        {"a high average stays at the limit", 2, 2000, 99.99, 99.99},
        {"game number 0 counts as the first", 0, 40, 7.0, 4.0},
        {"a tiny negative average is plain zero", 4, 0, -0.0000001, 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const double rating = ComputeRating(c.gameNo, c.result, c.start);
        EXPECT_DOUBLE_EQ(rating, c.rating);
        if (c.rating == 0) {
            EXPECT_FALSE(std::signbit(rating)) << "no negative zero";
        }
    }
}

TEST(RatingText, Cases) {
    struct Case {
        double rating;
        const char* text;
    };
    const Case cases[] = {
        {8.22, "8,22"},  {-0.05, "-0,05"}, {0.004, "0,00"},  {0.0, "0,00"},     {-0.004, "0,00"},
        {0.07, "0,07"},  {0.5, "0,50"},    {12.34, "12,34"}, {99.99, "99,99"},  {-99.99, "-99,99"},
        {0.125, "0,12"}, {0.135, "0,14"},  {1.0, "1,00"},    {-12.5, "-12,50"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rating);
        EXPECT_EQ(RatingText(c.rating), c.text);
    }
    EXPECT_EQ(RatingText(8.22, 10), "      8,22");
    EXPECT_EQ(RatingText(-0.05, 10), "     -0,05");
    EXPECT_EQ(RatingText(0.004, 10), "      0,00");
    EXPECT_EQ(RatingText(2.5, 6), "  2,50");
}

TEST(Cycles, PositionAndEnd) {
    EXPECT_EQ(CyclePosition(1), 1);
    EXPECT_EQ(CyclePosition(19), 19);
    EXPECT_EQ(CyclePosition(20), 20);
    EXPECT_EQ(CyclePosition(40), 20);
    EXPECT_EQ(CyclePosition(41), 1);
    EXPECT_FALSE(EndsCycle(19));
    EXPECT_TRUE(EndsCycle(20));
    EXPECT_TRUE(EndsCycle(40));
    EXPECT_FALSE(EndsCycle(0));
}

TEST(GameKinds, TournamentThenAccountThenNetwork) {
    static_assert(GameKindOf(true, 3, true) == GameKind::Tournament);
    static_assert(GameKindOf(false, 3, true) == GameKind::Account);
    static_assert(GameKindOf(false, 2, true) == GameKind::Network);
    static_assert(GameKindOf(false, 1, false) == GameKind::Local);
    SUCCEED();
}

TEST(CountTexts, ByKind) {
    CountInputs local;
    local.GameNo = 40;
    local.BaseScore = 30;
    local.GameScore = -5;
    local.StartRating = 2.5;
    const TCount l = MakeCountTexts(local);
    EXPECT_EQ(l.Count_KonAll, "40");
    EXPECT_EQ(l.Count_KonCur, "20");
    EXPECT_EQ(l.Count_ScoBeg, "30");
    EXPECT_EQ(l.Count_ScoCur, "-5");
    EXPECT_EQ(l.Count_ScoAll, "25");
    EXPECT_EQ(l.Count_ReiBeg, "  2,50");
    EXPECT_EQ(l.Count_ReiCur, "  2,42"); // (39 x 2.5 - 0.5) / 40 = 2.425, held just below the half

    CountInputs account = local;
    account.Kind = GameKind::Account;
    account.AccountGamesInSeries = 6;
    account.RemoteRating = 41.6;
    const TCount a = MakeCountTexts(account);
    EXPECT_EQ(a.Count_KonCur, "7");
    EXPECT_EQ(a.Count_ReiBeg, "42");
    EXPECT_EQ(a.Count_ReiCur, "?");

    CountInputs tour = account;
    tour.Kind = GameKind::Tournament;
    const TCount t = MakeCountTexts(tour);
    EXPECT_EQ(t.Count_KonCur, "-");
    EXPECT_EQ(t.Count_ReiCur, "?");
}

} // namespace
} // namespace vesrin
