// Dealing and passing: StartHand, the shuffle, the deal tables and the exchange.

#include "engine/GameFlow.h"
#include "engine/HandQueries.h"
#include "engine/MessageText.h"
#include "engine/Seats.h"

#include <algorithm>

namespace vesrin {

void GameFlow::ShuffleDeck() {
    // Draw numbers 1..52 one at a time and reject those already drawn, so position p gets
    // the card of the p-th distinct number.
    bool drawn[53] = {};
    for (int pos = 1; pos <= 52; ++pos) {
        int n = random_.Uniform(52);
        while (drawn[n]) n = random_.Uniform(52);
        drawn[n] = true;
        const CardCode card = CardOfDeckNumber(n);
        state_.Deck[pos] = card;
        state_.DeckRank[pos] = static_cast<std::uint8_t>(RankValue(card));
        state_.DeckPenalty[pos] = static_cast<std::uint8_t>(PenaltyValue(card));
    }
}

void GameFlow::DealFromDeck(int viewerNetSeat) {
    for (int block = 1; block <= 4; ++block) {
        const int seat = SeatOfDealBlock(viewerNetSeat, block);
        if (seat == 0) continue;
        for (int i = 1; i <= CardsPerHand; ++i) {
            const int pos = (block - 1) * CardsPerHand + i;
            PutCard(state_, seat, i, state_.Deck[pos], state_.DeckRank[pos], state_.DeckPenalty[pos]);
        }
    }
}

void GameFlow::TakeSnapshot() {
    for (int seat = 1; seat <= SeatCount; ++seat) {
        auto& saved = state_.SavedHands[seat];
        saved.Cards = state_.HandCards[seat];
        saved.Ranks = state_.HandRanks[seat];
        saved.Penalties = state_.HandPenalties[seat];
    }
}

int GameFlow::HolderOfTwoOfClubs() const {
    for (int seat = 1; seat <= SeatCount; ++seat)
        if (HoldsCard(state_, seat, TwoOfClubs)) return seat;
    return 0;
}

void GameFlow::StartHand(bool continueGame) {
    GameState& s = state_;
    if (!s.TourMode) s.TourSeat = 0;

    s.Button8.Caption = StepCaption::ExitToMenu;
    observer_.PrepareTableForHand();

    s.ResultsShown = false;
    if (!continueGame) {
        for (int seat = 1; seat <= SeatCount; ++seat) s.Totals[seat] = 0;
        s.GameOver = false;
        s.OtherHandsFaceUp = false;
        s.DealNotCounted = false;
        s.HandNo = 0;
        const ProfileFigures figures = observer_.LoadProfileFigures(s.ProfileSlot);
        s.ProfileName = figures.Name;
        const bool freshProfile = s.ProfileSlot == 6 || (s.ProfileSlot == 7 && figures.Games == 0);
        if (freshProfile) {
            s.GameNo = 1;
            s.BaseScore = 0;
            s.StartRating = 0.0;
            s.Leader = 1;
        } else if (s.ProfileSlot == 8) {
            s.GameNo = figures.Games + 1;
            s.GameScore = 0;
            s.RunningScore = figures.Score;
            s.BaseScore = figures.Score;
            s.StartRating = figures.Rating;
        } else {
            s.GameNo = figures.Games + 1;
            s.BaseScore = figures.Score;
            s.StartRating = figures.Rating;
        }
    }

    if (!s.DealNotCounted) ++s.HandNo;
    s.DealNotCounted = false;

    if (s.IsLocalGame()) {
        s.NetSeat = 0;
        for (int seat = 1; seat <= 3; ++seat) s.SeatNames[seat] = "PC";
        s.SeatNames[4] = s.ProfileName;
    }

    if (s.TourMode) {
        SetButton7(s.Button7.Caption, false);
        observer_.StartTournamentClocks();
    }

    const bool dealsItself = !s.TourMode && (s.IsLocalGame() || s.IsNetHost());
    if (dealsItself) {
        ShuffleDeck();
        for (int seat = 1; seat <= SeatCount; ++seat)
            for (int slot = 1; slot <= CardsPerHand; ++slot) ClearSlot(s, seat, slot);
    }
    // Every copy forgets the previous hand's tricks, so a client's history is fresh too.
    for (auto& trick : s.PlayedCards) trick.fill(EmptySlot);

    if (s.IsNetHost()) observer_.Announce(DealMessage());

    s.GameScore = s.Totals[1] + s.Totals[2] + s.Totals[3] - 3 * s.Totals[4];
    s.RunningScore = s.BaseScore + s.GameScore;

    s.PassPick = {};
    s.PassDir = PassDirOfHand(s.HandNo);
    if (s.PassDir != 0) s.Phase = PhaseOf::Passing;

    s.SuitBroken = false;
    s.Trick.fill(EmptySlot);
    s.TrickRanks.fill(0);
    s.LedSuit = SuitNone;
    s.TakenPoints = {};
    s.PassReady = false;
    s.PassPicks = {};
    s.TrickNo = 1;
    s.TrickPos = 1;
    s.GameOver = false;

    s.CurrentScreen = Screen::Table;
    observer_.DrawScorePanel();
    observer_.PlaceStepButtons();
    s.Button7 = {StepCaption::ToBegin, s.DrivesTable(), true};
    s.Button8 = {StepCaption::ExitToMenu, false, true};
    observer_.ButtonsChanged();
    for (int seat = 1; seat <= SeatCount; ++seat)
        observer_.DrawScoreTablet(seat, 2, true, s.TakenPoints[seat], s.Totals[seat]);

    if (s.PassDir != 0) observer_.DrawPassArrow(s.PassDir);
    if (s.NetMode || s.TourMode) observer_.ShowChatLine(s.HandNo == 1);

    if (dealsItself)
        DealFromDeck(1);
    else if (s.IsNetClient())
        DealFromDeck(s.NetSeat);
    // A tournament's hands were filled from the server's deck before this call.

    if (s.PassDir == 0) {
        s.Phase = HolderOfTwoOfClubs();
        s.Leader = s.PrevLeader = s.Phase;
    }

    for (int seat = 1; seat <= SeatCount; ++seat) s.HandCount[seat] = CardsPerHand;
    observer_.DrawScorePanel();
    for (int seat = 1; seat <= SeatCount; ++seat) {
        SortHand(s, seat);
        observer_.HandChanged(seat);
    }
    // The snapshot is taken of the sorted hands, so that the hands shown at the end keep
    // the sort order every shown hand has.
    if (s.PassDir == 0) TakeSnapshot();
    observer_.DrawNamePlates();
    observer_.PlaySound("WTasoKo", false);

    s.StartState = 1;
    SetTimer1(false, 200);
    s.HelpContext = 2;
    observer_.HandOnShow();
}

bool GameFlow::IsRemoteSeat(int seat) const {
    if (state_.TourMode) return true;
    if (state_.IsNetClient()) return true;
    if (state_.IsNetHost())
        return seat == 2 || (seat == 1 && state_.NetRemotes > 0) || (seat == 3 && state_.NetRemotes == 2);
    return false;
}

namespace {

// Three distinct slots 1..13 that hold cards.
bool ValidPicks(const GameState& state, int seat, const OneBased<int, 3>& picks) {
    for (int r = 1; r <= 3; ++r) {
        const int slot = picks[r];
        if (slot < 1 || slot > CardsPerHand || state.HandCards[seat][slot].IsEmpty()) return false;
        for (int other = 1; other < r; ++other)
            if (picks[other] == slot) return false;
    }
    return true;
}

} // namespace

void GameFlow::ExchangePass(int dir) {
    GameState& s = state_;
    if (dir < 1 || dir > 3) return;
    SetButton7(StepCaption::OK, s.Button7.Enabled);
    observer_.ClearTableCentre();

    OneBased<OneBased<int, 3>, SeatCount> chosen{};
    for (int seat = 1; seat <= 3; ++seat) chosen[seat] = players_.ChoosePass(s, seat);

    // Remote seats give what their players chose. A pick that does not name three cards of
    // the hand (a malformed message) falls back to the computed choice.
    for (int seat = 1; seat <= 3; ++seat)
        if (IsRemoteSeat(seat) && ValidPicks(s, seat, s.PassPicks[seat])) chosen[seat] = s.PassPicks[seat];
    chosen[4] = s.PassPick;

    if (s.IsNetHost() || s.IsTourDriver()) {
        std::string message = "h4";
        for (int seat : {4, 1, 2, 3})
            for (int r = 1; r <= 3; ++r) message += TwoDigits(chosen[seat][r]);
        observer_.Announce(message);
    }

    for (int seat = 1; seat <= SeatCount; ++seat)
        for (int r = 1; r <= 3; ++r) s.ExchangeCards[seat][r] = s.HandCards[seat][chosen[seat][r]];

    for (int giver = 1; giver <= SeatCount; ++giver)
        for (int r = 1; r <= 3; ++r) {
            const int slotBefore = SlotOfCard(s, giver, s.ExchangeCards[giver][r]);
            if (slotBefore == 0) continue;
            ClearSlot(s, giver, slotBefore);
            SortHand(s, giver);
            observer_.PassCardGiven(giver, r, slotBefore);
            observer_.PlaySound("WHodsDo", true);
        }

    observer_.ProcessPendingEvents();
    observer_.Pause(1000);

    for (int giver = 1; giver <= SeatCount; ++giver) {
        const int receiver = PassReceiver(dir, giver);
        for (int r = 3; r >= 1; --r) {
            const CardCode card = s.ExchangeCards[giver][r];
            if (card.IsEmpty()) continue;
            PutCard(s, receiver, 14 - r, card, RankValue(card), PenaltyValue(card));
            SortHand(s, receiver);
            observer_.PassCardReceived(giver, r, receiver, SlotOfCard(s, receiver, card));
            observer_.PlaySound("WHodsDo", true);
        }
    }

    const int fromSeat = PassGiver(dir, LocalSeat);
    for (int r = 1; r <= 3; ++r) {
        const int slot = SlotOfCard(s, LocalSeat, s.ExchangeCards[fromSeat][r]);
        if (slot != 0) observer_.InvertCardSelection(slot);
    }

    s.Phase = HolderOfTwoOfClubs();
    s.Leader = s.PrevLeader = s.Phase;
    if (s.Phase != 0) observer_.DrawScoreTablet(s.Phase, 1, false, -2000000, -2000000);

    if (s.NetMode && !s.TourMode) {
        const bool hostComputerSeat =
            s.IsNetHost() && ((s.Phase == 1 && s.NetRemotes == 0) || (s.Phase == 3 && s.NetRemotes <= 1));
        if (s.Phase == LocalSeat || hostComputerSeat) observer_.Pause(5000);
    } else if (s.TourMode && s.Phase == LocalSeat) {
        observer_.Pause(3000);
    }

    TakeSnapshot();
}

void GameFlow::PassChoiceClick(int slot) {
    GameState& s = state_;
    auto picked = std::find(s.PassPick.begin() + 1, s.PassPick.end(), slot);
    if (picked != s.PassPick.end()) {
        observer_.ShowClickEffect();
        observer_.InvertCardSelection(slot);
        *picked = 0;
        SetButton7(s.Button7.Caption, false);
        return;
    }
    auto freeEntry = std::find(s.PassPick.begin() + 1, s.PassPick.end(), 0);
    if (freeEntry == s.PassPick.end()) {
        observer_.PlaySound("WWrongs", false);
        return;
    }
    observer_.ShowClickEffect();
    observer_.InvertCardSelection(slot);
    *freeEntry = slot;
    UpdatePassButton();
}

void GameFlow::UpdatePassButton() {
    const GameState& s = state_;
    const bool allPicked = s.PassPick[1] != 0 && s.PassPick[2] != 0 && s.PassPick[3] != 0;
    if (!allPicked || s.Phase != PhaseOf::Passing || s.StartState != 2) return;
    const bool drivesRemotes = s.IsNetHost() || s.IsTourDriver();
    if (!drivesRemotes || s.PassReady) SetButton7(s.Button7.Caption, true);
}

void GameFlow::PassButton() {
    GameState& s = state_;
    SetButton7(s.Button7.Caption, false);
    SetButton8(s.Button8.Caption, false);
    if (s.IsLocalGame()) {
        ExchangePass(s.PassDir);
    } else if (s.IsNetClient() || (s.TourMode && s.TourSeat > 1)) {
        std::string message = "h3";
        for (int r = 1; r <= 3; ++r) message += TwoDigits(s.PassPick[r]);
        observer_.Announce(message);
        s.Phase = PhaseOf::WaitingForExchange;
    } else {
        if (s.TourMode) observer_.StopTournamentClock();
        ExchangePass(s.PassDir);
    }
}

std::string GameFlow::DealMessage() const {
    std::string message = "b";
    for (int pos = 1; pos <= 52; ++pos) message += state_.Deck[pos].Bytes();
    for (int pos = 1; pos <= 52; ++pos) message += TwoDigits(state_.DeckRank[pos]);
    constexpr char Yes = static_cast<char>(0xC8); // "И"
    constexpr char No = static_cast<char>(0xCB);  // "Л"
    message += state_.ShootMoon ? Yes : No;
    message += state_.Limit50 ? Yes : No;
    return message;
}

} // namespace vesrin
