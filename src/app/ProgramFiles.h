#pragma once

#include "records/HistoryWindow.h"
#include "settings/SettingsFile.h"

#include <filesystem>
#include <string>

namespace vesrin {

// The files of the program: the program folder that holds the settings file, the two
// records files and the "History" folder, and whether the records file was found usable
// at start-up (an unusable one stops the settings from being written at exit).
struct ProgramFiles {
    std::filesystem::path Program;
    std::filesystem::path SettingsFile;
    RecordsState Records = RecordsState::Usable;
};

// The player of the game being started or played, as the welcome dialog gave him:
// slot 1..5 for a roster player, 6 for a new one. StartLine is the player's line as read
// at login (a new player's is made from the name and password), which a change of name
// during the game starts from.
struct LoggedInPlayer {
    int Slot = 6;
    std::string Name;            // code page 1251, 20 columns
    std::string EncodedPassword; // columns 45-59 of the player's line
    std::string StartLine;
};

} // namespace vesrin
