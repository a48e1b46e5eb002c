#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesrin {

// Whole-file reading and line splitting for the program's small text files. Lines end
// with CR LF; a bare LF is accepted too, so a file touched by another editor still
// reads. The last line needs no line end, and a line end at the very end of the file
// does not start an extra empty line.

// The file's bytes, or nullopt when it cannot be opened or read, or is larger than
// maxBytes (none of our files comes near; a huge file is not one of ours).
std::optional<std::string> ReadFileBytes(const std::filesystem::path& file, std::size_t maxBytes = 64u << 20);

// Views into bytes; they stay valid as long as bytes does (so not for a temporary).
std::vector<std::string_view> SplitLines(std::string_view bytes);
std::vector<std::string_view> SplitLines(std::string&& bytes) = delete;
// The same lines as copies.
std::vector<std::string> SplitLineCopies(std::string_view bytes);

// The lines joined, each followed by CR LF.
std::string JoinCrLfLines(const std::vector<std::string>& lines);

} // namespace vesrin
