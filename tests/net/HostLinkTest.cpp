// The host's side of a network table, with bare connections as joiners.

#include "LinkTestSupport.h"

#include "engine/Seats.h"
#include "net/TableMessages.h"

#include <QHostAddress>

#include <gtest/gtest.h>

#include <memory>

namespace vesrin::test {
namespace {

class HostLink : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.Link.HostTable(0, "Hostess", QHostAddress::LocalHost));
        port = host.Link.ListeningPort();
    }

    // A joiner that says hello with `name` and is seated: its seat assignment is read.
    std::unique_ptr<RawPeer> Join(const std::string& name, std::string* assignment = nullptr) {
        auto peer = std::make_unique<RawPeer>();
        EXPECT_TRUE(peer->Connect(port));
        peer->Send(EncodeHello(name));
        const std::string seat = peer->Take(26);
        if (assignment) *assignment = seat;
        return peer;
    }

    LinkedCopy host;
    quint16 port = 0;
};

TEST_F(HostLink, JoinersAreSeatedAndEarlierOnesHearOfTheLaterOnes) {
    // Hellos of another game or protocol go unanswered.
    RawPeer otherGame;
    ASSERT_TRUE(otherGame.Connect(port));
    otherGame.Send("qor4325connect1Wolf");
    RawPeer otherProtocol;
    ASSERT_TRUE(otherProtocol.Connect(port));
    otherProtocol.Send("qor4226connect1Fox ");

    std::string seat;
    auto anna = Join("Anna", &seat);
    EXPECT_EQ(seat, "connect2+2HostAnnaPC  PC  ");
    auto bert = Join("Bert", &seat);
    EXPECT_EQ(seat, "connect2+3HostAnnaBertPC  ");
    EXPECT_EQ(anna->Take(25), "connect3+HostAnnaBertPC  ");
    auto carl = Join("Carlos", &seat);
    EXPECT_EQ(seat, "connect2+4HostAnnaBertCarl");
    EXPECT_EQ(bert->Take(25), "connect4+HostAnnaBertCarl");
    EXPECT_EQ(anna->Take(25), "connect4+HostAnnaBertCarl");

    const GameState& s = host.State;
    EXPECT_EQ(s.NetRemotes, 2);
    EXPECT_EQ(s.SeatNames[4], "Host");
    EXPECT_EQ(s.SeatNames[2], "Anna");
    EXPECT_EQ(s.SeatNames[1], "Bert");
    EXPECT_EQ(s.SeatNames[3], "Carl");

    // A fourth joiner's connection is closed; nobody else hears of it.
    RawPeer fourth;
    ASSERT_TRUE(fourth.Connect(port));
    fourth.Send(EncodeHello("Dora"));
    EXPECT_TRUE(fourth.WaitClosed());
    EXPECT_EQ(host.Link.Joiners(), 3);
    EXPECT_EQ(s.NetRemotes, 2);
    EXPECT_EQ(s.SeatNames[3], "Carl");
    for (RawPeer* peer : {anna.get(), bert.get(), carl.get()}) EXPECT_EQ(peer->Pending(), "");
    EXPECT_EQ(otherGame.Pending(), "");
    EXPECT_EQ(otherProtocol.Pending(), "");
    EXPECT_EQ(otherGame.Socket().state(), QAbstractSocket::ConnectedState);
}

TEST_F(HostLink, ChatIsRelayedOnlyUnderTheSendersOwnSeat) {
    auto anna = Join("Anna");
    auto bert = Join("Bert");
    anna->Take(25); // connect3+

    anna->Send(EncodeChat(3, "not me"));  // Anna is NetSeat 2
    anna->Send(EncodeChat(2, "hello"));
    ASSERT_TRUE(WaitFor([&] { return !host.Chats.empty(); }));
    EXPECT_EQ(host.Chats, (std::vector<std::pair<int, std::string>>{{2, "hello"}}));
    EXPECT_EQ(bert->Take(17), EncodeChat(2, "hello"));

    host.Link.SendChat("hi there");
    EXPECT_EQ(anna->Take(17), "s1hi there       ");
    EXPECT_EQ(bert->Take(17), "s1hi there       ");
}

