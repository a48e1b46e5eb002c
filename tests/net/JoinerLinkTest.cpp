// A joiner's side of a network table, with a bare server as the host.

#include "LinkTestSupport.h"

#include "engine/HandQueries.h"
#include "engine/Seats.h"
#include "net/TableMessages.h"

#include <QHostAddress>
#include <QTcpServer>

#include <gtest/gtest.h>

#include <memory>

namespace vesrin::test {
namespace {

DealData SortedDeal() {
    DealData deal;
    for (int pos = 1; pos <= 52; ++pos) {
        deal.Deck[pos] = CardOfDeckNumber(pos);
        deal.DeckRank[pos] = static_cast<std::uint8_t>(RankValue(deal.Deck[pos]));
    }
    return deal;
}

class JoinerLink : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
        joiner.Link.JoinTable(QStringLiteral("127.0.0.1"), server.serverPort(), "Anna");
        ASSERT_TRUE(WaitFor([&] { return server.hasPendingConnections(); }));
        host = std::make_unique<RawPeer>(server.nextPendingConnection());
        host->Socket().setParent(nullptr);
    }

    QTcpServer server;
    LinkedCopy joiner;
    std::unique_ptr<RawPeer> host;
};

TEST_F(JoinerLink, TakesItsSeatTheDealInPiecesAndTwoPlaysInOneRead) {
    GameState& s = joiner.State;
    EXPECT_TRUE(joiner.Link.ConnFailed()); // no seat yet
    EXPECT_EQ(host->Take(19), "qor4225connect1Anna");
    host->Send("connect2+3HostBertAnnaPC  ");
    ASSERT_TRUE(WaitFor([&] { return joiner.Seated == 1; }));
    EXPECT_EQ(s.NetSeat, 3);
    EXPECT_EQ(s.NetRemotes, 1);
    EXPECT_FALSE(joiner.Link.ConnFailed());
    // NetSeat 3 shows the host at its right and NetSeat 2 at its left.
    EXPECT_EQ(s.SeatNames[3], "Host");
    EXPECT_EQ(s.SeatNames[1], "Bert");
    EXPECT_EQ(s.SeatNames[4], "Anna");
    EXPECT_EQ(s.SeatNames[2], "PC  ");

    host->Send("connect4+HostBertAnnaCarl");
    ASSERT_TRUE(WaitFor([&] { return s.NetRemotes == 2; }));
    EXPECT_EQ(s.SeatNames[2], "Carl");

    // The host's rules replace the joiner's own: moon on, short game off.
    s.ShootMoon = false;
    s.Limit50 = true;
    DealData deal = SortedDeal();
    deal.ShootMoon = true;
    const std::string dealBytes = EncodeDeal(deal);
    ASSERT_EQ(dealBytes.substr(209), "\xC8\xCB");
    host->Send(dealBytes.substr(0, 100));
    WaitFor([&] { return host->Socket().bytesToWrite() == 0; });
    EXPECT_EQ(s.HandCount[4], 0); // still waiting for the rest
    host->Send(dealBytes.substr(100));
    ASSERT_TRUE(WaitFor([&] { return s.HandCount[4] == 13; }));
    EXPECT_EQ(s.HandNo, 1); // the deal after the wait does not count again
    EXPECT_TRUE(s.ShootMoon);
    EXPECT_FALSE(s.Limit50);
    // NetSeat 3 gets deck block 3.
    for (int pos = 27; pos <= 39; ++pos) EXPECT_TRUE(HoldsCard(s, 4, deal.Deck[pos]));

    host->Send("h10000001");
    ASSERT_TRUE(WaitFor([&] { return s.StartState == 2; }));
    EXPECT_EQ(s.Button7.Caption, StepCaption::StartSharing);
    for (int slot = 1; slot <= 3; ++slot) joiner.Flow.BottomHandClick(slot, MouseButton::Left);
    joiner.Flow.Button7Click();
    EXPECT_EQ(host->Take(9), "h30102033");
    EXPECT_EQ(s.Phase, PhaseOf::WaitingForExchange);

    host->Send("h4" "010203" "040506" "070809" "111213" "1");
    ASSERT_TRUE(WaitFor([&] { return s.Phase >= 1 && s.Phase <= 4; }));
    EXPECT_EQ(s.HandCount[4], 13);

    // Two card plays in one read: each goes to the seat whose turn it is.
    const int first = s.Phase;
    const int second = NextSeat(first);
    const CardCode firstCard = s.HandCards[first][5];
    host->Send("h9051h9071");
    ASSERT_TRUE(WaitFor([&] { return s.TrickPos == 3; }));
    const CardCode secondCard = s.Trick[2];
    EXPECT_EQ(s.Trick[1], firstCard);
    EXPECT_EQ(s.HandCount[first], 12);
    EXPECT_EQ(s.HandCount[second], 12);
    EXPECT_FALSE(HoldsCard(s, second, secondCard));

    // The host goes away in the middle of the hand.
    host->Socket().disconnectFromHost();
    ASSERT_TRUE(WaitFor([&] { return joiner.BrokenOff == 1; }));
}

TEST_F(JoinerLink, AnAbortFromTheHostBreaksTheGameOff) {
    host->Take(19);
    host->Send("connect2+2HostAnnaPC  PC  ");
    ASSERT_TRUE(WaitFor([&] { return joiner.Seated == 1; }));
    host->Send(EncodeDeal(SortedDeal()) + "s1hey            " + "abort");
    ASSERT_TRUE(WaitFor([&] { return joiner.BrokenOff == 1; }));
    EXPECT_EQ(joiner.Chats, (std::vector<std::pair<int, std::string>>{{1, "hey"}}));
    EXPECT_TRUE(joiner.Link.Aborted());
    EXPECT_TRUE(host->WaitClosed());
}

TEST(JoinerWithoutHost, ARefusedConnectionLeavesTheJoinerWithoutASeat) {
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 port = probe.serverPort();
    probe.close(); // nobody listens there now
    LinkedCopy joiner;
    int failed = 0;
    joiner.Link.Hooks.ConnectionFailed = [&] { ++failed; };
    joiner.Link.JoinTable(QStringLiteral("127.0.0.1"), port, "Anna");
    ASSERT_TRUE(WaitFor([&] { return failed > 0; }));
    EXPECT_TRUE(joiner.Link.ConnFailed());
    EXPECT_EQ(joiner.Seated, 0);
}

} // namespace
} // namespace vesrin::test
