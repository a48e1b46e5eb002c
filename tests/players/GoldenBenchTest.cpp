#include "engine/GameFlow.h"
#include "engine/Rules.h"
#include "players/DecisionListPlayers.h"
#include "selfplay/SelfPlay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace vesrin {
namespace {

SelfPlayOptions Options(int games, std::uint64_t seed, bool moon, bool limit50) {
    SelfPlayOptions options;
    options.Games = games;
    options.Seed = seed;
    options.ShootMoon = moon;
    options.Limit50 = limit50;
    return options;
}

// The fixed bench: any change of the engine or the decision lists shows up here. When a
// change of behaviour is intended, the new figures go in with the change that makes it.
TEST(GoldenBenchTest, FixedSeedGivesFixedGames) {
    struct Bench {
        const char* name;
        SelfPlayOptions options;
        long long hands;
        long long moonShots;
        std::uint64_t digest;
    };
    const Bench benches[] = {
        {"moon on, limit 100", Options(40, 2026, true, false), 398, 34, 0xc5377205209416efull},
        {"moon off, limit 50", Options(40, 2026, false, true), 197, 8, 0x35ba0cfb565c5dcaull},
    };
    for (const auto& bench : benches) {
        SCOPED_TRACE(bench.name);
        const SelfPlaySummary summary = RunSelfPlay(bench.options, nullptr);
        EXPECT_EQ(summary.Games, bench.options.Games);
        EXPECT_EQ(summary.Hands, bench.hands);
        EXPECT_EQ(summary.MoonShots, bench.moonShots);
        EXPECT_EQ(summary.LogDigest, bench.digest) << std::hex << summary.LogDigest;
    }
}

TEST(GoldenBenchTest, LogLinesHaveTheirForm) {
    std::ostringstream log;
    const SelfPlaySummary summary = RunSelfPlay(Options(1, 7, false, false), &log);
    ASSERT_EQ(summary.Games, 1);
    std::istringstream lines(log.str());
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "game 1 moon 0 limit 100");
    std::getline(lines, line);
    EXPECT_EQ(line, "hand 1 pass left");
    std::getline(lines, line);
    EXPECT_EQ(line.rfind("deal 1 ", 0), 0u);
    EXPECT_EQ(std::count(line.begin(), line.end(), ' '), 14);
    std::string last;
    int plays = 0;
    while (std::getline(lines, line)) {
        if (line.rfind("play ", 0) == 0) ++plays;
        last = line;
    }
    EXPECT_EQ(plays, 52 * summary.Hands);
    EXPECT_EQ(last.rfind("game-end ", 0), 0u);
    // The same seed writes the same log.
    std::ostringstream again;
    RunSelfPlay(Options(1, 7, false, false), &again);
    EXPECT_EQ(again.str(), log.str());
}

} // namespace
} // namespace vesrin

namespace vesrin {
namespace {

// Asks the real players and checks every card against the rules before it is played.
class CheckingPlayers : public DecisionListPlayers {
public:
    int Illegal = 0;
    int Cards = 0;
    int ChooseCard(const GameState& state, int seat, int trickPos, EngineObserver& observer) override {
        const int slot = DecisionListPlayers::ChooseCard(state, seat, trickPos, observer);
        ++Cards;
        if (CardError(state, seat, slot) != 0 || state.HandCards[seat][slot].IsEmpty()) ++Illegal;
        return slot;
    }
};

TEST(DecisionListTest, EveryCardOfManyGamesIsLegal) {
    for (const bool moon : {false, true}) {
        GameState state;
        EngineObserver quiet;
        CheckingPlayers players;
        GameFlow flow{state, quiet, players, moon ? 5u : 6u};
        state.ShootMoon = moon;
        for (int game = 0; game < 100; ++game) {
            state.ProfileSlot = 6;
            flow.StartHand(false);
            for (int guard = 0; guard < 20000 && state.Phase != PhaseOf::GameFinished; ++guard) {
                if (state.StartState == 1 || state.Phase >= PhaseOf::TrickFull) {
                    flow.Button7Click();
                } else if (state.Phase == PhaseOf::Passing) {
                    const auto picks = players.ChoosePass(state, LocalSeat);
                    for (int r = 1; r <= 3; ++r) flow.BottomHandClick(picks[r], MouseButton::Left);
                    flow.Button7Click();
                } else if (state.Phase == LocalSeat) {
                    flow.BottomHandClick(players.ChooseCard(state, LocalSeat, state.TrickPos, quiet), MouseButton::Left);
                } else {
                    flow.Heartbeat();
                }
            }
            ASSERT_EQ(state.Phase, PhaseOf::GameFinished);
        }
        EXPECT_EQ(players.Illegal, 0) << "of " << players.Cards << " cards";
    }
}

} // namespace
} // namespace vesrin
