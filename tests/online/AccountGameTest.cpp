#include "online/AccountGame.h"

#include <gtest/gtest.h>

namespace vesrin {
namespace {

TEST(AccountGame, RatingsOfTheBookingAndTheSettlement) {
    struct Case {
        const char* name;
        long long kon;
        double rating;
        long long result;
        double provisional, settled;
    };
    const Case cases[] = {
        // Nine games at 5.0: the tenth is booked at ((9 x 4.55) - 200) / 10 + 0.5.
        {"nine games at 5.0, a draw", 9, 5.0, 0, -15.405, 4.595},
        {"nine games at 5.0, won by 10", 9, 5.0, 10, -15.405, 5.595},
        {"nine games at 5.0, lost by 12", 9, 5.0, -12, -15.405, 3.395},
        {"the first game", 0, 0.0, 26, -199.95, 26.05},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QorGame read;
        read.Kon = c.kon;
        read.Rating = c.rating;
        const QorGame booked = BookedGame(read);
        EXPECT_EQ(booked.Kon, c.kon + 1);
        EXPECT_NEAR(booked.Rating, c.provisional, 1e-9);
        EXPECT_NEAR(SettledGame(booked, 3, c.result, 40).Rating, c.settled, 1e-9);
    }
}

TEST(AccountGame, TheBookingClearsTheCycleAndTheSettlementRestoresIt) {
    QorGame read;
    read.Kon = 30;
    read.Rating = 2.5;
    read.KonL = 7;
    read.Score = 55;
    read.Best = 90;
    read.Sessions = 1;
    const QorGame booked = BookedGame(read);
    EXPECT_EQ(booked.KonL, 0);
    EXPECT_EQ(booked.Score, 0);
    EXPECT_EQ(booked.Best, 90);

    const QorGame middle = SettledGame(booked, 7, 5, 60);
    EXPECT_EQ(middle.KonL, 8);
    EXPECT_EQ(middle.Score, 60);
    EXPECT_EQ(middle.Sessions, 1);
}

TEST(AccountGame, TheTwentiethGameClosesTheCycle) {
    struct Case {
        const char* name;
        long long best, runningScore, expectedBest;
    };
    const Case cases[] = {
        {"a better cycle", 90, 120, 120},
        {"a weaker cycle keeps the best", 90, 40, 90},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QorGame booked;
        booked.Kon = 40;
        booked.Best = c.best;
        booked.Sessions = 1;
        const QorGame closed = SettledGame(booked, 19, 3, c.runningScore);
        EXPECT_EQ(closed.KonL, 0);
        EXPECT_EQ(closed.Score, 0);
        EXPECT_EQ(closed.Sessions, 2);
        EXPECT_EQ(closed.Best, c.expectedBest);
    }
}

TEST(AccountGame, AReadBackWithoutGamesLeavesTheRatingAsItIs) {
    QorGame empty;
    empty.Rating = 1.25;
    EXPECT_DOUBLE_EQ(SettledGame(empty, 0, 10, 10).Rating, 1.25);
}

} // namespace
} // namespace vesrin
