// vesrin-words: shows rows of the word table in all ten languages, so that a reviewer or a
// translator can read the texts as the program has them compiled in.
//
//   vesrin-words                 every row: list number, key and English text
//   vesrin-words ROW...          the rows in all ten languages; ROW is a key (MainNewPlayer),
//                                a list number (1..387) or an English text ("Player" shows
//                                all five rows of that text)
//   vesrin-words --all           every row in all ten languages
//   vesrin-words --holidays      the holiday rows in the calendar's row form
//   vesrin-words --calendar      months, zodiac signs, eastern years, anniversary suffix,
//                                region words
//   vesrin-words --countries     the country lists in English and Russian
//
// Texts are shown in double quotes so that leading and trailing blanks show; a line break
// (LF CR in the program) is shown as \n.

#include "words/CalendarWords.h"
#include "words/Countries.h"
#include "words/Language.h"
#include "words/WordTable.h"

#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace vesrin;

std::string Visible(std::string_view text) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && i + 1 < text.size() && text[i + 1] == '\r') {
      out += "\\n";
      ++i;
    } else if (text[i] == '\n' || text[i] == '\r') {
      out += text[i] == '\n' ? "<LF>" : "<CR>";
    } else {
      out += text[i];
    }
  }
  return out + "\"";
}

void Print(std::string_view line) { std::fwrite(line.data(), 1, line.size(), stdout); }

template <typename TextOf>
void PrintTen(TextOf text) {
  for (int i = 0; i < LanguageCount; ++i) {
    auto language = static_cast<Language>(i);
    Print("  " + std::string(LanguageColumnName(language)) + "  " + Visible(text(language)) + "\n");
  }
}

void PrintRow(Word row) {
  int number = WordListNumber(row);
  Print((number ? "[" + std::to_string(number) + "] " : std::string("[special] ")) +
        std::string(WordKey(row)) + "\n");
  PrintTen([row](Language language) { return WordOf(row, language); });
}

std::vector<Word> Resolve(std::string_view argument) {
  int number = 0;
  auto [end, error] = std::from_chars(argument.data(), argument.data() + argument.size(), number);
  if (error == std::errc{} && end == argument.data() + argument.size()) {
    if (auto row = FindWordByListNumber(number)) return {*row};
    return {};
  }
  if (auto row = FindWordByKey(argument)) return {*row};
  return FindWordsByEnglish(argument);
}

void PrintCalendar() {
  struct Section {
    const char* Name;
    int Count;
    std::string_view (*Text)(int, Language);
  };
  static const Section sections[] = {
      {"month", 12, MonthName}, {"zodiac", 12, ZodiacName}, {"eastern", 12, EasternYearName}};
  for (const auto& section : sections) {
    for (int i = 1; i <= section.Count; ++i) {
      Print(std::string(section.Name) + " " + std::to_string(i) + "\n");
      PrintTen([&section, i](Language language) { return section.Text(i, language); });
    }
  }
  Print("suffix 1\n");
  PrintTen([](Language language) { return AnniversarySuffix(language); });
  static const char* regions[] = {"ENG", "RUS", "DEU", "FRA", "ISP", "USA", "PRA", "KAT"};
  for (const char* code : regions) {
    Print(std::string("region ") + code + "\n");
    PrintTen([code](Language language) { return RegionWord(code, language); });
  }
}

void PrintCountries() {
  for (int digit = 1; digit <= ContinentCount; ++digit) {
    auto continent = *ContinentFromDigit(digit);
    for (int number = 0; number <= CountryCount(continent); ++number) {
      auto country = FindCountry(continent, number);
      char code[16];
      std::snprintf(code, sizeof code, "%d-%03d", digit, number);
      Print(std::string(code) + "  " + Visible(country->English) + "  " + Visible(country->Russian) +
            "  " + std::string(country->FlagKey) + "\n");
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string_view> arguments(argv + 1, argv + argc);
  if (arguments.empty()) {
    for (int i = 0; i < WordRowCount; ++i) {
      auto row = *WordFromIndex(i);
      int number = WordListNumber(row);
      Print((number ? std::to_string(number) : std::string("-")) + "\t" + std::string(WordKey(row)) +
            "\t" + Visible(WordOf(row, Language::English)) + "\n");
    }
    return 0;
  }
  int status = 0;
  for (auto argument : arguments) {
    if (argument == "--all") {
      for (int i = 0; i < WordRowCount; ++i) PrintRow(*WordFromIndex(i));
    } else if (argument == "--holidays") {
      for (auto row : HolidayRows()) Print(std::string(row) + "\n");
    } else if (argument == "--calendar") {
      PrintCalendar();
    } else if (argument == "--countries") {
      PrintCountries();
    } else if (argument == "--help" || argument == "-h") {
      Print("usage: vesrin-words [ROW... | --all | --holidays | --calendar | --countries]\n"
            "  ROW is a key, a list number or an English text\n");
    } else {
      auto rows = Resolve(argument);
      if (rows.empty()) {
        std::fprintf(stderr, "vesrin-words: no row '%.*s'\n", static_cast<int>(argument.size()),
                     argument.data());
        status = 1;
      }
      for (auto row : rows) PrintRow(row);
    }
  }
  return status;
}
