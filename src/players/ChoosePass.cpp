#include "players/ChoosePass.h"

#include "engine/HandQueries.h"

namespace vesrin {

namespace {

constexpr double MissingSuitWeight = -20.0;
constexpr double NoSideSuitLimit = -19.9;

bool IsLowSpade(CardCode card) { return card.Suit == SuitSpades && RankValue(card) <= 10; }

} // namespace

OneBased<int, 3> ChoosePass(const GameState& state, int seat) {
    // A private copy of the hand: picked cards are marked empty so they are not found again.
    CardCode cards[CardsPerHand + 1];
    int ranks[CardsPerHand + 1];
    int lowSpades = 0;
    for (int slot = 1; slot <= CardsPerHand; ++slot) {
        cards[slot] = state.HandCards[seat][slot];
        ranks[slot] = state.HandRanks[seat][slot];
        if (IsLowSpade(cards[slot])) ++lowSpades;
    }

    OneBased<int, 3> picks{};
    int taken = 0;
    if (lowSpades <= 3)
        for (const CardCode high : {QueenOfSpades, KingOfSpades, AceOfSpades}) {
            const int slot = SlotOfCard(state, seat, high);
            if (slot != 0 && taken < 3) picks[++taken] = slot;
        }

    while (taken < 3) {
        unsigned char bestSuit = SuitSpades;
        double best = MissingSuitWeight;
        for (const unsigned char suit : {SuitHeart, SuitDiamonds, SuitClubs}) {
            double weight = 0.0;
            bool any = false;
            for (int slot = 1; slot <= CardsPerHand; ++slot)
                if (cards[slot].Suit == suit && ranks[slot] != EmptyRank) {
                    weight += (ranks[slot] - 7) / 10.0;
                    any = true;
                }
            if (!any) weight = MissingSuitWeight;
            if (weight > best) {
                best = weight;
                bestSuit = suit;
            }
        }
        if (best <= NoSideSuitLimit) bestSuit = SuitSpades;

        int pick = 0;
        for (int rank = 13; rank >= 1 && pick == 0; --rank)
            for (int slot = 1; slot <= CardsPerHand && pick == 0; ++slot)
                if (cards[slot].Suit == bestSuit && ranks[slot] == rank) pick = slot;
        if (pick == 0) break; // a hand of fewer than three cards
        ranks[pick] = EmptyRank;
        picks[++taken] = pick;
    }
    return picks;
}

} // namespace vesrin
