#pragma once

#include "engine/EngineObserver.h"
#include "engine/GameState.h"

namespace vesrin {

// The decisions of the seats the program plays itself. The engine asks; it never decides
// a computer seat's card on its own.
class ComputerPlayers {
public:
    virtual ~ComputerPlayers() = default;
    // Three slots of the seat's hand to pass, in the order they are given.
    virtual OneBased<int, 3> ChoosePass(const GameState& state, int seat) = 0;
    // The slot (1..13) of the card the seat plays at trick position `trickPos`. The
    // observer shows the moon consideration on the seat's name plate.
    virtual int ChooseCard(const GameState& state, int seat, int trickPos, EngineObserver& observer) = 0;
};

} // namespace vesrin
