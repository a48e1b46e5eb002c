#pragma once

#include <string>
#include <string_view>

namespace vesrin {

// The records files as they come with the program: an empty roster, a top ten of ten
// entries with numeric scores, the check line and correct checksums. Both "Vesrin.clb"
// and "Vesrin.net" start with this content.

// The distribution label of our packages (columns 7-9 of the checksum line). With it the
// program reports its starts to the statistics service.
inline constexpr std::string_view kDistributionLabel = "idd";

std::string InstallationRecordsContent(std::string_view label = kDistributionLabel);

} // namespace vesrin
