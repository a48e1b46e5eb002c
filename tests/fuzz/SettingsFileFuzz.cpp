// The settings file "Vesrin.ini" as read at start-up: any bytes give settings, and what
// is written from them reads back as the same settings and writes the same bytes.

#include "FuzzCheck.h"
#include "settings/SettingsFile.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const vesrin::Settings read = vesrin::ParseSettings(bytes);
    const std::string written = vesrin::FormatSettings(read);
    // Writing settles a value the file cannot hold as read (a line break inside a name
    // becomes a blank); from then on reading and writing change nothing.
    const vesrin::Settings settled = vesrin::ParseSettings(written);
    VESRIN_FUZZ_CHECK(vesrin::FormatSettings(settled) == written);
    VESRIN_FUZZ_CHECK(vesrin::ParseSettings(vesrin::FormatSettings(settled)) == settled);
    return 0;
}
