// A writer killed at random moments: a child process rewrites the records, history and
// settings files round after round and is killed with SIGKILL after a random delay,
// many times over. After every kill each file must be byte for byte either what it was
// before the round the child was in or what that round makes of it, and pass the check
// the program makes when it reads it.
//
// What "before" and "after" are is worked out by doing the same rounds again on a copy
// of the files (the rounds are deterministic). The temporary files of killed writers stay
// until the next successful rewrites, which remove them. VESRIN_KILL_ROUNDS sets the number of
// kills (default 200) for a longer run.

#include "RewriteRound.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vesrin::test {
namespace {

int KillRounds() {
    const char* text = std::getenv("VESRIN_KILL_ROUNDS");
    const int rounds = text ? std::atoi(text) : 0;
    return rounds > 0 ? rounds : 200;
}

// Starts a child that does rounds first, first+1, ... and reports each finished round
// on a pipe; gives its process id and the reading end.
std::pair<pid_t, int> StartWriter(const std::filesystem::path& folder, long first) {
    int fds[2];
    if (::pipe(fds) != 0) std::abort();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        for (long round = first;; ++round) {
            if (!RewriteRound(folder, round)) _exit(3);
            if (::write(fds[1], &round, sizeof round) != static_cast<ssize_t>(sizeof round)) _exit(4);
        }
    }
    ::close(fds[1]);
    return {pid, fds[0]};
}

// The last round the child reported finished, or first - 1.
long LastFinishedRound(int readEnd, long first) {
    long last = first - 1;
    long round = 0;
    while (::read(readEnd, &round, sizeof round) == static_cast<ssize_t>(sizeof round))
        last = round;
    ::close(readEnd);
    return last;
}

struct KillCounts {
    int Kills = 0;
    long FilesChecked = 0;
    int LeftTemporary = 0; // the kill came in the middle of writing a file
    int Mixed = 0;         // some files of the round were new and others still old
    long Rounds = 0;
};

TEST(RewriteKillTest, EveryFileIsOldOrNewAfterEveryKill) {
    TempFolder folder;
    TempFolder shadow;
    ASSERT_TRUE(RewriteRound(folder.Path(), 0));
    FolderFiles before = ReadFolderFiles(folder.Path());

    std::mt19937 random(20);
    // Up to a few rounds' time: most kills fall inside a round, some between rounds.
    std::uniform_int_distribution<int> delayMicroseconds(0, 15000);
    KillCounts counts;
    long next = 1;
    const int rounds = KillRounds();
    for (int kill = 0; kill < rounds; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        auto [pid, readEnd] = StartWriter(folder.Path(), next);
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself, status " << status;
        const long finished = LastFinishedRound(readEnd, next);

        // The files after the last finished round and after the round that was cut.
        WriteFolderFiles(shadow.Path(), before);
        for (long round = next; round <= finished; ++round)
            ASSERT_TRUE(RewriteRound(shadow.Path(), round));
        const FolderFiles oldFiles = ReadFolderFiles(shadow.Path());
        ASSERT_TRUE(RewriteRound(shadow.Path(), finished + 1));
        const FolderFiles newFiles = ReadFolderFiles(shadow.Path());

        if (TemporaryFilesOf(folder.Path(), pid) > 0) ++counts.LeftTemporary;
        const FolderFiles now = ReadFolderFiles(folder.Path());
        FolderFiles everyName = oldFiles;
        everyName.insert(newFiles.begin(), newFiles.end());
        everyName.insert(now.begin(), now.end());
        bool allOld = true;
        bool allNew = true;
        for (const auto& [name, unused] : everyName) {
            SCOPED_TRACE(name.string());
            const auto found = now.find(name);
            const auto oldOne = oldFiles.find(name);
            const auto newOne = newFiles.find(name);
            const bool isOld = found == now.end() ? oldOne == oldFiles.end()
                                                  : oldOne != oldFiles.end() && oldOne->second == found->second;
            const bool isNew = found == now.end() ? newOne == newFiles.end()
                                                  : newOne != newFiles.end() && newOne->second == found->second;
            ASSERT_TRUE(isOld || isNew) << "neither the old nor the new content";
            allOld = allOld && isOld;
            allNew = allNew && isNew;
            if (found != now.end()) {
                ASSERT_EQ(FileCheckFailure(name, found->second), "");
                ++counts.FilesChecked;
            }
        }
        if (!allOld && !allNew) ++counts.Mixed;
        ++counts.Kills;
        counts.Rounds += finished - next + 2;
        before = now;
        next = finished + 2;
    }
    // The next successful rewrites clear what the killed writers left behind.
    ASSERT_TRUE(RewriteRound(folder.Path(), next));
    EXPECT_EQ(TemporaryFiles(folder.Path()), 0u);
    std::printf("kills %d, rounds begun %ld, files checked %ld, kills inside a file's write %d, "
                "kills between the files of a round %d\n",
                counts.Kills, counts.Rounds, counts.FilesChecked, counts.LeftTemporary, counts.Mixed);
    RecordProperty("kills", counts.Kills);
    RecordProperty("files_checked", static_cast<int>(counts.FilesChecked));
}

} // namespace
} // namespace vesrin::test
