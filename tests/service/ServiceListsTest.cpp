#include "ServiceFixture.h"

#include "online/ServiceReplies.h"

namespace vesrin::test {
namespace {

using ::vesrin::HasMarker;

WorldResultValues Result(int gid, const std::string& nick, long long score, const std::string& city = "Paris") {
    WorldResultValues r;
    r.Gid = gid;
    r.Nick = nick;
    r.City = city;
    r.Country = "1-015";
    r.Score = score;
    return r;
}

TEST_P(ServiceTest, WorldListsPlacesAndNeighbours) {
    const long long scores[] = {50, 150, 90, 90, 10, 200, 70, 30, 120, 60, 40, 20};
    for (std::size_t i = 0; i < std::size(scores); ++i)
        ASSERT_TRUE(NumberAfterLastDollar(World(WorldResultSend(Result(42, "P" + std::to_string(i), scores[i])))));
    // Another list of its own, and a nick with the markers in it.
    EXPECT_EQ(NumberAfterLastDollar(World(WorldResultSend(Result(142, "Nokia_is_ok", 999, "Sonora")))), 1);
    EXPECT_EQ(NumberAfterLastDollar(World(WorldResultSend(Result(42, "Nokia_is_ok", 95, "Sonora")))), 4);

    const auto top = OwnedRecords(World(WorldTopTenRead(42)), 10);
    ASSERT_EQ(top.size(), 10u);
    EXPECT_EQ(LeadingFields(top[0], 10), (Words{"1", "42", "200", "P5", "1-015", "Paris", "M", "5.7f", "#", "#"}));
    // 90 and 90 share place 5; 70 comes 7th.
    EXPECT_EQ(RecordFields(top[4])[1], "5");
    EXPECT_EQ(RecordFields(top[5])[1], "5");
    EXPECT_EQ(RecordFields(top[6])[1], "7");
    EXPECT_EQ(NumberAfterLastDollar(World(WorldPlaceRead(42))), 13);
    EXPECT_EQ(NumberAfterLastDollar(World(WorldPlaceRead(142))), 1);

    const auto near = OwnedRecords(World(WorldNearRead(42, "P4", "Paris")), 10); // score 10, the last
    ASSERT_FALSE(near.empty());
    EXPECT_EQ(RecordFields(near.back())[4], "P4");
    EXPECT_EQ(RecordFields(near.back())[1], "13");
    const auto around = OwnedRecords(World(WorldNearRead(42, "Nokia_is_ok", "Sonora")), 10);
    ASSERT_EQ(around.size(), 10u);
    EXPECT_EQ(RecordFields(around[0])[1], "1");
    EXPECT_EQ(RecordFields(around[3])[4], "Nokia_is_ok");
    EXPECT_EQ(World(WorldNearRead(42, "Stranger", "Paris")), "ok");
}

TEST_P(ServiceTest, ChatPostsAreNumberedNewestFirst) {
    EXPECT_EQ(World(WorldTopTenRead(100)), "ok") << "an empty board";
    WorldResultValues post = Result(100, "Nokia_is_ok", 1, "Sonora");
    post.R9 = "12:05_11.12.2026_Vesrin";
    post.R10 = "Hello_is_anyone_there?";
    EXPECT_TRUE(NumberAfterLastDollar(World(WorldResultSend(post))));
    post.Nick = "Anna";
    post.R10 = "Yes, no problem";
    post.Score = 1; // a stale number: the service numbers posts itself
    EXPECT_TRUE(NumberAfterLastDollar(World(WorldResultSend(post))));
    const auto board = OwnedRecords(World(WorldTopTenRead(100)), 10);
    ASSERT_EQ(board.size(), 2u);
    const auto newest = RecordFields(board[0]);
    EXPECT_EQ(newest[3], "2");
    EXPECT_EQ(newest[4], "Anna");
    EXPECT_EQ(newest[10], "Yes,_no_problem") << "blanks cannot split a record";
    const auto oldest = RecordFields(board[1]);
    EXPECT_EQ(oldest[3], "1");
    EXPECT_EQ(oldest[9], "12:05_11.12.2026_Vesrin");
    EXPECT_EQ(oldest[10], "Hello_is_anyone_there?");
}

TEST_P(ServiceTest, StatisticsCounters) {
    EXPECT_TRUE(StatAccepted(Stat(StartCount(42, false))));
    EXPECT_TRUE(StatAccepted(Stat(StartCount(42, true))));
    EXPECT_TRUE(StatAccepted(Stat(GameStatisticsSend(42, {1, 1, 0, 12, 0, 0, 0, 0, 0, 0, 0, 0}))));
    EXPECT_TRUE(StatAccepted(Stat(GameStatisticsSend(42, {1, 0, 30, 0, 0, 0, 0, 0, 0, 0, 0, 0}))));
    EXPECT_TRUE(StatAccepted(Stat(GameStatisticsSend(42, {0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}))));
    EXPECT_TRUE(StatAccepted(Stat(LikeSend(42, "Nokia_is_ok"))));
    EXPECT_TRUE(StatAccepted(Stat(StartCount(7, false)))) << "another game of the family";
    EXPECT_FALSE(StatAccepted(Stat(GameStatisticsSend(42, {-5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}))));

    const std::string reply = Stat(StatisticsRead(42));
    const auto records = OwnedRecords(reply, 1);
    ASSERT_EQ(records.size(), 1u);
    // Starts, unique starts, likes, last like, the twelve game counters, a number and a
    // text not shown.
    EXPECT_EQ(LeadingFields(records[0], 18),
              (Words{"2", "1", "1", "Nokia_is_ok", "2", "1", "30", "12", "1", "0", "0", "0", "0", "0", "0", "0", "0", "#"}));
}

TEST_P(ServiceTest, TableRegistrySeats) {
    CreateAccount("Nokia_is_ok", "secret1", "Sonora", "Unknown");
    CreateAccount("Boris", "secret2");
    ClientValues me{"Nokia_is_ok", 120, 14, 3, "1-000", "Sonora", 'M', "10.0.0.5"};
    const ClientValues free;
    EXPECT_EQ(Tour(SeatWrite(42, 3, 1, SeatAction::Take, me, "secret1")), "ok");
    ClientValues other{"Boris", 1, 1, 1, "1-001", "Moscow", 'M', "10.0.0.6"};
    EXPECT_TRUE(HasMarker(Tour(SeatWrite(42, 3, 1, SeatAction::Take, other, "secret2")), "is"));
    EXPECT_TRUE(HasMarker(Tour(SeatWrite(42, 3, 2, SeatAction::Take, other, "secret1")), "no")) << "someone else's password";
    EXPECT_EQ(Tour(SeatWrite(42, 3, 2, SeatAction::Take, other, "secret2")), "ok");

    EXPECT_EQ(LeadingFields(RecordAfterDollar(Tour(SeatRead(42, 3, 1))), 8),
              (Words{"Nokia_is_ok", "120", "14", "3", "1-000", "Sonora", "M", "10.0.0.5"}));

    const std::string list = Tour(TableListRead(42));
    const auto tables = OwnedRecords(list, 10);
    ASSERT_EQ(tables.size(), 10u);
    const auto table3 = RecordFields(tables[7]); // table 10 comes first
    EXPECT_EQ(table3[7], "Nokia_is_ok");
    EXPECT_EQ(table3[15], "Boris");
    EXPECT_EQ(table3[23], "X");
    EXPECT_EQ(RecordFields(tables[0])[7], "X");

    const auto info = RecordFields(RecordAfterDollar(Tour(ServerInfoRead(42))));
    EXPECT_EQ(info[1].substr(0, 1), "Y");

    EXPECT_TRUE(HasMarker(Tour(SeatWrite(42, 3, 1, SeatAction::Leave, free, "wrong1")), "no"));
    EXPECT_EQ(Tour(SeatWrite(42, 3, 1, SeatAction::Leave, free, "secret1")), "ok");
    // The player at seat 1 of a table clears the later seats.
    EXPECT_EQ(Tour(SeatWrite(42, 3, 1, SeatAction::Take, me, "secret1")), "ok");
    EXPECT_EQ(Tour(SeatWrite(42, 3, 2, SeatAction::Clear, free, "secret1")), "ok");
    EXPECT_EQ(RecordFields(RecordAfterDollar(Tour(SeatRead(42, 3, 2))))[1], "X");

    ASSERT_EQ(Service().Admin({"clear-table", "3"}), 0);
    EXPECT_EQ(RecordFields(RecordAfterDollar(Tour(SeatRead(42, 3, 1))))[1], "X");
    EXPECT_EQ(RecordFields(RecordAfterDollar(Tour(StandingRead(42, "Nokia_is_ok"))))[1], "0");
    EXPECT_EQ(Tour(TourTopTenRead('s', 42)), "ok");
    EXPECT_EQ(NumberAfterLastDollar(Tour(TourPlaceRead('s', 42, 10))), 1);
}

} // namespace
} // namespace vesrin::test
