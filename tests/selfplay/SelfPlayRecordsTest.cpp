#include "base/FileBytes.h"
#include "base/TextFields.h"
#include "records/History.h"
#include "records/Rating.h"
#include "records/Roster.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace vesrin {
namespace {

struct CommandRun {
    int ExitCode = -1;
    std::string Output;
};

CommandRun SelfPlay(const std::string& arguments) {
    const char* binary = std::getenv("VESRIN_BINARY_DIR");
    CommandRun run;
    if (binary == nullptr) return run;
    const std::string command = std::string(binary) + "/bin/vesrin-selfplay " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        run.Output.append(buffer, n);
    const int status = ::pclose(pipe);
    run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string DigestLine(const std::string& output) {
    const auto at = output.find("log digest");
    return at == std::string::npos ? "" : output.substr(at, output.find('\n', at) - at);
}

TEST(SelfPlayRecords, SeatFourKeepsTheRecordsOfSim) {
    test::TempFolder folder;
    const auto records = folder / "records";
    const CommandRun run = SelfPlay("--games 25 --seed 11 --records " + records.string());
    ASSERT_EQ(run.ExitCode, 0) << run.Output;

    EXPECT_EQ(CheckRecordsFile(records / "Vesrin.clb").Status, RecordsFileStatus::Ok);
    const HistoryCheck history = CheckHistoryFile(records, 1);
    ASSERT_TRUE(history.Valid);
    EXPECT_EQ(history.Entries, 25);

    // The roster line agrees with the history: 25 games, the cycle score of games 21 to
    // 25 (the twentieth started a new cycle), the rating of the last entry.
    const auto lines = SplitLineCopies(*ReadFileBytes(HistoryFilePath(records, 1)));
    int cycleScore = 0;
    for (int game = 21; game <= 25; ++game)
        cycleScore += *StrictInt(lines[static_cast<std::size_t>(game - 1)].substr(69, 10));
    const auto sim = ParseRosterLine(*ReadRosterLine(records / "Vesrin.clb", 1));
    ASSERT_TRUE(sim.has_value());
    EXPECT_EQ(TrimRight(sim->Name), "Sim");
    EXPECT_TRUE(PasswordMatches(*ReadRosterLine(records / "Vesrin.clb", 1), "sim"));
    EXPECT_EQ(sim->Games, 25);
    EXPECT_EQ(sim->CycleScore, cycleScore);
    EXPECT_EQ(RatingText(sim->Rating, 10), lines[24].substr(79, 10));
    EXPECT_EQ(lines[24][89], 'L');

    // The twentieth game entered the first cycle's score into the top ten at its place
    // (the installed ten run from 200 down to 20).
    int firstCycle = 0;
    for (int game = 1; game <= 20; ++game)
        firstCycle += *StrictInt(lines[static_cast<std::size_t>(game - 1)].substr(69, 10));
    const RecordsFile file = *ParseRecordsFile(*ReadFileBytes(records / "Vesrin.clb"));
    int place = 0;
    for (int i = 0; i < 10 && place == 0; ++i) {
        if (200 - 20 * i <= firstCycle) place = i + 1;
    }
    SCOPED_TRACE("first cycle " + std::to_string(firstCycle));
    if (place > 0) {
        EXPECT_EQ(file.TopTen[static_cast<std::size_t>(place - 1)], MakeTopTenLine("Sim", firstCycle));
    } else {
        EXPECT_EQ(file.TopTen[9], MakeTopTenLine("Vesrin", 20));
    }

    // A second run goes on from there.
    ASSERT_EQ(SelfPlay("--games 3 --seed 12 --records " + records.string()).ExitCode, 0);
    EXPECT_EQ(ParseRosterLine(*ReadRosterLine(records / "Vesrin.clb", 1))->Games, 28);
    EXPECT_EQ(CheckHistoryFile(records, 1).Entries, 28);
}

TEST(SelfPlayRecords, TheGamesAreTheSameWithOrWithoutRecords) {
    test::TempFolder folder;
    const CommandRun plain = SelfPlay("--games 5 --seed 3");
    const CommandRun withRecords = SelfPlay("--games 5 --seed 3 --records " + (folder / "r").string());
    ASSERT_EQ(plain.ExitCode, 0);
    ASSERT_EQ(withRecords.ExitCode, 0);
    EXPECT_FALSE(DigestLine(plain.Output).empty());
    EXPECT_EQ(DigestLine(plain.Output), DigestLine(withRecords.Output));
}

TEST(SelfPlayRecords, ADamagedRecordsFileFailsTheRunAndIsLeftAlone) {
    test::TempFolder folder;
    test::WriteBytes(folder / "Vesrin.clb", "damaged");
    const CommandRun run = SelfPlay("--games 1 --seed 3 --records " + folder.Path().string());
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Output.find("could not be written"), std::string::npos) << run.Output;
    EXPECT_EQ(ReadFileBytes(folder / "Vesrin.clb"), "damaged");
}

} // namespace
} // namespace vesrin
