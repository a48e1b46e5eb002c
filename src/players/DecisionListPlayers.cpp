#include "players/DecisionListPlayers.h"

#include "players/ChoosePass.h"

namespace vesrin {

OneBased<int, 3> DecisionListPlayers::ChoosePass(const GameState& state, int seat) {
    return vesrin::ChoosePass(state, seat);
}

int DecisionListPlayers::ChooseCard(const GameState& state, int seat, int trickPos, EngineObserver& observer) {
    const PlayDecision decision = vesrin::ChooseCard(state, seat, trickPos, observer);
    if (seat >= 1 && seat <= 4) lastLabel_[seat] = decision.Label;
    return decision.Slot;
}

} // namespace vesrin
