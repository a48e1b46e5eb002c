#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesrin {

// Readers of the game web service's replies. A reply is single-byte text (code page
// 1251): a status marker ("ok" accepted, "no" refused or no such account, "is" the nick
// or seat is taken) and then the data, each record opened by "$".

inline constexpr std::string_view kMarkerOk = "ok";
inline constexpr std::string_view kMarkerNo = "no";
inline constexpr std::string_view kMarkerIs = "is";

// Whether the marker stands in the status part of the reply: the text before the first
// "$", or the whole reply when it has none. The records carry the players' own words
// (a city "Sonora", a country "Unknown", a nick "Nokia_is_ok"), so a marker inside them
// must not count.
bool HasMarker(std::string_view reply, std::string_view marker);

// The text after the first "$" up to the next "$" or the end; empty without a "$".
std::string_view RecordAfterDollar(std::string_view reply);

// From the start of the reply each "$" opens a record that runs to the next "*" (or the
// end); at most max records, in reply order.
std::vector<std::string_view> RecordsDollarStar(std::string_view reply, std::size_t max);

// The decimal digits right after the last "$" (up to the first non-digit); nullopt
// without a "$", without digits or when the number does not fit.
std::optional<long long> NumberAfterLastDollar(std::string_view reply);

// The fields of a record: a separator is added at both ends and the text is split at
// every separator, so element 0 is the (empty) piece before the record and the record's
// first word is element 1. Empty fields count. The blank separates the fields of most
// records, "~" those of the contact details.
std::vector<std::string> RecordFields(std::string_view record, char separator = ' ');

// A rating as written in replies: every character other than digits, "-" and blank
// stands for the decimal separator, so "7,5" and "7.5" both read as 7.5. Unreadable text
// gives 0.
double ReadRating(std::string_view text);

// A rating as the program writes it: the shortest general decimal form with a ".",
// magnitudes below 0.00001 written as 0.
std::string WriteRating(double rating);

// Acceptance of the statistics posts: after the last "$" the characters up to the next
// "#" (or the end) are taken; accepted when the second and third of them are "ok".
bool StatAccepted(std::string_view reply);

} // namespace vesrin
