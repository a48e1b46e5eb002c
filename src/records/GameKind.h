#pragma once

#include <cstdint>

namespace vesrin {

// The kind of a finished game as the records see it; the values are the kind numbers of
// the history entries.
enum class GameKind : std::uint8_t { Local = 0, Account = 1, Tournament = 2, Network = 3 };

// Tournament while the tournament mode is on; else account while an account game runs
// (account state 3); else network while the network switch is on; else local.
constexpr GameKind GameKindOf(bool tourMode, int accountState, bool netMode) {
    if (tourMode) return GameKind::Tournament;
    if (accountState == 3) return GameKind::Account;
    return netMode ? GameKind::Network : GameKind::Local;
}

} // namespace vesrin
