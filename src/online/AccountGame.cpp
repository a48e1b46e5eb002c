#include "online/AccountGame.h"

namespace vesrin {

double ProvisionalRating(long long k, double rating) {
    if (k <= 0) return rating;
    const double kd = static_cast<double>(k);
    return ((kd - 1) * (rating - (kd - 1) / 20) - static_cast<double>(kProvisionalLoss)) / kd + kd / 20;
}

double SettledRating(long long k, double provisional, long long gameResult) {
    // Without a booked game there is nothing to take back.
    if (k <= 0) return provisional;
    const double kd = static_cast<double>(k);
    return (kd * (provisional - kd / 20) + static_cast<double>(kProvisionalLoss) + static_cast<double>(gameResult)) / kd +
           kd / 20;
}

QorGame BookedGame(const QorGame& read) {
    QorGame booked = read;
    booked.Kon = read.Kon + 1;
    booked.Rating = ProvisionalRating(booked.Kon, read.Rating);
    booked.KonL = 0;
    booked.Score = 0;
    return booked;
}

QorGame SettledGame(const QorGame& readBack, long long cycleGames, long long gameResult, long long runningScore) {
    QorGame settled = readBack;
    settled.Rating = SettledRating(readBack.Kon, readBack.Rating, gameResult);
    if (cycleGames + 1 >= kCycleGames) {
        if (runningScore > settled.Best) settled.Best = runningScore;
        settled.Sessions = readBack.Sessions + 1;
        settled.KonL = 0;
        settled.Score = 0;
    } else {
        settled.KonL = cycleGames + 1;
        settled.Score = runningScore;
    }
    return settled;
}

} // namespace vesrin
