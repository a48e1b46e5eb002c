#pragma once

#include "engine/EngineObserver.h"
#include "engine/GameState.h"

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

namespace vesrin {

struct SelfPlayOptions {
    int Games = 1;
    std::uint64_t Seed = 1;
    bool ShootMoon = false;
    bool Limit50 = false;
    // The profile seat 4 plays as (1..5 a roster player, 6 a new player) and where its
    // figures come from at each new game; without a loader every game is a new player's.
    int ProfileSlot = 6;
    std::function<ProfileFigures(int profileSlot)> LoadProfile;
};

struct SelfPlaySummary {
    int Games = 0;
    long long Hands = 0;
    double Seconds = 0.0;
    OneBased<long long, 4> HandPoints{}; // summed over all hands, after the moon rule
    long long MoonShots = 0;             // hands in which one seat took all 26 points
    std::uint64_t LogDigest = 0;         // FNV-1a of the log text, also when no log is kept
};

// Called after each game has been summed up, with the state at "Exit to menu".
using GameEndHook = std::function<void(const GameState&, int gameNumber)>;

// Plays whole games computer against computer through the real engine flow: the step
// button, the bottom hand's clicks (seat 4 decided by the same computer players) and the
// heartbeat. `log`, when given, receives one ASCII line per event.
SelfPlaySummary RunSelfPlay(const SelfPlayOptions& options, std::ostream* log, const GameEndHook& onGameEnd = {});

} // namespace vesrin
