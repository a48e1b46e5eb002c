#pragma once

#include "engine/GameState.h"

namespace vesrin {

// Queries on one seat's hand. They scan slots 1..13 only, as the rules do.
bool HoldsCard(const GameState& state, int seat, CardCode card);
bool HoldsSuit(const GameState& state, int seat, unsigned char suit);
// Slot 1..13 of the card, 0 when absent (the last matching slot wins).
int SlotOfCard(const GameState& state, int seat, CardCode card);
int CountSuit(const GameState& state, int seat, unsigned char suit);
// Slot of the suit's card with the greatest RankValue; 0 when the suit is missing.
int HighestSlotOfSuit(const GameState& state, int seat, unsigned char suit);
// Slot of the suit's card with the smallest RankValue; 0 when the suit is missing.
int LowestSlotOfSuit(const GameState& state, int seat, unsigned char suit);
// Greatest RankValue of the suit, 0 when missing; smallest, 14 when missing.
int HighestRankOfSuit(const GameState& state, int seat, unsigned char suit);
int LowestRankOfSuit(const GameState& state, int seat, unsigned char suit);

// The card is among the 52 entries of PlayedCards / the four entries of Trick.
bool IsPlayed(const GameState& state, CardCode card);
bool IsInTrick(const GameState& state, CardCode card);
// Greatest TrickRanks entry among the positions that follow the suit of position 1;
// 0 for an empty trick.
int WinningRank(const GameState& state);

// Sorts a seat's hand: clubs, diamonds, spades, heart, each rising by rank; free slots
// last. Every change of a hand is followed by this before slot numbers are read again,
// because players, clicks and network messages all name cards by slot.
void SortHand(GameState& state, int seat);

// Empties a slot (EmptySlot, rank 99, penalty 99) without sorting.
void ClearSlot(GameState& state, int seat, int slot);
// Puts a card with its rank and penalty into a slot.
void PutCard(GameState& state, int seat, int slot, CardCode card, int rank, int penalty);

} // namespace vesrin
