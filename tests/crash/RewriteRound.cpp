#include "RewriteRound.h"

#include "base/MessageSink.h"
#include "records/History.h"
#include "records/RecordsFile.h"
#include "records/SimRecords.h"
#include "settings/SettingsFile.h"
#include "support/TempFolder.h"

#include <fstream>
#include <iterator>

namespace vesrin::test {
namespace {

class IgnoredMessages : public MessageSink {
public:
    void ShowError(std::string_view) override {}
};

Settings RoundSettings(long round) {
    Settings settings;
    settings.FaceSet = static_cast<int>(round % 48);
    settings.SaveGifDelay = static_cast<int>(10 + round % 4990);
    settings.DefaultPlayerName = "Player " + std::to_string(round);
    return settings;
}

bool Hidden(const std::filesystem::path& file) {
    return file.filename().string().starts_with(".");
}

} // namespace

bool RewriteRound(const std::filesystem::path& programFolder, long round) {
    const HistoryStamp stamp{static_cast<int>(round % 24), static_cast<int>(round % 60),
                             FormatShortDate(2026, static_cast<int>(1 + round % 12), static_cast<int>(1 + round % 28))};
    const auto game = SimRecords(programFolder, static_cast<std::int32_t>(round * 37 % 61 - 20), stamp);
    const bool recordsOk = game && game->RosterStatus == RecordsWriteStatus::Ok &&
                           game->History.Status == HistoryWriteStatus::Ok;
    IgnoredMessages messages;
    const bool settingsOk = WriteSettings(programFolder / kSettingsFileName, RoundSettings(round),
                                          RecordsState::Usable, messages);
    return recordsOk && settingsOk;
}

FolderFiles ReadFolderFiles(const std::filesystem::path& folder) {
    FolderFiles files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file() || Hidden(entry.path())) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        files[std::filesystem::relative(entry.path(), folder)] =
            std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return files;
}

std::size_t TemporaryFiles(const std::filesystem::path& folder) {
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        count += entry.is_regular_file() && Hidden(entry.path()) ? 1 : 0;
    return count;
}

std::size_t TemporaryFilesOf(const std::filesystem::path& folder, long pid) {
    const std::string mark = "." + std::to_string(pid) + ".";
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        count += entry.is_regular_file() && Hidden(entry.path()) && name.find(mark) != std::string::npos ? 1 : 0;
    }
    return count;
}

void WriteFolderFiles(const std::filesystem::path& folder, const FolderFiles& files) {
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        std::filesystem::remove_all(entry.path());
    for (const auto& [relative, bytes] : files) {
        std::filesystem::create_directories((folder / relative).parent_path());
        WriteBytes(folder / relative, bytes);
    }
}

std::string FileCheckFailure(const std::filesystem::path& relative, const std::string& bytes) {
    if (relative == kLocalRecordsFileName) return ParseRecordsFile(bytes) ? "" : "records file refused";
    if (relative.parent_path() == "History") return CheckHistoryBytes(bytes).Valid ? "" : "history file refused";
    if (relative == kSettingsFileName) {
        return FormatSettings(ParseSettings(bytes)) == bytes ? "" : "settings file does not read as written";
    }
    return "unexpected file";
}

} // namespace vesrin::test
