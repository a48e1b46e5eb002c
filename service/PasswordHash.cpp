#include "PasswordHash.h"

#include <sodium.h>

namespace vesrin::service {
namespace {

// 19 MiB and two passes: the smallest Argon2id setting commonly advised for passwords.
constexpr unsigned long long kOpsLimit = 2;
constexpr std::size_t kMemLimit = 19u * 1024u * 1024u;

bool Ready() {
    static const bool ready = sodium_init() >= 0;
    return ready;
}

} // namespace

std::string HashPassword(std::string_view password) {
    if (!Ready()) return {};
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str_alg(out, password.data(), password.size(), kOpsLimit, kMemLimit,
                              crypto_pwhash_ALG_ARGON2ID13) != 0)
        return {};
    return out;
}

bool VerifyPassword(const std::string& hash, std::string_view password) {
    if (!Ready() || hash.empty()) return false;
    return crypto_pwhash_str_verify(hash.c_str(), password.data(), password.size()) == 0;
}

} // namespace vesrin::service
