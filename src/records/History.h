#pragma once

#include "records/GameKind.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vesrin {

// The history files: one fixed-width line per finished game with three checksums, a
// closing line and a totals line, at most 840 games a file, numbered files
// "History/Vesrin_I0001.hst" and on beside the program. A file whose content was edited
// fails its totals and is neither shown nor appended to.

inline constexpr int kHistoryEntriesPerFile = 840;
inline constexpr int kHistoryFileCount = 9999;
inline constexpr std::size_t kHistoryLineLength = 114;
inline constexpr std::string_view kCantSaveHistory = "Cann`t save history!";

// The entry the end of a game hands to the writer.
struct HisStr {
    std::string HName; // the player, or the people of a network or tournament table
    std::int32_t HKon = 1;
    std::int32_t HRes = 0;
    double HRei = 0;
    GameKind Ac = GameKind::Local;
};

// The local time and date of writing. DateText is the date in the system's short date
// format (window code formats it; FormatShortDate is the usual one).
struct HistoryStamp {
    int Hour = 0;
    int Minute = 0;
    std::string DateText;
};

// "dd.mm.yyyy".
std::string FormatShortDate(int year, int month, int day);

// The history name of a network or tournament table: the names, trailing blanks
// removed, joined by "/" from the highest place to place 1 (namesByPlace[0] is place 1);
// a tournament's is cut to 51 characters.
std::string HistoryTableName(std::span<const std::string> namesByPlace, GameKind kind);

// One 114-column entry line; nullopt when a number does not fit its columns.
std::optional<std::string> HistoryEntryLine(const HisStr& entry, const HistoryStamp& stamp);
std::string HistoryClosingLine();
// A whole file from its entry lines: the entries, the closing line and the totals line.
std::string FormatHistoryFile(const std::vector<std::string>& entryLines);

struct HistoryCheck {
    bool Valid = false;
    int Entries = 0;
    std::optional<std::filesystem::file_time_type> Modified; // for the viewer's date
};
HistoryCheck CheckHistoryBytes(std::string_view bytes);

std::filesystem::path HistoryFolder(const std::filesystem::path& programFolder);
std::filesystem::path HistoryFilePath(const std::filesystem::path& programFolder, int number);
HistoryCheck CheckHistoryFile(const std::filesystem::path& programFolder, int number);

// The viewer's list: the numbers 1, 2, ... while their files are valid, each with its
// date; it stops at the first missing or damaged number.
struct HistoryFileItem {
    int Number = 0;
    std::optional<std::filesystem::file_time_type> Modified;
};
std::vector<HistoryFileItem> ListValidHistoryFiles(const std::filesystem::path& programFolder);

// The file the viewer shows: remembered is 0 at the first opening of a run (and after
// an opening that found no file), else the number shown last time. Gives 0 when there
// is no valid file, the last valid file when nothing usable is remembered.
int ChooseHistoryFile(int validCount, int remembered);

enum class HistoryWriteStatus { Ok, InvalidEntry, AllFilesFull, WriteFailed };
struct HistoryAppend {
    HistoryWriteStatus Status = HistoryWriteStatus::Ok;
    int FileNumber = 0;
};

// Writes one to four entries into the first file that is valid and not full, or starts
// the first missing or damaged number afresh. A damaged file is kept beside it as
// ".damaged" before its number is reused. On failure the history files are as they
// were; the caller shows "Cann`t save history!".
HistoryAppend AppendHistoryEntry(const std::filesystem::path& programFolder, std::span<const HisStr> entries,
                                 const HistoryStamp& stamp);

} // namespace vesrin
