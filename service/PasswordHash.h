#pragma once

#include <string>
#include <string_view>

namespace vesrin::service {

// Passwords are kept only as salted slow hashes (Argon2id through libsodium, with the
// memory and time costs recommended for interactive sign-in), never in plain text.
std::string HashPassword(std::string_view password);
bool VerifyPassword(const std::string& hash, std::string_view password);

} // namespace vesrin::service
