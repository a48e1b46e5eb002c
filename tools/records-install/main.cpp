// Writes the installation content of the two records files, "Vesrin.clb" and
// "Vesrin.net", into a folder.
//
//   vesrin-records-install [--keep-valid] FOLDER [LABEL]
//
// --keep-valid leaves a file that passes the records check alone, so that rebuilding a
// portable copy does not wipe the roster of the people who play it.

#include "base/SafeFile.h"
#include "records/InstallContent.h"
#include "records/RecordsFile.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

int main(int argc, char** argv) {
    bool keepValid = false;
    std::string folder;
    std::string label(vesrin::kDistributionLabel);
    int positional = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--keep-valid") {
            keepValid = true;
        } else if (positional == 0) {
            folder = arg, ++positional;
        } else if (positional == 1 && arg.size() == 3) {
            label = arg, ++positional;
        } else {
            positional = 99;
        }
    }
    if (folder.empty() || positional > 2) {
        std::fprintf(stderr, "usage: vesrin-records-install [--keep-valid] FOLDER [LABEL of 3 characters]\n");
        return 2;
    }

    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::string content = vesrin::InstallationRecordsContent(label);
    for (std::string_view name : {vesrin::kLocalRecordsFileName, vesrin::kNetRecordsFileName}) {
        const auto file = std::filesystem::path(folder) / name;
        if (keepValid && vesrin::CheckRecordsFile(file).Status == vesrin::RecordsFileStatus::Ok) continue;
        if (vesrin::ReplaceFileContents(file, content) != vesrin::WriteStatus::Ok) {
            std::fprintf(stderr, "vesrin-records-install: cannot write %s\n", file.c_str());
            return 1;
        }
    }
    return 0;
}
