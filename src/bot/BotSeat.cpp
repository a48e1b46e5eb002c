#include "bot/BotSeat.h"

#include <QTimer>

#include <iostream>

namespace vesrin {

// The engine's moments for a headless seat: the log, the moves to the table and the
// end of a game. Pauses, sounds and pictures do not exist here.
class BotSeat::Observer : public GameLog {
public:
    Observer(BotSeat& bot, std::ostream* out)
        : GameLog(bot.state_, [&bot](int seat) { return Label(bot, seat); }, out, bot.figures_), bot_(bot) {}

    ProfileFigures LoadProfileFigures(int) override { return {bot_.options_.Name, 0, 0, 0.0}; }
    void HandOnShow() override {
        const GameState& s = bot_.state_;
        if (s.HandNo == 1 && s.HandCount[LocalSeat] != 0) GameStartLine(bot_.gamesPlayed_ + 1, s.ShootMoon, s.Limit50);
        GameLog::HandOnShow();
    }
    void Announce(std::string_view payload) override { bot_.link_->SendToTable(payload); }
    void CloseGame() override { bot_.GameClosed(); }

private:
    // The computer player's rule for the seats this copy plays, "net" for the others.
    static std::string Label(const BotSeat& bot, int seat) {
        const GameState& s = bot.state_;
        const bool own = seat == LocalSeat ||
                         (s.IsNetHost() && ((seat == 1 && s.NetRemotes == 0) || (seat == 3 && s.NetRemotes <= 1)));
        return own ? std::string(bot.players_.LastLabel(seat)) : std::string("net");
    }

    BotSeat& bot_;
};

BotSeat::BotSeat(BotOptions options, QObject* parent) : QObject(parent), options_(std::move(options)) {
    std::ostream* out = nullptr;
    if (!options_.LogPath.empty()) {
        logFile_.open(options_.LogPath, std::ios::binary | std::ios::trunc);
        if (logFile_) out = &logFile_;
    }
    observer_ = std::make_unique<Observer>(*this, out);
    flow_ = std::make_unique<GameFlow>(state_, *observer_, players_, options_.Seed);
    link_ = std::make_unique<TableLink>(*flow_);

    TableLinkHooks& hooks = link_->Hooks;
    hooks.MessageHandled = [this] { Drive(); };
    hooks.SeatingChanged = [this] {
        if (options_.Host && !started_ && link_->Joiners() >= options_.Joiners) {
            started_ = true;
            // Like "Ok" in the waiting dialog, once the message that seated the last
            // joiner has been handled.
            QTimer::singleShot(0, this, [this] { StartGame(); });
        }
    };
    hooks.Seated = [this] {
        // The seat this copy got, for whoever started it (its log uses its own seats).
        std::cout << "seat " << state_.NetSeat << std::endl;
        StartGame();
    };
    hooks.NewGame = [this] { StartGame(); };
    hooks.ConnectionFailed = [this] { End(BotNoSeat); };
    hooks.BrokenOff = [this] {
        std::cerr << "One of player has interrupted game!\nPress OK for exit to the main menu...\n";
        End(BotBrokenOff);
    };
    hooks.TableClosed = [this] { End(BotFinished); };
}

BotSeat::~BotSeat() {
    // The link goes before the engine it feeds.
    link_.reset();
}

bool BotSeat::Start() {
    state_.ProfileSlot = 6;
    state_.CardFlight = false;
    if (options_.Host) return link_->HostTable(options_.Port, options_.Name);
    link_->JoinTable(options_.Address, options_.Port, options_.Name);
    return true;
}

void BotSeat::StartGame() {
    GameState& s = state_;
    s.ProfileSlot = 6;
    s.NetMode = true;
    s.TourMode = false;
    if (options_.Host) {
        s.ShootMoon = options_.ShootMoon;
        s.Limit50 = options_.Limit50;
    }
    flow_->StartHand(false);
    Drive();
}

void BotSeat::Drive() {
    if (driving_ || ended_) return;
    driving_ = true;
    while (!ended_ && Step()) {
    }
    driving_ = false;
}

bool BotSeat::Step() {
    GameState& s = state_;
    GameFlow& flow = *flow_;
    if (!s.InGame()) return false;
    if (s.Phase == PhaseOf::GameFinished) {
        if (!s.Button8.Enabled) return false;
        observer_->GameEndLine();
        flow.Button8Click();
        return false;
    }
    if (s.StartState == 1) {
        if (!s.Button7.Enabled) return false;
        flow.Button7Click();
        return true;
    }
    if (s.StartState != 2) return false;
    if (s.Phase == PhaseOf::Passing) {
        if (s.PassPick[1] == 0 && s.PassPick[2] == 0 && s.PassPick[3] == 0) {
            const OneBased<int, 3> picks = players_.ChoosePass(s, LocalSeat);
            for (int r = 1; r <= 3; ++r) flow.BottomHandClick(picks[r], MouseButton::Left);
            return true;
        }
        if (!s.Button7.Enabled) return false;
        flow.Button7Click();
        return true;
    }
    if (s.Phase == LocalSeat) {
        const int trickPos = s.TrickPos;
        flow.BottomHandClick(players_.ChooseCard(s, LocalSeat, trickPos, *observer_), MouseButton::Left);
        return s.TrickPos != trickPos || s.Phase != LocalSeat;
    }
    if (s.Phase >= 1 && s.Phase <= 3) return s.Timer1.Running && flow.Heartbeat();
    if (s.Phase == PhaseOf::TrickFull || s.Phase == PhaseOf::HandOver || s.Phase == PhaseOf::HandAccounted ||
        s.Phase == PhaseOf::LimitReached) {
        if (!s.Button7.Enabled) return false;
        flow.Button7Click();
        return true;
    }
    return false;
}

void BotSeat::GameClosed() {
    ++gamesPlayed_;
    if (!options_.Host) return; // the host's next deal or its closing decides
    if (gamesPlayed_ >= options_.Games) {
        End(BotFinished);
        return;
    }
    QTimer::singleShot(0, this, [this] { StartGame(); });
}

void BotSeat::End(int exitCode) {
    if (ended_) return;
    ended_ = true;
    link_->Close();
    if (logFile_.is_open()) logFile_.flush();
    QTimer::singleShot(0, this, [this, exitCode] { emit Finished(exitCode); });
}

} // namespace vesrin
