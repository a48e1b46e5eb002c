#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vesrin {
namespace {

using testing::RecordingObserver;

class FlowTest : public ::testing::Test {
protected:
    GameState state;
    RecordingObserver observer;
    testing::FirstLegalPlayer players;
    GameFlow flow{state, observer, players, 7};

    // Starts a new game and skips the pass, so trick play begins at once.
    void StartWithoutPass() {
        state.ProfileSlot = 6;
        flow.StartHand(false);
        state.HandNo = 3; // the next hand is the fourth, which has no pass
        flow.Button7Click();
        for (int slot = 1; slot <= 3; ++slot) flow.BottomHandClick(slot, MouseButton::Left);
        flow.Button7Click();
    }
    void PlayUntil(int phase) {
        for (int guard = 0; guard < 1000 && state.Phase != phase; ++guard) {
            if (state.Phase == PhaseOf::Passing && state.StartState == 2 && state.PassPick[3] == 0) {
                for (int slot = 1; slot <= 3; ++slot) flow.BottomHandClick(slot, MouseButton::Left);
                flow.Button7Click();
            } else if (state.Phase == LocalSeat)
                flow.BottomHandClick(testing::FirstLegalSlot(flow), MouseButton::Left);
            else if (state.Phase >= 1 && state.Phase <= 3)
                ASSERT_TRUE(flow.Heartbeat());
            else
                flow.Button7Click();
        }
        ASSERT_EQ(state.Phase, phase);
    }
};

TEST_F(FlowTest, FromToBeginToExitToMenu) {
    state.ProfileSlot = 6;
    observer.Profile = {"Ann", 0, 0, 0.0};
    flow.StartHand(false);
    EXPECT_EQ(state.SeatNames[4], "Ann");
    EXPECT_EQ(state.SeatNames[1], "PC");
    EXPECT_EQ(state.GameNo, 1);

    // Nothing moves before "To Begin".
    EXPECT_FALSE(flow.Heartbeat());
    flow.BottomHandClick(1, MouseButton::Left);
    EXPECT_EQ(state.PassPick[1], 0);

    flow.Button7Click();
    EXPECT_EQ(state.StartState, 2);
    EXPECT_TRUE(state.Timer1.Running);
    EXPECT_FALSE(observer.Has("Announce h1000000")); // nothing is sent in a local game
    for (int slot = 1; slot <= 3; ++slot) flow.BottomHandClick(slot, MouseButton::Left);
    flow.Button7Click();
    EXPECT_NE(state.Phase, PhaseOf::Passing);

    PlayUntil(PhaseOf::TrickFull);
    EXPECT_EQ(state.Button7.Caption, StepCaption::OK);
    EXPECT_TRUE(state.Button7.Enabled);
    flow.Button7Click();
    EXPECT_EQ(state.Phase, state.Leader);
    EXPECT_FALSE(state.Button7.Enabled);

    // The 13th trick needs no "OK": its last card leads to the end-of-hand accounting.
    PlayUntil(PhaseOf::HandOver);
    EXPECT_EQ(state.TrickNo, 14);
    EXPECT_TRUE(state.Button7.Enabled);
    flow.Button7Click();
    EXPECT_EQ(state.Phase, PhaseOf::HandAccounted);

    state.Totals[2] = 120; // force the limit on the next hand
    flow.Button8Click();   // does nothing before the game is finished
    EXPECT_EQ(observer.CloseGameCalls, 0);
    flow.Button7Click();   // Next Round
    EXPECT_EQ(state.HandNo, 2);
    EXPECT_FALSE(state.Timer1.Running);
    PlayUntil(PhaseOf::LimitReached);
    EXPECT_EQ(state.Button7.Caption, StepCaption::SumUpGame);
    flow.Button7Click();
    EXPECT_EQ(state.Phase, PhaseOf::GameFinished);
    int sum = 0;
    for (int seat = 1; seat <= 4; ++seat) sum += state.Totals[seat];
    EXPECT_EQ(sum, 0);
    flow.Button8Click();
    EXPECT_EQ(observer.CloseGameCalls, 1);
}

TEST_F(FlowTest, StepButtonNeverRunsAStepTwice) {
    StartWithoutPass();
    PlayUntil(PhaseOf::TrickFull);
    flow.Button7Click();
    const int leader = state.Leader;
    const int sweeps = observer.Count("Sweep " + std::to_string(leader));
    flow.Button7Click(); // the double click's second half
    EXPECT_EQ(observer.Count("Sweep " + std::to_string(leader)), sweeps);
    EXPECT_EQ(state.Phase, leader);
}

TEST_F(FlowTest, ClicksOutOfTurnDoNothingAndRightClickSpeaks) {
    StartWithoutPass();
    if (state.Phase == LocalSeat) flow.BottomHandClick(testing::FirstLegalSlot(flow), MouseButton::Left);
    ASSERT_NE(state.Phase, LocalSeat);
    const int handBefore = state.HandCount[4];
    observer.Clear();
    flow.BottomHandClick(1, MouseButton::Left);
    EXPECT_EQ(state.HandCount[4], handBefore);
    flow.BottomHandClick(2, MouseButton::Right);
    EXPECT_EQ(observer.Calls, std::vector<std::string>{"Speak " + AsciiName(state.HandCards[4][2])});
    flow.BottomHandClick(0, MouseButton::Left);
    EXPECT_EQ(observer.Calls.size(), 1u);
}

TEST_F(FlowTest, IllegalClickIsRefusedWithASound) {
    StartWithoutPass();
    PlayUntil(LocalSeat);
    int illegal = 0;
    for (int slot = 1; slot <= state.HandCount[4] && illegal == 0; ++slot)
        if (flow.HumanCardError(slot) != 0) illegal = slot;
    if (illegal == 0) GTEST_SKIP() << "every card is legal in this deal";
    EXPECT_EQ(flow.CursorOverBottomHand(illegal), HandCursor::Arrow);
    observer.Clear();
    flow.BottomHandClick(illegal, MouseButton::Left);
    EXPECT_EQ(observer.Calls, std::vector<std::string>{"Sound WWrongs"});
    EXPECT_EQ(state.Phase, LocalSeat);
}

TEST(NetworkFlowTest, HostPlaysOnlyItsComputerSeatsAndAnnounces) {
    GameState state;
    RecordingObserver observer;
    testing::FirstLegalPlayer players;
    GameFlow flow{state, observer, players, 3};
    state.NetMode = true;
    state.NetSeat = 1;
    state.NetRemotes = 1; // two joiners: seats 2 and 1 are people, seat 3 a computer
    state.ProfileSlot = 6;
    flow.StartHand(false);
    EXPECT_TRUE(observer.Has("Announce " + flow.DealMessage()));
    flow.Button7Click();
    EXPECT_TRUE(observer.Has("Announce h1000000"));
    for (int slot = 1; slot <= 3; ++slot) flow.BottomHandClick(slot, MouseButton::Left);
    EXPECT_FALSE(state.Button7.Enabled); // the joiners' choices have not arrived
    flow.ReceivePassPicks(2, {0, 1, 2, 3});
    EXPECT_FALSE(state.PassReady);
    flow.ReceivePassPicks(1, {0, 4, 5, 6});
    EXPECT_TRUE(state.PassReady);
    EXPECT_TRUE(state.Button7.Enabled);
    flow.Button7Click();
    EXPECT_TRUE(observer.Has("Announce h4010203040506010203" "010203"));

    for (int turn = 0; turn < 20 && state.Phase != PhaseOf::TrickFull; ++turn) {
        const int seat = state.Phase;
        const bool moved = flow.Heartbeat();
        EXPECT_EQ(moved, seat == 3) << "seat " << seat;
        if (seat == 4) flow.BottomHandClick(testing::FirstLegalSlot(flow), MouseButton::Left);
        if (!moved && (seat == 1 || seat == 2)) {
            int slot = 0;
            for (int s = 1; s <= 13 && slot == 0; ++s)
                if (CardError(state, seat, s) == 0) slot = s;
            flow.ReceiveCard(slot);
        }
    }
    // Seat 3's card went out to the joiners; the joiners' own cards were not sent back.
    const auto announcedCards = std::count_if(observer.Calls.begin(), observer.Calls.end(),
                                              [](const std::string& c) { return c.rfind("Announce h9", 0) == 0; });
    EXPECT_EQ(announcedCards, 2); // seats 3 and 4
    EXPECT_TRUE(state.Button7.Enabled);
    flow.Button7Click();
    EXPECT_TRUE(observer.Has("Announce ha00"));
}

TEST(NetworkFlowTest, ClientNeverMovesComputerSeatsAndWaitsForTheSweep) {
    GameState state;
    RecordingObserver observer;
    testing::FirstLegalPlayer players;
    GameFlow flow{state, observer, players, 3};
    state.NetMode = true;
    state.NetSeat = 2;
    state.NetRemotes = 0;
    state.ProfileSlot = 6;

    // The host's deck, dealt by a local game with the same seed.
    GameState hostState;
    RecordingObserver hostObserver;
    GameFlow host{hostState, hostObserver, players, 11};
    hostState.ProfileSlot = 6;
    host.StartHand(false);
    DealData deal{hostState.Deck, hostState.DeckRank, true, false};

    flow.StartHand(false);       // seated: the joiner waits for the host's deal
    state.DealNotCounted = true; // the first deal that reaches a joiner
    ASSERT_TRUE(flow.ReceiveDeal(deal));
    EXPECT_EQ(state.HandNo, 1); // not advanced by that deal
    EXPECT_EQ(state.PassDir, 1);
    EXPECT_TRUE(state.ShootMoon);
    EXPECT_FALSE(state.Button7.Enabled);
    // Client 2 holds deck block 2 (positions 14..26), the host's seat 2.
    for (int slot = 1; slot <= 13; ++slot) EXPECT_TRUE(HoldsCard(state, 4, hostState.HandCards[2][slot]));

    flow.ReceiveStart(true);
    EXPECT_EQ(state.Button7.Caption, StepCaption::StartSharing);
    for (int slot = 1; slot <= 3; ++slot) flow.BottomHandClick(slot, MouseButton::Left);
    EXPECT_TRUE(state.Button7.Enabled);
    flow.Button7Click();
    EXPECT_TRUE(observer.Has("Announce h3010203"));
    EXPECT_EQ(state.Phase, PhaseOf::WaitingForExchange);
    OneBased<OneBased<int, 3>, 3> picks{};
    for (int seat = 1; seat <= 3; ++seat) picks[seat] = {0, 1, 2, 3};
    flow.ReceiveExchange(picks);
    EXPECT_GE(state.Phase, 1);
    EXPECT_LE(state.Phase, 4);

    for (int turn = 0; turn < 4; ++turn) {
        EXPECT_FALSE(flow.Heartbeat());
        const int seat = state.Phase;
        int slot = 0;
        for (int s = 1; s <= 13 && slot == 0; ++s)
            if (CardError(state, seat, s) == 0) slot = s;
        if (seat == 4)
            flow.BottomHandClick(slot, MouseButton::Left);
        else
            flow.ReceiveCard(slot);
    }
    EXPECT_EQ(state.Phase, PhaseOf::TrickFull);
    EXPECT_FALSE(state.Button7.Enabled);
    flow.Button7Click();
    EXPECT_EQ(state.Phase, PhaseOf::TrickFull);
    flow.ReceiveSweep();
    EXPECT_EQ(state.Phase, state.Leader);
    flow.ReceiveSweep(); // a second sweep out of place is ignored
    EXPECT_EQ(state.Phase, state.Leader);
}

TEST(NetworkFlowTest, MalformedDealIsRefused) {
    GameState state;
    RecordingObserver observer;
    testing::FirstLegalPlayer players;
    GameFlow flow{state, observer, players, 3};
    DealData deal;
    for (int pos = 1; pos <= 52; ++pos) {
        deal.Deck[pos] = CardOfDeckNumber(pos);
        deal.DeckRank[pos] = static_cast<std::uint8_t>(RankValue(deal.Deck[pos]));
    }
    deal.Deck[52] = deal.Deck[1]; // a card twice
    EXPECT_FALSE(flow.ReceiveDeal(deal));
    deal.Deck[52] = CardOfDeckNumber(52);
    deal.DeckRank[7] = 40;
    EXPECT_FALSE(flow.ReceiveDeal(deal));
    EXPECT_TRUE(observer.Calls.empty());
}

} // namespace
} // namespace vesrin
