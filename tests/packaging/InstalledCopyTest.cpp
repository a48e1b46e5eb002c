// The game as a desktop user gets it: installed into a prefix that nobody may write,
// then started by an ordinary user and by root, each on a fresh home. Both must reach
// the main menu and keep every file they write in their own home; the installation
// stays as it was.

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vesrin {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// What an installation holds: every path with its size, mode and change time.
std::map<std::string, std::string> Snapshot(const fs::path& root) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        struct stat info {};
        if (::lstat(entry.path().c_str(), &info) != 0) continue;
        entries[entry.path().string()] = std::to_string(info.st_size) + " " + std::to_string(info.st_mode) +
                                         " " + std::to_string(info.st_mtim.tv_sec) + "." +
                                         std::to_string(info.st_mtim.tv_nsec);
    }
    return entries;
}

void MakeTreeReadOnly(const fs::path& root) {
    const auto noWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_symlink()) fs::permissions(entry.path(), noWrite, fs::perm_options::remove);
    }
    fs::permissions(root, noWrite, fs::perm_options::remove);
}

class InstalledCopy : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        installation_ = new test::TempFolder;
        const fs::path prefix = Prefix();
        const char* binary = std::getenv("VESRIN_BINARY_DIR");
        ASSERT_NE(binary, nullptr);
        const std::string command = std::string("'") + VESRIN_CMAKE_COMMAND + "' --install '" + binary +
                                    "' --component vesrin --prefix '" + prefix.string() + "' > '" +
                                    (installation_->Path() / "install.log").string() + "' 2>&1";
        installed_ = std::system(command.c_str()) == 0;
        if (installed_) MakeTreeReadOnly(prefix);
    }
    static void TearDownTestSuite() {
        if (installation_ != nullptr) {
            // The temporary folder takes only what its owner may write into.
            for (const auto& entry : fs::recursive_directory_iterator(Prefix())) {
                if (entry.is_directory() && !entry.is_symlink())
                    fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add);
            }
            fs::permissions(Prefix(), fs::perms::owner_write, fs::perm_options::add);
        }
        delete installation_;
        installation_ = nullptr;
    }
    static fs::path Prefix() { return installation_->Path() / "usr"; }

    struct Run {
        int ExitCode = -1;
        std::string Output;
        std::string Errors;
    };

    // Starts the installed program with --check-start as the user uid, on home, with
    // nothing of the test's environment but what a desktop session gives.
    static Run Start(uid_t uid, gid_t gid, const fs::path& home, const fs::path& logs) {
        const fs::path out = logs / "stdout", err = logs / "stderr";
        const int outFd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        const std::string program = (Prefix() / "games" / "vesrin").string();
        const pid_t pid = ::fork();
        if (pid == 0) {
            if (::dup2(outFd, 1) < 0 || ::dup2(errFd, 2) < 0) _exit(97);
            if (::getuid() != uid &&
                (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0))
                _exit(98);
            if (::chdir(home.c_str()) != 0) _exit(96);
            const std::string homeVar = "HOME=" + home.string();
            const std::string runtimeVar = "XDG_RUNTIME_DIR=" + (home / "run").string();
            const char* environment[] = {homeVar.c_str(), runtimeVar.c_str(),          "PATH=/usr/bin:/bin",
                                         "LANG=C.UTF-8",  "QT_QPA_PLATFORM=offscreen", nullptr};
            const char* arguments[] = {"vesrin", "--check-start", nullptr};
            ::execve(program.c_str(), const_cast<char* const*>(arguments),
                     const_cast<char* const*>(environment));
            _exit(95);
        }
        ::close(outFd);
        ::close(errFd);
        Run run;
        int status = 0;
        ::waitpid(pid, &status, 0);
        run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.Output = ReadText(out);
        run.Errors = ReadText(err);
        return run;
    }

    static inline test::TempFolder* installation_ = nullptr;
    static inline bool installed_ = false;
};

