#pragma once

#include "online/ServiceClient.h"
#include "online/StatisticsCounters.h"

#include <functional>
#include <string>
#include <string_view>

namespace vesrin {

// The world statistics posts. None of them holds the game up or shows anything when it
// fails; each says whether the service accepted it.

// The counters of one finished game.
bool SendGameStatistics(ServiceClient& client, const std::string& address, const FinishedGame& game);

// The start count, sent only by the distribution labelled "idd". The first accepted
// report of an installation sets installReported, so a refused or failed one is sent
// again at the next start; saveSettings runs after the attempt in either case.
bool CountStart(ServiceClient& client, const std::string& address, std::string_view distributionLabel,
                bool& installReported, const std::function<void()>& saveSettings);

inline constexpr std::string_view kCountingDistribution = "idd";

// "I like this game!" under the given name.
bool SendLike(ServiceClient& client, const std::string& address, std::string_view name);

} // namespace vesrin
