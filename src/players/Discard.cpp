#include "players/Discard.h"

namespace vesrin {

SuitRatios SuitDanger(const CardSets& sets) {
    SuitRatios ratios{};
    const CardMask unseen = sets.Unseen();
    for (int suit = 1; suit <= 4; ++suit) {
        const unsigned out = SuitOf(unseen, suit);
        const int n = Count(out);
        if (n == 0) continue;
        int own = 0;
        int gap = 0;
        for (unsigned bits = SuitOf(sets.Hand, suit); bits != 0; bits &= bits - 1) {
            const int rank = LowestRank(bits);
            const int lower = Count(out & RanksBelow(rank));
            if (rank != 1 && lower > own && lower - own > gap) gap = lower - own;
            ++own;
        }
        ratios[suit] = static_cast<double>(gap) / static_cast<double>(n);
    }
    return ratios;
}

CardCode ChooseDiscard(const CardSets& sets) {
    if (sets.Holds(QueenOfSpades)) return QueenOfSpades;
    if (sets.Holds(KingOfSpades) && !sets.IsPlayed(QueenOfSpades)) return KingOfSpades;
    if (sets.Holds(AceOfSpades) && !sets.IsPlayed(QueenOfSpades)) return AceOfSpades;
    const SuitRatios ratios = SuitDanger(sets);
    int best = 0;
    for (int suit = 1; suit <= 4; ++suit) {
        if (SuitOf(sets.Hand, suit) == 0) continue;
        if (best == 0 || ratios[suit] > ratios[best]) best = suit;
    }
    if (best == 0) return EmptySlot;
    return CardOf(best, HighestRank(SuitOf(sets.Hand, best)));
}

CardCode DuckCard(CardMask hand, int ledSuit, int winningRank) {
    const unsigned own = SuitOf(hand, ledSuit);
    if (own == 0 || winningRank <= 1) return EmptySlot;
    const unsigned below = own & RanksBelow(winningRank);
    if (below == 0) return EmptySlot;
    return CardOf(ledSuit, HighestRank(below));
}

CardCode ChooseFirstTrickDiscard(const CardSets& sets) {
    CardSets copy = sets;
    constexpr CardMask HeartBits = CardMask{SuitBits} << 0;
    for (;;) {
        const CardCode choice = ChooseDiscard(copy);
        if (choice.IsEmpty()) return choice;
        const bool holdsOther = (copy.Hand & ~HeartBits) != 0;
        const bool rejected = choice == QueenOfSpades || (IsHeart(choice) && holdsOther);
        if (!rejected) return choice;
        copy.Hand &= ~BitOf(choice);
    }
}

} // namespace vesrin
