#include "net/ConnectChecks.h"

#include <algorithm>

namespace vesrin {

bool ValidHostAddress(std::string_view address) {
    if (std::count(address.begin(), address.end(), '.') != 3 || address.empty() || address.back() == '.')
        return false;
    std::size_t start = 0;
    for (int group = 0; group < 4; ++group) {
        const std::size_t end = group < 3 ? address.find('.', start) : address.size();
        const std::size_t length = end - start;
        if (length < 1 || length > 3) return false;
        start = end + 1;
    }
    return true;
}

bool OnlyDigitsAndPoints(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
}

bool OnlyDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool HiddenHandKeys::Type(char c) {
    keys_ += c;
    // The buffer read as a whole number: leading zeros do not count.
    const std::size_t first = keys_.find_first_not_of('0');
    const std::string_view number = first == std::string::npos ? std::string_view() : std::string_view(keys_).substr(first);
    if (number == AccessCode) {
        keys_.clear();
        return true;
    }
    if (keys_.size() > 32) keys_.erase(0, keys_.size() - 32);
    return false;
}

void TableChatLines::Add(std::string text, int seat, const std::function<int(std::string_view)>& width,
                         int maxWidth) {
    int cuts = 0;
    while (!text.empty() && cuts < MaxCuts && width(text) > maxWidth) {
        text.pop_back();
        ++cuts;
    }
    if (cuts > 0) text += "...";
    auto free = std::find_if(lines_.begin(), lines_.end(), [](const Line& line) { return line.Seat == 0; });
    if (free == lines_.end()) {
        std::rotate(lines_.begin(), lines_.begin() + 1, lines_.end());
        free = lines_.end() - 1;
    }
    *free = Line{std::move(text), seat};
}

} // namespace vesrin
