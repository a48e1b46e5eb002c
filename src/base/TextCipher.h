#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vesrin {

// The program's string cipher: keeps service addresses and the account password
// unreadable in files. A byte stream cipher with a 16-bit running key that always adds
// the enciphered byte, followed by Base64 without "=" fill characters. Texts are bytes
// (code page 1251), not UTF-8.

// Start key of the password in the account's user file.
inline constexpr std::uint16_t kUserPasswordKey = 31597;

std::string EncipherText(std::string_view text, std::uint16_t startKey);

// nullopt when text is not Base64 of the alphabet "A".."Z", "a".."z", "0".."9", "+",
// "/" (trailing "=" fill is tolerated) or ends with a lone character.
std::optional<std::string> DecipherText(std::string_view text, std::uint16_t startKey);

} // namespace vesrin
