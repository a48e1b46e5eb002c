#include "selfplay/SelfPlay.h"

#include "engine/GameFlow.h"
#include "players/DecisionListPlayers.h"
#include "selfplay/GameLog.h"

#include <chrono>

namespace vesrin {

namespace {

// The self-play game log with the figures of the summary and the profile loader.
class SelfPlayLog : public GameLog {
public:
    SelfPlayLog(const GameState& state, const DecisionListPlayers& players, std::ostream* out,
                GameLogFigures& figures, const SelfPlayOptions& options)
        : GameLog(state, [&players](int seat) { return std::string(players.LastLabel(seat)); }, out, figures),
          options_(options) {}

    ProfileFigures LoadProfileFigures(int profileSlot) override {
        return options_.LoadProfile ? options_.LoadProfile(profileSlot) : ProfileFigures{};
    }

private:
    const SelfPlayOptions& options_;
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
    log.GameEndLine();
    return true;
}

} // namespace

SelfPlaySummary RunSelfPlay(const SelfPlayOptions& options, std::ostream* out, const GameEndHook& onGameEnd) {
    SelfPlaySummary summary;
    GameState state;
    DecisionListPlayers players;
    GameLogFigures figures;
    SelfPlayLog log{state, players, out, figures, options};
    GameFlow flow{state, log, players, options.Seed};
    state.ShootMoon = options.ShootMoon;
    state.Limit50 = options.Limit50;

    const auto start = std::chrono::steady_clock::now();
    for (int game = 1; game <= options.Games; ++game) {
        log.GameStartLine(game, options.ShootMoon, options.Limit50);
        state.ProfileSlot = options.ProfileSlot;
        if (!PlayOneGame(flow, players, log)) break;
        ++summary.Games;
        if (onGameEnd) onGameEnd(state, game);
        state.CurrentScreen = Screen::Menu;
    }
    summary.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    summary.LogDigest = log.Digest();
    summary.Hands = figures.Hands;
    summary.HandPoints = figures.HandPoints;
    summary.MoonShots = figures.MoonShots;
    return summary;
}

} // namespace vesrin
