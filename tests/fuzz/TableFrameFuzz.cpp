// Any bytes as a frame from the server and from a player: a status, never a read past the
// input, and an accepted frame is exactly as long as measured.
#include "net/TableFrames.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const auto source : {vesrin::FrameSource::Server, vesrin::FrameSource::Player}) {
        const vesrin::DecodedFrame decoded = vesrin::DecodeFrame(bytes, source);
        if (decoded.Status == vesrin::DecodeStatus::Ok &&
            (decoded.Length > size || decoded.Length != vesrin::MeasureFrame(bytes, source).Length))
            std::abort();
    }
    return 0;
}
