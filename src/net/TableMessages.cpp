#include "net/TableMessages.h"

#include "engine/MessageText.h"

namespace vesrin {

namespace {

constexpr unsigned char FlagYes = 0xC8; // "И"
constexpr unsigned char FlagNo = 0xCB;  // "Л"

struct Layout {
    std::string_view Head;
    std::size_t Length;
    TableMessageKind Kind;
};

// Every message by the characters it starts with. No head is the start of another, so
// the first characters decide the length.
constexpr Layout Layouts[] = {
    {"qor", 19, TableMessageKind::Hello},
    {"connect2+", 26, TableMessageKind::SeatAssignment},
    {"connect3+", 25, TableMessageKind::SeatUpdate},
    {"connect4+", 25, TableMessageKind::SeatUpdate},
    {"b", 211, TableMessageKind::Deal},
    {"h1", 9, TableMessageKind::Start},
    {"h2", 9, TableMessageKind::Start},
    {"h3", 9, TableMessageKind::PassChoice},
    {"h4", 27, TableMessageKind::PassExchange},
    {"h9", 5, TableMessageKind::CardPlay},
    {"ha", 5, TableMessageKind::Sweep},
    {"hb", 5, TableMessageKind::HandEnd},
    {"s", 2 + ChatTextLength, TableMessageKind::Chat},
    {"abort", 5, TableMessageKind::Abort},
};

const Layout* LayoutOf(std::string_view bytes, bool& partial) {
    partial = false;
    for (const Layout& layout : Layouts) {
        if (bytes.size() < layout.Head.size()) {
            if (layout.Head.substr(0, bytes.size()) == bytes) partial = true;
        } else if (bytes.substr(0, layout.Head.size()) == layout.Head) {
            return &layout;
        }
    }
    return nullptr;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A two-digit number 00..99, or -1.
int TwoDigitNumber(std::string_view text) {
    if (text.size() < 2 || !IsDigit(text[0]) || !IsDigit(text[1])) return -1;
    return (text[0] - '0') * 10 + (text[1] - '0');
}

// A NetSeat digit 1..4, or 0.
int SeatDigit(char c) { return c >= '1' && c <= '4' ? c - '0' : 0; }

bool ReadSlots(std::string_view text, int count, std::array<int, 12>& slots) {
    for (int i = 0; i < count; ++i) {
        const int slot = SlotNumber(text.substr(static_cast<std::size_t>(2 * i)));
        if (slot == 0) return false;
        slots[static_cast<std::size_t>(i)] = slot;
    }
    return true;
}

void ReadNames(std::string_view text, std::array<std::string, 4>& names) {
    for (std::size_t i = 0; i < 4; ++i) names[i] = std::string(text.substr(i * SeatNameLength, SeatNameLength));
}

} // namespace

bool ReadDealLayout(std::string_view m, DealData& deal, bool checkFlags) {
    if (m.size() < 211) return false;
    for (int i = 1; i <= 52; ++i) {
        const auto at = static_cast<std::size_t>(2 * i - 1); // positions 2i..2i+1, 1-based
        const CardCode card{static_cast<unsigned char>(m[at]), static_cast<unsigned char>(m[at + 1])};
        const int rank = TwoDigitNumber(m.substr(static_cast<std::size_t>(103 + 2 * i)));
        if (!IsValidCard(card) || rank < 1 || rank > 13) return false;
        deal.Deck[i] = card;
        deal.DeckRank[i] = static_cast<std::uint8_t>(rank);
    }
    const auto flag = [](char c, bool& value) {
        const auto byte = static_cast<unsigned char>(c);
        value = byte == FlagYes;
        return byte == FlagYes || byte == FlagNo;
    };
    if (!checkFlags) return true;
    return flag(m[209], deal.ShootMoon) && flag(m[210], deal.Limit50);
}

namespace {

std::string TrimBlanks(std::string_view text) {
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string() : std::string(text.substr(0, end + 1));
}

} // namespace

int SlotNumber(std::string_view text) {
    const int n = TwoDigitNumber(text);
    return n >= 1 && n <= 13 ? n : 0;
}

MessageSize MeasureTableMessage(std::string_view bytes) {
    if (bytes.empty()) return {DecodeStatus::Incomplete, 0};
    bool partial = false;
    const Layout* layout = LayoutOf(bytes, partial);
    if (!layout) return {partial ? DecodeStatus::Incomplete : DecodeStatus::Invalid, 0};
    if (bytes.size() < layout->Length) return {DecodeStatus::Incomplete, 0};
    return {DecodeStatus::Ok, layout->Length};
}

DecodedMessage DecodeTableMessage(std::string_view bytes) {
    DecodedMessage out;
    bool partial = false;
    const Layout* layout = LayoutOf(bytes, partial);
    if (!layout || bytes.size() < layout->Length) {
        out.Status = layout || partial || bytes.empty() ? DecodeStatus::Incomplete : DecodeStatus::Invalid;
        return out;
    }
    const std::string_view m = bytes.substr(0, layout->Length);
    TableMessage& msg = out.Message;
    msg.Kind = layout->Kind;
    bool ok = true;
    switch (layout->Kind) {
    case TableMessageKind::Hello:
        msg.GameId = TwoDigitNumber(m.substr(3));
        msg.Protocol = TwoDigitNumber(m.substr(5));
        msg.Name = std::string(m.substr(15));
        ok = msg.GameId >= 0 && msg.Protocol >= 0 && m.substr(7, 8) == "connect1";
        break;
    case TableMessageKind::SeatAssignment:
        msg.Seat = SeatDigit(m[9]);
        ReadNames(m.substr(10), msg.Names);
        ok = msg.Seat >= 2;
        break;
    case TableMessageKind::SeatUpdate:
        msg.Seat = m[7] - '0';
        ReadNames(m.substr(9), msg.Names);
        break;
    case TableMessageKind::Deal:
        ok = ReadDealLayout(m, msg.Deal, true);
        break;
    case TableMessageKind::Start:
        msg.WithPass = m[1] == '1';
        msg.Seat = SeatDigit(m[8]);
        ok = m.substr(2, 6) == "000000" && msg.Seat != 0;
        break;
    case TableMessageKind::PassChoice:
        msg.Seat = SeatDigit(m[8]);
        ok = ReadSlots(m.substr(2), 3, msg.Slots) && msg.Seat != 0;
        break;
    case TableMessageKind::PassExchange:
        msg.Seat = SeatDigit(m[26]);
        ok = ReadSlots(m.substr(2), 12, msg.Slots) && msg.Seat != 0;
        break;
    case TableMessageKind::CardPlay:
        msg.Seat = SeatDigit(m[4]);
        ok = ReadSlots(m.substr(2), 1, msg.Slots) && msg.Seat != 0;
        break;
    case TableMessageKind::Sweep:
    case TableMessageKind::HandEnd:
        msg.Seat = SeatDigit(m[4]);
        ok = m.substr(2, 2) == "00" && msg.Seat != 0;
        break;
    case TableMessageKind::Chat:
        msg.Seat = SeatDigit(m[1]);
        msg.Text = TrimBlanks(m.substr(2));
        ok = msg.Seat != 0;
        break;
    case TableMessageKind::Abort:
        break;
    }
    if (!ok) {
        out.Message = {};
        return out;
    }
    out.Status = DecodeStatus::Ok;
    out.Length = layout->Length;
    return out;
}

std::string SeatName(std::string_view name) {
    std::string seat(name.substr(0, SeatNameLength));
    seat.resize(SeatNameLength, ' ');
    return seat;
}

std::string EncodeHello(std::string_view name, int gameId, int protocol) {
    return "qor" + TwoDigits(gameId) + TwoDigits(protocol) + "connect1" + SeatName(name);
}

namespace {

std::string JoinNames(const std::array<std::string, 4>& names) {
    std::string text;
    for (const std::string& name : names) text += SeatName(name);
    return text;
}

char Digit(int n) { return static_cast<char>('0' + n % 10); }

} // namespace

std::string EncodeSeatAssignment(int seat, const std::array<std::string, 4>& names) {
    return std::string("connect2+") + Digit(seat) + JoinNames(names);
}

std::string EncodeSeatUpdate(int update, const std::array<std::string, 4>& names) {
    return std::string("connect") + Digit(update) + "+" + JoinNames(names);
}

std::string EncodeDeal(const DealData& deal) {
    std::string message = "b";
    for (int pos = 1; pos <= 52; ++pos) message += deal.Deck[pos].Bytes();
    for (int pos = 1; pos <= 52; ++pos) message += TwoDigits(deal.DeckRank[pos]);
    message += static_cast<char>(deal.ShootMoon ? FlagYes : FlagNo);
    message += static_cast<char>(deal.Limit50 ? FlagYes : FlagNo);
    return message;
}

std::string EncodeChat(int seat, std::string_view text) {
    std::string line(text.substr(0, ChatTextLength));
    line.resize(ChatTextLength, ' ');
    return std::string("s") + Digit(seat) + line;
}

std::string EncodeMove(std::string_view payload, int seat) {
    if (!payload.empty() && payload.front() == 'b') return std::string(payload);
    return std::string(payload) + Digit(seat);
}

} // namespace vesrin
