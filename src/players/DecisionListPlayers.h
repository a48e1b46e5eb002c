#pragma once

#include "engine/ComputerPlayers.h"
#include "players/ChooseCard.h"

namespace vesrin {

// The computer players as the engine's heartbeat and exchange ask for them. Remembers the
// branch of each seat's last card for logs and tests.
class DecisionListPlayers : public ComputerPlayers {
public:
    OneBased<int, 3> ChoosePass(const GameState& state, int seat) override;
    int ChooseCard(const GameState& state, int seat, int trickPos, EngineObserver& observer) override;

    const char* LastLabel(int seat) const { return lastLabel_[seat]; }

private:
    OneBased<const char*, 4> lastLabel_{"", "", "", "", ""};
};

} // namespace vesrin
