#pragma once

#include "net/ReceiveBuffer.h"
#include "net/TableMessages.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vesrin {

// The table-server link of a tournament table: every message is a frame of 50 characters,
// the text padded with "#" and the sender's TourSeat digit in the last place. Deals come
// from the server in the 211-character layout of the table link's deal.

inline constexpr std::size_t FrameLength = 50;
inline constexpr std::size_t DealFrameLength = 211;

// Who sent a frame: the server's frames include deals, the end of the table and the
// leavers; a player's frames are the moves the server relays.
enum class FrameSource { Server, Player };

enum class FrameKind {
    Connect,       // "connect" + TourSeat
    Start,         // "h1000000" / "h2000000"
    PassChoice,    // "h3" + three slots
    PassExchange,  // "h4" + twelve slots
    CardPlay,      // "h9" + slot
    Sweep,         // "ha00"
    HandEnd,       // "hb00"
    NextDeal,      // "bnext"
    Chat,          // "s" + text
    GameOver,      // "o" + four results of five characters
    TimeOut,       // "TOut" from a player, "T" from the server: a move clock ran out
    Leave,         // "disA": the player leaves the table
    Deal,          // "b" + deck + ranks (server)
    TableFinished, // "e" (server)
    PlayerLeft,    // "a", the leaver's TourSeat in character 6 (server)
};

struct TableFrame {
    FrameKind Kind = FrameKind::Chat;
    // The TourSeat of character 50 (the sender), of character 6 for PlayerLeft, the
    // digit of Connect; 0 for a deal and the end of the table.
    int Seat = 0;
    bool WithPass = false;
    std::array<int, 12> Slots{};
    std::string Text;
    std::array<int, 4> Results{};
    DealData Deal;
};

struct DecodedFrame {
    DecodeStatus Status = DecodeStatus::Invalid;
    std::size_t Length = 0;
    TableFrame Frame;
};

// The frame of a payload from TourSeat `tourSeat`; nullopt when the payload does not fit
// in 49 characters or the seat is not 1..4.
std::optional<std::string> EncodeFrame(std::string_view payload, int tourSeat);
// The game-over payload: "o" and the four results right-aligned in five characters.
std::string GameOverPayload(const std::array<int, 4>& results);

MessageSize MeasureFrame(std::string_view bytes, FrameSource source);
DecodedFrame DecodeFrame(std::string_view bytes, FrameSource source);

inline ReceiveBuffer FrameReceiveBuffer(FrameSource source) {
    return ReceiveBuffer([source](std::string_view bytes) { return MeasureFrame(bytes, source); });
}

} // namespace vesrin
