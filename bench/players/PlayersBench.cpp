// Speed of the computer players and of whole hands through the engine.

#include "engine/GameFlow.h"
#include "players/ChooseCard.h"
#include "players/DecisionListPlayers.h"
#include "selfplay/SelfPlay.h"

#include <benchmark/benchmark.h>

namespace vesrin {
namespace {

// A state in the middle of a hand: a few tricks played by the computer players.
GameState MidHand() {
    GameState state;
    EngineObserver quiet;
    DecisionListPlayers players;
    GameFlow flow{state, quiet, players, 17};
    state.ProfileSlot = 6;
    state.HandNo = 3; // the fourth hand: no pass
    flow.StartHand(true);
    flow.Button7Click();
    for (int cards = 0; cards < 21;) {
        if (state.Phase >= 1 && state.Phase <= 4) {
            flow.PlayCard(state.Phase, players.ChooseCard(state, state.Phase, state.TrickPos, quiet), false);
            ++cards;
        } else {
            flow.CollectTrick();
            state.Phase = state.Leader;
        }
    }
    return state;
}

void BM_ChooseCard(benchmark::State& bench) {
    const GameState state = MidHand();
    EngineObserver quiet;
    for (auto _ : bench) benchmark::DoNotOptimize(ChooseCard(state, state.Phase, state.TrickPos, quiet));
}
BENCHMARK(BM_ChooseCard);

void BM_WholeHand(benchmark::State& bench) {
    GameState state;
    EngineObserver quiet;
    DecisionListPlayers players;
    GameFlow flow{state, quiet, players, 3};
    state.ShootMoon = true;
    state.ProfileSlot = 6;
    flow.StartHand(false);
    for (auto _ : bench) {
        state.Totals = {};
        flow.StartHand(true);
        flow.Button7Click();
        if (state.Phase == PhaseOf::Passing) {
            const auto picks = players.ChoosePass(state, LocalSeat);
            for (int r = 1; r <= 3; ++r) flow.BottomHandClick(picks[r], MouseButton::Left);
            flow.Button7Click();
        }
        while (state.Phase != PhaseOf::HandAccounted) {
            if (state.Phase == LocalSeat)
                flow.BottomHandClick(players.ChooseCard(state, LocalSeat, state.TrickPos, quiet), MouseButton::Left);
            else if (state.Phase >= 1 && state.Phase <= 3)
                flow.Heartbeat();
            else
                flow.Button7Click();
        }
    }
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_WholeHand);

void BM_SelfPlayGames(benchmark::State& bench) {
    SelfPlayOptions options;
    options.Games = 10;
    options.ShootMoon = true;
    long long hands = 0;
    for (auto _ : bench) {
        const SelfPlaySummary summary = RunSelfPlay(options, nullptr);
        hands += summary.Hands;
        ++options.Seed;
    }
    bench.counters["hands/s"] = benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SelfPlayGames)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vesrin
