#include "online/UserFile.h"

#include "base/FileBytes.h"

#include <system_error>

namespace vesrin {

namespace {

// A user file is a few dozen bytes; anything much larger is not one.
constexpr std::size_t kMaxUserFileBytes = 4096;

bool BreaksLine(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

} // namespace

std::optional<UserFileContent> ParseUserFile(std::string_view bytes) {
    const std::vector<std::string_view> lines = SplitLines(bytes);
    if (lines.size() < 3 || lines[0] != kUserFileHeader) return std::nullopt;
    // A stray carriage return inside a line is damage, not part of a nick.
    if (BreaksLine(lines[1]) || BreaksLine(lines[2])) return std::nullopt;
    return UserFileContent{std::string(lines[1]), std::string(lines[2])};
}

std::optional<std::string> FormatUserFile(const UserFileContent& content) {
    if (BreaksLine(content.Nick) || BreaksLine(content.PwC)) return std::nullopt;
    return JoinCrLfLines({std::string(kUserFileHeader), content.Nick, content.PwC});
}

std::filesystem::path UserFilePath(const std::filesystem::path& parentFolder) { return parentFolder / kUserFileName; }

std::optional<UserFileContent> ReadUserFile(const std::filesystem::path& parentFolder) {
    const auto bytes = ReadFileBytes(UserFilePath(parentFolder), kMaxUserFileBytes);
    if (!bytes) return std::nullopt;
    return ParseUserFile(*bytes);
}

WriteStatus WriteUserFile(const std::filesystem::path& parentFolder, const UserFileContent& content) {
    const auto bytes = FormatUserFile(content);
    if (!bytes) return WriteStatus::WriteFailed;
    return ReplaceFileContents(UserFilePath(parentFolder), *bytes);
}

bool DeleteUserFile(const std::filesystem::path& parentFolder) {
    std::error_code error;
    std::filesystem::remove(UserFilePath(parentFolder), error);
    return !std::filesystem::exists(UserFilePath(parentFolder), error);
}

std::string StartSignInPassword(std::string_view password) {
    std::string sent(password);
    for (char& c : sent)
        if (c == ' ' || c == '#' || c == '$') c = '-';
    return sent;
}

} // namespace vesrin
