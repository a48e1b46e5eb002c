#include "engine/HandQueries.h"

namespace vesrin {

namespace {

const auto& CardsOf(const GameState& state, int seat) { return state.HandCards[static_cast<std::size_t>(seat)]; }
const auto& RanksOf(const GameState& state, int seat) { return state.HandRanks[static_cast<std::size_t>(seat)]; }

} // namespace

bool HoldsCard(const GameState& state, int seat, CardCode card) { return SlotOfCard(state, seat, card) != 0; }

bool HoldsSuit(const GameState& state, int seat, unsigned char suit) {
    const auto& cards = CardsOf(state, seat);
    for (int slot = 1; slot <= CardsPerHand; ++slot)
        if (cards[slot].Suit == suit && !cards[slot].IsEmpty()) return true;
    return false;
}

int SlotOfCard(const GameState& state, int seat, CardCode card) {
    const auto& cards = CardsOf(state, seat);
    int found = 0;
    for (int slot = 1; slot <= CardsPerHand; ++slot)
        if (cards[slot] == card) found = slot;
    return found;
}

int CountSuit(const GameState& state, int seat, unsigned char suit) {
    const auto& cards = CardsOf(state, seat);
    int count = 0;
    for (int slot = 1; slot <= CardsPerHand; ++slot)
        if (cards[slot].Suit == suit && !cards[slot].IsEmpty()) ++count;
    return count;
}

int HighestSlotOfSuit(const GameState& state, int seat, unsigned char suit) {
    const auto& cards = CardsOf(state, seat);
    const auto& ranks = RanksOf(state, seat);
    for (int rank = 13; rank >= 1; --rank)
        for (int slot = 1; slot <= CardsPerHand; ++slot)
            if (cards[slot].Suit == suit && ranks[slot] == rank) return slot;
    return 0;
}

int LowestSlotOfSuit(const GameState& state, int seat, unsigned char suit) {
    const auto& cards = CardsOf(state, seat);
    const auto& ranks = RanksOf(state, seat);
    for (int rank = 1; rank <= 13; ++rank)
        for (int slot = 1; slot <= CardsPerHand; ++slot)
            if (cards[slot].Suit == suit && ranks[slot] == rank) return slot;
    return 0;
}

int HighestRankOfSuit(const GameState& state, int seat, unsigned char suit) {
    const int slot = HighestSlotOfSuit(state, seat, suit);
    return slot == 0 ? 0 : RanksOf(state, seat)[slot];
}

int LowestRankOfSuit(const GameState& state, int seat, unsigned char suit) {
    const int slot = LowestSlotOfSuit(state, seat, suit);
    return slot == 0 ? 14 : RanksOf(state, seat)[slot];
}

bool IsPlayed(const GameState& state, CardCode card) {
    for (int trick = 1; trick <= 13; ++trick)
        for (int pos = 1; pos <= 4; ++pos)
            if (state.PlayedCards[trick][pos] == card) return true;
    return false;
}

bool IsInTrick(const GameState& state, CardCode card) {
    for (int pos = 1; pos <= 4; ++pos)
        if (state.Trick[pos] == card) return true;
    return false;
}

int WinningRank(const GameState& state) {
    const unsigned char led = state.Trick[1].Suit;
    int best = 0;
    for (int pos = 1; pos <= 4; ++pos)
        if (!state.Trick[pos].IsEmpty() && state.Trick[pos].Suit == led && state.TrickRanks[pos] > best)
            best = state.TrickRanks[pos];
    return best;
}

void SortHand(GameState& state, int seat) {
    auto& cards = state.HandCards[seat];
    auto& ranks = state.HandRanks[seat];
    auto& penalties = state.HandPenalties[seat];
    // Order key: clubs, diamonds, spades, heart, each by rank. Equal keys keep their slot
    // order (insertion sort is stable); slots whose suit or rank match no card are dropped
    // and end up as free slots, as free slots always do.
    struct Entry {
        int Key;
        CardCode Card;
        std::uint8_t Rank;
        std::uint8_t Penalty;
    };
    constexpr int SuitOrder[5] = {0, 4, 2, 1, 3}; // by SuitIndex: heart last, clubs first
    Entry sorted[CardsPerHand];
    int count = 0;
    for (int slot = 1; slot <= CardsPerHand; ++slot) {
        const int suit = SuitIndex(cards[slot].Suit);
        const int rank = ranks[slot];
        if (suit == 0 || rank < 1 || rank > 13 || cards[slot].IsEmpty()) continue;
        const Entry entry{SuitOrder[suit] * 16 + rank, cards[slot], ranks[slot], penalties[slot]};
        int i = count++;
        while (i > 0 && sorted[i - 1].Key > entry.Key) {
            sorted[i] = sorted[i - 1];
            --i;
        }
        sorted[i] = entry;
    }
    for (int i = 0; i < count; ++i) {
        cards[i + 1] = sorted[i].Card;
        ranks[i + 1] = sorted[i].Rank;
        penalties[i + 1] = sorted[i].Penalty;
    }
    for (int slot = count + 1; slot <= CardsPerHand; ++slot) ClearSlot(state, seat, slot);
    state.HandCount[seat] = count;
}

void ClearSlot(GameState& state, int seat, int slot) {
    const auto s = static_cast<std::size_t>(seat);
    state.HandCards[s][slot] = EmptySlot;
    state.HandRanks[s][slot] = EmptyRank;
    state.HandPenalties[s][slot] = EmptyPenalty;
}

void PutCard(GameState& state, int seat, int slot, CardCode card, int rank, int penalty) {
    const auto s = static_cast<std::size_t>(seat);
    state.HandCards[s][slot] = card;
    state.HandRanks[s][slot] = static_cast<std::uint8_t>(rank);
    state.HandPenalties[s][slot] = static_cast<std::uint8_t>(penalty);
}

} // namespace vesrin
