// The start-up look at the raw local records file (the language of a Russian
// distribution, and whether the settings may be written at exit). It splits the file
// itself, so it is checked against the records file's own layout rule: both must agree
// on which files have the shape of a records file.

#include "FuzzCheck.h"
#include "base/FileBytes.h"
#include "records/RecordsFile.h"
#include "words/StartLanguage.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const vesrin::StartLanguage start = vesrin::SettleStartLanguage(bytes, vesrin::Language::German);
    const auto lines = vesrin::SplitLines(bytes);
    VESRIN_FUZZ_CHECK(start.RecordsFileUnusable == !vesrin::HasRecordsLayout(lines));
    if (start.RecordsFileUnusable) VESRIN_FUZZ_CHECK(start.Chosen == vesrin::Language::German);
    return 0;
}
