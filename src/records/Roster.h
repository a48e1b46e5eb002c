#pragma once

#include "records/RecordsFile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vesrin {

// The roster and the local top ten of a records file: the 59-column player line, the
// password encoding, and the end-of-game operations that keep the roster sorted by
// rating and enter finished cycles into the top ten.

// A player line's fields. Name keeps its 20 columns, blanks included.
struct RosterEntry {
    std::string Name;
    double Rating = 0;
    std::int32_t Games = 0;
    std::int32_t CycleScore = 0;
    std::string EncodedPassword; // columns 45-59
};

// Five characters (padded with blanks, longer cut), each as three decimal digits: "ab"
// gives "331332266266266".
std::string EncodePassword(std::string_view password);
// The five characters back (blanks included); nullopt when the field is not 15 digits
// of valid values.
std::optional<std::string> DecodePassword(std::string_view encoded);
// The login check: the typed password, padded to five, against columns 45-59.
bool PasswordMatches(std::string_view rosterLine, std::string_view typed);

// Columns 21-30: six decimals, comma, right-aligned in 10.
std::string RatingField(double rating);

// The player line: name (20), rating (10), games (7), a blank, cycle score (6), the
// encoded password (15). Numbers too wide for their columns are limited to them.
std::string MakeRosterLine(std::string_view name, double rating, std::int32_t games, std::int32_t cycleScore,
                           std::string_view encodedPassword);
std::string MakeTopTenLine(std::string_view name, std::int32_t score);

// A slot is empty when its column 37 holds "#".
bool IsEmptySlot(std::string_view line);
// nullopt for an empty slot or a line whose fields do not read.
std::optional<RosterEntry> ParseRosterLine(std::string_view line);

// The counters a game starts from when a roster player logs in: the name, the rating,
// the game number (games played plus one) and the cycle score so far.
struct RosterStart {
    std::string Name;
    double StartRating = 0;
    std::int32_t GameNo = 1;
    std::int32_t BaseScore = 0;
};
std::optional<RosterStart> StartFromRosterLine(std::string_view line);

// In-memory steps of the end of a game.
// Slots 1 to 5 lose their line (the lines below move up); other slots change nothing.
void RemoveRosterSlot(RecordsFile& file, int slot);

struct RosterPlacement {
    int TopTenPlace = 0; // 1..10 when the cycle entered the top ten
    std::int32_t CycleScore = 0;
};
enum class CycleEntry { WhenCycleEnds, Never };
// Stores line at its place by rating; when the games count ends a cycle, its cycle score
// first enters the top ten and the stored line's cycle score starts again from 0.
RosterPlacement InsertRosterEntry(RecordsFile& file, std::string line,
                                  CycleEntry cycle = CycleEntry::WhenCycleEnds);

// Operations on the file. Each reads and checks the whole file, refuses a damaged one,
// and rewrites it safely: on any failure the old file is left as it was.
enum class RecordsWriteStatus { Ok, Damaged, BadLine, WriteFailed };

struct RosterWrite {
    RecordsWriteStatus Status = RecordsWriteStatus::Ok;
    RosterPlacement Placement;
};

std::optional<std::string> ReadRosterLine(const std::filesystem::path& file, int slot);
RecordsWriteStatus RemoveRosterLine(const std::filesystem::path& file, int slot);
RosterWrite InsertRosterLine(const std::filesystem::path& file, std::string_view line);
// The end of a game: the player's old line removed and the new one inserted, in one
// rewrite so that no crash can leave the player out of the roster.
RosterWrite ReplaceRosterLine(const std::filesystem::path& file, int slot, std::string_view line);
// A change of name and password during a game: the line as read at the start of the
// game gets the new name and password and is removed and inserted again by rating. It
// never enters the top ten (that cycle was entered when it ended). Among equal ratings
// the line may land in another slot, so the caller takes Slot as the player's slot from
// now on. A player not in the roster (slot 6 and above) changes only in memory: the
// file is untouched, or the player would enter the roster twice.
struct RosterRename {
    RecordsWriteStatus Status = RecordsWriteStatus::Ok;
    int Slot = 0;
    std::string Line; // the player's line with the new name and password
};
RosterRename RenameRosterPlayer(const std::filesystem::path& file, int slot, std::string_view startLine,
                                std::string_view newName, std::string_view newPassword);

} // namespace vesrin
