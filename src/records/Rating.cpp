#include "records/Rating.h"

#include "base/TextFields.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace vesrin {

double ComputeRating(std::int32_t gameNo, std::int32_t result, double startRating) {
    const double n = gameNo < 1 ? 1.0 : static_cast<double>(gameNo);
    const double rating = ((n - 1) * startRating + result / 10.0) / n;
    const double rounded = std::nearbyint(rating * 1000000.0) / 1000000.0;
    // A small negative average rounds to -0.0, which would be written with its sign.
    if (!std::isfinite(rounded) || rounded == 0) return 0;
    return std::clamp(rounded, -99.99, 99.99);
}

bool EndsCycle(std::int32_t gameNo) {
    return gameNo > 0 && gameNo % 20 == 0;
}

int CyclePosition(std::int32_t gameNo) {
    const int position = gameNo % 20;
    return position <= 0 ? position + 20 : position;
}

std::string RatingText(double rating) {
    const double hundredths = std::isfinite(rating) ? std::nearbyint(rating * 100.0) : 0.0;
    if (hundredths == 0) return "0,00";
    std::string digits =
        std::to_string(static_cast<long long>(std::fabs(std::clamp(hundredths, -9e15, 9e15))));
    if (digits.size() == 1) {
        digits = "0,0" + digits;
    } else if (digits.size() == 2) {
        digits = "0," + digits;
    } else {
        digits.insert(digits.size() - 2, ",");
    }
    return hundredths < 0 ? "-" + digits : digits;
}

std::string RatingText(double rating, std::size_t width) {
    return AlignRight(RatingText(rating), width);
}

namespace {
std::string RoundedInteger(double value) {
    if (!std::isfinite(value)) value = 0;
    return std::to_string(static_cast<long long>(std::nearbyint(std::clamp(value, -1e15, 1e15))));
}
} // namespace

TCount MakeCountTexts(const CountInputs& game) {
    TCount count;
    count.Count_KonAll = std::to_string(game.GameNo);
    count.Count_ScoBeg = std::to_string(game.BaseScore);
    count.Count_ScoCur = std::to_string(game.GameScore);
    count.Count_ScoAll = std::to_string(static_cast<std::int64_t>(game.BaseScore) + game.GameScore);
    switch (game.Kind) {
    case GameKind::Local:
    case GameKind::Network:
        count.Count_KonCur = std::to_string(CyclePosition(game.GameNo));
        count.Count_ReiBeg = RatingText(game.StartRating, 6);
        count.Count_ReiCur = RatingText(ComputeRating(game.GameNo, game.GameScore, game.StartRating), 6);
        break;
    case GameKind::Account:
    case GameKind::Tournament:
        count.Count_KonCur =
            game.Kind == GameKind::Account ? std::to_string(game.AccountGamesInSeries + 1) : "-";
        count.Count_ReiBeg = RoundedInteger(game.RemoteRating);
        count.Count_ReiCur = "?";
        break;
    }
    return count;
}

} // namespace vesrin
