#include "words/StartLanguage.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace vesrin {
namespace {

// The 17 lines of a records file of the right shape; line 17 begins with `labelStart`.
std::vector<std::string> RecordLines(char labelStart) {
  std::vector<std::string> lines;
  for (int i = 0; i < 5; ++i) lines.push_back(std::string(37, '#') + " " + std::string(21, '#'));
  for (int i = 0; i < 10; ++i) lines.push_back("Mr.X" + std::string(16, ' ') + "   100");
  lines.push_back(std::string("\x8e}") + std::string(26, '-'));
  lines.push_back(std::string(1, labelStart) + "00000idd0123456123456123456");
  return lines;
}

std::string Join(const std::vector<std::string>& lines, const std::string& end = "\r\n") {
  std::string bytes;
  for (const auto& line : lines) bytes += line + end;
  return bytes;
}

TEST(StartLanguage, RecordsFileDecidesOrLeavesTheSettingsLanguage) {
  auto russian = RecordLines('1');
  auto other = RecordLines('0');
  auto sixteen = russian;
  sixteen.pop_back();
  auto eighteen = russian;
  eighteen.push_back(std::string(28, ' '));
  auto shortLine = russian;
  shortLine[7].pop_back();
  auto longLastLine = russian;
  longLastLine[16] += "1";

  struct Case {
    const char* Name;
    std::optional<std::string> File;
    Language Settings;
    Language Expected;
    bool Unusable;
  };
  const Case cases[] = {
      {"no file", std::nullopt, Language::German, Language::German, false},
      {"line 17 begins with 1 forces Russian", Join(russian), Language::German, Language::Russian, false},
      {"forced even over English", Join(russian), Language::English, Language::Russian, false},
      {"LF line ends", Join(russian, "\n"), Language::Korean, Language::Russian, false},
      {"last line without its end", Join(russian).substr(0, Join(russian).size() - 2), Language::Czech,
       Language::Russian, false},
      {"line 17 begins otherwise", Join(other), Language::French, Language::French, false},
      {"16 lines", Join(sixteen), Language::German, Language::German, true},
      {"18 lines", Join(eighteen), Language::German, Language::German, true},
      {"an empty 18th line", Join(russian) + "\r\n", Language::Spanish, Language::Spanish, true},
      {"line 8 one short", Join(shortLine), Language::Italian, Language::Italian, true},
      {"line 17 one long", Join(longLastLine), Language::Japanese, Language::Japanese, true},
      {"empty file", std::string(), Language::Chinese, Language::Chinese, true},
      {"CR-only line ends", Join(russian, "\r"), Language::English, Language::English, true},
      // Found by fuzzing: a file cut between the last CR and LF passed the records check
      // but was called unusable here, so the settings were never written at exit.
      {"last line ends with a bare CR", Join(russian).substr(0, Join(russian).size() - 1), Language::Czech,
       Language::Russian, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    std::optional<std::string_view> bytes;
    if (c.File) bytes = *c.File;
    auto result = SettleStartLanguage(bytes, c.Settings);
    EXPECT_EQ(result.Chosen, c.Expected);
    EXPECT_EQ(result.RecordsFileUnusable, c.Unusable);
  }
}

}  // namespace
}  // namespace vesrin
