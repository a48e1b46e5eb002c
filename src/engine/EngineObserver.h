#pragma once

#include "engine/CardCode.h"

#include <string>
#include <string_view>

namespace vesrin {

enum class NamePlateStyle { Yellow, Red };

// What a profile contributes to a new game: its name and its figures so far.
struct ProfileFigures {
    std::string Name;
    int Games = 0;      // finished games
    int Score = 0;      // accumulated score of the current cycle (or the account/tournament)
    double Rating = 0.0;
};

// Everything the engine does not do itself. The engine never draws, sleeps, plays sounds
// or sends anything: it calls these at the moments the game prescribes, in that order. The
// table window implements them with flights and pictures, the network link implements
// Announce, the self-play command logs, and tests record. Every call has a default that
// does nothing, so an implementation overrides only what it shows.
class EngineObserver {
public:
    virtual ~EngineObserver() = default;

    // --- a new hand ---
    // Prepares the table for a hand: background, back picture of the deal, background music
    // stopped, pop-up items, the deck picture, the table layout, the tournament clocks, the
    // hand, tablet and name-plate pictures shown, the table centre cleared, the name plates
    // blanked and the hand pictures repainted with the background.
    virtual void PrepareTableForHand() {}
    // The figures of the player who starts a new game in `profileSlot` (1..8).
    virtual ProfileFigures LoadProfileFigures(int /*profileSlot*/) { return {}; }
    virtual void StartTournamentClocks() {}
    virtual void ShowChatLine(bool /*clearHistory*/) {}
    virtual void DrawPassArrow(int /*passDir*/) {}
    virtual void DrawNamePlates() {} // all four, yellow style, with SeatNames
    // The hand is on show: score-panel hint, help context, recording of the hand.
    virtual void HandOnShow() {}

    // --- buttons, timer, cursor ---
    virtual void ButtonsChanged() {}   // Button7 / Button8 in GameState changed
    virtual void HeartbeatChanged() {} // Timer1 in GameState changed
    virtual void RefreshCursor() {}
    virtual void ShowClickEffect() {}

    // --- hands ---
    // The seat's hand was sorted after a change and is to be redrawn.
    virtual void HandChanged(int /*seat*/) {}
    // Toggles the selection mark of a card of the bottom hand.
    virtual void InvertCardSelection(int /*slot*/) {}
    virtual void DrawNamePlate(int /*seat*/, NamePlateStyle) {}
    // After the hand all four hands are shown face up as trick play began.
    virtual void ShowAllHandsFaceUp() {}

    // --- table centre and score displays ---
    virtual void ClearTableCentre() {}
    virtual void RefreshTableCentre() {}
    // leadSign: 1 draw, 2 clear, 3 keep. Values -1000000 clear a field, -2000000 keep it.
    virtual void DrawScoreTablet(int /*seat*/, int /*leadSign*/, bool /*repaint*/, int /*handValue*/,
                                 int /*totalValue*/) {}
    virtual void DrawScorePanel() {}
    virtual void PlaceStepButtons() {}

    // --- card movements (the view flies and draws) ---
    // `giver` removed its r-th pass card from `slotBefore` and sorted its hand: redraw the
    // hand, fly a back from where the card was to the pass spot and leave a back there.
    virtual void PassCardGiven(int /*giver*/, int /*r*/, int /*slotBefore*/) {}
    // `receiver` took the r-th card of `giver` into its sorted hand at `slotAfter`: take it
    // off the giver's pass spot, fly it to the receiver's hand and redraw that hand.
    virtual void PassCardReceived(int /*giver*/, int /*r*/, int /*receiver*/, int /*slotAfter*/) {}
    // `seat` played `card` from `slotBefore` and sorted its hand: redraw the hand, fly the
    // card to the seat's trick spot when card flights are on, draw it there.
    virtual void CardPlayed(int /*seat*/, int /*slotBefore*/, CardCode /*card*/) {}
    // The four cards of LastTrick fly off the table towards `winner`.
    virtual void SweepTrick(int /*winner*/) {}
    // A trick was resolved (for logs and statistics; the tablets are drawn separately).
    virtual void TrickResolved(int /*trickNo*/, int /*winner*/, int /*points*/) {}
    // The hand's points were added to the totals (after the moon rule).
    virtual void HandAccounted() {}
    // The hand's recording takes its last frame and is saved.
    virtual void HandFinished() {}

    // --- sound and time ---
    // Starts a sound; with `toEnd` the call returns when it has finished playing.
    virtual void PlaySound(std::string_view /*name*/, bool /*toEnd*/) {}
    virtual void Pause(int /*ms*/) {}
    virtual void ProcessPendingEvents() {}
    virtual void SpeakCard(CardCode) {}

    // --- the table link ---
    // A move for the other copies or the tournament server: "b..." (deal), "h1000000",
    // "h2000000", "h3"+picks, "h4"+picks, "h9"+slot, "ha00", "hb00", "bnext", "o"+results.
    // The link adds the sender's seat digit or frames the text.
    virtual void Announce(std::string_view /*payload*/) {}
    virtual void RestartTournamentClock(int /*seconds*/) {}
    virtual void StopTournamentClock() {}
    // The local player clicked a card in a tournament: the move clocks react.
    virtual void TournamentMoveMade() {}
    // Chat line disabled, clocks cleared and the clock timer stopped.
    virtual void TournamentGameOver() {}

    // --- leaving ---
    // "Exit to menu" after the game was summed up: the records take the result.
    virtual void CloseGame() {}
};

} // namespace vesrin
