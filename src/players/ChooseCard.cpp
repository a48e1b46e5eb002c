#include "players/ChooseCard.h"

#include "engine/HandQueries.h"
#include "players/CardSets.h"
#include "players/Discard.h"

namespace vesrin {

namespace {

// The low spades from the jack down to the two; "1-1-1" and "1-1-2" lead the first held.
constexpr int LowSpadesDown[] = {10, 9, 8, 7, 6, 5, 4, 3, 2, 1};

// Real quotient a / b rounded to the nearest integer, halves to the even one.
int RoundHalfEven(int a, int b) {
    const int q = a / b;
    const int twiceRest = 2 * (a % b);
    if (twiceRest > b || (twiceRest == b && q % 2 != 0)) return q + 1;
    return q;
}

// The decision list for one call: the facts it needs, computed once.
class Decider {
public:
    Decider(const GameState& state, int seat, int trickPos, EngineObserver& observer)
        : s_(state), seat_(seat), trickPos_(trickPos), observer_(observer), sets_(SetsOf(state, seat)) {
        const CardMask unseen = sets_.Unseen();
        for (int suit = 1; suit <= 4; ++suit) unseen_[suit] = SuitOf(unseen, suit);
        danger_ = SuitDanger(sets_);
        led_ = SuitIndex(s_.LedSuit);
        if (trickPos_ > 1 && led_ != 0) ledDanger_ = danger_[led_];
    }

    PlayDecision Decide() {
        if (s_.ShootMoon && ConsiderMoon()) return Done("moon");
        if (trickPos_ == 1) return Lead();
        if (trickPos_ <= 3) return SecondOrThird();
        return Fourth();
    }

private:
    unsigned Own(int suit) const { return SuitOf(sets_.Hand, suit); }
    bool Holds(int suit) const { return Own(suit) != 0; }
    bool Holds(CardCode card) const { return sets_.Holds(card); }
    int U(int suit) const { return Count(unseen_[suit]); }
    bool QueenPlayed() const { return sets_.IsPlayed(QueenOfSpades); }
    bool QueenInTrick() const { return sets_.IsInTrick(QueenOfSpades); }

    PlayDecision Play(CardCode card, const char* label) {
        chosen_ = SlotOfCard(s_, seat_, card);
        return Done(label);
    }
    PlayDecision Done(const char* label) const { return {chosen_ == 0 ? 1 : chosen_, label}; }
    PlayDecision Highest(int suit, const char* label) { return Play(CardOf(suit, HighestRank(Own(suit))), label); }
    PlayDecision Lowest(int suit, const char* label) { return Play(CardOf(suit, LowestRank(Own(suit))), label); }

    // The highest card of the led suit; the queen of spades gives way to the card just
    // below it when the seat holds a spade from the jack down to the three.
    PlayDecision HighestSparingQueen(const char* label) {
        const CardCode top = CardOf(led_, HighestRank(Own(led_)));
        if (top == QueenOfSpades && (Own(Spades) & 0x3FEu) != 0) {
            const unsigned below = Own(Spades) & RanksBelow(RankValue(QueenOfSpades));
            return Play(CardOf(Spades, HighestRank(below)), label);
        }
        return Play(top, label);
    }

