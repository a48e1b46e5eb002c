// Replies of the game web service as the program reads them.
#include "online/RemoteConfig.h"
#include "online/ServiceReplies.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vesrin;
    const std::string_view reply(reinterpret_cast<const char*>(data), size);
    for (std::string_view marker : {kMarkerOk, kMarkerNo, kMarkerIs})
        if (HasMarker(reply, marker) && reply.find(marker) == std::string_view::npos) std::abort();
    const std::string_view record = RecordAfterDollar(reply);
    if (record.size() > size) std::abort();
    (void)RecordFields(record);
    (void)RecordFields(record, '~');
    if (RecordsDollarStar(reply, 10).size() > 10) std::abort();
    (void)NumberAfterLastDollar(reply);
    (void)ReadRating(reply);
    (void)StatAccepted(reply);
    (void)ConfigValue(reply, kConfigAccountPath);
    return 0;
}
