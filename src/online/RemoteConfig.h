#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vesrin {

// The remote configuration text the program fetches at start: entries key "=" value "#"
// anywhere in the text. The service addresses in it ("AccPath", "WTGamesPatt",
// "StatPath") are enciphered with the string cipher under kRemoteConfigKey;
// "WTGamesPause" and "CTGamesPause" switch the world top ten and the chat off by being
// present.

inline constexpr std::uint16_t kRemoteConfigKey = 18721;

inline constexpr std::string_view kConfigAccountPath = "AccPath";
inline constexpr std::string_view kConfigTopTenPath = "WTGamesPatt";
inline constexpr std::string_view kConfigStatsPath = "StatPath";
inline constexpr std::string_view kConfigTopTenPause = "WTGamesPause";
inline constexpr std::string_view kConfigChatPause = "CTGamesPause";

// The value of the first entry with this key: from after "=" up to the next "#" (or the
// end of the text). nullopt when the key is not followed by "=".
std::optional<std::string> ConfigValue(std::string_view text, std::string_view key);

// One entry as the service writes it.
std::string ConfigEntry(std::string_view key, std::string_view value);

} // namespace vesrin
