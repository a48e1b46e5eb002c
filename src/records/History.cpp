#include "records/History.h"

#include "base/FileBytes.h"
#include "base/SafeFile.h"
#include "base/TextFields.h"
#include "records/ColumnSums.h"
#include "records/Rating.h"

#include <algorithm>

namespace vesrin {
namespace {

constexpr std::size_t kSummedColumns = 99;
constexpr char kClosingMarker = '\x8E'; // the game identifier 42 plus 100

// The sums of columns 1-99 of a line.
ColumnSums SumsOf(std::string_view line) {
    return SumColumns(line.substr(0, kSummedColumns));
}

std::string WithChecksums(std::string body) {
    const ColumnSums sums = SumsOf(body);
    return body + ZeroPadded(sums.A, 5) + ZeroPadded(sums.B, 5) + ZeroPadded(sums.C, 5);
}

char KindLetter(GameKind kind) {
    switch (kind) {
    case GameKind::Account:
        return 'A';
    case GameKind::Tournament:
        return 'T';
    case GameKind::Network:
        return 'N';
    case GameKind::Local:
        break;
    }
    return 'L';
}

// "hh:nn"; a shorter text is padded on the left and a longer one cut, so the date
// always starts at column 6.
std::string TimeText(int hour, int minute) {
    const std::string text = ZeroPadded(static_cast<std::uint64_t>(std::clamp(hour, 0, 23)), 2) + ":" +
                             ZeroPadded(static_cast<std::uint64_t>(std::clamp(minute, 0, 59)), 2);
    return AlignRight(text, 5).substr(0, 5);
}

std::optional<std::string> Fitted(std::string text, std::size_t width) {
    if (text.size() > width) return std::nullopt;
    return AlignRight(text, width);
}

std::optional<std::uint64_t> TotalField(std::string_view text) {
    if (!AllDigits(text)) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text)
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    return value;
}

} // namespace

std::string FormatShortDate(int year, int month, int day) {
    return ZeroPadded(static_cast<std::uint64_t>(std::clamp(day, 0, 99)), 2) + "." +
           ZeroPadded(static_cast<std::uint64_t>(std::clamp(month, 0, 99)), 2) + "." +
           ZeroPadded(static_cast<std::uint64_t>(std::clamp(year, 0, 9999)), 4);
}

std::string HistoryTableName(std::span<const std::string> namesByPlace, GameKind kind) {
    std::string joined;
    for (auto it = namesByPlace.rbegin(); it != namesByPlace.rend(); ++it) {
        if (!joined.empty()) joined += '/';
        joined += TrimRight(*it);
    }
    if (kind == GameKind::Tournament && joined.size() > 51) joined.resize(51);
    return joined;
}

std::optional<std::string> HistoryEntryLine(const HisStr& entry, const HistoryStamp& stamp) {
    const auto games = Fitted(std::to_string(entry.HKon), 3);
    const auto result = Fitted(std::to_string(entry.HRes), 10);
    const auto rating = Fitted(RatingText(entry.HRei), 10);
    if (!games || !result || !rating) return std::nullopt;
    std::string body = TimeText(stamp.Hour, stamp.Minute);
    body += AlignRight(OneLine(stamp.DateText), 10).substr(0, 10);
    body += FitLeft(OneLine(entry.HName), 51);
    body += *games + *result + *rating;
    body += KindLetter(entry.Ac);
    body += "#########";
    return WithChecksums(std::move(body));
}

std::string HistoryClosingLine() {
    std::string body = "$";
    body += kClosingMarker;
    body += '}';
    body.resize(kSummedColumns, '#');
    return WithChecksums(std::move(body));
}

std::string FormatHistoryFile(const std::vector<std::string>& entryLines) {
    std::vector<std::string> lines = entryLines;
    lines.push_back(HistoryClosingLine());
    // The totals are the sums over the lines' content, which is what a reader checks them
    // against; for every line written here they equal the sums of the checksum fields.
    ColumnSums totals;
    for (const auto& line : lines)
        totals.Add(SumsOf(line));
    lines.push_back(ZeroPadded(totals.A, 10) + ZeroPadded(totals.B, 10) + ZeroPadded(totals.C, 10));
    return JoinCrLfLines(lines);
}

