#include "online/RemoteConfig.h"

namespace vesrin {

std::optional<std::string> ConfigValue(std::string_view text, std::string_view key) {
    if (key.empty()) return std::nullopt;
    std::size_t at = 0;
    while ((at = text.find(key, at)) != std::string_view::npos) {
        const std::size_t equals = at + key.size();
        if (equals < text.size() && text[equals] == '=') {
            const std::string_view rest = text.substr(equals + 1);
            return std::string(rest.substr(0, rest.find('#')));
        }
        at += 1;
    }
    return std::nullopt;
}

std::string ConfigEntry(std::string_view key, std::string_view value) {
    std::string entry(key);
    entry += '=';
    entry += value;
    entry += '#';
    return entry;
}

} // namespace vesrin
