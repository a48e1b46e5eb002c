#include "words/Countries.h"

#include "words/detail/WordData.h"

#include <array>

namespace vesrin {

namespace {

const detail::CountryData* Find(Continent continent, int number) {
  for (const auto& row : detail::CountryRows()) {
    if (row.Continent == static_cast<int>(continent) && row.Number == number) return &row;
  }
  return nullptr;
}

}  // namespace

int CountryCount(Continent continent) {
  int last = -1;
  for (const auto& row : detail::CountryRows()) {
    if (row.Continent == static_cast<int>(continent) && row.Number > last) last = row.Number;
  }
  return last < 0 ? 0 : last;
}

std::optional<Country> FindCountry(Continent continent, int number) {
  const auto* row = Find(continent, number);
  if (row == nullptr) return std::nullopt;
  return Country{row->English, row->Russian, row->FlagKey};
}

std::string_view CountryName(Continent continent, int number, Language language) {
  const auto* row = Find(continent, number);
  if (row == nullptr) return {};
  return language == Language::Russian ? row->Russian : row->English;
}

std::optional<Continent> ContinentFromDigit(int digit) {
  if (digit < 1 || digit > ContinentCount) return std::nullopt;
  return static_cast<Continent>(digit);
}

Word ContinentWord(Continent continent) {
  static constexpr std::array kWords = {Word::WorldEurope,       Word::WorldAsia,
                                        Word::WorldNorthAmerica, Word::WorldSouthAmerica,
                                        Word::WorldOceania,      Word::WorldAfrica};
  auto index = static_cast<std::size_t>(continent) - 1;
  return index < kWords.size() ? kWords[index] : Word::WorldEurope;
}

}  // namespace vesrin
