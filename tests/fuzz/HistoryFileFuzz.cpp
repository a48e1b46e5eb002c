// The history files "History/Vesrin_I<nnnn>.hst": the check of any bytes (the viewer's
// list and the writer's choice of file both rest on it), and the round trip of a valid
// file: its entries written again make a valid file with the same entries.

#include "FuzzCheck.h"
#include "base/FileBytes.h"
#include "records/History.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const vesrin::HistoryCheck check = vesrin::CheckHistoryBytes(bytes);
    if (!check.Valid) return 0;
    const auto lines = vesrin::SplitLines(bytes);
    VESRIN_FUZZ_CHECK(check.Entries >= 0 && static_cast<std::size_t>(check.Entries) + 2 <= lines.size());
    const std::vector<std::string> entries(lines.begin(), lines.begin() + check.Entries);
    const std::string written = vesrin::FormatHistoryFile(entries);
    const vesrin::HistoryCheck again = vesrin::CheckHistoryBytes(written);
    VESRIN_FUZZ_CHECK(again.Valid);
    VESRIN_FUZZ_CHECK(again.Entries == check.Entries);
    // Written once, the file is in its settled form: its entries write the same bytes.
    const auto writtenLines = vesrin::SplitLineCopies(written);
    const std::vector<std::string> writtenEntries(writtenLines.begin(), writtenLines.begin() + again.Entries);
    VESRIN_FUZZ_CHECK(vesrin::FormatHistoryFile(writtenEntries) == written);
    return 0;
}
