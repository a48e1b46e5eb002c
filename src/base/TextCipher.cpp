#include "base/TextCipher.h"

namespace vesrin {
namespace {

constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int SextetOf(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

std::uint16_t NextKey(std::uint8_t enciphered, std::uint16_t key) {
    const std::uint32_t sum = static_cast<std::uint32_t>(enciphered) + key;
    return static_cast<std::uint16_t>((sum * 41568u + 56646u) & 0xFFFFu);
}

} // namespace

std::string EncipherText(std::string_view text, std::uint16_t startKey) {
    std::string bytes;
    bytes.reserve(text.size());
    std::uint16_t key = startKey;
    for (char plain : text) {
        const auto c = static_cast<std::uint8_t>(static_cast<std::uint8_t>(plain) ^ (key >> 8));
        bytes += static_cast<char>(c);
        key = NextKey(c, key);
    }

    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t n = bytes.size() - i < 3 ? bytes.size() - i : 3;
        std::uint32_t group = 0;
        for (std::size_t j = 0; j < 3; ++j) {
            const std::uint32_t b = j < n ? static_cast<std::uint8_t>(bytes[i + j]) : 0u;
            group = (group << 8) | b;
        }
        for (std::size_t j = 0; j < n + 1; ++j)
            out += kAlphabet[(group >> (18 - 6 * j)) & 0x3F];
    }
    return out;
}

std::optional<std::string> DecipherText(std::string_view text, std::uint16_t startKey) {
    while (!text.empty() && text.back() == '=')
        text.remove_suffix(1);
    if (text.size() % 4 == 1) return std::nullopt;

    std::string bytes;
    bytes.reserve(text.size() / 4 * 3 + 2);
    for (std::size_t i = 0; i < text.size(); i += 4) {
        const std::size_t n = text.size() - i < 4 ? text.size() - i : 4;
        std::uint32_t group = 0;
        for (std::size_t j = 0; j < 4; ++j) {
            int sextet = 0;
            if (j < n) {
                sextet = SextetOf(text[i + j]);
                if (sextet < 0) return std::nullopt;
            }
            group = (group << 6) | static_cast<std::uint32_t>(sextet);
        }
        for (std::size_t j = 0; j < n - 1; ++j)
            bytes += static_cast<char>((group >> (16 - 8 * j)) & 0xFF);
    }

    std::uint16_t key = startKey;
    for (char& c : bytes) {
        const auto enciphered = static_cast<std::uint8_t>(c);
        c = static_cast<char>(enciphered ^ (key >> 8));
        key = NextKey(enciphered, key);
    }
    return bytes;
}

} // namespace vesrin
