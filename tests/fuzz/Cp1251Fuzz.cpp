// The code page 1251 conversion both ways: any bytes become text and come back
// unchanged; text that converts to bytes comes back as the same text.

#include "FuzzCheck.h"
#include "base/Cp1251.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::string text = vesrin::Cp1251ToUtf8(bytes);
    const auto back = vesrin::Utf8ToCp1251(text);
    VESRIN_FUZZ_CHECK(back.has_value() && *back == bytes);

    const auto asBytes = vesrin::Utf8ToCp1251(bytes);
    VESRIN_FUZZ_CHECK(vesrin::FitsCp1251(bytes) == asBytes.has_value());
    if (asBytes) VESRIN_FUZZ_CHECK(vesrin::Cp1251ToUtf8(*asBytes) == bytes);
    return 0;
}
