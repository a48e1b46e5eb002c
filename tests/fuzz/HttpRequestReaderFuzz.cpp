// Bytes of one connection, fed in two pieces: the reader must cut the same requests
// as from one piece and never hold more than its limits allow.
#include "codec/HttpRequestReader.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Cut(std::string_view bytes, std::size_t split) {
    using namespace vesrin::service;
    HttpRequestReader reader;
    std::vector<std::string> seen;
    for (std::string_view piece : {bytes.substr(0, split), bytes.substr(split)}) {
        reader.Feed(piece);
        HttpRequest request;
        ReadStatus status;
        while ((status = reader.Next(request)) == ReadStatus::Complete) {
            if (request.Body.size() > HttpLimits{}.MaxUploadBody) std::abort();
            seen.push_back(request.Method + " " + request.Target + " " + request.Body);
        }
        if (status != ReadStatus::NeedMore) {
            seen.push_back("stop");
            break;
        }
    }
    return seen;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (Cut(bytes, size / 2) != Cut(bytes, size)) std::abort();
    vesrin::service::ByteRange range;
    if (vesrin::service::ParseRange(bytes, 1000, range) == vesrin::service::RangeStatus::Satisfiable &&
        (range.First > range.Last || range.Last >= 1000))
        std::abort();
    (void)vesrin::service::DecodePath(bytes);
    return 0;
}
