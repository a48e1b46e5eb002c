// The same rewrites on a full disk and in a read-only folder: every write reports its
// failure, every file stays byte for byte as it was, no temporary file is left behind,
// and once the fault is gone the next round writes again.
//
// The full disk is a small tmpfs, mounted in a private mount namespace of a child
// process (it needs the superuser); without that right a file size limit stands in for
// it, which fails the same writes the same way.

#include "RewriteRound.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace vesrin::test {
namespace {

// Runs check in a child process and gives its text (empty: passed).
std::string CheckInChild(const std::function<std::string()>& check) {
    int fds[2];
    if (::pipe(fds) != 0) return "no pipe";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        const std::string text = check();
        const ssize_t written = ::write(fds[1], text.data(), text.size());
        _exit(written == static_cast<ssize_t>(text.size()) ? 0 : 1);
    }
    ::close(fds[1]);
    std::string text;
    char buffer[512];
    ssize_t got = 0;
    while ((got = ::read(fds[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(got));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "the child failed: " + text;
    return text;
}

// Fills the file system of folder until it refuses another byte.
bool FillUp(const std::filesystem::path& folder) {
    const int fd = ::open((folder / "filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    const std::string block(4096, 'x');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    const bool full = errno == ENOSPC;
    ::close(fd);
    return full;
}

// The rewrites fail on folder and leave the files as they were.
std::string FailsAndKeepsTheFiles(const std::filesystem::path& folder, long round) {
    const FolderFiles before = ReadFolderFiles(folder);
    if (RewriteRound(folder, round)) return "a round under the fault reported success";
    if (ReadFolderFiles(folder) != before) return "a file changed under the fault";
    if (TemporaryFiles(folder) != 0) return "a temporary file was left behind";
    return "";
}

enum class Fault { FullTmpfs, FileSizeLimit, ReadOnlyFolder };

std::string RunUnderFault(const std::filesystem::path& base, Fault fault) {
    const std::filesystem::path folder = base / "program";
    std::filesystem::create_directories(folder);
    switch (fault) {
    case Fault::FullTmpfs:
        if (::unshare(CLONE_NEWNS) != 0 || ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=256k") != 0) {
            return "skip: no right to mount a tmpfs";
        }
        break;
    default:
        break;
    }
    for (long round = 1; round <= 3; ++round) {
        if (!RewriteRound(folder, round)) return "a round before the fault failed";
    }
    std::string failure;
    switch (fault) {
    case Fault::FullTmpfs:
        if (!FillUp(folder)) return "the tmpfs did not fill up";
        failure = FailsAndKeepsTheFiles(folder, 4);
        std::filesystem::remove(folder / "filler");
        break;
    case Fault::FileSizeLimit:
        // Smaller than any of the files: every new content is refused.
        failure = CheckInChild([&] {
            LimitFileSize(64);
            return FailsAndKeepsTheFiles(folder, 4);
        });
        break;
    case Fault::ReadOnlyFolder:
        MakeReadOnly(folder);
        MakeReadOnly(folder / "History");
        failure = CheckInChild([&] {
            DropPrivileges();
            return FailsAndKeepsTheFiles(folder, 4);
        });
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
        std::filesystem::permissions(folder / "History", std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add);
        break;
    }
    if (!failure.empty()) return failure;
    if (!RewriteRound(folder, 5)) return "the round after the fault failed";
    for (const auto& [name, bytes] : ReadFolderFiles(folder)) {
        if (const auto why = FileCheckFailure(name, bytes); !why.empty()) return name.string() + ": " + why;
    }
    return "";
}

TEST(RewriteFaultTest, FailedRewritesKeepEveryFile) {
    struct Case {
        const char* Name;
        Fault Kind;
    };
    const Case cases[] = {
        {"disk full (tmpfs)", Fault::FullTmpfs},
        {"file size limit", Fault::FileSizeLimit},
        {"read-only folder", Fault::ReadOnlyFolder},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TempFolder folder;
        // Each case in its own process: the mount namespace and the limits end with it.
        const std::string result = CheckInChild([&] { return RunUnderFault(folder.Path(), c.Kind); });
        if (result.starts_with("skip:")) {
            std::printf("%s: %s\n", c.Name, result.c_str());
            continue;
        }
        EXPECT_EQ(result, "");
    }
}

} // namespace
} // namespace vesrin::test