    // --- moon consideration ---
    bool ConsiderMoon() {
        int allTaken = 0;
        for (int seat = 1; seat <= 4; ++seat) allTaken += s_.TakenPoints[seat];
        if (s_.TakenPoints[seat_] != allTaken) return false;

        bool allOk = true;
        bool allStrong = true;
        int sure[5] = {};
        bool ok[5] = {};
        for (int suit = 1; suit <= 4; ++suit) {
            const int top = unseen_[suit] == 0 ? 0 : HighestRank(unseen_[suit]);
            const unsigned own = Own(suit);
            sure[suit] = Count(own & ~((1u << top) - 1u));
            ok[suit] = own == 0 || LowestRank(own) > top || sure[suit] >= U(suit);
            const bool strong = ok[suit] || (sure[suit] >= 3 && sure[suit] >= RoundHalfEven(2 * U(suit), sure[suit]));
            allOk = allOk && ok[suit];
            allStrong = allStrong && strong;
        }

        const bool spadesLed = trickPos_ > 1 && led_ == Spades;
        const bool aceInTrick = sets_.IsInTrick(AceOfSpades);
        const bool kingInTrick = sets_.IsInTrick(KingOfSpades);
        const bool manyTaken = s_.TakenPoints[seat_] >= 13 && U(Heart) > 0;
        const bool holdsA = Holds(AceOfSpades), holdsK = Holds(KingOfSpades), holdsQ = Holds(QueenOfSpades);
        const bool queenCase =
            (manyTaken || (holdsA && holdsK && holdsQ) || (holdsA && QueenInTrick() && spadesLed) ||
             (holdsK && QueenInTrick() && spadesLed && !aceInTrick && trickPos_ == 4) ||
             (holdsQ && !kingInTrick && spadesLed && !aceInTrick && trickPos_ == 4)) &&
            ok[Heart] && sure[Heart] >= U(Heart) && s_.SuitBroken;
        const bool penaltySuitCase = (manyTaken || holdsA || holdsK || holdsQ) && sure[Heart] >= 3 &&
                                     sure[Heart] >= RoundHalfEven(2 * U(Heart), sure[Heart]) && s_.SuitBroken;

        if (allOk || queenCase || allStrong || penaltySuitCase) {
            observer_.DrawNamePlate(seat_, NamePlateStyle::Red);
            if (s_.TrickNo != 1) {
                int suit = 0;
                if (trickPos_ == 1) {
                    if (Holds(Spades) && s_.TakenPoints[seat_] < 13) suit = Spades;
                    else if (Holds(Heart) && s_.SuitBroken) suit = Heart;
                    else if (Holds(Diamonds)) suit = Diamonds;
                    else if (Holds(Clubs)) suit = Clubs;
                } else if (led_ != 0 && Holds(led_)) {
                    suit = led_;
                }
                if (suit != 0) {
                    Highest(suit, "moon");
                    return true;
                }
            }
        }
        observer_.DrawNamePlate(seat_, NamePlateStyle::Yellow);
        return false;
    }

    // --- the lead ---
    PlayDecision FirstHeldLowSpade(const char* label) {
        for (const int rank : LowSpadesDown)
            if (Own(Spades) & (1u << (rank - 1))) return Play(CardOf(Spades, rank), label);
        return {0, nullptr};
    }

    PlayDecision Lead() {
        if (s_.TrickNo == 1) return Play(TwoOfClubs, "1-0");
        const bool holdsQ = Holds(QueenOfSpades);
        const bool holdsHigh = holdsQ || Holds(KingOfSpades) || Holds(AceOfSpades);
        if (!holdsHigh && !QueenPlayed()) {
            if (auto d = FirstHeldLowSpade("1-1-1"); d.Label) return d;
        }
        if (!holdsQ && !QueenPlayed() && holdsHigh && danger_[Spades] < 0.5) {
            if (auto d = FirstHeldLowSpade("1-1-2"); d.Label) return d;
        }
        if (!holdsQ && !QueenPlayed()) {
            for (int t = 0; t <= 10; ++t)
                for (int suit = Heart; suit <= Clubs; ++suit)
                    if (t / 10.0 > danger_[suit] && Holds(suit) && U(suit) >= 1 && (suit != Heart || s_.SuitBroken))
                        return Lowest(suit, "1-1-3");
            return Play(s_.HandCards[seat_][1], "1-1-4");
        }
        if (holdsQ) {
            for (int length = 1; length <= 13; ++length)
                for (int suit = Heart; suit <= Clubs; ++suit)
                    if (Count(Own(suit)) == length && U(suit) >= 1 && (suit != Heart || s_.SuitBroken))
                        return Lowest(suit, "1-1-5");
            return Play(s_.HandCards[seat_][1], "1-1-6");
        }
        // The queen of spades has been played.
        for (const int suit : {Diamonds, Clubs, Spades, Heart}) {
            const unsigned own = Own(suit);
            if (danger_[suit] < 0.4 && Count(own) >= 2 && U(suit) >= 4 && (suit != Heart || s_.SuitBroken)) {
                const unsigned withoutLowest = own & (own - 1);
                return Play(CardOf(suit, LowestRank(withoutLowest)), "1-2");
            }
        }
        for (const int suit : {Diamonds, Clubs, Spades})
            if (Holds(suit) && U(suit) >= 1) return Lowest(suit, "1-3");
        if (s_.SuitBroken && Holds(Heart) && U(Heart) >= 1) return Lowest(Heart, "1-3");
        return Play(s_.HandCards[seat_][1], "1-4");
    }

