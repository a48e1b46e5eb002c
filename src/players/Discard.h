#pragma once

#include "players/CardSets.h"

#include <array>

namespace vesrin {

// Per suit (index 1..4) how high the seat's cards stand among the unseen ones: 0 when
// they are covered by enough lower unseen cards, near 1 when the seat holds the top.
using SuitRatios = std::array<double, 5>;
SuitRatios SuitDanger(const CardSets& sets);

// The card to throw when the seat cannot follow suit.
CardCode ChooseDiscard(const CardSets& sets);

// The highest card of the led suit below the winning rank, or EmptySlot when the seat's
// lowest card of that suit is not below it.
CardCode DuckCard(CardMask hand, int ledSuit, int winningRank);

// The discard of trick 1: never the queen of spades, and no heart card while the hand
// holds anything else (the queen aside). Rejected choices leave a copy of the hand and
// count as unseen for its ratios.
CardCode ChooseFirstTrickDiscard(const CardSets& sets);

} // namespace vesrin
