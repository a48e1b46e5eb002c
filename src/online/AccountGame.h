#pragma once

#include "online/AccountRecords.h"

namespace vesrin {

// The account game: booked on the service as a provisional loss before it starts and
// settled after it ends, so a game that is never settled (the program was closed, the
// connection lost) counts against the player rather than for him.

inline constexpr long long kProvisionalLoss = 200;
inline constexpr long long kCycleGames = 20;

// The rating stored while a game is booked: the old average with the provisional loss
// counted. k is the number of games including the booked one, rating the rating before.
double ProvisionalRating(long long k, double rating);

// The rating after the game: the provisional loss taken back and the real result
// counted. k is the number of games including this one, provisional the rating read back.
double SettledRating(long long k, double provisional, long long gameResult);

// What the booking saves: one more game, the provisional rating, the cycle's running
// values cleared (the program keeps the real ones until the settlement).
QorGame BookedGame(const QorGame& read);

// What the settlement saves, from the values read back after the booking. cycleGames is
// the number of games of the current cycle before this one (as the program kept it).
QorGame SettledGame(const QorGame& readBack, long long cycleGames, long long gameResult, long long runningScore);

} // namespace vesrin
