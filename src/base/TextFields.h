#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vesrin {

// Fixed-column fields of the program's text files: blanks for padding, decimal
// integers, and real numbers with a comma as the decimal separator whatever the locale.

// The strict integer conversion of the files: leading blanks, an optional sign and at
// least one decimal digit, nothing after the digits, inside the 32-bit range.
std::optional<std::int32_t> StrictInt(std::string_view text);

// A real number as the files write it: leading blanks, optional "-", digits, and a
// fraction after "," (a "." is read the same way). nullopt for anything else.
std::optional<double> CommaDecimal(std::string_view text);

// value with exactly `decimals` decimals (correctly rounded) and a comma separator.
std::string CommaFixed(double value, int decimals);

// Cut to width, or padded with blanks on the right.
std::string FitLeft(std::string_view text, std::size_t width);
// Padded with blanks on the left to width; a longer text is left as it is.
std::string AlignRight(std::string_view text, std::size_t width);

// The text with every CR and LF turned into a blank: a line break inside a field
// would split a fixed-width line in two.
std::string OneLine(std::string_view text);

std::string_view TrimRight(std::string_view text);
std::string_view TrimLeft(std::string_view text);

// Whether every character is a decimal digit (false for an empty text).
bool AllDigits(std::string_view text);

// value as decimal digits with leading zeros to width.
std::string ZeroPadded(std::uint64_t value, std::size_t width);

} // namespace vesrin
