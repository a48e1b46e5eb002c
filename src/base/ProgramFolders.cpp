#include "base/ProgramFolders.h"

#include "base/FileBytes.h"
#include "base/SafeFile.h"

#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace vesrin {

ProgramFolders ResolveProgramFolders(const std::filesystem::path& executableFolder,
                                     bool executableFolderWritable, const std::filesystem::path& dataHome) {
    ProgramFolders folders;
    if (executableFolderWritable) {
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

bool IsFolderWritable(const std::filesystem::path& folder) {
    const std::filesystem::path probe = folder / (".vesrin-probe." + std::to_string(::getpid()));
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

std::filesystem::path InstallContentFolder(const std::filesystem::path& executableFolder) {
    return (executableFolder / ".." / "share" / "vesrin" / "").lexically_normal();
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
