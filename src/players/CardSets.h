#pragma once

#include "engine/GameState.h"

#include <bit>
#include <cstdint>

namespace vesrin {

// Sets of cards as bit masks: 16 bits per suit (heart, diamonds, clubs, spades), bit
// r - 1 for RankValue r. The decision lists ask the same few questions of the pack many
// times per card; masks answer them with a shift and a popcount.
using CardMask = std::uint64_t;

inline constexpr CardMask SuitBits = 0x1FFF;

constexpr int SuitShift(int suit) { return (suit - 1) * 16; }
constexpr CardMask BitOf(int suit, int rank) { return CardMask{1} << (SuitShift(suit) + rank - 1); }
inline CardMask BitOf(CardCode card) { return BitOf(SuitIndex(card), RankValue(card)); }
constexpr unsigned SuitOf(CardMask mask, int suit) { return static_cast<unsigned>((mask >> SuitShift(suit)) & SuitBits); }
inline int Count(unsigned suitBits) { return std::popcount(suitBits); }
// Lowest / highest RankValue in a suit's bits (the bits must not be empty).
inline int LowestRank(unsigned suitBits) { return std::countr_zero(suitBits) + 1; }
inline int HighestRank(unsigned suitBits) { return 32 - std::countl_zero(suitBits); }
// Bits of the ranks below `rank`.
constexpr unsigned RanksBelow(int rank) { return (1u << (rank - 1)) - 1u; }

// What a deciding seat knows: its own hand, every completed trick and the trick on the table.
struct CardSets {
    CardMask Hand = 0;
    CardMask Played = 0;
    CardMask Trick = 0;

    // Cards that are in no other set: the ones still out in other hands.
    CardMask Unseen() const { return ~(Hand | Played | Trick) & AllCards(); }
    static constexpr CardMask AllCards() { return 0x1FFF1FFF1FFF1FFFull; }
    bool Holds(CardCode card) const { return (Hand & BitOf(card)) != 0; }
    bool IsPlayed(CardCode card) const { return (Played & BitOf(card)) != 0; }
    bool IsInTrick(CardCode card) const { return (Trick & BitOf(card)) != 0; }
};

inline CardMask HandMask(const GameState& state, int seat) {
    CardMask mask = 0;
    for (int slot = 1; slot <= CardsPerHand; ++slot)
        if (IsValidCard(state.HandCards[seat][slot])) mask |= BitOf(state.HandCards[seat][slot]);
    return mask;
}

inline CardSets SetsOf(const GameState& state, int seat) {
    CardSets sets;
    sets.Hand = HandMask(state, seat);
    for (int trick = 1; trick <= 13; ++trick)
        for (int pos = 1; pos <= 4; ++pos)
            if (IsValidCard(state.PlayedCards[trick][pos])) sets.Played |= BitOf(state.PlayedCards[trick][pos]);
    for (int pos = 1; pos <= 4; ++pos)
        if (IsValidCard(state.Trick[pos])) sets.Trick |= BitOf(state.Trick[pos]);
    return sets;
}

inline CardCode CardOf(int suit, int rank) { return CardCode{RankChar(rank), SuitChar(suit)}; }

} // namespace vesrin
