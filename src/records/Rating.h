#pragma once

#include "records/GameKind.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace vesrin {

// The rating and the game counters: the rating is the running average over all games of
// the game result divided by ten; games come in cycles of twenty.

// ((n - 1) * x + r / 10) / n, rounded to six decimals and limited to -99.99..99.99.
// n is the game number (games played before plus one); n below 1 counts as 1.
double ComputeRating(std::int32_t gameNo, std::int32_t result, double startRating);

// Whether game gameNo ends a cycle of twenty.
bool EndsCycle(std::int32_t gameNo);
// The position within the cycle, 1..20.
int CyclePosition(std::int32_t gameNo);

// The rating as the history files and the count window show it: times 100, rounded
// (halves to even), with a comma before the last two digits: 8.22 gives "8,22", -0.05
// "-0,05", 0.004 "0,00". With a width it is right-aligned in that many columns.
std::string RatingText(double rating);
std::string RatingText(double rating, std::size_t width);

// The seven texts of the count window.
struct TCount {
    std::string Count_KonAll;
    std::string Count_KonCur;
    std::string Count_ScoBeg;
    std::string Count_ScoCur;
    std::string Count_ScoAll;
    std::string Count_ReiBeg;
    std::string Count_ReiCur;
};

struct CountInputs {
    GameKind Kind = GameKind::Local;
    std::int32_t GameNo = 1;
    std::int32_t BaseScore = 0; // in a tournament: the tournament score at start
    std::int32_t GameScore = 0;
    double StartRating = 0;
    std::int32_t AccountGamesInSeries = 0;
    double RemoteRating = 0; // the account's or the tournament's rating
};

TCount MakeCountTexts(const CountInputs& game);

} // namespace vesrin
