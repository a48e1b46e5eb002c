#pragma once

#include <array>

namespace vesrin {

// A finished game as the world statistics count it.
struct FinishedGame {
    bool Network = false;         // played over the network (LAN or tournament)
    bool HostedHere = false;      // a network game this program hosted
    bool TournamentSeatOne = false; // a tournament game with this program at seat 1
    bool EndsCycle = false;       // a game without network that ends a cycle of twenty
    long long Result = 0;         // the game result of a game without network
};

// The twelve counters R1..R12 sent after the game.
std::array<long long, 12> GameStatisticsCounters(const FinishedGame& game);

} // namespace vesrin
