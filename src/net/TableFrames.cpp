#include "net/TableFrames.h"

#include "engine/MessageText.h"

#include <algorithm>
#include <charconv>

namespace vesrin {

namespace {

int SeatDigit(char c) { return c >= '1' && c <= '4' ? c - '0' : 0; }

// The payload of a frame: the text before the "#" padding of characters 1..49.
std::string_view PayloadOf(std::string_view frame) {
    std::string_view body = frame.substr(0, FrameLength - 1);
    const std::size_t end = body.find_last_not_of('#');
    return end == std::string_view::npos ? std::string_view() : body.substr(0, end + 1);
}

bool Slots(std::string_view digits, int count, std::array<int, 12>& slots) {
    if (digits.size() != static_cast<std::size_t>(2 * count)) return false;
    for (int i = 0; i < count; ++i) {
        slots[static_cast<std::size_t>(i)] = SlotNumber(digits.substr(static_cast<std::size_t>(2 * i)));
        if (slots[static_cast<std::size_t>(i)] == 0) return false;
    }
    return true;
}

bool Results(std::string_view text, std::array<int, 4>& results) {
    if (text.size() != 20) return false;
    for (std::size_t i = 0; i < 4; ++i) {
        std::string_view field = text.substr(i * 5, 5);
        const std::size_t start = field.find_first_not_of(' ');
        if (start == std::string_view::npos) return false;
        field.remove_prefix(start);
        int value = 0;
        const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
        if (error != std::errc{} || end != field.data() + field.size()) return false;
        results[i] = value;
    }
    return true;
}

// A player's frame by its payload.
bool ReadPlayerFrame(std::string_view payload, TableFrame& f) {
    const auto is = [&](std::string_view head) { return payload.substr(0, head.size()) == head; };
    if (payload.size() == 8 && is("connect")) {
        f.Kind = FrameKind::Connect;
        f.Seat = SeatDigit(payload[7]);
        return f.Seat != 0;
    }
    if (payload == "h1000000" || payload == "h2000000") {
        f.Kind = FrameKind::Start;
        f.WithPass = payload[1] == '1';
        return true;
    }
    if (is("h3")) return f.Kind = FrameKind::PassChoice, Slots(payload.substr(2), 3, f.Slots);
    if (is("h4")) return f.Kind = FrameKind::PassExchange, Slots(payload.substr(2), 12, f.Slots);
    if (is("h9")) return f.Kind = FrameKind::CardPlay, Slots(payload.substr(2), 1, f.Slots);
    if (payload == "ha00") return f.Kind = FrameKind::Sweep, true;
    if (payload == "hb00") return f.Kind = FrameKind::HandEnd, true;
    if (payload == "bnext") return f.Kind = FrameKind::NextDeal, true;
    if (payload == "TOut") return f.Kind = FrameKind::TimeOut, true;
    if (payload == "disA") return f.Kind = FrameKind::Leave, true;
    if (is("o")) return f.Kind = FrameKind::GameOver, Results(payload.substr(1), f.Results);
    if (is("s")) {
        f.Kind = FrameKind::Chat;
        f.Text = std::string(payload.substr(1));
        return true;
    }
    return false;
}

} // namespace

std::optional<std::string> EncodeFrame(std::string_view payload, int tourSeat) {
    if (payload.size() >= FrameLength || tourSeat < 1 || tourSeat > 4) return std::nullopt;
    std::string frame(payload);
    frame.resize(FrameLength, '#');
    frame[FrameLength - 1] = static_cast<char>('0' + tourSeat);
    return frame;
}

std::string GameOverPayload(const std::array<int, 4>& results) {
    std::string payload = "o";
    for (int result : results) payload += RightAligned(result, 5);
    return payload;
}

MessageSize MeasureFrame(std::string_view bytes, FrameSource source) {
    if (bytes.empty()) return {DecodeStatus::Incomplete, 0};
    const bool deal = source == FrameSource::Server && bytes.front() == 'b';
    const std::size_t length = deal ? DealFrameLength : FrameLength;
    if (bytes.size() < length) return {DecodeStatus::Incomplete, 0};
    return {DecodeStatus::Ok, length};
}

DecodedFrame DecodeFrame(std::string_view bytes, FrameSource source) {
    DecodedFrame out;
    const MessageSize size = MeasureFrame(bytes, source);
    out.Status = size.Status;
    if (size.Status != DecodeStatus::Ok) return out;
    const std::string_view frame = bytes.substr(0, size.Length);
    TableFrame& f = out.Frame;
    bool ok = false;
    if (size.Length == DealFrameLength) {
        f.Kind = FrameKind::Deal;
        ok = ReadDealLayout(frame, f.Deal, false);
    } else if (source == FrameSource::Server && frame.front() == 'e') {
        f.Kind = FrameKind::TableFinished;
        ok = true;
    } else if (source == FrameSource::Server && frame.front() == 'a') {
        f.Kind = FrameKind::PlayerLeft;
        f.Seat = SeatDigit(frame[5]);
        ok = f.Seat != 0;
    } else if (source == FrameSource::Server && frame.front() == 'T') {
        f.Kind = FrameKind::TimeOut;
        f.Seat = SeatDigit(frame[FrameLength - 1]);
        ok = f.Seat != 0;
    } else {
        // A chat line ends at its first "#"; the other payloads before the padding.
        const std::string_view payload = frame.front() == 's'
                                             ? frame.substr(0, std::min(frame.find('#'), FrameLength - 1))
                                             : PayloadOf(frame);
        f.Seat = SeatDigit(frame[FrameLength - 1]);
        ok = f.Seat != 0 && ReadPlayerFrame(payload, f);
    }
    if (!ok) {
        out.Status = DecodeStatus::Invalid;
        out.Frame = {};
        return out;
    }
    out.Length = size.Length;
    return out;
}

} // namespace vesrin
