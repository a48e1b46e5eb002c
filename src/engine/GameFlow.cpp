// The flow of a game: the heartbeat, the step button, clicks on the bottom hand and the
// entry points for moves of remote players.

#include "engine/GameFlow.h"
#include "engine/HandQueries.h"
#include "engine/Seats.h"

#include <algorithm>
#include <chrono>

namespace vesrin {

namespace {

std::uint64_t ClockSeed() {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

} // namespace

GameFlow::GameFlow(GameState& state, EngineObserver& observer, ComputerPlayers& players,
                   std::optional<std::uint64_t> seed)
    : state_(state), observer_(observer), players_(players), random_(seed.value_or(ClockSeed())) {}

void GameFlow::SetButton7(StepCaption caption, bool enabled) {
    state_.Button7.Caption = caption;
    state_.Button7.Enabled = enabled;
    observer_.ButtonsChanged();
}

void GameFlow::SetButton8(StepCaption caption, bool enabled) {
    state_.Button8.Caption = caption;
    state_.Button8.Enabled = enabled;
    observer_.ButtonsChanged();
}

void GameFlow::SetTimer1(bool running, int intervalMs) {
    state_.Timer1 = {running, intervalMs};
    observer_.HeartbeatChanged();
}

void GameFlow::AnnounceToTable(const std::string& payload) {
    if (state_.NetMode || state_.TourMode) observer_.Announce(payload);
}

bool GameFlow::Heartbeat() {
    GameState& s = state_;
    if (!s.InGame()) return false;
    if (s.Phase >= 1 && s.Phase <= 85) s.HelpContext = 5;
    if (s.Phase == PhaseOf::HandOver || s.Phase == PhaseOf::HandAccounted) s.HelpContext = 10;

    if (s.StartState != 2 || s.Phase < 1 || s.Phase > 3 || s.TourMode) return false;
    if (s.NetMode) {
        const bool computerSeat =
            (s.Phase == 1 && s.NetRemotes == 0) || (s.Phase == 3 && s.NetRemotes <= 1);
        if (!s.IsNetHost() || !computerSeat) return false;
    }
    const int seat = s.Phase;
    const int slot = players_.ChooseCard(s, seat, s.TrickPos, observer_);
    PlayCard(seat, slot, true);
    return true;
}

void GameFlow::Button7Click() {
    GameState& s = state_;
    if (!s.Button7.Enabled || !s.InGame()) return;

    if (s.StartState == 1) {
        s.StartState = 2;
        const bool passing = s.Phase == PhaseOf::Passing;
        if (passing) SetButton8(s.Button8.Caption, false);
        SetButton7(passing ? StepCaption::StartSharing : StepCaption::OK, false);
        if (s.DrivesTable()) SetTimer1(true, s.Timer1.IntervalMs);
        AnnounceToTable(passing ? "h1000000" : "h2000000");
        if (s.TourMode) observer_.RestartTournamentClock(26);
        return;
    }

    SetButton7(s.Button7.Caption, false);
    SetButton8(s.Button8.Caption, false);
    switch (s.Phase) {
    case PhaseOf::Passing:
        PassButton();
        break;
    case PhaseOf::TrickFull:
        CollectTrick();
        s.Phase = s.Leader;
        if (s.IsNetHost() || s.IsTourDriver()) observer_.Announce("ha00");
        if (s.TourMode) observer_.RestartTournamentClock(26);
        break;
    case PhaseOf::HandOver:
        FinishHand(true);
        break;
    case PhaseOf::HandAccounted:
        if (!s.TourMode) {
            SetTimer1(false, s.Timer1.IntervalMs);
            StartHand(true);
        } else {
            observer_.Announce("bnext");
        }
        break;
    case PhaseOf::LimitReached:
        FinishGame(true);
        break;
    default:
        break;
    }
}

void GameFlow::Button8Click() {
    if (state_.GameOver && state_.Button8.Enabled) observer_.CloseGame();
}

void GameFlow::BottomHandClick(int slot, MouseButton button) {
    GameState& s = state_;
    if (!s.InGame() || slot < 1 || slot > CardsPerHand) return;
    const CardCode card = s.HandCards[LocalSeat][slot];
    if (card.IsEmpty()) return;
    if (button == MouseButton::Right) {
        observer_.SpeakCard(card);
        return;
    }
    if (s.StartState != 2) return;
    if (s.Phase == PhaseOf::Passing) {
        PassChoiceClick(slot);
    } else if (s.Phase == LocalSeat) {
        if (HumanCardError(slot) != 0) {
            observer_.PlaySound("WWrongs", false);
            return;
        }
        if (s.TourMode) observer_.TournamentMoveMade();
        observer_.ShowClickEffect();
        PlayCard(LocalSeat, slot, true);
        observer_.RefreshCursor();
    }
}

HandCursor GameFlow::CursorOverBottomHand(int slot) const {
    const GameState& s = state_;
    if (!s.InGame() || s.StartState != 2 || slot < 1 || slot > CardsPerHand) return HandCursor::Arrow;
    if (s.HandCards[LocalSeat][slot].IsEmpty()) return HandCursor::Arrow;
    if (s.Phase == PhaseOf::Passing) {
        const bool picked = std::find(s.PassPick.begin() + 1, s.PassPick.end(), slot) != s.PassPick.end();
        const bool full = s.PassPick[1] != 0 && s.PassPick[2] != 0 && s.PassPick[3] != 0;
        return picked || !full ? HandCursor::Hand : HandCursor::Arrow;
    }
    if (s.Phase == LocalSeat) return HumanCardError(slot) == 0 ? HandCursor::Hand : HandCursor::Arrow;
    return HandCursor::Arrow;
}

bool GameFlow::ValidDeal(const DealData& deal) const {
    bool seen[53] = {};
    for (int pos = 1; pos <= 52; ++pos) {
        const int n = DeckNumber(deal.Deck[pos]);
        if (n == 0 || seen[n] || deal.DeckRank[pos] != RankValue(deal.Deck[pos])) return false;
        seen[n] = true;
    }
    return true;
}

bool GameFlow::ReceiveDeal(const DealData& deal) {
    GameState& s = state_;
    if (!ValidDeal(deal)) return false;
    s.Deck = deal.Deck;
    s.DeckRank = deal.DeckRank;
    // Penalties follow from the codes; keeping them right costs nothing.
    for (int pos = 1; pos <= 52; ++pos) s.DeckPenalty[pos] = static_cast<std::uint8_t>(PenaltyValue(s.Deck[pos]));
    s.ShootMoon = deal.ShootMoon;
    s.Limit50 = deal.Limit50;
    for (int seat = 1; seat <= SeatCount; ++seat)
        for (int slot = 1; slot <= CardsPerHand; ++slot) ClearSlot(s, seat, slot);
    StartHand(true);
    return true;
}

bool GameFlow::FillTournamentHands(const DealData& deal) {
    GameState& s = state_;
    if (!ValidDeal(deal) || s.TourSeat < 1 || s.TourSeat > 4) return false;
    s.Deck = deal.Deck;
    s.DeckRank = deal.DeckRank;
    for (int pos = 1; pos <= 52; ++pos) s.DeckPenalty[pos] = static_cast<std::uint8_t>(PenaltyValue(s.Deck[pos]));
    for (int tourSeat = 1; tourSeat <= 4; ++tourSeat) {
        const int block = TourBlockOfTourSeat(tourSeat);
        const int seat = LocalSeatOfNetSeat(s.TourSeat, tourSeat);
        for (int i = 1; i <= CardsPerHand; ++i) {
            const int pos = (block - 1) * CardsPerHand + i;
            PutCard(s, seat, i, s.Deck[pos], s.DeckRank[pos], s.DeckPenalty[pos]);
        }
    }
    return true;
}

void GameFlow::ReceiveStart(bool withPass) {
    GameState& s = state_;
    if (!s.InGame() || s.StartState != 1) return;
    s.StartState = 2;
    SetButton7(withPass ? StepCaption::StartSharing : StepCaption::Ok, false);
}

void GameFlow::ReceiveExchange(const OneBased<OneBased<int, 3>, 3>& picks) {
    GameState& s = state_;
    if (s.Phase != PhaseOf::Passing && s.Phase != PhaseOf::WaitingForExchange) return;
    for (int seat = 1; seat <= 3; ++seat) s.PassPicks[seat] = picks[seat];
    ExchangePass(s.PassDir);
}

void GameFlow::ReceiveCard(int slot) {
    if (state_.Phase >= 1 && state_.Phase <= 4) PlayCard(state_.Phase, slot, false);
}

void GameFlow::ReceiveSweep() {
    if (state_.Phase != PhaseOf::TrickFull) return;
    CollectTrick();
    state_.Phase = state_.Leader;
}

void GameFlow::ReceiveHandEnd() {
    if (state_.Phase == PhaseOf::HandOver) FinishHand(false);
}

void GameFlow::ReceivePassPicks(int seat, const OneBased<int, 3>& picks) {
    GameState& s = state_;
    if (seat < 1 || seat > 3) return;
    s.PassPicks[seat] = picks;
    auto received = [&](int other) { return s.PassPicks[other][1] != 0; };
    bool ready = false;
    if (s.TourMode)
        ready = received(1) && received(2) && received(3);
    else
        ready = received(2) && (s.NetRemotes < 1 || received(1)) && (s.NetRemotes < 2 || received(3));
    s.PassReady = ready;
    UpdatePassButton();
}

} // namespace vesrin
