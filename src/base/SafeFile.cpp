#include "base/SafeFile.h"

#include "base/TextFields.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <string>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vesrin {
namespace {

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A name no other writer uses: hidden, beside the target, with the process id and a
// running number.
int CreateTemporary(const std::filesystem::path& file, std::string& tempName) {
    static std::atomic<unsigned> counter{0};
    const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName = (folder / ("." + file.filename().string() + "." + std::to_string(::getpid()) + "." +
                              std::to_string(++counter) + ".tmp"))
                       .string();
        const int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// The process id in the name of a temporary file made by CreateTemporary
// ("." name "." pid "." number ".tmp"), or 0 when the name is not one.
pid_t WriterOfTemporary(std::string_view name) {
    if (!name.starts_with('.') || !name.ends_with(".tmp")) return 0;
    name.remove_suffix(4);
    const std::size_t numberDot = name.rfind('.');
    if (numberDot == std::string_view::npos || !AllDigits(name.substr(numberDot + 1))) return 0;
    name = name.substr(0, numberDot);
    const std::size_t pidDot = name.rfind('.');
    if (pidDot == std::string_view::npos || pidDot == 0) return 0;
    const std::string_view pidText = name.substr(pidDot + 1);
    if (pidText.size() > 9 || !AllDigits(pidText)) return 0;
    pid_t pid = 0;
    for (char c : pidText)
        pid = pid * 10 + (c - '0');
    return pid;
}

// A writer killed in the middle of a rewrite leaves its temporary file behind. After a
// successful rewrite the temporary files in that folder of writers that no longer run
// go: only those of dead processes, so a rewrite in progress elsewhere is never touched.
void RemoveStaleTemporaries(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        const std::string name = it->path().filename().string();
        const pid_t pid = WriterOfTemporary(name);
        if (pid > 0 && pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH) ::unlink(it->path().c_str());
    }
}

void SyncFolder(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

WriteStatus ReplaceFileContents(const std::filesystem::path& file, std::string_view bytes) {
    return detail::ReplaceFileContentsWith(file, bytes, &std::rename);
}

namespace detail {

WriteStatus ReplaceFileContentsWith(const std::filesystem::path& file, std::string_view bytes,
                                    RenameFunction renameFile) {
    std::string tempName;
    const int fd = CreateTemporary(file, tempName);
    if (fd < 0) return WriteStatus::TempCreateFailed;

    // The new file keeps the permissions of the one it replaces.
    struct stat old {};
    if (::stat(file.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);

    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (!ok) {
        ::unlink(tempName.c_str());
        return WriteStatus::WriteFailed;
    }
    if (renameFile(tempName.c_str(), file.c_str()) != 0) {
        ::unlink(tempName.c_str());
        return WriteStatus::RenameFailed;
    }
    SyncFolder(file);
    RemoveStaleTemporaries(file);
    return WriteStatus::Ok;
}

} // namespace detail
} // namespace vesrin
