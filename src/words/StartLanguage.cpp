#include "words/StartLanguage.h"

#include <array>
#include <cstddef>

namespace vesrin {

namespace {

constexpr std::size_t kLineCount = 17;

constexpr std::size_t ExpectedLength(std::size_t lineIndex) {
  if (lineIndex < 5) return 59;
  if (lineIndex < 15) return 26;
  return 28;
}

// Splits the file into at most kLineCount + 1 lines (one more is enough to know the count is
// wrong). A line ends at LF, a CR just before it belongs to the line end; the text after the
// last LF is a line when it is not empty, and a CR at the very end of the file is the start
// of its missing line end, as for the records file's own check (they must agree on which
// files are usable). Returns the number of lines found, capped.
std::size_t SplitLines(std::string_view bytes, std::array<std::string_view, kLineCount + 1>& lines) {
  std::size_t count = 0;
  while (!bytes.empty() && count < lines.size()) {
    auto end = bytes.find('\n');
    std::string_view line = end == std::string_view::npos ? bytes : bytes.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines[count++] = line;
    bytes = end == std::string_view::npos ? std::string_view{} : bytes.substr(end + 1);
  }
  return count;
}

}  // namespace

StartLanguage SettleStartLanguage(std::optional<std::string_view> recordsFile, Language fromSettings) {
  StartLanguage result{fromSettings, false};
  if (!recordsFile) return result;

  std::array<std::string_view, kLineCount + 1> lines{};
  if (SplitLines(*recordsFile, lines) != kLineCount) {
    result.RecordsFileUnusable = true;
    return result;
  }
  for (std::size_t i = 0; i < kLineCount; ++i) {
    if (lines[i].size() != ExpectedLength(i)) {
      result.RecordsFileUnusable = true;
      return result;
    }
  }
  if (lines[kLineCount - 1].front() == '1') result.Chosen = Language::Russian;
  return result;
}

}  // namespace vesrin
