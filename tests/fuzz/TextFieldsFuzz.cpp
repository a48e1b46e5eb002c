// The number fields of the program's files: a strict integer that reads writes back as
// the same number, and a comma decimal never reads past its text.

#include "FuzzCheck.h"
#include "base/TextFields.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto value = vesrin::StrictInt(text)) {
        const auto again = vesrin::StrictInt(std::to_string(*value));
        VESRIN_FUZZ_CHECK(again.has_value() && *again == *value);
    }
    (void)vesrin::CommaDecimal(text);
    (void)vesrin::OneLine(text);
    (void)vesrin::TrimLeft(vesrin::TrimRight(text));
    return 0;
}
