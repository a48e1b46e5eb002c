#include "words/CalendarWords.h"

#include "words/detail/WordData.h"

#include <array>
#include <cstddef>

namespace vesrin {

namespace {

using namespace std::string_view_literals;

// In the order of the region rows of the calendar data file.
constexpr std::array kRegionCodes = {"ENG"sv, "RUS"sv, "DEU"sv, "FRA"sv,
                                     "ISP"sv, "USA"sv, "PRA"sv, "KAT"sv};

std::string_view Pick(std::span<const detail::TenTexts> entries, int number, Language language) {
  auto column = static_cast<std::size_t>(language);
  if (number < 1 || static_cast<std::size_t>(number) > entries.size() || column >= 10) return {};
  return entries[static_cast<std::size_t>(number) - 1][column];
}

}  // namespace

std::span<const std::string_view> HolidayRows() { return detail::HolidayRowTexts(); }

std::string_view MonthName(int month, Language language) {
  return Pick(detail::MonthTexts(), month, language);
}

std::string_view ZodiacName(int sign, Language language) {
  return Pick(detail::ZodiacTexts(), sign, language);
}

std::string_view EasternYearName(int animal, Language language) {
  return Pick(detail::EasternYearTexts(), animal, language);
}

std::string_view AnniversarySuffix(Language language) {
  return Pick(std::span(&detail::AnniversarySuffixTexts(), 1), 1, language);
}

std::string_view RegionWord(std::string_view regionCode, Language language) {
  for (std::size_t i = 0; i < kRegionCodes.size(); ++i) {
    if (kRegionCodes[i] == regionCode) {
      return Pick(detail::RegionTexts(), static_cast<int>(i) + 1, language);
    }
  }
  return {};
}

}  // namespace vesrin