    // --- following ---
    PlayDecision Discard(const char* label) {
        return Play(s_.TrickNo == 1 ? ChooseFirstTrickDiscard(sets_) : ChooseDiscard(sets_), label);
    }

    PlayDecision SecondOrThird() {
        if (!Holds(led_)) return Discard("2-7");
        const int low = LowestRank(Own(led_));
        const int win = WinningRank(s_);
        if (low > win) {
            for (int pos = 1; pos <= 3; ++pos)
                if (s_.Trick[pos] == QueenOfSpades) return Lowest(led_, "2-1");
            if (led_ == Spades && !QueenPlayed() && !Holds(QueenOfSpades)) return Lowest(Spades, "2-2");
            if (led_ == Spades && !QueenPlayed()) {
                for (const int rank : {13, 12, 10, 9, 8, 7, 6, 5, 4, 3, 2, 11})
                    if (Own(Spades) & (1u << (rank - 1))) return Play(CardOf(Spades, rank), "2-2");
            }
            if (led_ != Heart && ledDanger_ > 0.6 && U(led_) >= 3) return HighestSparingQueen("2-3");
            const CardCode lowest = CardOf(led_, low);
            if (lowest == QueenOfSpades && (Holds(KingOfSpades) || Holds(AceOfSpades))) {
                const unsigned above = Own(Spades) & ~((1u << RankValue(QueenOfSpades)) - 1u);
                return Play(CardOf(Spades, LowestRank(above)), "2-4");
            }
            return Play(lowest, "2-4");
        }
        const int hi = HighestRank(Own(led_));
        if (hi < win) {
            if (led_ == Spades && Holds(QueenOfSpades)) return Play(QueenOfSpades, "2-5");
            return Highest(led_, "2-5");
        }
        const CardCode duck = DuckCard(sets_.Hand, led_, win);
        if (QueenInTrick() || led_ == Heart || led_ == Spades) return Play(duck, "2-5");
        if (led_ == Diamonds && danger_[Diamonds] > 0.6 && U(Diamonds) >= 5) return Highest(Diamonds, "2-5");
        if (led_ == Clubs && danger_[Clubs] > 0.6 && U(Clubs) >= 5) return Highest(Clubs, "2-5");
        return Play(duck, "2-6");
    }

    PlayDecision Fourth() {
        if (!Holds(led_)) return Discard("4-5");
        const int low = LowestRank(Own(led_));
        const int win = WinningRank(s_);
        if (low > win) return HighestSparingQueen("4-1");
        const int hi = HighestRank(Own(led_));
        if (hi < win) {
            if (led_ == Spades && Holds(QueenOfSpades)) return Play(QueenOfSpades, "4-2");
            return Highest(led_, "4-2");
        }
        int heartsInTrick = 0;
        for (int pos = 1; pos <= 4; ++pos)
            if (IsHeart(s_.Trick[pos])) ++heartsInTrick;
        const unsigned spades = Own(Spades);
        const int spadesAbove = Count(spades & ~((1u << win) - 1u));
        const bool topSpadeIsQueen = spades != 0 && HighestRank(spades) == RankValue(QueenOfSpades);
        if (ledDanger_ < 0.5 || QueenInTrick() || heartsInTrick >= 2 ||
            (led_ == Spades && spadesAbove == 1 && topSpadeIsQueen))
            return Play(DuckCard(sets_.Hand, led_, win), "4-3");
        return HighestSparingQueen("4-4");
    }

    const GameState& s_;
    int seat_;
    int trickPos_;
    EngineObserver& observer_;
    CardSets sets_;
    unsigned unseen_[5] = {};
    SuitRatios danger_{};
    int led_ = 0;
    double ledDanger_ = 0.0;
    int chosen_ = 0;
};

} // namespace

PlayDecision ChooseCard(const GameState& state, int seat, int trickPos, EngineObserver& observer) {
    return Decider{state, seat, trickPos, observer}.Decide();
}

} // namespace vesrin
