#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vesrin::service {

// The reply forms of the game web service. Every reply starts with its status marker
// ("ok", "no", "is") and only then carries records, each opened by "$", so that a
// marker is never looked for inside the players' own words. A failure carries no
// marker at all.

inline constexpr std::string_view kFailReply = "fail";

// A single record read with the "$...$" reader: marker, "$", the fields joined by the
// separator, "$".
std::string RecordReply(const std::vector<std::string>& fields, char separator = ' ');
// A list read with the "$...*" reader: marker, then "$" fields "*" for each record.
std::string RecordsReply(const std::vector<std::vector<std::string>>& records);
// A number read after the last "$".
std::string NumberReply(long long number);
// The acknowledgement of the statistics posts: the second and third characters after
// the last "$" are "ok" when accepted.
std::string StatAckReply(bool accepted);

// A word of a blank-separated record: blanks and the record signs "$", "*", "~" become
// "_", so one value stays one field.
std::string RecordWord(std::string_view value);
// A value of the "~"-separated contact details: "$" and "~" become blanks.
std::string InfoWord(std::string_view value);

} // namespace vesrin::service
