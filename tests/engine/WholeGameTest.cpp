#include "EngineTestSupport.h"

#include <gtest/gtest.h>

namespace vesrin {
namespace {

// Counts each hand's points as the engine accounts them.
class HandPointsObserver : public EngineObserver {
public:
    explicit HandPointsObserver(const GameState& state) : state_(state) {}
    std::vector<int> HandSums;
    void HandAccounted() override {
        int sum = 0;
        for (int seat = 1; seat <= 4; ++seat) sum += state_.TakenPoints[seat];
        HandSums.push_back(sum);
    }

private:
    const GameState& state_;
};

struct GameSummary {
    int hands = 0;
    OneBased<std::int32_t, 4> results{};
    std::vector<int> handSums;
};

// Drives a whole game through the flow as a player would: the step button, the local
// player's clicks and the heartbeat for the other seats.
GameSummary PlayGame(std::uint64_t seed, bool moon) {
    GameState state;
    HandPointsObserver observer{state};
    testing::FirstLegalPlayer players;
    GameFlow flow{state, observer, players, seed};
    state.ShootMoon = moon;
    state.ProfileSlot = 6;
    flow.StartHand(false);
    for (int guard = 0; guard < 100000 && state.Phase != PhaseOf::GameFinished; ++guard) {
        if (state.StartState == 1 || state.Phase >= PhaseOf::TrickFull) {
            flow.Button7Click();
        } else if (state.Phase == PhaseOf::Passing) {
            for (int slot = 11; slot <= 13; ++slot) flow.BottomHandClick(slot, MouseButton::Left);
            flow.Button7Click();
        } else if (state.Phase == LocalSeat) {
            flow.BottomHandClick(testing::FirstLegalSlot(flow), MouseButton::Left);
        } else {
            flow.Heartbeat();
        }
    }
    return {state.HandNo, state.Totals, observer.HandSums};
}

TEST(WholeGameTest, FinishesWithEveryHandWorth26AndResultsAddingToZero) {
    for (const bool moon : {false, true}) {
        SCOPED_TRACE(moon ? "moon on" : "moon off");
        const GameSummary game = PlayGame(2026, moon);
        ASSERT_GT(game.hands, 0);
        EXPECT_EQ(static_cast<int>(game.handSums.size()), game.hands);
        for (const int sum : game.handSums) EXPECT_TRUE(sum == 26 || (moon && sum == 78)) << sum;
        EXPECT_EQ(game.results[1] + game.results[2] + game.results[3] + game.results[4], 0);
    }
}

TEST(WholeGameTest, SeededGameIsReproducible) {
    const GameSummary a = PlayGame(99, true);
    const GameSummary b = PlayGame(99, true);
    EXPECT_EQ(a.hands, b.hands);
    EXPECT_EQ(a.results, b.results);
    EXPECT_EQ(a.handSums, b.handSums);
    const GameSummary c = PlayGame(100, true);
    EXPECT_TRUE(c.results != a.results || c.hands != a.hands);
}

} // namespace
} // namespace vesrin
