#pragma once

#include <string>

namespace vesrin {

// Numbers as the table messages carry them: two digits with a leading zero ("05"), or
// right-aligned in a field of blanks.
inline std::string TwoDigits(int n) {
    return std::string{static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
}

inline std::string RightAligned(int value, std::size_t width) {
    std::string text = std::to_string(value);
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

} // namespace vesrin
