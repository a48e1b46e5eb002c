// Trick play and scoring: the legality test of the local player's clicks, playing a card,
// resolving and sweeping a trick, the end of a hand and the end of a game.

#include "engine/GameFlow.h"
#include "engine/HandQueries.h"
#include "engine/MessageText.h"
#include "engine/Rules.h"
#include "engine/Seats.h"

namespace vesrin {

namespace {

bool HoldsNonHeart(const GameState& s, int seat) {
    return HoldsSuit(s, seat, SuitDiamonds) || HoldsSuit(s, seat, SuitClubs) || HoldsSuit(s, seat, SuitSpades);
}

// In trick 1 a hand without a club whose only card besides heart cards is the queen of
// spades has no card the rules allow; it may then play its heart cards.
bool OnlyHeartsAndQueen(const GameState& s, int seat) {
    for (int slot = 1; slot <= CardsPerHand; ++slot) {
        const CardCode card = s.HandCards[seat][slot];
        if (!card.IsEmpty() && !IsHeart(card) && card != QueenOfSpades) return false;
    }
    return true;
}

} // namespace

int CardError(const GameState& s, int seat, int slot) {
    if (seat < 1 || seat > SeatCount || slot < 1 || slot > CardsPerHand) return 0;
    const CardCode card = s.HandCards[seat][slot];
    int code = 0;
    if (s.TrickPos == 1 && s.TrickNo == 1 && HoldsCard(s, seat, TwoOfClubs) && card != TwoOfClubs) code = 1;
    if (s.TrickPos == 1 && !s.SuitBroken && IsHeart(card) && HoldsNonHeart(s, seat)) code = 2;
    if (s.TrickNo == 1 && IsHeart(card) && HoldsNonHeart(s, seat) && !OnlyHeartsAndQueen(s, seat)) code = 3;
    if (s.TrickNo == 1 && card == QueenOfSpades) code = 3;
    if (s.TrickPos > 1 && card.Suit != s.LedSuit && HoldsSuit(s, seat, s.LedSuit)) code = 4;
    return code;
}

int GameFlow::HumanCardError(int slot) const { return CardError(state_, LocalSeat, slot); }

void GameFlow::PlayCard(int seat, int slot, bool announce) {
    GameState& s = state_;
    if (seat < 1 || seat > SeatCount || slot < 1 || slot > CardsPerHand || s.TrickPos > 4) return;
    const CardCode card = s.HandCards[seat][slot];
    if (card.IsEmpty()) return;

    if (announce) AnnounceToTable("h9" + TwoDigits(slot));

    s.Trick[s.TrickPos] = card;
    s.TrickRanks[s.TrickPos] = s.HandRanks[seat][slot];
    if (s.TrickPos == 1) s.LedSuit = card.Suit;

    ClearSlot(s, seat, slot);
    SortHand(s, seat);
    observer_.CardPlayed(seat, slot, card);

    if (card == QueenOfSpades)
        observer_.PlaySound("WSays40", true);
    else if (IsHeart(card) && !s.SuitBroken)
        observer_.PlaySound("WSays20", true);
    else
        observer_.PlaySound("WHodsDo", true);

    if (IsHeart(card)) s.SuitBroken = true;

    ++s.TrickPos;
    s.Phase = s.Phase + 1 == 5 ? 1 : s.Phase + 1;
    if (s.TrickPos == 5) {
        s.Phase = PhaseOf::TrickFull;
        ResolveTrick();
    }
}

void GameFlow::ResolveTrick() {
    GameState& s = state_;
    if (s.TrickNo < 1 || s.TrickNo > 13) return;
    s.PlayedCards[s.TrickNo] = s.Trick;

    int winningPos = 1;
    for (int pos = 2; pos <= 4; ++pos)
        if (s.Trick[pos].Suit == s.LedSuit && s.TrickRanks[pos] > s.TrickRanks[winningPos]) winningPos = pos;
    const int winner = SeatOfTrickPos(s.Leader, winningPos);
    s.Leader = winner;

    int points = 0;
    for (int pos = 1; pos <= 4; ++pos) {
        if (IsHeart(s.Trick[pos])) points += 1;
        if (s.Trick[pos] == QueenOfSpades) points += 13;
    }
    s.TakenPoints[winner] += points;

    s.LastTrick = s.Trick;
    s.Trick.fill(EmptySlot);
    s.TrickRanks.fill(0);

    for (int seat = 1; seat <= SeatCount; ++seat)
        observer_.DrawScoreTablet(seat, seat == winner ? 1 : 2, false, s.TakenPoints[seat], -2000000);
    observer_.TrickResolved(s.TrickNo, winner, points);

    ++s.TrickNo;
    if (s.TrickNo == 14) s.Phase = PhaseOf::HandOver;
    s.TrickPos = 1;
    if (s.DrivesTable()) SetButton7(s.Button7.Caption, true);
}

void GameFlow::CollectTrick() {
    GameState& s = state_;
    if (!s.CardFlight) {
        observer_.ClearTableCentre();
    } else {
        observer_.SweepTrick(s.Leader);
        observer_.Pause(200);
    }
    s.PrevLeader = s.Leader;
}

void GameFlow::FinishHand(bool announce) {
    GameState& s = state_;
    if (announce) AnnounceToTable("hb00");

    CollectTrick();
    observer_.RefreshTableCentre();

    if (s.ShootMoon) {
        for (int seat = 1; seat <= SeatCount; ++seat) {
            if (s.TakenPoints[seat] != 26) continue;
            observer_.PlaySound("WPlMore", true);
            for (int other = 1; other <= SeatCount; ++other) s.TakenPoints[other] = 26;
            s.TakenPoints[seat] = 0;
            break;
        }
    }

    for (int seat = 1; seat <= SeatCount; ++seat) s.Totals[seat] += s.TakenPoints[seat];

    const int d = s.TakenPoints[1] + s.TakenPoints[2] + s.TakenPoints[3] - 3 * s.TakenPoints[4];
    if (d < 0) observer_.PlaySound("WKoBadX", false);
    if (d > 0) observer_.PlaySound("WKoGutX", false);

    for (int seat = 1; seat <= SeatCount; ++seat)
        observer_.DrawScoreTablet(seat, 3, false, s.TakenPoints[seat], s.Totals[seat]);
    observer_.DrawScorePanel();

    s.Phase = PhaseOf::HandAccounted;
    const int limit = s.Limit50 ? 50 : 100;
    bool over = false;
    for (int seat = 1; seat <= SeatCount; ++seat)
        if (s.Totals[seat] >= limit) over = true;

    s.Button7.Caption = StepCaption::NextRound;
    s.Button8.Caption = StepCaption::ExitToMenu;
    observer_.ButtonsChanged();
    if (!over && (s.IsNetHost() || s.IsTourDriver())) observer_.Pause(2000);

    bool enable = false;
    if (s.TourMode)
        enable = s.TourSeat == 1;
    else
        enable = s.IsLocalGame() || s.IsNetHost();
    SetButton7(StepCaption::NextRound, enable);

    s.GameOver = over;
    if (over) {
        s.Phase = PhaseOf::LimitReached;
        SetButton7(StepCaption::SumUpGame, !(s.TourMode && s.TourSeat > 1));
    }

    s.GameScore = s.Totals[1] + s.Totals[2] + s.Totals[3] - 3 * s.Totals[4];
    s.RunningScore = s.BaseScore + s.GameScore;
    observer_.DrawScorePanel();
    observer_.HandAccounted();

    if (s.ShowHandsAtEnd) {
        for (int seat = 1; seat <= SeatCount; ++seat) {
            const auto& saved = s.SavedHands[seat];
            for (int slot = 1; slot <= CardsPerHand; ++slot)
                PutCard(s, seat, slot, saved.Cards[slot], saved.Ranks[slot], saved.Penalties[slot]);
            s.HandCount[seat] = CardsPerHand;
        }
        observer_.ShowAllHandsFaceUp();
    }
    observer_.HandFinished();
}

void GameFlow::FinishGame(bool announce) {
    GameState& s = state_;
    int sum = 0;
    for (int seat = 1; seat <= SeatCount; ++seat) sum += s.Totals[seat];
    for (int seat = 1; seat <= SeatCount; ++seat) s.Totals[seat] = sum - 4 * s.Totals[seat];
    s.RunningScore = s.BaseScore + s.Totals[4];

    s.ResultsShown = true;
    for (int seat = 1; seat <= SeatCount; ++seat)
        observer_.DrawScoreTablet(seat, 2, false, -1000000, s.Totals[seat]);
    observer_.DrawScorePanel();

    s.Phase = PhaseOf::GameFinished;
    s.GameOver = true;
    SetButton7(s.Button7.Caption, false);
    SetButton8(StepCaption::ExitToMenu, true);

    if (s.Totals[4] < 0) observer_.PlaySound("WKoBads", false);
    if (s.Totals[4] > 0) observer_.PlaySound("WKoGood", false);

    if (s.IsTourDriver()) {
        // The results of TourSeat 1, 2, 3, 4, which this copy shows at seats 4, 2, 1, 3.
        if (announce) {
            std::string message = "o";
            for (int seat : {4, 2, 1, 3}) message += RightAligned(s.Totals[seat], 5);
            observer_.Announce(message);
        }
        observer_.TournamentGameOver();
    }
}

} // namespace vesrin
