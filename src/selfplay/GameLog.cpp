#include "selfplay/GameLog.h"

namespace vesrin {

namespace {

const char* DirectionName(int dir) {
    switch (dir) {
    case 1: return "left";
    case 2: return "right";
    case 3: return "across";
    default: return "none";
    }
}

void Append(std::string& line, CardCode card) {
    line += ' ';
    line += AsciiName(card);
}

} // namespace

GameLog::GameLog(const GameState& state, std::function<std::string(int)> label, std::ostream* out,
                 GameLogFigures& figures)
    : state_(state), label_(std::move(label)), out_(out), figures_(figures) {}

void GameLog::Hash(unsigned char byte) {
    digest_ ^= byte;
    digest_ *= 0x100000001B3ull;
}

void GameLog::Line(const std::string& line) {
    for (const char c : line) Hash(static_cast<unsigned char>(c));
    Hash('\n');
    if (out_) {
        out_->write(line.data(), static_cast<std::streamsize>(line.size()));
        out_->put('\n');
    }
}

void GameLog::GameStartLine(int game, bool shootMoon, bool limit50) {
    Line("game " + std::to_string(game) + " moon " + (shootMoon ? "1" : "0") + " limit " + (limit50 ? "50" : "100"));
}

void GameLog::GameEndLine() {
    std::string line = "game-end";
    for (int seat = 1; seat <= 4; ++seat) line += " " + std::to_string(state_.Totals[seat]);
    Line(line);
}

void GameLog::HandOnShow() {
    // A joining copy shows an empty table while it waits for the host's first deal.
    if (state_.HandCount[LocalSeat] == 0) return;
    handTaken_ = {};
    std::string line = "hand " + std::to_string(state_.HandNo) + " pass " + DirectionName(state_.PassDir);
    Line(line);
    for (int seat = 1; seat <= 4; ++seat) {
        line = "deal " + std::to_string(seat);
        for (int slot = 1; slot <= state_.HandCount[seat]; ++slot) Append(line, state_.HandCards[seat][slot]);
        Line(line);
    }
}

void GameLog::PassCardGiven(int giver, int r, int) {
    if (r != 3) return;
    std::string line = "pass " + std::to_string(giver);
    for (int i = 1; i <= 3; ++i) Append(line, state_.ExchangeCards[giver][i]);
    Line(line);
}

void GameLog::CardPlayed(int seat, int, CardCode card) {
    std::string line = "play " + std::to_string(state_.TrickNo) + " " + std::to_string(seat);
    Append(line, card);
    line += ' ';
    line += label_ ? label_(seat) : std::string();
    Line(line);
}

void GameLog::TrickResolved(int trickNo, int winner, int points) {
    handTaken_[winner] += points;
    Line("trick " + std::to_string(trickNo) + " " + std::to_string(winner) + " " + std::to_string(points));
}

void GameLog::HandAccounted() {
    ++figures_.Hands;
    for (int seat = 1; seat <= 4; ++seat) {
        figures_.HandPoints[seat] += state_.TakenPoints[seat];
        if (handTaken_[seat] == 26) ++figures_.MoonShots;
    }
    std::string line = "hand-end";
    for (int seat = 1; seat <= 4; ++seat) line += " " + std::to_string(state_.TakenPoints[seat]);
    line += " totals";
    for (int seat = 1; seat <= 4; ++seat) line += " " + std::to_string(state_.Totals[seat]);
    Line(line);
}

} // namespace vesrin
