#include "EngineTestSupport.h"

#include <gtest/gtest.h>

namespace vesrin {
namespace {

using testing::Card;
using testing::RecordingObserver;
using testing::SetHand;

struct CardErrorCase {
    const char* name;
    std::vector<std::string> hand;
    std::string card;
    int trickNo;
    std::string led; // empty: the seat leads
    bool broken;
    int expected;
};

TEST(CardErrorTest, RefusalCodes) {
    const std::vector<std::string> mixed = {"2к", "5к", "3б", "Дп", "4ч", "Кч"};
    const std::vector<std::string> noClubs = {"3б", "Дп", "4ч", "Кч"};
    const CardErrorCase cases[] = {
        {"first lead must be the two of clubs", mixed, "5к", 1, "", false, 1},
        {"the two of clubs leads", mixed, "2к", 1, "", false, 0},
        {"no heart lead before hearts are broken", {"5к", "4ч"}, "4ч", 2, "", false, 2},
        {"heart lead once broken", {"5к", "4ч"}, "4ч", 2, "", true, 0},
        {"only heart cards may lead a heart", {"4ч", "Кч"}, "Кч", 2, "", false, 0},
        {"no heart card in trick 1", noClubs, "4ч", 1, "5к", false, 3},
        {"never the queen of spades in trick 1", noClubs, "Дп", 1, "5к", false, 3},
        {"a diamond may be discarded in trick 1", noClubs, "3б", 1, "5к", false, 0},
        {"only heart cards and the queen: heart cards pass in trick 1", {"Дп", "4ч", "Кч"}, "4ч", 1, "5к", false, 0},
        {"only heart cards and the queen: still never the queen", {"Дп", "4ч", "Кч"}, "Дп", 1, "5к", false, 3},
        {"only heart cards in trick 1", {"4ч", "Кч"}, "Кч", 1, "5к", false, 0},
        {"must follow the led suit", {"5к", "3б"}, "3б", 3, "9к", false, 4},
        {"void may discard", {"3б", "Кч"}, "Кч", 3, "9к", false, 0},
        {"queen of spades may be discarded after trick 1", {"Дп", "3б"}, "Дп", 2, "9к", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GameState state;
        SetHand(state, LocalSeat, c.hand);
        state.TrickNo = c.trickNo;
        state.SuitBroken = c.broken;
        if (!c.led.empty()) {
            state.Trick[1] = Card(c.led);
            state.TrickRanks[1] = static_cast<std::uint8_t>(RankValue(Card(c.led)));
            state.LedSuit = Card(c.led).Suit;
            state.TrickPos = 2;
        }
        EXPECT_EQ(CardError(state, LocalSeat, SlotOfCard(state, LocalSeat, Card(c.card))), c.expected);
    }
}

// Plays a prepared trick through the engine and returns the recorder.
class TrickTest : public ::testing::Test {
protected:
    GameState state;
    RecordingObserver observer;
    testing::FirstLegalPlayer players;
    GameFlow flow{state, observer, players, 1};

    void SetUp() override {
        state.CurrentScreen = Screen::Table;
        state.StartState = 2;
        state.TrickNo = 2;
        state.Leader = state.PrevLeader = 1;
        state.Phase = 1;
    }
    void Play(int seat, const std::string& card) { flow.PlayCard(seat, SlotOfCard(state, seat, Card(card)), true); }
};

TEST_F(TrickTest, HighestCardOfTheLedSuitWinsAndPenaltiesCount) {
    SetHand(state, 1, {"3к", "4б"});
    SetHand(state, 2, {"Тб", "5б"});
    SetHand(state, 3, {"Кк", "6б"});
    SetHand(state, 4, {"2к", "7б"});
    Play(1, "3к");
    Play(2, "Тб");
    Play(3, "Кк");
    Play(4, "2к");
    EXPECT_EQ(state.Leader, 3);
    EXPECT_EQ(state.Phase, PhaseOf::TrickFull);
    EXPECT_EQ(state.TakenPoints[3], 0);
    EXPECT_EQ(state.TrickNo, 3);
    EXPECT_EQ(state.TrickPos, 1);
    EXPECT_TRUE(state.Button7.Enabled);
    EXPECT_TRUE(observer.Has("Tablet 3 1 0 -2000000"));
    EXPECT_TRUE(observer.Has("Tablet 1 2 0 -2000000"));

    flow.Button7Click();
    EXPECT_EQ(state.Phase, 3);
    EXPECT_TRUE(observer.Has("Sweep 3"));
    EXPECT_TRUE(observer.Has("Pause 200"));
    EXPECT_EQ(state.PrevLeader, 3);
}

TEST_F(TrickTest, QueenAndHeartsCostTheWinnerAndHeartsBreak) {
    SetHand(state, 1, {"9к", "4б"});
    SetHand(state, 2, {"Дп", "5б"});
    SetHand(state, 3, {"2ч", "6б"});
    SetHand(state, 4, {"Вк", "7б"});
    Play(1, "9к");
    Play(2, "Дп");
    EXPECT_FALSE(state.SuitBroken);
    EXPECT_TRUE(observer.Has("Sound WSays40 end"));
    Play(3, "2ч");
    EXPECT_TRUE(state.SuitBroken);
    EXPECT_TRUE(observer.Has("Sound WSays20 end"));
    Play(4, "Вк");
    EXPECT_EQ(state.Leader, 4);
    EXPECT_EQ(state.TakenPoints[4], 14);
}

TEST_F(TrickTest, MalformedMovesChangeNothing) {
    SetHand(state, 1, {"9к", "4б"});
    const GameState before = state;
    flow.PlayCard(1, 0, false);
    flow.PlayCard(1, 14, false);
    flow.PlayCard(1, 5, false); // empty slot
    flow.PlayCard(7, 1, false);
    EXPECT_EQ(state.TrickPos, before.TrickPos);
    EXPECT_EQ(testing::HandText(state, 1), testing::HandText(before, 1));
    EXPECT_TRUE(observer.Calls.empty());
}

struct HandEndCase {
    const char* name;
    bool moon;
    bool limit50;
    std::array<int, 4> taken;
    std::array<int, 4> totalsBefore;
    std::array<int, 4> takenAfter;
    int phase;
};

TEST(FinishHandTest, MoonRuleTotalsAndLimit) {
    const HandEndCase cases[] = {
        {"moon on: the shooter scores 0, the others 26", true, false, {0, 26, 0, 0}, {0, 0, 0, 0}, {26, 0, 26, 26}, 91},
        {"moon off: the shooter keeps its 26", false, false, {0, 26, 0, 0}, {0, 0, 0, 0}, {0, 26, 0, 0}, 91},
        {"99 does not reach the limit", false, false, {0, 0, 0, 0}, {99, 20, 30, 40}, {0, 0, 0, 0}, 91},
        {"100 reaches the limit", false, false, {1, 0, 0, 25}, {99, 20, 30, 40}, {1, 0, 0, 25}, 93},
        {"50 reaches the short limit", false, true, {0, 10, 16, 0}, {10, 40, 20, 0}, {0, 10, 16, 0}, 93},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GameState state;
        RecordingObserver observer;
        testing::FirstLegalPlayer players;
        GameFlow flow{state, observer, players, 1};
        state.CurrentScreen = Screen::Table;
        state.ShootMoon = c.moon;
        state.Limit50 = c.limit50;
        state.Phase = PhaseOf::HandOver;
        for (int seat = 1; seat <= 4; ++seat) {
            state.TakenPoints[seat] = c.taken[seat - 1];
            state.Totals[seat] = c.totalsBefore[seat - 1];
        }
        flow.FinishHand(true);
        for (int seat = 1; seat <= 4; ++seat) {
            EXPECT_EQ(state.TakenPoints[seat], c.takenAfter[seat - 1]) << "seat " << seat;
            EXPECT_EQ(state.Totals[seat], c.totalsBefore[seat - 1] + c.takenAfter[seat - 1]);
        }
        EXPECT_EQ(state.Phase, c.phase);
        EXPECT_EQ(state.GameOver, c.phase == 93);
        EXPECT_EQ(state.Button7.Caption, c.phase == 93 ? StepCaption::SumUpGame : StepCaption::NextRound);
        EXPECT_TRUE(state.Button7.Enabled);
        EXPECT_EQ(observer.Has("Sound WPlMore end"), c.moon && c.taken[1] == 26);
        EXPECT_FALSE(observer.Has("Announce hb00")); // a local game sends nothing
    }
}

TEST(FinishGameTest, RelativeResultsAddUpToZero) {
    GameState state;
    RecordingObserver observer;
    testing::FirstLegalPlayer players;
    GameFlow flow{state, observer, players, 1};
    state.Totals = {0, 20, 30, 40, 10};
    state.BaseScore = 100;
    state.GameOver = true;
    flow.FinishGame(true);
    EXPECT_EQ(state.Totals, (OneBased<std::int32_t, 4>{0, 20, -20, -60, 60}));
    EXPECT_EQ(state.RunningScore, 160);
    EXPECT_EQ(state.Phase, PhaseOf::GameFinished);
    EXPECT_TRUE(state.ResultsShown);
    EXPECT_FALSE(state.Button7.Enabled);
    EXPECT_TRUE(state.Button8.Enabled);
    EXPECT_TRUE(observer.Has("Tablet 4 2 -1000000 60"));
    EXPECT_TRUE(observer.Has("Sound WKoGood"));
}

} // namespace
} // namespace vesrin
