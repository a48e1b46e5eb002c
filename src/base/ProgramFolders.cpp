#include "base/ProgramFolders.h"

#include "base/FileBytes.h"
#include "base/SafeFile.h"

// The build gives the installation's data folder as seen from its program folder.
#ifndef VESRIN_DATA_FROM_BIN
#define VESRIN_DATA_FROM_BIN "../share/vesrin"
#endif

namespace vesrin {

bool IsPortableFolder(const std::filesystem::path& folder, std::span<const std::string_view> recordsFileNames) {
    std::error_code error;
    if (std::filesystem::is_regular_file(folder / kPortableMarker, error)) return true;
    for (std::string_view name : recordsFileNames) {
        if (std::filesystem::is_regular_file(folder / name, error)) return true;
    }
    return false;
}

ProgramFolders ResolveProgramFolders(const std::filesystem::path& executableFolder, bool portable,
                                     const std::filesystem::path& dataHome) {
    ProgramFolders folders;
    if (portable) {
        folders.Program = executableFolder.lexically_normal() / "";
        folders.Parent = folders.Program.parent_path().parent_path() / "";
        folders.Portable = true;
    } else {
        folders.Parent = (dataHome / "Qor" / "").lexically_normal();
        folders.Program = (dataHome / "Qor" / "Vesrin" / "").lexically_normal();
    }
    return folders;
}

std::filesystem::path DataHomeFolder(const char* xdgDataHome, const std::filesystem::path& home) {
    if (xdgDataHome != nullptr && std::filesystem::path(xdgDataHome).is_absolute()) return xdgDataHome;
    return home / ".local" / "share";
}

std::filesystem::path InstallContentFolder(const std::filesystem::path& executableFolder) {
    return (executableFolder / VESRIN_DATA_FROM_BIN / "").lexically_normal();
}

FirstStartStatus PrepareProgramFolder(const ProgramFolders& folders,
                                      const std::filesystem::path& contentFolder,
                                      std::span<const std::string_view> fileNames) {
    std::error_code error;
    if (folders.Portable || std::filesystem::exists(folders.Program, error))
        return FirstStartStatus::NotNeeded;
    std::filesystem::create_directories(folders.Program, error);
    if (error) return FirstStartStatus::Failed;
    bool allCopied = true;
    for (std::string_view name : fileNames) {
        const auto bytes = ReadFileBytes(contentFolder / name);
        if (!bytes || ReplaceFileContents(folders.Program / name, *bytes) != WriteStatus::Ok)
            allCopied = false;
    }
    return allCopied ? FirstStartStatus::Copied : FirstStartStatus::Failed;
}

} // namespace vesrin
