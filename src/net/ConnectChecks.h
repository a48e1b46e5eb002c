#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace vesrin {

// The host address a joiner types: exactly three points, not ending with a point, every
// group between points one to three characters. The groups are not range-tested.
bool ValidHostAddress(std::string_view address);
// Field filters of the connection dialog: an address holds only digits and points, a
// port only digits.
bool OnlyDigitsAndPoints(std::string_view text);
bool OnlyDigits(std::string_view text);

// The hidden hand view's key buffer: typed characters collect until they read as the
// access code, which toggles the view and empties the buffer.
class HiddenHandKeys {
public:
    static constexpr std::string_view AccessCode = "47391";
    // True when this character completed the access code.
    bool Type(char c);
    void Clear() { keys_.clear(); }

private:
    std::string keys_;
};

// The four lines of the table chat, each with the NetSeat (or TourSeat) of its speaker.
// A new line takes the first empty place; when all four are used the lines move up and
// the new one becomes the last.
class TableChatLines {
public:
    struct Line {
        std::string Text; // code page 1251
        int Seat = 0;     // 0: an empty place
    };
    static constexpr int MaxCuts = 12;

    // Adds a line after shortening it: while it is wider than `maxWidth` its last
    // character goes, at most twelve times, and "..." follows when anything went.
    void Add(std::string text, int seat, const std::function<int(std::string_view)>& width, int maxWidth);
    void Clear() { lines_ = {}; }
    const std::array<Line, 4>& Lines() const { return lines_; }

private:
    std::array<Line, 4> lines_{};
};

} // namespace vesrin
