#include "records/RecordsFile.h"

#include "base/FileBytes.h"
#include "base/TextFields.h"
#include "records/Roster.h"

namespace vesrin {
namespace {

constexpr std::size_t kSummedLength = 5 * kRosterLineLength + 10 * kTopTenLineLength + kCheckLineLength;

std::size_t ExpectedLength(std::size_t index) {
    if (index < 5) return kRosterLineLength;
    if (index < 15) return kTopTenLineLength;
    return kCheckLineLength;
}

std::string ChecksumFields(const ColumnSums& sums) {
    return ZeroPadded(sums.A, 6) + ZeroPadded(sums.B, 6) + ZeroPadded(sums.C, 6);
}

bool FieldsReadable(const RecordsFile& file) {
    for (const auto& line : file.Roster) {
        if (!IsEmptySlot(line) && !ParseRosterLine(line)) return false;
    }
    for (const auto& line : file.TopTen) {
        if (!StrictInt(std::string_view(line).substr(20, 6))) return false;
    }
    return true;
}

} // namespace

ColumnSums ComputeRecordsChecksums(const RecordsFile& file) {
    // Each line at its fixed length, as the file will hold it.
    std::string joined;
    joined.reserve(kSummedLength);
    for (const auto& line : file.Roster)
        joined += FitLeft(line, kRosterLineLength);
    for (const auto& line : file.TopTen)
        joined += FitLeft(line, kTopTenLineLength);
    joined += FitLeft(file.CheckLine, kCheckLineLength);
    return SumColumns(joined);
}

bool HasRecordsLayout(const std::vector<std::string_view>& lines) {
    if (lines.size() != kRecordsLineCount) return false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].size() != ExpectedLength(i)) return false;
    }
    return true;
}

std::optional<RecordsFile> ParseRecordsFile(std::string_view bytes) {
    const auto lines = SplitLines(bytes);
    if (!HasRecordsLayout(lines)) return std::nullopt;
    RecordsFile file;
    for (std::size_t i = 0; i < 5; ++i)
        file.Roster[i] = std::string(lines[i]);
    for (std::size_t i = 0; i < 10; ++i)
        file.TopTen[i] = std::string(lines[5 + i]);
    file.CheckLine = std::string(lines[15]);
    file.ChecksumLine = std::string(lines[16]);

    if (file.CheckLine[0] != kRecordsMarker || file.CheckLine[1] != '}') return std::nullopt;
    const std::string_view stored = std::string_view(file.ChecksumLine).substr(10);
    if (!AllDigits(stored) || stored != ChecksumFields(ComputeRecordsChecksums(file))) return std::nullopt;
    if (!FieldsReadable(file)) return std::nullopt;
    return file;
}

std::string FormatRecordsFile(const RecordsFile& file) {
    std::vector<std::string> lines;
    lines.reserve(kRecordsLineCount);
    for (const auto& line : file.Roster)
        lines.push_back(FitLeft(line, kRosterLineLength));
    for (const auto& line : file.TopTen)
        lines.push_back(FitLeft(line, kTopTenLineLength));
    lines.push_back(FitLeft(file.CheckLine, kCheckLineLength));
    lines.push_back(FitLeft(file.ChecksumLine, 10) + ChecksumFields(ComputeRecordsChecksums(file)));
    return JoinCrLfLines(lines);
}

std::string DistributionLabel(const RecordsFile& file) {
    return file.ChecksumLine.substr(6, 3);
}

RecordsCheck CheckRecordsFile(const std::filesystem::path& file) {
    RecordsCheck check;
    std::error_code error;
    if (!std::filesystem::exists(file, error)) return check;
    check.Status = RecordsFileStatus::Incorrect;
    const auto bytes = ReadFileBytes(file);
    if (!bytes) return check;
    const auto parsed = ParseRecordsFile(*bytes);
    if (!parsed) return check;
    check.Status = RecordsFileStatus::Ok;
    check.DistributionLabel = DistributionLabel(*parsed);
    const auto perms = std::filesystem::status(file, error).permissions();
    check.IncorrectAttributes =
        !error && (perms & std::filesystem::perms::owner_write) == std::filesystem::perms::none;
    return check;
}

std::filesystem::path RecordsFilePath(const std::filesystem::path& programFolder, bool netMode) {
    return programFolder / (netMode ? kNetRecordsFileName : kLocalRecordsFileName);
}

} // namespace vesrin
