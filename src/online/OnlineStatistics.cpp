#include "online/OnlineStatistics.h"

#include "online/ServiceReplies.h"

namespace vesrin {

namespace {

bool Accepted(const ServiceReply& reply) { return reply.Connected && StatAccepted(reply.Body); }

} // namespace

bool SendGameStatistics(ServiceClient& client, const std::string& address, const FinishedGame& game) {
    return Accepted(client.Send(address, GameStatisticsSend(kServiceGameId, GameStatisticsCounters(game))));
}

bool CountStart(ServiceClient& client, const std::string& address, std::string_view distributionLabel,
                bool& installReported, const std::function<void()>& saveSettings) {
    if (distributionLabel != kCountingDistribution) return false;
    const bool firstReport = !installReported;
    const bool accepted = Accepted(client.Send(address, StartCount(kServiceGameId, installReported)));
    if (firstReport) installReported = accepted;
    if (saveSettings) saveSettings();
    return accepted;
}

bool SendLike(ServiceClient& client, const std::string& address, std::string_view name) {
    return Accepted(client.Send(address, LikeSend(kServiceGameId, name)));
}

} // namespace vesrin
