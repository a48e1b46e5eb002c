#pragma once

#include <cmath>

namespace vesrin {

// [v] of the table geometry: the nearest integer, halves to the even neighbour
// (2.5 gives 2, 3.5 gives 4), as the scale arithmetic of the table is defined.
inline int RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    int result = int(floor);
    if (fraction > 0.5 || (fraction == 0.5 && (result % 2 != 0))) ++result;
    return result;
}

} // namespace vesrin
