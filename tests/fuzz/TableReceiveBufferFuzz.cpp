// Bytes cut into reads at places taken from the input itself: the buffer hands out only
// whole messages that the decoder accepts the length of, and holds less than a message.
#include "net/ReceiveBuffer.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vesrin::ReceiveBuffer buffer = vesrin::TableReceiveBuffer();
    std::size_t at = 0;
    while (at < size) {
        const std::size_t piece = 1 + data[at] % 64;
        const std::size_t n = piece < size - at ? piece : size - at;
        buffer.Append(std::string_view(reinterpret_cast<const char*>(data) + at, n));
        at += n;
        while (auto message = buffer.Next()) {
            const vesrin::MessageSize measured = vesrin::MeasureTableMessage(*message);
            if (measured.Status != vesrin::DecodeStatus::Ok || measured.Length != message->size()) std::abort();
        }
        if (buffer.Held() > 211) std::abort();
    }
    return 0;
}
