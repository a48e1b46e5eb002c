#pragma once

#include "engine/EngineObserver.h"
#include "engine/GameState.h"

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

namespace vesrin {

// The figures a game log keeps while it writes.
struct GameLogFigures {
    long long Hands = 0;
    OneBased<long long, 4> HandPoints{}; // summed over all hands, after the moon rule
    long long MoonShots = 0;             // hands in which one seat took all 26 points
};

// The game log of self-play and of a headless table seat: one ASCII line per event
// ("game", "hand", "deal", "pass", "play", "trick", "hand-end", "game-end"), in the seat
// numbers of the copy that writes it. Lines are hashed as they are built, so the digest
// is there even when no file is written.
class GameLog : public EngineObserver {
public:
    // `label` names the decision behind a seat's card (the computer player's rule).
    GameLog(const GameState& state, std::function<std::string(int seat)> label, std::ostream* out,
            GameLogFigures& figures);

    void Line(const std::string& line);
    void GameStartLine(int game, bool shootMoon, bool limit50);
    void GameEndLine();
    std::uint64_t Digest() const { return digest_; }

    void HandOnShow() override;
    void PassCardGiven(int giver, int r, int slotBefore) override;
    void CardPlayed(int seat, int slotBefore, CardCode card) override;
    void TrickResolved(int trickNo, int winner, int points) override;
    void HandAccounted() override;

private:
    void Hash(unsigned char byte);

    const GameState& state_;
    std::function<std::string(int)> label_;
    std::ostream* out_;
    GameLogFigures& figures_;
    OneBased<int, 4> handTaken_{};
    std::uint64_t digest_ = 0xCBF29CE484222325ull;
};

} // namespace vesrin
