#pragma once

#include <cstdint>

namespace vesrin {

// The continents of the country codes ("C-NNN"), numbered by their digit C. Each has its own
// country list and its own flag picture list on the main window (ILEuro, ILAsia, ILNAme,
// ILSAme, ILOcea, ILAfri), indexed by the country number NNN.
enum class Continent : std::uint8_t {
  Europe = 1,
  Asia = 2,
  NorthAmerica = 3,
  SouthAmerica = 4,
  Oceania = 5,
  Africa = 6,
};

inline constexpr int ContinentCount = 6;

}  // namespace vesrin
