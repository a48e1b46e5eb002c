#include "online/AccountRecords.h"
#include "online/StatisticsCounters.h"

#include <gtest/gtest.h>

namespace vesrin {
namespace {

TEST(AccountRecords, AccountReplyFillsTheProfileInOrder) {
    QorUser user;
    ASSERT_TRUE(ReadAccountReply("ok$Paris France 1-015 Woman a@b.c 11.12.2026 x1 x2 x3 25 6 7$", user));
    EXPECT_EQ(user.City, "Paris");
    EXPECT_EQ(user.Country1, "France");
    EXPECT_EQ(user.Country2, "1-015");
    EXPECT_EQ(user.Sex, 'W');
    EXPECT_EQ(user.EMail, "a@b.c");
    EXPECT_EQ(user.DateR, "11.12.2026");
    EXPECT_EQ(user.R03, "x3");
    EXPECT_EQ(user.R04, 25);
    EXPECT_EQ(user.R06, 7);

    QorUser refused;
    EXPECT_FALSE(ReadAccountReply("no", refused));
    QorUser shortReply;
    ASSERT_TRUE(ReadAccountReply("ok$Paris", shortReply));
    EXPECT_EQ(shortReply.Country1, "") << "the blank closing the record opens an empty field";
    EXPECT_EQ(shortReply.Country2, "#");
    EXPECT_EQ(shortReply.DateR, "00.00.0000");
    EXPECT_EQ(shortReply.R04, 0);
}

TEST(AccountRecords, GameReplyReadsEightFieldsAndAReplyWithoutRecordIsZero) {
    const QorGame game = ReadGameReply("ok$10 -40 -15.405 2 3 -7 0 abc$");
    EXPECT_EQ(game.Kon, 10);
    EXPECT_EQ(game.Best, -40);
    EXPECT_DOUBLE_EQ(game.Rating, -15.405);
    EXPECT_EQ(game.Sessions, 2);
    EXPECT_EQ(game.KonL, 3);
    EXPECT_EQ(game.Score, -7);
    EXPECT_EQ(game.R2, "abc");
    const QorGame empty = ReadGameReply("ok");
    EXPECT_EQ(empty.Kon, 0);
    EXPECT_EQ(empty.PlayNow, 'N');
    EXPECT_EQ(empty.R2, "#");
    EXPECT_EQ(ReadGameReply("ok$abc 1").Kon, 0) << "a field that is no number reads as 0";
}

TEST(StatisticsCounters, OneGameGivesTheTwelveCounters) {
    using C = std::array<long long, 12>;
    struct Case {
        const char* name;
        FinishedGame game;
        C counters;
    };
    const Case cases[] = {
        {"local loss ending a cycle", {false, false, false, true, -12}, C{1, 1, 0, 12, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"local win", {false, false, false, false, 30}, C{1, 0, 30, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"network game hosted here", {true, true, false, false, 0}, C{0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}},
        {"tournament at seat 1", {true, false, true, false, 0}, C{0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}},
        {"network guest", {true, false, false, false, 0}, C{}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(GameStatisticsCounters(c.game), c.counters);
    }
}

} // namespace
} // namespace vesrin
