#include "online/StatisticsCounters.h"

namespace vesrin {

std::array<long long, 12> GameStatisticsCounters(const FinishedGame& game) {
    std::array<long long, 12> r{};
    if (!game.Network) {
        r[0] = 1;
        r[1] = game.EndsCycle ? 1 : 0;
        r[2] = game.Result > 0 ? game.Result : 0;
        r[3] = game.Result < 0 ? -game.Result : 0;
    } else {
        r[4] = game.HostedHere ? 1 : 0;
        r[5] = game.TournamentSeatOne ? 1 : 0;
    }
    return r;
}

} // namespace vesrin
