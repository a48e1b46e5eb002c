#pragma once

#include "engine/GameFlow.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace vesrin {

// The messages of the table link between a hosting copy and its joiners: short texts of
// single-byte characters (code page 1251) with fixed layouts. Every message but the deal
// ends with the sender's NetSeat digit. The codec never throws and never reads past its
// input; what does not fit a layout is refused.

inline constexpr int TableGameId = 42;
inline constexpr int TableProtocol = 25;
inline constexpr int DefaultTablePort = 25666;
// Chat lines are at most 15 characters. They go out padded with blanks to that length,
// so a chat message has a fixed size like every other message and can be told apart from
// a move that arrives in the same read.
inline constexpr std::size_t ChatTextLength = 15;
inline constexpr std::size_t SeatNameLength = 4;

enum class TableMessageKind {
    Hello,          // "qor" 42 25 "connect1" + name: joiner to host
    SeatAssignment, // "connect2+" + seat + four names: host to the joiner just seated
    SeatUpdate,     // "connect3+" / "connect4+" + four names: host to earlier joiners
    Deal,           // "b" + deck + ranks + moon flag + limit flag
    Start,          // "h1000000" / "h2000000" + N
    PassChoice,     // "h3" + three slots + N
    PassExchange,   // "h4" + twelve slots + N
    CardPlay,       // "h9" + slot + N
    Sweep,          // "ha00" + N
    HandEnd,        // "hb00" + N
    Chat,           // "s" + N + text
    Abort,          // "abort"
};

struct TableMessage {
    TableMessageKind Kind = TableMessageKind::Abort;
    // The trailing NetSeat digit of the sender (1..4); the assigned seat of a seat
    // assignment; 3 or 4 for a seat update ("connect3+", "connect4+").
    int Seat = 0;
    int GameId = 0;                   // hello
    int Protocol = 0;                 // hello
    std::string Name;                 // hello: four characters
    std::array<std::string, 4> Names; // seating: NetSeat 1..4 at index 0..3
    DealData Deal;                    // deal
    bool WithPass = false;            // start
    std::array<int, 12> Slots{};      // pass choice (3), pass exchange (12), card play (1)
    std::string Text;                 // chat, trailing blanks removed
};

enum class DecodeStatus {
    Ok,         // a whole message of the returned length
    Incomplete, // the bytes so far begin a message: wait for more
    Invalid,    // the bytes cannot begin any message
};

struct MessageSize {
    DecodeStatus Status = DecodeStatus::Invalid;
    std::size_t Length = 0;
};

struct DecodedMessage {
    DecodeStatus Status = DecodeStatus::Invalid;
    std::size_t Length = 0; // bytes the message took at the head of the input
    TableMessage Message;
};

// How long the message at the head of `bytes` is, from its first characters only.
MessageSize MeasureTableMessage(std::string_view bytes);
// Decodes the message at the head of `bytes` and checks its whole layout.
DecodedMessage DecodeTableMessage(std::string_view bytes);

// --- encoding ---
// A name cut or padded with blanks to the four characters of a seat.
std::string SeatName(std::string_view name);
std::string EncodeHello(std::string_view name, int gameId = TableGameId, int protocol = TableProtocol);
std::string EncodeSeatAssignment(int seat, const std::array<std::string, 4>& names);
std::string EncodeSeatUpdate(int update, const std::array<std::string, 4>& names);
std::string EncodeDeal(const DealData& deal);
std::string EncodeChat(int seat, std::string_view text);
inline const std::string& EncodeAbort() {
    static const std::string abort = "abort";
    return abort;
}
// A move as the engine announces it ("h1000000", "h3" + slots, "h9" + slot, "ha00", ...)
// with the sender's seat digit; a deal ("b"...) goes out as it is.
std::string EncodeMove(std::string_view payload, int seat);

// The deck, ranks and (when `checkFlags`) the two rule flags of a deal laid out as the
// "b" message: the cards must be real cards and the ranks 01..13.
bool ReadDealLayout(std::string_view message, DealData& deal, bool checkFlags);

// The two-digit slot number at the start of `text`, 1..13; 0 when it is anything else.
int SlotNumber(std::string_view text);

} // namespace vesrin