HistoryCheck CheckHistoryBytes(std::string_view bytes) {
    HistoryCheck check;
    const auto lines = SplitLines(bytes);
    ColumnSums totals;
    int entries = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.size() < kHistoryLineLength) return check;
        totals.Add(SumsOf(line));
        if (line[0] != '$') {
            ++entries;
            continue;
        }
        if (i + 1 >= lines.size() || lines[i + 1].size() < 30) return check;
        const std::string_view stored = lines[i + 1];
        const auto a = TotalField(stored.substr(0, 10));
        const auto b = TotalField(stored.substr(10, 10));
        const auto c = TotalField(stored.substr(20, 10));
        if (!a || !b || !c || ColumnSums{*a, *b, *c} != totals) return check;
        check.Valid = true;
        check.Entries = entries;
        return check;
    }
    return check;
}

std::filesystem::path HistoryFolder(const std::filesystem::path& programFolder) {
    return programFolder / "History";
}

std::filesystem::path HistoryFilePath(const std::filesystem::path& programFolder, int number) {
    return HistoryFolder(programFolder) /
           ("Vesrin_I" + ZeroPadded(static_cast<std::uint64_t>(std::clamp(number, 0, 9999)), 4) + ".hst");
}

HistoryCheck CheckHistoryFile(const std::filesystem::path& programFolder, int number) {
    const auto path = HistoryFilePath(programFolder, number);
    const auto bytes = ReadFileBytes(path);
    if (!bytes) return {};
    HistoryCheck check = CheckHistoryBytes(*bytes);
    std::error_code error;
    const auto modified = std::filesystem::last_write_time(path, error);
    if (!error) check.Modified = modified;
    return check;
}

std::vector<HistoryFileItem> ListValidHistoryFiles(const std::filesystem::path& programFolder) {
    std::vector<HistoryFileItem> items;
    for (int number = 1; number <= kHistoryFileCount; ++number) {
        const HistoryCheck check = CheckHistoryFile(programFolder, number);
        if (!check.Valid) break;
        items.push_back(HistoryFileItem{number, check.Modified});
    }
    return items;
}

int ChooseHistoryFile(int validCount, int remembered) {
    if (validCount <= 0) return 0;
    if (remembered <= 0 || remembered > validCount) return validCount;
    return remembered;
}

HistoryAppend AppendHistoryEntry(const std::filesystem::path& programFolder, std::span<const HisStr> entries,
                                 const HistoryStamp& stamp) {
    HistoryAppend result;
    result.Status = HistoryWriteStatus::InvalidEntry;
    if (entries.empty() || entries.size() > 4) return result;
    std::vector<std::string> newLines;
    for (const auto& entry : entries) {
        auto line = HistoryEntryLine(entry, stamp);
        if (!line) return result;
        newLines.push_back(std::move(*line));
    }
    result.Status = HistoryWriteStatus::Ok;

    std::vector<std::string> lines;
    std::optional<std::string> damaged;
    for (int number = 1; number <= kHistoryFileCount && result.FileNumber == 0; ++number) {
        const auto bytes = ReadFileBytes(HistoryFilePath(programFolder, number));
        const HistoryCheck check = bytes ? CheckHistoryBytes(*bytes) : HistoryCheck{};
        if (check.Valid && check.Entries >= kHistoryEntriesPerFile) continue;
        result.FileNumber = number;
        if (check.Valid) {
            const auto existing = SplitLines(*bytes);
            lines.assign(existing.begin(), existing.begin() + check.Entries);
        } else if (bytes) {
            damaged = bytes;
        }
    }
    if (result.FileNumber == 0) {
        result.Status = HistoryWriteStatus::AllFilesFull;
        return result;
    }
    lines.insert(lines.end(), newLines.begin(), newLines.end());

    std::error_code error;
    std::filesystem::create_directories(HistoryFolder(programFolder), error);
    const auto path = HistoryFilePath(programFolder, result.FileNumber);
    if (damaged) {
        auto keep = path;
        keep += ".damaged";
        ReplaceFileContents(keep, *damaged);
    }
    if (ReplaceFileContents(path, FormatHistoryFile(lines)) != WriteStatus::Ok) {
        result.Status = HistoryWriteStatus::WriteFailed;
    }
    return result;
}

} // namespace vesrin
