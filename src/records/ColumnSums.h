#pragma once

#include <cstdint>
#include <string_view>

namespace vesrin {

// The checksums of the history and records files: the sum of the byte values of a
// text, of those at even columns and of those at columns divisible by three (columns
// counted from 1).
struct ColumnSums {
    std::uint64_t A = 0;
    std::uint64_t B = 0;
    std::uint64_t C = 0;
    void Add(const ColumnSums& other) { A += other.A, B += other.B, C += other.C; }
    bool operator==(const ColumnSums&) const = default;
};

ColumnSums SumColumns(std::string_view text);

} // namespace vesrin
