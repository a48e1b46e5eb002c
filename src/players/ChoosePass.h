#pragma once

#include "engine/GameState.h"

namespace vesrin {

// The three slots a computer seat passes, in the order given: the queen, king and ace of
// spades when three or fewer low spades guard them, then the highest cards of the side
// suit whose cards stand highest on balance. Deterministic; the hand is not changed.
OneBased<int, 3> ChoosePass(const GameState& state, int seat);

} // namespace vesrin
