#pragma once

#include "records/ColumnSums.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesrin {

// The local records files "Vesrin.clb" (games against the computer) and "Vesrin.net"
// (network games): 17 fixed-width lines of code page 1251 text, a roster of five player
// slots kept by rating, a top ten of finished twenty-game cycles, a check line and a
// checksum line over the first sixteen. A file that is not exactly so is refused.

inline constexpr std::string_view kLocalRecordsFileName = "Vesrin.clb";
inline constexpr std::string_view kNetRecordsFileName = "Vesrin.net";

inline constexpr std::size_t kRosterLineLength = 59;
inline constexpr std::size_t kTopTenLineLength = 26;
inline constexpr std::size_t kCheckLineLength = 28;
inline constexpr std::size_t kRecordsLineCount = 17;
// The game identifier 42 plus 100: first character of the check line.
inline constexpr char kRecordsMarker = '\x8E';
inline constexpr std::string_view kEmptySlotLine =
    "##################################### #####################";

// Word-table rows of the messages about these files. The start-up check joins them
// with a blank, the path in double quotes and "!" ("The file" ... "has incorrect
// attributes!" and a line break with the last row).
inline constexpr std::string_view kCantFindTheFile = "Can`t find the file";
inline constexpr std::string_view kTheIncorrectFile = "The incorrect file";
inline constexpr std::string_view kTheFile = "The file";
inline constexpr std::string_view kHasIncorrectAttributes = "has incorrect attributes!";
inline constexpr std::string_view kWorkWillBeIncorrect = "The work of the program will be incorrect!";
inline constexpr std::string_view kErrorOfDiskWriting = "Error of disk writing!";

struct RecordsFile {
    std::array<std::string, 5> Roster;
    std::array<std::string, 10> TopTen;
    std::string CheckLine;
    std::string ChecksumLine; // its first ten characters are kept, the rest recomputed
};

// The checksums over the 583 characters of lines 1 to 16 joined.
ColumnSums ComputeRecordsChecksums(const RecordsFile& file);

// The file when its bytes are exactly 17 lines of the right lengths with the check
// line, correct checksums and readable fields; nullopt for anything else.
std::optional<RecordsFile> ParseRecordsFile(std::string_view bytes);

// The 17 lines with fresh checksums, each followed by CR LF.
std::string FormatRecordsFile(const RecordsFile& file);

// Columns 7-9 of the checksum line.
std::string DistributionLabel(const RecordsFile& file);

enum class RecordsFileStatus { Ok, Missing, Incorrect };

struct RecordsCheck {
    RecordsFileStatus Status = RecordsFileStatus::Missing;
    std::string DistributionLabel;
    bool IncorrectAttributes = false; // the file is read-only: warn, the program goes on
};

// The start-up check of one records file.
RecordsCheck CheckRecordsFile(const std::filesystem::path& file);

// Whether lines have the shape of a records file (17 lines of the right lengths), for
// the start-up language rule, which looks at the raw lines before any check.
bool HasRecordsLayout(const std::vector<std::string_view>& lines);

// The records file in use: the network one while the network switch is on.
std::filesystem::path RecordsFilePath(const std::filesystem::path& programFolder, bool netMode);

} // namespace vesrin
