#pragma once

#include "words/Continent.h"
#include "words/Language.h"
#include "words/WordRows.h"

#include <optional>
#include <string_view>

// The countries of the public identity and the world lists, by continent. A country code is
// the continent digit, "-" and the three-digit number of the country in its continent's list;
// number 0 is "Unknown".

namespace vesrin {

struct Country {
  std::string_view English;
  std::string_view Russian;
  std::string_view FlagKey;  // the English name with "_" for blanks
};

// How many countries the continent's list has after "Unknown" (Europe 48, Asia 51, ...).
int CountryCount(Continent continent);

// The country of a continent's list, number 0..CountryCount; nothing outside the list.
std::optional<Country> FindCountry(Continent continent, int number);

// The name shown for the country: Russian when the interface is Russian, English in every
// other language; empty outside the list.
std::string_view CountryName(Continent continent, int number, Language language);

// The continent of a digit 1..6.
std::optional<Continent> ContinentFromDigit(int digit);

// The word-table row that names the continent ("Europe", "Asia", ...).
Word ContinentWord(Continent continent);

}  // namespace vesrin
