#pragma once

#include "engine/CardCode.h"

#include <array>
#include <cstdint>
#include <string>

namespace vesrin {

// Every index of the game is 1-based (seats, slots, trick positions, tricks). The arrays
// below keep one unused entry at index 0 so that the code reads like the rules.
template <typename T, std::size_t N> using OneBased = std::array<T, N + 1>;

inline constexpr int SeatCount = 4;
inline constexpr int HandSlots = 64;  // storage per seat; only slots 1..13 are used
inline constexpr int CardsPerHand = 13;
inline constexpr int LocalSeat = 4;   // the local player always sits at the bottom

// Phase values of the game flow.
namespace PhaseOf {
inline constexpr int Passing = 5;
inline constexpr int TrickFull = 7;
inline constexpr int WaitingForExchange = 10;
inline constexpr int HandOver = 90;
inline constexpr int HandAccounted = 91;
inline constexpr int LimitReached = 93;
inline constexpr int GameFinished = 94;
} // namespace PhaseOf

// Which screen the main window shows.
enum class Screen : std::uint8_t { Intro, Menu, Table };

// Captions of the two step buttons of the table; the window turns them into words.
enum class StepCaption : std::uint8_t {
    None,
    ToBegin,        // "To Begin"
    StartSharing,   // "Start sharing"
    OK,             // the fixed text "OK"
    Ok,             // the fixed text "Ok" a network client shows after the host's start
    NextRound,      // "Next Round"
    SumUpGame,      // "To sum up of game"
    ExitToMenu,     // "Exit to menu"
};

// What the window shows of a step button; the flow decides all three.
struct StepButton {
    StepCaption Caption = StepCaption::None;
    bool Enabled = false;
    bool Visible = false;
};

// The heartbeat timer as the flow wants it.
struct HeartbeatTimer {
    bool Running = false;
    int IntervalMs = 20;
};

// One seat's hand: three parallel arrays as the game keeps them.
struct SavedHand {
    OneBased<CardCode, HandSlots> Cards{};
    OneBased<std::uint8_t, HandSlots> Ranks{};
    OneBased<std::uint8_t, HandSlots> Penalties{};
};

// The one game state record. Only the engine operations change it; windows, the
// network link and the computer players read it.
struct GameState {
    GameState();

    // Deck as shuffled by the host (or received from it), by deck position.
    OneBased<CardCode, 52> Deck{};
    OneBased<std::uint8_t, 52> DeckRank{};
    OneBased<std::uint8_t, 52> DeckPenalty{};

    // Hands: slots 1..HandCount hold the cards in SortHand order, later slots EmptySlot.
    OneBased<OneBased<CardCode, HandSlots>, SeatCount> HandCards{};
    OneBased<OneBased<std::uint8_t, HandSlots>, SeatCount> HandRanks{};
    OneBased<OneBased<std::uint8_t, HandSlots>, SeatCount> HandPenalties{};
    OneBased<int, SeatCount> HandCount{};

    // The trick on the table and the hand's history.
    OneBased<CardCode, 4> Trick{};
    OneBased<std::uint8_t, 4> TrickRanks{};
    int TrickPos = 1;                 // next free trick position; 5 while the trick is full
    int TrickNo = 1;                  // 1..13, 14 after the last trick
    unsigned char LedSuit = SuitNone; // suit character of trick position 1
    int Leader = 1;                   // leads the current trick; after resolving, the winner
    int PrevLeader = 1;               // leader of the trick lying on the table
    OneBased<CardCode, 4> LastTrick{};
    OneBased<OneBased<CardCode, 4>, 13> PlayedCards{};
    bool SuitBroken = false;

    // Scores.
    OneBased<std::int32_t, SeatCount> TakenPoints{};
    OneBased<std::int32_t, SeatCount> Totals{};
    std::int32_t HandNo = 0;
    std::int32_t GameNo = 1;
    std::int32_t BaseScore = 0;
    std::int32_t GameScore = 0;
    std::int32_t RunningScore = 0;
    double StartRating = 0.0; // the profile's rating when the game began
    bool GameOver = false;
    bool ResultsShown = false; // the tablets show the final results (in red)

    // Passing.
    int PassDir = 0;                        // 0 none, 1 left, 2 right, 3 across
    OneBased<int, 3> PassPick{};            // the local player's three slots, 0 = not chosen
    OneBased<OneBased<int, 3>, 3> PassPicks{}; // seats 1..3: computed or received slots
    bool PassReady = false;                 // host: every remote choice has arrived
    bool DealNotCounted = false;            // this deal does not advance HandNo
    // The cards each seat gives, filled at the start of the exchange.
    OneBased<OneBased<CardCode, 3>, SeatCount> ExchangeCards{};

    // Snapshot of the four hands as trick play began.
    OneBased<SavedHand, SeatCount> SavedHands{};

    // Flow.
    int Phase = 0;
    int StartState = 0; // 1 a new hand waits for "To Begin", 2 the hand runs
    Screen CurrentScreen = Screen::Intro;
    StepButton Button7;
    StepButton Button8;
    HeartbeatTimer Timer1;
    int HelpContext = 1;

    // Game kind and seating.
    int ProfileSlot = 0;  // 1..5 roster, 6 new player, 7 account, 8 tournament
    bool NetMode = false;
    int NetSeat = 0;      // 1 host, 2..4 clients, 0 in a local game
    int NetRemotes = -1;  // host: seated joiners minus one
    bool TourMode = false;
    int TourSeat = 0;     // 1 drives the tournament table like a host
    int AccountState = 1; // 3 while an account game runs
    OneBased<std::string, SeatCount> SeatNames{};
    std::string ProfileName; // the local player's name for this game
    bool OtherHandsFaceUp = false; // the hidden hand view of a network table

    // Rule and table options copied from the settings.
    bool ShootMoon = false;
    bool Limit50 = false;
    bool ShowHandsAtEnd = false;
    bool CardFlight = true;

    // Game kinds as the flow distinguishes them.
    bool IsLocalGame() const { return !NetMode && !TourMode; }
    bool IsNetHost() const { return NetMode && !TourMode && NetSeat == 1; }
    bool IsNetClient() const { return NetMode && !TourMode && NetSeat >= 2; }
    bool IsTourDriver() const { return TourMode && TourSeat == 1; }
    // Local game, network host or tournament seat 1: the copy that decides each step.
    bool DrivesTable() const { return IsLocalGame() || IsNetHost() || IsTourDriver(); }
    bool InGame() const { return CurrentScreen == Screen::Table; }
};

} // namespace vesrin
