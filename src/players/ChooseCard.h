#pragma once

#include "engine/EngineObserver.h"
#include "engine/GameState.h"

namespace vesrin {

// A computer seat's card and the branch of the decision list that chose it ("1-0",
// "1-1-3", "2-5", "4-4", ...; "moon" for a card played while aiming at all the points).
struct PlayDecision {
    int Slot = 1;
    const char* Label = "";
};

// The card a computer seat plays at trick position `trickPos`: a fixed decision list,
// no search and no randomness. It obeys the rules branch by branch. With the moon rule on
// it may show the seat's name plate red (aiming at all the points) or yellow.
PlayDecision ChooseCard(const GameState& state, int seat, int trickPos, EngineObserver& observer);

} // namespace vesrin
