#pragma once

#include "records/GameRecords.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace vesrin {

// The records of the self-play command: seat 4 plays as the local roster player "Sim"
// with the password "sim", and every finished game goes through the same
// FinishGameRecords as a real game, into the "Vesrin.clb" and "History" of one folder.

inline constexpr std::string_view kSimName = "Sim";
inline constexpr std::string_view kSimPassword = "sim";

// Records one finished game of seat 4 (its final relative result) written at stamp: the
// roster line, the top ten every twentieth game and the history entry. Creates the
// folder and a fresh records file when there is none. nullopt when the records file is
// damaged or cannot be created.
std::optional<GameRecordsResult> SimRecords(const std::filesystem::path& folder, std::int32_t seat4Result,
                                            const HistoryStamp& stamp);

} // namespace vesrin
