#include "records/Roster.h"

#include "base/FileBytes.h"
#include "base/SafeFile.h"
#include "base/TextFields.h"

#include <algorithm>
#include <cmath>

namespace vesrin {
namespace {

constexpr std::size_t kPasswordLength = 5;
// Each character is stored as the three digits of its byte value plus this: the byte
// 0x41 gives "299", a blank "266".
constexpr int kPasswordOffset = 234;

std::string Limited(std::int64_t value, std::size_t width) {
    std::int64_t high = 1;
    for (std::size_t i = 0; i < width; ++i)
        high *= 10;
    high -= 1;
    const std::int64_t low = -(high / 10);
    return AlignRight(std::to_string(std::clamp(value, low, high)), width);
}

std::optional<double> SlotRating(std::string_view line) {
    return CommaDecimal(line.substr(20, 10));
}

std::optional<RecordsFile> ReadRecords(const std::filesystem::path& file) {
    const auto bytes = ReadFileBytes(file);
    if (!bytes) return std::nullopt;
    return ParseRecordsFile(*bytes);
}

RecordsWriteStatus WriteRecords(const std::filesystem::path& path, const RecordsFile& file) {
    return ReplaceFileContents(path, FormatRecordsFile(file)) == WriteStatus::Ok
               ? RecordsWriteStatus::Ok
               : RecordsWriteStatus::WriteFailed;
}

bool IsRosterSlot(int slot) {
    return slot >= 1 && slot <= 5;
}

} // namespace

std::string EncodePassword(std::string_view password) {
    const std::string padded = FitLeft(password, kPasswordLength);
    std::string encoded;
    for (char c : padded)
        encoded += ZeroPadded(static_cast<unsigned char>(c) + static_cast<unsigned>(kPasswordOffset), 3);
    return encoded;
}

std::optional<std::string> DecodePassword(std::string_view encoded) {
    if (encoded.size() != 3 * kPasswordLength || !AllDigits(encoded)) return std::nullopt;
    std::string password;
    for (std::size_t i = 0; i < encoded.size(); i += 3) {
        const int value =
            (encoded[i] - '0') * 100 + (encoded[i + 1] - '0') * 10 + (encoded[i + 2] - '0') - kPasswordOffset;
        if (value < 0 || value > 255) return std::nullopt;
        password += static_cast<char>(value);
    }
    return password;
}

bool PasswordMatches(std::string_view rosterLine, std::string_view typed) {
    if (rosterLine.size() < kRosterLineLength) return false;
    const auto stored = DecodePassword(rosterLine.substr(44, 15));
    return stored && *stored == FitLeft(typed, kPasswordLength);
}

std::string RatingField(double rating) {
    if (!std::isfinite(rating)) rating = 0;
    // Six decimals are written; whatever rounds to zero there is written "0,000000",
    // never with a minus sign.
    rating = std::nearbyint(std::clamp(rating, -999.0, 9999.0) * 1000000.0) / 1000000.0;
    if (rating == 0) rating = 0;
    return AlignRight(CommaFixed(rating, 6), 10);
}

std::string MakeRosterLine(std::string_view name, double rating, std::int32_t games, std::int32_t cycleScore,
                           std::string_view encodedPassword) {
    return FitLeft(OneLine(name), 20) + RatingField(rating) + Limited(std::max(games, 0), 7) + " " +
           Limited(cycleScore, 6) + FitLeft(OneLine(encodedPassword), 15);
}

std::string MakeTopTenLine(std::string_view name, std::int32_t score) {
    return FitLeft(OneLine(name), 20) + Limited(score, 6);
}

bool IsEmptySlot(std::string_view line) {
    return line.size() >= 37 && line[36] == '#';
}

std::optional<RosterEntry> ParseRosterLine(std::string_view line) {
    if (line.size() != kRosterLineLength || IsEmptySlot(line)) return std::nullopt;
    const auto rating = SlotRating(line);
    const auto games = StrictInt(line.substr(30, 7));
    const auto score = StrictInt(line.substr(38, 6));
    if (!rating || !games || *games < 0 || !score || !DecodePassword(line.substr(44, 15)))
        return std::nullopt;
    return RosterEntry{std::string(line.substr(0, 20)), *rating, *games, *score,
                       std::string(line.substr(44, 15))};
}

std::optional<RosterStart> StartFromRosterLine(std::string_view line) {
    const auto entry = ParseRosterLine(line);
    if (!entry || entry->Games == INT32_MAX) return std::nullopt;
    return RosterStart{entry->Name, entry->Rating, entry->Games + 1, entry->CycleScore};
}

void RemoveRosterSlot(RecordsFile& file, int slot) {
    if (!IsRosterSlot(slot)) return;
    for (std::size_t i = static_cast<std::size_t>(slot - 1); i + 1 < file.Roster.size(); ++i)
        file.Roster[i] = file.Roster[i + 1];
    file.Roster.back() = std::string(kEmptySlotLine);
}

RosterPlacement InsertRosterEntry(RecordsFile& file, std::string line, CycleEntry cycle) {
    RosterPlacement placement;
    const auto entry = ParseRosterLine(line);
    if (!entry) return placement;
    placement.CycleScore = entry->CycleScore;

    if (cycle == CycleEntry::WhenCycleEnds && entry->Games > 0 && entry->Games % 20 == 0) {
        for (std::size_t i = 0; i < file.TopTen.size(); ++i) {
            const auto score = StrictInt(std::string_view(file.TopTen[i]).substr(20, 6));
            if (score && *score <= entry->CycleScore) {
                std::move_backward(file.TopTen.begin() + static_cast<std::ptrdiff_t>(i),
                                   file.TopTen.end() - 1, file.TopTen.end());
                file.TopTen[i] = MakeTopTenLine(entry->Name, entry->CycleScore);
                placement.TopTenPlace = static_cast<int>(i) + 1;
                break;
            }
        }
        line.replace(38, 6, "     0");
    }

    // The last slot makes room: a new player always enters the roster.
    file.Roster.back() = std::string(kEmptySlotLine);
    for (std::size_t i = 0; i < file.Roster.size(); ++i) {
        const auto rating = IsEmptySlot(file.Roster[i]) ? std::nullopt : SlotRating(file.Roster[i]);
        if (!rating || *rating <= entry->Rating) {
            std::move_backward(file.Roster.begin() + static_cast<std::ptrdiff_t>(i), file.Roster.end() - 1,
                               file.Roster.end());
            file.Roster[i] = std::move(line);
            break;
        }
    }
    return placement;
}

std::optional<std::string> ReadRosterLine(const std::filesystem::path& file, int slot) {
    if (!IsRosterSlot(slot)) return std::nullopt;
    const auto records = ReadRecords(file);
    if (!records) return std::nullopt;
    return records->Roster[static_cast<std::size_t>(slot - 1)];
}

RecordsWriteStatus RemoveRosterLine(const std::filesystem::path& file, int slot) {
    auto records = ReadRecords(file);
    if (!records) return RecordsWriteStatus::Damaged;
    if (!IsRosterSlot(slot)) return RecordsWriteStatus::Ok;
    RemoveRosterSlot(*records, slot);
    return WriteRecords(file, *records);
}

RosterWrite InsertRosterLine(const std::filesystem::path& file, std::string_view line) {
    return ReplaceRosterLine(file, 0, line);
}

RosterWrite ReplaceRosterLine(const std::filesystem::path& file, int slot, std::string_view line) {
    RosterWrite result;
    if (!ParseRosterLine(line)) {
        result.Status = RecordsWriteStatus::BadLine;
        return result;
    }
    auto records = ReadRecords(file);
    if (!records) {
        result.Status = RecordsWriteStatus::Damaged;
        return result;
    }
    RemoveRosterSlot(*records, slot);
    result.Placement = InsertRosterEntry(*records, std::string(line));
    result.Status = WriteRecords(file, *records);
    if (result.Status != RecordsWriteStatus::Ok) result.Placement.TopTenPlace = 0;
    return result;
}

RosterRename RenameRosterPlayer(const std::filesystem::path& file, int slot, std::string_view startLine,
                                std::string_view newName, std::string_view newPassword) {
    RosterRename result{RecordsWriteStatus::Ok, slot, std::string(startLine)};
    if (!ParseRosterLine(startLine)) {
        result.Status = RecordsWriteStatus::BadLine;
        return result;
    }
    result.Line.replace(0, 20, FitLeft(OneLine(newName), 20));
    result.Line.replace(44, 15, EncodePassword(newPassword));
    if (!IsRosterSlot(slot)) return result;

    auto records = ReadRecords(file);
    if (!records) {
        result.Status = RecordsWriteStatus::Damaged;
        return result;
    }
    RemoveRosterSlot(*records, slot);
    InsertRosterEntry(*records, result.Line, CycleEntry::Never);
    result.Status = WriteRecords(file, *records);
    if (result.Status != RecordsWriteStatus::Ok) return result;
    const auto placed = std::find(records->Roster.begin(), records->Roster.end(), result.Line);
    result.Slot = static_cast<int>(placed - records->Roster.begin()) + 1;
    return result;
}

} // namespace vesrin
