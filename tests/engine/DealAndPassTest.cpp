#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <set>

namespace vesrin {
namespace {

using testing::RecordingObserver;

class DealTest : public ::testing::Test {
protected:
    GameState state;
    RecordingObserver observer;
    testing::FirstLegalPlayer players;
    GameFlow flow{state, observer, players, 42};

    void NewGame() {
        state.ProfileSlot = 6;
        flow.StartHand(false);
    }
    // Plays the current hand to its end with legal cards and accounts it.
    void PlayOutHand() {
        if (state.StartState == 1) flow.Button7Click();
        if (state.Phase == PhaseOf::Passing) {
            for (int slot = 1; slot <= 3; ++slot) flow.BottomHandClick(slot, MouseButton::Left);
            flow.Button7Click();
        }
        for (int guard = 0; guard < 1000 && state.Phase != PhaseOf::HandAccounted &&
                            state.Phase != PhaseOf::LimitReached;
             ++guard) {
            if (state.Phase == LocalSeat)
                flow.BottomHandClick(testing::FirstLegalSlot(flow), MouseButton::Left);
            else if (state.Phase >= 1 && state.Phase <= 3)
                ASSERT_TRUE(flow.Heartbeat());
            else
                flow.Button7Click();
        }
    }
};

TEST_F(DealTest, ShuffleDealsEveryCardOnceAndTheTwoOfClubsLeads) {
    NewGame();
    std::set<int> seen;
    for (int seat = 1; seat <= 4; ++seat) {
        EXPECT_EQ(state.HandCount[seat], 13);
        for (int slot = 1; slot <= 13; ++slot) seen.insert(DeckNumber(state.HandCards[seat][slot]));
    }
    EXPECT_EQ(seen.size(), 52u);
    EXPECT_EQ(state.HandNo, 1);
    EXPECT_EQ(state.PassDir, 1);
    EXPECT_EQ(state.Phase, PhaseOf::Passing);
    EXPECT_EQ(state.StartState, 1);
    EXPECT_EQ(state.Button7.Caption, StepCaption::ToBegin);
    EXPECT_TRUE(state.Button7.Enabled);
    EXPECT_FALSE(state.Button8.Enabled);
    EXPECT_FALSE(state.Timer1.Running);
    EXPECT_EQ(state.Timer1.IntervalMs, 200);
    EXPECT_TRUE(observer.Has("Arrow 1"));
    EXPECT_TRUE(observer.Has("Sound WTasoKo"));
    // The local game deals positions 1..13 to the bottom seat.
    EXPECT_TRUE(HoldsCard(state, 4, state.Deck[1]));
    EXPECT_TRUE(HoldsCard(state, 2, state.Deck[14]));
    EXPECT_TRUE(HoldsCard(state, 1, state.Deck[27]));
    EXPECT_TRUE(HoldsCard(state, 3, state.Deck[40]));
}

TEST_F(DealTest, SameSeedSameDeal) {
    NewGame();
    const auto first = state.Deck;
    GameState other;
    RecordingObserver otherObserver;
    GameFlow again{other, otherObserver, players, 42};
    other.ProfileSlot = 6;
    again.StartHand(false);
    EXPECT_EQ(other.Deck, first);
}

TEST_F(DealTest, PassPickToggleAndTheButton) {
    NewGame();
    flow.Button7Click();
    EXPECT_EQ(state.Button7.Caption, StepCaption::StartSharing);
    EXPECT_FALSE(state.Button7.Enabled);
    flow.BottomHandClick(2, MouseButton::Left);
    flow.BottomHandClick(5, MouseButton::Left);
    flow.BottomHandClick(2, MouseButton::Left); // unpick
    EXPECT_FALSE(state.Button7.Enabled);
    flow.BottomHandClick(7, MouseButton::Left);
    EXPECT_FALSE(state.Button7.Enabled);
    flow.BottomHandClick(9, MouseButton::Left);
    EXPECT_EQ(state.PassPick, (OneBased<int, 3>{0, 7, 5, 9}));
    EXPECT_TRUE(state.Button7.Enabled);
    observer.Clear();
    flow.BottomHandClick(11, MouseButton::Left); // a fourth pick is refused
    EXPECT_EQ(observer.Calls, std::vector<std::string>{"Sound WWrongs"});
    EXPECT_EQ(state.PassPick, (OneBased<int, 3>{0, 7, 5, 9}));
}

TEST_F(DealTest, PassToTheLeftMovesTheCardsAndMarksTheReceivedOnes) {
    NewGame();
    flow.Button7Click();
    const CardCode mine[3] = {state.HandCards[4][1], state.HandCards[4][2], state.HandCards[4][3]};
    const CardCode fromRight[3] = {state.HandCards[3][1], state.HandCards[3][2], state.HandCards[3][3]};
    for (int slot = 1; slot <= 3; ++slot) flow.BottomHandClick(slot, MouseButton::Left);
    observer.Clear();
    flow.Button7Click();
    for (const CardCode card : mine) EXPECT_TRUE(HoldsCard(state, 1, card));
    for (int r = 0; r < 3; ++r) {
        EXPECT_TRUE(HoldsCard(state, 4, fromRight[r]));
        EXPECT_TRUE(observer.Has("Invert " + std::to_string(SlotOfCard(state, 4, fromRight[r]))));
    }
    for (int seat = 1; seat <= 4; ++seat) EXPECT_EQ(state.HandCount[seat], 13);
    EXPECT_EQ(state.Phase, state.Leader);
    EXPECT_TRUE(HoldsCard(state, state.Leader, TwoOfClubs));
    // Twelve cards go down and come back, each with its sound; one pause of 1 s between.
    EXPECT_EQ(observer.Count("Sound WHodsDo end"), 24);
    const int pause = observer.IndexOf("Pause 1000");
    ASSERT_GE(pause, 0);
    for (int i = 0; i < static_cast<int>(observer.Calls.size()); ++i) {
        if (observer.Calls[i].rfind("Give ", 0) == 0) {
            EXPECT_LT(i, pause);
        }
        if (observer.Calls[i].rfind("Receive ", 0) == 0) {
            EXPECT_GT(i, pause);
        }
    }
    EXPECT_TRUE(observer.Has("Tablet " + std::to_string(state.Leader) + " 1 -2000000 -2000000"));
    EXPECT_EQ(state.SavedHands[4].Cards, state.HandCards[4]);
}

TEST_F(DealTest, EveryFourthHandHasNoPass) {
    NewGame();
    for (int hand = 1; hand <= 3; ++hand) {
        PlayOutHand();
        if (hand == 3) observer.Clear();
        flow.Button7Click(); // Next Round
    }
    EXPECT_EQ(state.HandNo, 4);
    EXPECT_EQ(state.PassDir, 0);
    EXPECT_TRUE(HoldsCard(state, state.Phase, TwoOfClubs));
    EXPECT_EQ(state.Leader, state.Phase);
    EXPECT_EQ(state.SavedHands[2].Cards, state.HandCards[2]);
    // Neither an arrow nor a lead sign before the first trick of a hand without passing.
    for (const auto& call : observer.Calls) {
        EXPECT_NE(call.rfind("Arrow", 0), 0u) << call;
        EXPECT_EQ(call.find(" 1 -2000000 -2000000"), std::string::npos) << call;
    }
}

TEST_F(DealTest, DealMessageCarriesDeckRanksAndRules) {
    NewGame();
    state.ShootMoon = true;
    const std::string message = flow.DealMessage();
    ASSERT_EQ(message.size(), 211u);
    EXPECT_EQ(message[0], 'b');
    EXPECT_EQ(message.substr(1, 2), state.Deck[1].Bytes());
    EXPECT_EQ(message.substr(105, 2), (state.DeckRank[1] < 10 ? "0" : "") + std::to_string(state.DeckRank[1]));
    EXPECT_EQ(static_cast<unsigned char>(message[209]), 0xC8);
    EXPECT_EQ(static_cast<unsigned char>(message[210]), 0xCB);
}

} // namespace
} // namespace vesrin
