#include "base/FileBytes.h"

#include <fstream>
#include <iterator>

namespace vesrin {

std::optional<std::string> ReadFileBytes(const std::filesystem::path& file, std::size_t maxBytes) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
    const auto size = std::filesystem::file_size(file, error);
    if (error || size > maxBytes) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size));
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad() || bytes.size() > maxBytes) return std::nullopt;
    return bytes;
}

std::vector<std::string_view> SplitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find('\n', start);
        const std::size_t stop = end == std::string_view::npos ? bytes.size() : end;
        std::string_view line = bytes.substr(start, stop - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> SplitLineCopies(std::string_view bytes) {
    const auto views = SplitLines(bytes);
    return std::vector<std::string>(views.begin(), views.end());
}

std::string JoinCrLfLines(const std::vector<std::string>& lines) {
    std::size_t total = 0;
    for (const auto& line : lines)
        total += line.size() + 2;
    std::string out;
    out.reserve(total);
    for (const auto& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

} // namespace vesrin
