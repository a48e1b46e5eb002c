#pragma once

#include "engine/GameState.h"

namespace vesrin {

// Why a seat may not play the card in `slot` now: 0 legal, 1 the first lead must be the
// two of clubs, 2 heart cards may not be led before one was played, 3 no heart card and
// never the queen of spades in trick 1, 4 the led suit must be followed. The local
// player's clicks are tested with it; the computer players obey the same rules by
// construction.
int CardError(const GameState& state, int seat, int slot);

} // namespace vesrin
