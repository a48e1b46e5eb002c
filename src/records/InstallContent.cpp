#include "records/InstallContent.h"

#include "base/TextFields.h"
#include "records/RecordsFile.h"
#include "records/Roster.h"

namespace vesrin {

std::string InstallationRecordsContent(std::string_view label) {
    RecordsFile file;
    for (auto& line : file.Roster)
        line = std::string(kEmptySlotLine);
    // A ladder a first cycle can climb: 200 for the best down to 20 for the tenth.
    for (std::size_t i = 0; i < file.TopTen.size(); ++i) {
        file.TopTen[i] = MakeTopTenLine("Vesrin", static_cast<std::int32_t>(200 - 20 * i));
    }
    file.CheckLine = std::string(1, kRecordsMarker) + "}" + FitLeft("Vesrin 5.7f records", 26);
    // Column 1 must not be "1": that would start the program in Russian.
    file.ChecksumLine = "000000" + FitLeft(label, 3) + "0";
    return FormatRecordsFile(file);
}

} // namespace vesrin
