#pragma once

#include "base/MessageSink.h"
#include "settings/Settings.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace vesrin {

// The settings file "Vesrin.ini": 35 lines with section headers, several of them packing
// many flags into one string. Reading keeps every default it cannot improve on: a file
// of fewer than 35 lines gives all defaults, a line too short ends the reading, and a
// value that is not a number or out of its range keeps its default.

inline constexpr std::string_view kSettingsFileName = "Vesrin.ini";
inline constexpr std::string_view kCantSaveOptions = "Can`t save options!";

Settings ParseSettings(std::string_view fileBytes);
// The 35 lines, each followed by CR LF.
std::string FormatSettings(const Settings& settings);

// Reads the file (a second try when it cannot be opened); defaults when it is missing.
Settings ReadSettings(const std::filesystem::path& file);

// Whether the local records file was found usable at start-up: an unusable one stops
// the settings from being written.
enum class RecordsState { Usable, Unusable };

// Rewrites the file safely (a second try when the first fails). A failure shows
// "Can`t save options!" and leaves the old file as it was. Gives whether it was written.
bool WriteSettings(const std::filesystem::path& file, const Settings& settings, RecordsState records,
                   MessageSink& messages);

} // namespace vesrin
