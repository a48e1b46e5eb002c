#pragma once

#include <cstdint>

namespace vesrin {

// The kind of a finished game as the records see it; the values are the kind numbers of
// the history entries.
enum class GameKind : std::uint8_t { Local = 0, Account = 1, Tournament = 2, Network = 3 };

}  // namespace vesrin