TEST_F(InstalledCopy, EveryUserReachesTheMainMenuAndWritesOnlyInHisHome) {
    ASSERT_TRUE(installed_) << ReadText(installation_->Path() / "install.log");
    const bool root = ::geteuid() == 0;
    struct Case {
        const char* Name;
        bool AsRoot;
    };
    const Case cases[] = {{"an ordinary user", false}, {"root", true}};
    const auto before = Snapshot(Prefix());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        if (c.AsRoot && !root) {
            std::printf("skipped: starting as root needs a test run as root\n");
            continue;
        }
        // Run as root, the test lends the ordinary user's part to "nobody".
        const uid_t uid = c.AsRoot ? 0 : (root ? 65534 : ::getuid());
        const gid_t gid = c.AsRoot ? 0 : (root ? 65534 : ::getgid());
        test::TempFolder place;
        const fs::path home = place / "home";
        fs::create_directories(home / "run");
        fs::permissions(home / "run", fs::perms::owner_all);
        ASSERT_EQ(::chown(home.c_str(), uid, gid), 0);
        ASSERT_EQ(::chown((home / "run").c_str(), uid, gid), 0);

        const Run run = Start(uid, gid, home, place.Path());
        if (run.ExitCode == 98) GTEST_SKIP() << "this machine does not let the test become user " << uid;
        EXPECT_EQ(run.ExitCode, 0) << run.Output << run.Errors;
        const fs::path folder = home / ".local" / "share" / "Qor" / "Vesrin" / "";
        EXPECT_NE(run.Output.find("vesrin: main menu, program folder " + folder.string()), std::string::npos)
            << run.Output << run.Errors;
        EXPECT_EQ(run.Errors.find("vesrin: message"), std::string::npos) << run.Errors;
        // The first start brought the records files; closing wrote the settings.
        for (const char* name : {"Vesrin.clb", "Vesrin.net", "Vesrin.ini"}) {
            SCOPED_TRACE(name);
            struct stat info {};
            ASSERT_EQ(::stat((folder / name).c_str(), &info), 0);
            EXPECT_EQ(info.st_uid, uid);
        }
        EXPECT_EQ(ReadText(folder / "Vesrin.clb"), ReadText(Prefix() / "share" / "vesrin" / "Vesrin.clb"));
        // Whatever the program wrote in the home is the user's own.
        for (const auto& entry : fs::recursive_directory_iterator(home)) {
            struct stat info {};
            ASSERT_EQ(::lstat(entry.path().c_str(), &info), 0);
            EXPECT_EQ(info.st_uid, uid) << entry.path();
        }
        EXPECT_EQ(Snapshot(Prefix()), before);
    }
}

// A player's damaged records file is not replaced by the installation's: the start
// says so and ends, and the file stays as it was for the player to rescue.
TEST_F(InstalledCopy, ADamagedRecordsFileEndsTheStartAndStays) {
    ASSERT_TRUE(installed_) << ReadText(installation_->Path() / "install.log");
    const bool root = ::geteuid() == 0;
    const uid_t uid = root ? 65534 : ::getuid();
    const gid_t gid = root ? 65534 : ::getgid();
    test::TempFolder place;
    const fs::path home = place / "home";
    const fs::path folder = home / ".local" / "share" / "Qor" / "Vesrin";
    fs::create_directories(folder);
    fs::create_directories(home / "run");
    fs::permissions(home / "run", fs::perms::owner_all);
    fs::copy_file(Prefix() / "share" / "vesrin" / "Vesrin.net", folder / "Vesrin.net");
    test::WriteBytes(folder / "Vesrin.clb", "not a records file\r\n");
    for (const auto& entry : fs::recursive_directory_iterator(home))
        ASSERT_EQ(::lchown(entry.path().c_str(), uid, gid), 0);
    ASSERT_EQ(::chown(home.c_str(), uid, gid), 0);

    const Run run = Start(uid, gid, home, place.Path());
    if (run.ExitCode == 98) GTEST_SKIP() << "this machine does not let the test become user " << uid;
    EXPECT_NE(run.ExitCode, 0);
    EXPECT_NE(run.ExitCode, 3) << "the start-up hung instead of ending";
    EXPECT_NE(run.Errors.find("vesrin: message: "), std::string::npos) << run.Errors;
    EXPECT_EQ(run.Output.find("main menu"), std::string::npos) << run.Output;
    EXPECT_EQ(ReadText(folder / "Vesrin.clb"), "not a records file\r\n");
}

// The installation holds what a desktop needs besides the program.
TEST_F(InstalledCopy, HoldsTheDesktopFiles) {
    ASSERT_TRUE(installed_) << ReadText(installation_->Path() / "install.log");
    const fs::path share = Prefix() / "share";
    for (const char* file : {"vesrin/Vesrin.clb", "vesrin/Vesrin.net", "vesrin/Vesrin.html",
                             "icons/hicolor/16x16/apps/vesrin.png", "icons/hicolor/48x48/apps/vesrin.png",
                             "icons/hicolor/256x256/apps/vesrin.png", "man/man6/vesrin.6.gz"}) {
        SCOPED_TRACE(file);
        EXPECT_TRUE(fs::is_regular_file(share / file));
    }
    bool desktopEntry = false, metainfo = false;
    for (const auto& entry : fs::directory_iterator(share / "applications"))
        desktopEntry = desktopEntry || entry.path().extension() == ".desktop";
    for (const auto& entry : fs::directory_iterator(share / "metainfo"))
        metainfo = metainfo || entry.path().string().ends_with(".metainfo.xml");
    EXPECT_TRUE(desktopEntry);
    EXPECT_TRUE(metainfo);
    EXPECT_TRUE(fs::is_regular_file(Prefix() / "games" / "vesrin-selfplay"));
}

} // namespace
} // namespace vesrin
