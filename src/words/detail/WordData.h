#pragma once

#include <array>
#include <span>
#include <string_view>

// The compiled tables behind the words library. The definitions are generated at build time
// from the data files in src/words/data; only the library's own sources read them.

namespace vesrin::detail {

// Ten texts in the program's language order (English, Russian, German, French, Spanish,
// Chinese, Italian, Czech, Japanese, Korean).
using TenTexts = std::array<std::string_view, 10>;

struct WordRowData {
  std::string_view Key;
  int ListNumber;  // place in the published row list, 0 for the special rows
  TenTexts Texts;
};

struct CountryData {
  int Continent;
  int Number;
  std::string_view English;
  std::string_view Russian;
  std::string_view FlagKey;
};

std::span<const WordRowData> WordRows();
std::span<const std::string_view> HolidayRowTexts();
std::span<const TenTexts> MonthTexts();
std::span<const TenTexts> ZodiacTexts();
std::span<const TenTexts> EasternYearTexts();
const TenTexts& AnniversarySuffixTexts();
std::span<const TenTexts> RegionTexts();
std::span<const CountryData> CountryRows();

}  // namespace vesrin::detail
