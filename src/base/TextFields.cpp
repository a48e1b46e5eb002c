#include "base/TextFields.h"

#include <charconv>
#include <cmath>

namespace vesrin {

std::optional<std::int32_t> StrictInt(std::string_view text) {
    text = TrimLeft(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!AllDigits(text)) return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        value = value * 10 + (c - '0');
        if (value > std::int64_t{1} << 31) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<double> CommaDecimal(std::string_view text) {
    text = TrimLeft(text);
    std::string plain;
    std::size_t pos = 0;
    if (pos < text.size() && text[pos] == '-') plain += text[pos++];
    const std::size_t intStart = pos;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
        plain += text[pos++];
    if (pos == intStart) return std::nullopt;
    if (pos < text.size() && (text[pos] == ',' || text[pos] == '.')) {
        plain += '.';
        ++pos;
        const std::size_t fracStart = pos;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
            plain += text[pos++];
        if (pos == fracStart) return std::nullopt;
    }
    if (pos != text.size()) return std::nullopt;
    double value = 0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec != std::errc() || result.ptr != plain.data() + plain.size()) return std::nullopt;
    return value;
}

std::string CommaFixed(double value, int decimals) {
    if (!std::isfinite(value)) value = 0;
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ec == std::errc() ? result.ptr : buffer);
    for (char& c : text) {
        if (c == '.') c = ',';
    }
    return text;
}

std::string FitLeft(std::string_view text, std::size_t width) {
    std::string out(text.substr(0, width));
    out.resize(width, ' ');
    return out;
}

std::string AlignRight(std::string_view text, std::size_t width) {
    if (text.size() >= width) return std::string(text);
    return std::string(width - text.size(), ' ') + std::string(text);
}

std::string OneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return line;
}

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return text;
}

bool AllDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

std::string ZeroPadded(std::uint64_t value, std::size_t width) {
    std::string digits = std::to_string(value);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

} // namespace vesrin
