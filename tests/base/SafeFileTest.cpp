#include "base/SafeFile.h"

#include "base/FileBytes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace vesrin {
namespace {

std::size_t FilesIn(const std::filesystem::path& folder) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++n;
    return n;
}

WriteStatus InChild(const std::function<WriteStatus()>& step) {
    return static_cast<WriteStatus>(test::InChild([&] { return static_cast<int>(step()); }));
}

class SafeFileTest : public ::testing::Test {
protected:
    void SetUp() override { test::WriteBytes(file_, "old content\r\n"); }
    void ExpectOldFileIntact() {
        EXPECT_EQ(ReadFileBytes(file_), "old content\r\n");
        EXPECT_EQ(FilesIn(folder_.Path()), 1u) << "no temporary file is left behind";
    }
    test::TempFolder folder_;
    std::filesystem::path file_ = folder_ / "Vesrin.clb";
};

TEST_F(SafeFileTest, ReplacesTheContent) {
    EXPECT_EQ(ReplaceFileContents(file_, "new"), WriteStatus::Ok);
    EXPECT_EQ(ReadFileBytes(file_), "new");
    EXPECT_EQ(FilesIn(folder_.Path()), 1u);
}

// A process id that no process has any more.
pid_t DeadProcess() {
    const pid_t pid = ::fork();
    if (pid == 0) _exit(0);
    ::waitpid(pid, nullptr, 0);
    return pid;
}

TEST_F(SafeFileTest, RemovesTheTemporaryFilesOfKilledWriters) {
    const std::string dead = std::to_string(DeadProcess());
    const std::string self = std::to_string(::getpid());
    struct Case {
        std::string Name;
        bool Kept;
    };
    const Case cases[] = {
        {".Vesrin.clb." + dead + ".3.tmp", false},
        {".Vesrin.ini." + dead + ".1.tmp", false}, // another file of the same folder
        {".Vesrin.clb." + self + ".999.tmp", true}, // this process may be writing it
        {".Vesrin.clb.1.5.tmp", true},              // a running process
        {".Vesrin.clb." + dead + ".tmp", true},     // not a name of ours
        {"Vesrin.clb." + dead + ".3.tmp", true},
        {".Vesrin.clb." + dead + ".3x.tmp", true},
    };
    for (const auto& c : cases)
        test::WriteBytes(folder_ / c.Name, "half");
    ASSERT_EQ(ReplaceFileContents(file_, "new"), WriteStatus::Ok);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(std::filesystem::exists(folder_ / c.Name), c.Kept);
    }
}

TEST_F(SafeFileTest, CreatesAMissingFileAndKeepsTheOldPermissions) {
    std::filesystem::permissions(file_,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    ASSERT_EQ(ReplaceFileContents(file_, "x"), WriteStatus::Ok);
    EXPECT_EQ(std::filesystem::status(file_).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(ReplaceFileContents(folder_ / "new.hst", "y"), WriteStatus::Ok);
    EXPECT_EQ(ReadFileBytes(folder_ / "new.hst"), "y");
}

TEST_F(SafeFileTest, FailedRenameLeavesTheOldFile) {
    const auto failingRename = [](const char*, const char*) { return -1; };
    EXPECT_EQ(detail::ReplaceFileContentsWith(file_, "new content", failingRename),
              WriteStatus::RenameFailed);
    ExpectOldFileIntact();
}

TEST_F(SafeFileTest, FullDiskLeavesTheOldFile) {
    // A file size limit fails the write the way a full disk does.
    const WriteStatus status = InChild([&] {
        test::LimitFileSize(8);
        return ReplaceFileContents(file_, std::string(4096, 'x'));
    });
    EXPECT_EQ(status, WriteStatus::WriteFailed);
    ExpectOldFileIntact();
}

TEST_F(SafeFileTest, ReadOnlyFolderLeavesTheOldFile) {
    test::MakeReadOnly(folder_.Path());
    const WriteStatus status = InChild([&] {
        test::DropPrivileges();
        return ReplaceFileContents(file_, "new content");
    });
    EXPECT_EQ(status, WriteStatus::TempCreateFailed);
    ExpectOldFileIntact();
}

TEST_F(SafeFileTest, MissingFolderIsReported) {
    EXPECT_EQ(ReplaceFileContents(folder_ / "no-such-folder" / "Vesrin.ini", "x"),
              WriteStatus::TempCreateFailed);
}

} // namespace
} // namespace vesrin
