#pragma once

#include "engine/ComputerPlayers.h"
#include "engine/EngineObserver.h"
#include "engine/GameState.h"
#include "engine/Random.h"

#include <cstdint>
#include <optional>

namespace vesrin {

// Which mouse button released over the bottom hand.
enum class MouseButton { Left, Right };
// The cursor the bottom hand shows over a place.
enum class HandCursor { Arrow, Hand };

// A deal as the host sends it: the deck by position with its ranks and the host's two
// rule options.
struct DealData {
    OneBased<CardCode, 52> Deck{};
    OneBased<std::uint8_t, 52> DeckRank{};
    bool ShootMoon = false;
    bool Limit50 = false;
};

// The game engine: deal, pass, trick play, scoring and the flow of a game driven by the
// heartbeat, the step button, clicks on the bottom hand and the moves of remote players.
// It changes only the GameState it was given and reports every visible moment to its
// observer; one engine serves the window, the network peers, self-play and the tests.
class GameFlow {
public:
    // Without a seed the shuffle is seeded from the clock.
    GameFlow(GameState& state, EngineObserver& observer, ComputerPlayers& players,
             std::optional<std::uint64_t> seed = std::nullopt);

    GameState& State() { return state_; }
    const GameState& State() const { return state_; }
    void Reseed(std::uint64_t seed) { random_.Seed(seed); }

    // --- deal and pass ---
    void StartHand(bool continueGame);
    void ShuffleDeck();
    void ExchangePass(int dir);

    // --- trick play and scoring ---
    // 0 when the card in the slot of the bottom hand may be played, else 1..4.
    int HumanCardError(int slot) const;
    // Plays a seat's card. A slot outside 1..13, an empty slot or a seat outside 1..4 is
    // ignored without changing anything (a malformed peer must not corrupt the game).
    void PlayCard(int seat, int slot, bool announce);
    void ResolveTrick();
    void CollectTrick();
    void FinishHand(bool announce);
    void FinishGame(bool announce);

    // --- the window's events ---
    // One tick of Timer1 in a game: lets a computer seat move. True when a card was played.
    bool Heartbeat();
    // The step button; does nothing while it is disabled, so no step runs twice.
    void Button7Click();
    // "Exit to menu" once the game is finished.
    void Button8Click();
    // A click on slot `slot` of the bottom hand (0: between or outside the cards).
    void BottomHandClick(int slot, MouseButton button);
    HandCursor CursorOverBottomHand(int slot) const;

    // --- moves that come from the network or the tournament server ---
    // Stores the host's deck and rules and starts the hand. Refused (false) when the deck
    // is not 52 distinct cards with their own ranks.
    bool ReceiveDeal(const DealData& deal);
    // Fills the hands from a tournament deck: TourSeat n receives block 5 - n at the seat
    // where this copy shows that player. Refused like ReceiveDeal.
    bool FillTournamentHands(const DealData& deal);
    void ReceiveStart(bool withPass);
    // All three other seats' picks, in this copy's own seat numbers.
    void ReceiveExchange(const OneBased<OneBased<int, 3>, 3>& picks);
    void ReceiveCard(int slot);
    void ReceiveSweep();
    void ReceiveHandEnd();
    // A remote player's pass choice for the local seat `seat` (1..3), on the driving copy.
    void ReceivePassPicks(int seat, const OneBased<int, 3>& picks);

    // The payload of the deal message "b" for the current deck and rules.
    std::string DealMessage() const;

private:
    void DealFromDeck(int viewerNetSeat);
    void TakeSnapshot();
    int HolderOfTwoOfClubs() const;
    bool IsRemoteSeat(int seat) const;
    void PassChoiceClick(int slot);
    void PassButton();
    void UpdatePassButton();
    void SetButton7(StepCaption caption, bool enabled);
    void SetButton8(StepCaption caption, bool enabled);
    void SetTimer1(bool running, int intervalMs);
    void AnnounceToTable(const std::string& payload);
    bool ValidDeal(const DealData& deal) const;

    GameState& state_;
    EngineObserver& observer_;
    ComputerPlayers& players_;
    DealRandom random_;
};

} // namespace vesrin
