#include "records/ColumnSums.h"

namespace vesrin {

ColumnSums SumColumns(std::string_view text) {
    ColumnSums sums;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::uint64_t b = static_cast<unsigned char>(text[i]);
        const std::size_t column = i + 1;
        sums.A += b;
        if (column % 2 == 0) sums.B += b;
        if (column % 3 == 0) sums.C += b;
    }
    return sums;
}

} // namespace vesrin
