#pragma once

#include "base/SafeFile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vesrin {

// The account remembered on this machine: "QorUser.qor" in the parent folder of the
// program's folder, so that every game installed beside this one signs in with it.
// Three single-byte lines ended by CR LF: the header, the nick and the password
// enciphered with the string cipher under kUserPasswordKey.

inline constexpr std::string_view kUserFileName = "QorUser.qor";
inline constexpr std::string_view kUserFileHeader = "Qor User File";

struct UserFileContent {
    std::string Nick;
    std::string PwC; // the enciphered password
    bool operator==(const UserFileContent&) const = default;
};

// nullopt (no account remembered) unless the first line is the header and the nick and
// the password lines follow.
std::optional<UserFileContent> ParseUserFile(std::string_view bytes);
// nullopt when a value would break the file (a line end inside it).
std::optional<std::string> FormatUserFile(const UserFileContent& content);

std::filesystem::path UserFilePath(const std::filesystem::path& parentFolder);
// A missing or unreadable file gives nullopt, like a damaged one.
std::optional<UserFileContent> ReadUserFile(const std::filesystem::path& parentFolder);
// Replaces the file as a whole, so a failed write leaves the old one as it was.
// WriteFailed when the content cannot be written at all.
WriteStatus WriteUserFile(const std::filesystem::path& parentFolder, const UserFileContent& content);
// Whether no user file is left.
bool DeleteUserFile(const std::filesystem::path& parentFolder);

// The password as the sign-in at start sends it: blanks, "#" and "$" (which would break
// the request) become "-".
std::string StartSignInPassword(std::string_view password);

} // namespace vesrin
