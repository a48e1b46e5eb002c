// The records files "Vesrin.clb" and "Vesrin.net": the start-up check of any bytes, the
// roster and top ten fields behind it, and the round trip of a file that reads.
//
// Fuzzed bytes almost never carry correct checksums, so an input with the layout of a
// records file is also read a second time with its checksums made right: that takes
// the fields of every line through their own parsers.

#include "FuzzCheck.h"
#include "base/FileBytes.h"
#include "records/RecordsFile.h"
#include "records/Roster.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

void CheckReadable(const vesrin::RecordsFile& file) {
    VESRIN_FUZZ_CHECK(vesrin::DistributionLabel(file).size() == 3);
    for (const auto& line : file.Roster) {
        if (const auto start = vesrin::StartFromRosterLine(line)) VESRIN_FUZZ_CHECK(start->GameNo >= 1);
        (void)vesrin::PasswordMatches(line, "abc");
    }
    const std::string written = vesrin::FormatRecordsFile(file);
    const auto again = vesrin::ParseRecordsFile(written);
    VESRIN_FUZZ_CHECK(again.has_value());
    VESRIN_FUZZ_CHECK(vesrin::FormatRecordsFile(*again) == written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto file = vesrin::ParseRecordsFile(bytes)) CheckReadable(*file);

    const auto lines = vesrin::SplitLines(bytes);
    for (const auto line : lines) {
        (void)vesrin::ParseRosterLine(line);
        (void)vesrin::DecodePassword(line);
    }
    if (!vesrin::HasRecordsLayout(lines)) return 0;
    vesrin::RecordsFile resummed;
    for (std::size_t i = 0; i < 5; ++i)
        resummed.Roster[i] = std::string(lines[i]);
    for (std::size_t i = 0; i < 10; ++i)
        resummed.TopTen[i] = std::string(lines[5 + i]);
    resummed.CheckLine = std::string(lines[15]);
    resummed.ChecksumLine = std::string(lines[16]);
    if (const auto file = vesrin::ParseRecordsFile(vesrin::FormatRecordsFile(resummed))) CheckReadable(*file);
    return 0;
}