TEST_F(HostLink, AJoinersMoveIsTakenOnlyOnItsTurnUnderItsSeatAndWhenLegal) {
    auto anna = Join("Anna"); // NetSeat 2: the host's seat 2
    GameState& s = host.State;
    host.Flow.StartHand(false);
    const std::string deal = anna->Take(211);
    EXPECT_EQ(deal, host.Flow.DealMessage());
    host.Flow.Button7Click(); // "To Begin"
    EXPECT_EQ(anna->Take(9), "h10000001");

    // A pass choice under another seat's digit is ignored; the own one counts.
    anna->Send("h30405063");
    anna->Send("h30102032");
    ASSERT_TRUE(WaitFor([&] { return s.PassPicks[2][1] != 0; }));
    EXPECT_EQ(s.PassPicks[2], (OneBased<int, 3>{0, 1, 2, 3}));
    EXPECT_TRUE(s.PassReady);
    for (int slot = 1; slot <= 3; ++slot) host.Flow.BottomHandClick(slot, MouseButton::Left);
    ASSERT_TRUE(s.Button7.Enabled);
    host.Flow.Button7Click();
    const std::string exchange = anna->Take(27);
    EXPECT_EQ(exchange.substr(0, 8), "h4010203"); // the host's own pick comes first
    EXPECT_EQ(exchange.substr(14, 6), "010203");  // NetSeat 2 is third in table order
    EXPECT_EQ(exchange.back(), '1');

    int refusedTries = 0;
    std::string heard;
    while (s.Phase != PhaseOf::HandOver) {
        if (s.Phase == PhaseOf::TrickFull) {
            host.Flow.Button7Click();
            // The host's cards of the trick come first, then its sweep.
            std::string got;
            while ((got = anna->Take(5)).rfind("h9", 0) == 0) heard += got;
            EXPECT_EQ(got, "ha001");
        } else if (s.Phase == LocalSeat) {
            host.Flow.BottomHandClick(LegalSlot(s, LocalSeat), MouseButton::Left);
        } else if (s.Phase != 2) {
            ASSERT_TRUE(host.Flow.Heartbeat());
        } else {
            const int legal = LegalSlot(s, 2);
            const CardCode card = s.HandCards[2][legal];
            const int pos = s.TrickPos;
            const int trick = s.TrickNo;
            std::string tries;
            if (const int illegal = IllegalSlot(s, 2)) {
                tries += "h9" + std::string(1, char('0' + illegal / 10)) + char('0' + illegal % 10) + "2";
                ++refusedTries;
            }
            const std::string play = "h9" + std::string(1, char('0' + legal / 10)) + char('0' + legal % 10);
            tries += play + "4"; // a spoofed seat digit
            tries += play + "2";
            tries += "h9012"; // joined behind it, after its turn is over
            anna->Send(tries);
            ASSERT_TRUE(WaitFor([&] { return s.TrickPos != pos || s.TrickNo != trick; }));
            const int playedAt = s.TrickNo != trick ? 4 : pos;
            EXPECT_EQ(s.TrickNo != trick ? s.LastTrick[playedAt] : s.Trick[playedAt], card);
        }
    }
    EXPECT_GT(refusedTries, 0);
    EXPECT_EQ(s.HandCount[2], 0);
    // The joiner heard the host's cards, never its own back.
    heard += anna->Pending();
    EXPECT_GT(heard.size(), 0u);
    for (std::size_t at = 0; at + 5 <= heard.size(); at += 5) EXPECT_EQ(heard.substr(at, 2) + heard[at + 4], "h91") << heard;
}

TEST_F(HostLink, AJoinerLeavingMidHandEndsTheGameForEveryone) {
    auto anna = Join("Anna");
    auto bert = Join("Bert");
    anna->Take(25);
    host.Flow.StartHand(false);
    anna->Take(211);
    bert->Take(211);
    anna->Socket().disconnectFromHost();
    ASSERT_TRUE(WaitFor([&] { return host.BrokenOff == 1; }));
    EXPECT_EQ(bert->Take(5), "abort");
    EXPECT_TRUE(host.Link.Aborted());
    EXPECT_EQ(host.Link.ConnPhase(), TableLink::Idle);
    EXPECT_TRUE(bert->WaitClosed());
}

} // namespace
} // namespace vesrin::test
