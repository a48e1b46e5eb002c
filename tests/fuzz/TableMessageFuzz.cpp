// Any bytes given to the table message decoder: it must return a status without
// reading past the input, and a message it accepts must encode back to itself.
#include "net/TableMessages.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const vesrin::DecodedMessage decoded = vesrin::DecodeTableMessage(bytes);
    const vesrin::MessageSize measured = vesrin::MeasureTableMessage(bytes);
    if (decoded.Status == vesrin::DecodeStatus::Ok) {
        if (decoded.Length > size || measured.Length != decoded.Length) std::abort();
        if (decoded.Message.Kind == vesrin::TableMessageKind::Deal &&
            vesrin::EncodeDeal(decoded.Message.Deal) != bytes.substr(0, decoded.Length))
            std::abort();
    }
    return 0;
}
