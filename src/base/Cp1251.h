#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vesrin {

// The one place where text changes between the bytes kept in files and on the wire
// (code page 1251) and the Unicode text of the windows (UTF-8 here, QString::fromUtf8 on
// the window side). Every byte has a character, so bytes survive a round trip: the one
// byte that code page 1251 leaves undefined, 0x98, stands for U+0098.

// Never fails: every byte maps to one character.
std::string Cp1251ToUtf8(std::string_view bytes);

// nullopt when the text is not valid UTF-8 or holds a character code page 1251 cannot
// hold; nothing is replaced silently.
std::optional<std::string> Utf8ToCp1251(std::string_view utf8);

// For name fields: whether Utf8ToCp1251 would succeed.
bool FitsCp1251(std::string_view utf8);

} // namespace vesrin
