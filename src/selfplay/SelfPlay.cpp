#include "selfplay/SelfPlay.h"

#include "engine/GameFlow.h"
#include "players/DecisionListPlayers.h"

#include <chrono>

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

// Writes the event lines and keeps the figures of the summary. Lines are built in one
// buffer and hashed, so the digest is there even when no log file is written.
class SelfPlayLog : public EngineObserver {
public:
    SelfPlayLog(const GameState& state, const DecisionListPlayers& players, std::ostream* out,
                SelfPlaySummary& summary, const SelfPlayOptions& options)
        : state_(state), players_(players), out_(out), summary_(summary), options_(options) {}

    ProfileFigures LoadProfileFigures(int profileSlot) override {
        return options_.LoadProfile ? options_.LoadProfile(profileSlot) : ProfileFigures{};
    }

    void Line(const std::string& line) {
        for (const char c : line) Hash(static_cast<unsigned char>(c));
        Hash('\n');
        if (out_) {
            out_->write(line.data(), static_cast<std::streamsize>(line.size()));
            out_->put('\n');
        }
    }

    void HandOnShow() override {
        handTaken_ = {};
        std::string line = "hand " + std::to_string(state_.HandNo) + " pass " + DirectionName(state_.PassDir);
        Line(line);
        for (int seat = 1; seat <= 4; ++seat) {
            line = "deal " + std::to_string(seat);
            for (int slot = 1; slot <= state_.HandCount[seat]; ++slot) Append(line, state_.HandCards[seat][slot]);
            Line(line);
        }
    }

    void PassCardGiven(int giver, int r, int) override {
        if (r != 3) return;
        std::string line = "pass " + std::to_string(giver);
        for (int i = 1; i <= 3; ++i) Append(line, state_.ExchangeCards[giver][i]);
        Line(line);
    }

    void CardPlayed(int seat, int, CardCode card) override {
        std::string line = "play " + std::to_string(state_.TrickNo) + " " + std::to_string(seat);
        Append(line, card);
        line += ' ';
        line += players_.LastLabel(seat);
        Line(line);
    }

    void TrickResolved(int trickNo, int winner, int points) override {
        handTaken_[winner] += points;
        Line("trick " + std::to_string(trickNo) + " " + std::to_string(winner) + " " + std::to_string(points));
    }

    void HandAccounted() override {
        ++summary_.Hands;
        for (int seat = 1; seat <= 4; ++seat) {
            summary_.HandPoints[seat] += state_.TakenPoints[seat];
            if (handTaken_[seat] == 26) ++summary_.MoonShots;
        }
        std::string line = "hand-end";
        for (int seat = 1; seat <= 4; ++seat) line += " " + std::to_string(state_.TakenPoints[seat]);
        line += " totals";
        for (int seat = 1; seat <= 4; ++seat) line += " " + std::to_string(state_.Totals[seat]);
        Line(line);
    }

    std::uint64_t Digest() const { return digest_; }

private:
    static void Append(std::string& line, CardCode card) {
        line += ' ';
        line += AsciiName(card);
    }
    void Hash(unsigned char byte) {
        digest_ ^= byte;
        digest_ *= 0x100000001B3ull;
    }

    const GameState& state_;
    const DecisionListPlayers& players_;
    std::ostream* out_;
    SelfPlaySummary& summary_;
    const SelfPlayOptions& options_;
    OneBased<int, 4> handTaken_{};
    std::uint64_t digest_ = 0xCBF29CE484222325ull;
};

// The self-play driver's hand: what a person at seat 4 would click.
bool PlayOneGame(GameFlow& flow, DecisionListPlayers& players, SelfPlayLog& log) {
    GameState& s = flow.State();
    flow.StartHand(false);
    while (s.Phase != PhaseOf::GameFinished) {
        if (s.StartState == 1 || s.Phase >= PhaseOf::TrickFull) {
            if (!s.Button7.Enabled) return false;
            flow.Button7Click();
        } else if (s.Phase == PhaseOf::Passing) {
            const OneBased<int, 3> picks = players.ChoosePass(s, LocalSeat);
            for (int r = 1; r <= 3; ++r) flow.BottomHandClick(picks[r], MouseButton::Left);
            if (!s.Button7.Enabled) return false;
            flow.Button7Click();
        } else if (s.Phase == LocalSeat) {
            const int trickPos = s.TrickPos;
            flow.BottomHandClick(players.ChooseCard(s, LocalSeat, trickPos, log), MouseButton::Left);
            if (s.TrickPos == trickPos && s.Phase == LocalSeat) return false; // the click was refused
        } else if (s.Phase >= 1 && s.Phase <= 3) {
            if (!flow.Heartbeat()) return false;
        } else {
            return false;
        }
    }
    std::string line = "game-end";
    for (int seat = 1; seat <= 4; ++seat) line += " " + std::to_string(s.Totals[seat]);
    log.Line(line);
    return true;
}

} // namespace

SelfPlaySummary RunSelfPlay(const SelfPlayOptions& options, std::ostream* out, const GameEndHook& onGameEnd) {
    SelfPlaySummary summary;
    GameState state;
    DecisionListPlayers players;
    SelfPlayLog log{state, players, out, summary, options};
    GameFlow flow{state, log, players, options.Seed};
    state.ShootMoon = options.ShootMoon;
    state.Limit50 = options.Limit50;

    const auto start = std::chrono::steady_clock::now();
    for (int game = 1; game <= options.Games; ++game) {
        log.Line("game " + std::to_string(game) + " moon " + (options.ShootMoon ? "1" : "0") + " limit " +
                 (options.Limit50 ? "50" : "100"));
        state.ProfileSlot = options.ProfileSlot;
        if (!PlayOneGame(flow, players, log)) break;
        ++summary.Games;
        if (onGameEnd) onGameEnd(state, game);
        state.CurrentScreen = Screen::Menu;
    }
    summary.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    summary.LogDigest = log.Digest();
    return summary;
}

} // namespace vesrin
