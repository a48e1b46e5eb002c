#include "records/SimRecords.h"

#include "base/FileBytes.h"
#include "base/TextFields.h"
#include "records/Rating.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace vesrin {
namespace {

TEST(SimRecords, FortyFiveGamesLeaveValidFiles) {
    test::TempFolder root;
    const auto folder = root / "records";
    int cycleScore = 0;
    double rating = 0;
    for (int game = 1; game <= 45; ++game) {
        SCOPED_TRACE(game);
        const int result = (game * 37) % 61 - 30;
        const auto written = SimRecords(folder, result, HistoryStamp{game % 24, game % 60, "24.12.2026"});
        ASSERT_TRUE(written.has_value());
        EXPECT_EQ(written->RosterStatus, RecordsWriteStatus::Ok);
        EXPECT_EQ(written->History.Status, HistoryWriteStatus::Ok);
        rating = ComputeRating(game, result, rating);
        EXPECT_DOUBLE_EQ(written->NewRating, rating);
        cycleScore += result;
        EXPECT_EQ(written->EndsCycle, game % 20 == 0);
        if (game % 20 == 0) cycleScore = 0;
    }

    EXPECT_EQ(CheckRecordsFile(folder / "Vesrin.clb").Status, RecordsFileStatus::Ok);
    const auto history = CheckHistoryFile(folder, 1);
    EXPECT_TRUE(history.Valid);
    EXPECT_EQ(history.Entries, 45);

    const RecordsFile records = *ParseRecordsFile(*ReadFileBytes(folder / "Vesrin.clb"));
    const auto sim = ParseRosterLine(records.Roster[0]);
    ASSERT_TRUE(sim.has_value());
    EXPECT_EQ(TrimRight(sim->Name), "Sim");
    EXPECT_EQ(sim->Games, 45);
    EXPECT_EQ(sim->CycleScore, cycleScore);
    EXPECT_TRUE(PasswordMatches(records.Roster[0], "sim"));
    EXPECT_EQ(records.Roster[1], kEmptySlotLine);
}

TEST(SimRecords, RefusesADamagedRecordsFile) {
    test::TempFolder folder;
    test::WriteBytes(folder / "Vesrin.clb", "not a records file");
    EXPECT_FALSE(SimRecords(folder.Path(), 10, HistoryStamp{1, 2, "x"}).has_value());
    EXPECT_EQ(ReadFileBytes(folder / "Vesrin.clb"), "not a records file");
}

} // namespace
} // namespace vesrin
