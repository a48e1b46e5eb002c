#include "records/Roster.h"

#include "base/FileBytes.h"
#include "base/TextFields.h"
#include "records/Rating.h"
#include "records/InstallContent.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <vector>

namespace vesrin {
namespace {

std::string Line(std::string_view name, double rating, int games, int score) {
    return MakeRosterLine(name, rating, games, score, EncodePassword("pw"));
}

RecordsFile Installed() {
    return *ParseRecordsFile(InstallationRecordsContent());
}

RecordsFile WithRoster(std::vector<std::string> lines) {
    RecordsFile file = Installed();
    for (std::size_t i = 0; i < lines.size(); ++i)
        file.Roster[i] = lines[i];
    return file;
}

std::vector<std::string> Names(const RecordsFile& file) {
    std::vector<std::string> names;
    for (const auto& line : file.Roster)
        names.push_back(IsEmptySlot(line) ? "-" : std::string(TrimRight(line.substr(0, 20))));
    return names;
}

TEST(RosterLine, GoldenLines) {
    EXPECT_EQ(MakeRosterLine("Sim", 4.0, 1, 40, EncodePassword("sim")),
              "Sim                   4,000000      1     40349339343266266");
    EXPECT_EQ(MakeRosterLine("Ann", 0.0, 0, 0, EncodePassword("ab")),
              "Ann                   0,000000      0      0331332266266266");
    // A rating that rounds to zero from below has no sign in the file.
    EXPECT_EQ(MakeRosterLine("Ann", -0.0, 0, 0, EncodePassword("ab")),
              "Ann                   0,000000      0      0331332266266266");
    EXPECT_EQ(MakeRosterLine("Ann", -0.0000004, 0, 0, EncodePassword("ab")),
              "Ann                   0,000000      0      0331332266266266");
    EXPECT_EQ(MakeRosterLine("Ann", ComputeRating(4, 0, -0.0000001), 3, 0, EncodePassword("ab")),
              "Ann                   0,000000      3      0331332266266266");
    EXPECT_EQ(
        MakeRosterLine("A very long player name", -99.99, 1234567, -99999, EncodePassword("longpassword")),
        "A very long player n-99,9900001234567 -99999342345344337346");
    EXPECT_EQ(std::string(kEmptySlotLine).size(), 59u);
    EXPECT_EQ(MakeTopTenLine("Sim", -35), "Sim                    -35");
    EXPECT_EQ(MakeTopTenLine("A\nB", 7), "A B                      7")
        << "a line break would split the file's line";
    EXPECT_EQ(MakeRosterLine("A\r\n", 0, 1, 0, EncodePassword("ab")).substr(0, 4), "A   ");
}

TEST(RosterLine, PasswordEncoding) {
    EXPECT_EQ(EncodePassword("ab"), "331332266266266");
    EXPECT_EQ(EncodePassword("A"), "299266266266266");
    EXPECT_EQ(EncodePassword("abcdefg"), EncodePassword("abcde"));
    EXPECT_EQ(DecodePassword("331332266266266"), "ab   ");
    EXPECT_EQ(EncodePassword("\xFF"), "489266266266266");
    EXPECT_EQ(DecodePassword("489000266266266"), std::nullopt) << "000 is no character";
    EXPECT_FALSE(DecodePassword("33133226626626").has_value());
    EXPECT_FALSE(DecodePassword("233332266266266").has_value()) << "below the first character";
    EXPECT_FALSE(DecodePassword("490332266266266").has_value()) << "beyond the last character";
    const std::string line = MakeRosterLine("Ann", 1, 2, 3, EncodePassword("ab"));
    EXPECT_TRUE(PasswordMatches(line, "ab"));
    EXPECT_TRUE(PasswordMatches(line, "ab "));
    EXPECT_FALSE(PasswordMatches(line, "abc"));
    EXPECT_FALSE(PasswordMatches(kEmptySlotLine, "ab"));
}

TEST(RosterLine, ReadsBack) {
    const auto entry = ParseRosterLine(MakeRosterLine("Ann", 3.25, 19, -7, EncodePassword("ab")));
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->Name, "Ann                 ");
    EXPECT_DOUBLE_EQ(entry->Rating, 3.25);
    EXPECT_EQ(entry->Games, 19);
    EXPECT_EQ(entry->CycleScore, -7);
    EXPECT_FALSE(ParseRosterLine(kEmptySlotLine).has_value());
    const auto start = StartFromRosterLine(MakeRosterLine("Ann", 3.25, 19, -7, EncodePassword("ab")));
    ASSERT_TRUE(start.has_value());
    EXPECT_EQ(start->GameNo, 20);
    EXPECT_EQ(start->BaseScore, -7);
}

TEST(RosterInsert, ByRating) {
    struct Case {
        const char* name;
        std::vector<std::string> roster;
        std::string line;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"equal rating goes above",
         {Line("A", 5, 3, 0), Line("B", 3, 3, 0), Line("C", 1, 3, 0)},
         Line("New", 3, 3, 0),
         {"A", "New", "B", "C", "-"}},
        {"lowest goes into the first empty slot",
         {Line("A", 5, 3, 0)},
         Line("New", -2, 1, 0),
         {"A", "New", "-", "-", "-"}},
        {"empty roster", {}, Line("New", 0, 1, 0), {"New", "-", "-", "-", "-"}},
        {"full roster: a new player pushes out slot 5",
         {Line("A", 5, 3, 0), Line("B", 4, 3, 0), Line("C", 3, 3, 0), Line("D", 2, 3, 0), Line("E", 1, 3, 0)},
         Line("New", 0.5, 1, 0),
         {"A", "B", "C", "D", "New"}},
        {"full roster: a strong new player",
         {Line("A", 5, 3, 0), Line("B", 4, 3, 0), Line("C", 3, 3, 0), Line("D", 2, 3, 0), Line("E", 1, 3, 0)},
         Line("New", 9, 1, 0),
         {"New", "A", "B", "C", "D"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordsFile file = WithRoster(c.roster);
        InsertRosterEntry(file, c.line);
        EXPECT_EQ(Names(file), c.names);
    }
}

TEST(RosterRemove, Slots) {
    const std::vector<std::string> full = {Line("A", 5, 3, 0), Line("B", 4, 3, 0), Line("C", 3, 3, 0),
                                           Line("D", 2, 3, 0), Line("E", 1, 3, 0)};
    struct Case {
        int slot;
        std::vector<std::string> names;
    };
    const Case cases[] = {{1, {"B", "C", "D", "E", "-"}}, {4, {"A", "B", "C", "E", "-"}},
                          {5, {"A", "B", "C", "D", "-"}}, {6, {"A", "B", "C", "D", "E"}},
                          {7, {"A", "B", "C", "D", "E"}}, {8, {"A", "B", "C", "D", "E"}},
                          {0, {"A", "B", "C", "D", "E"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.slot);
        RecordsFile file = WithRoster(full);
        RemoveRosterSlot(file, c.slot);
        EXPECT_EQ(Names(file), c.names);
    }
}

TEST(RosterInsert, TopTenAtTheEndOfACycle) {
    struct Case {
        const char* name;
        int games;
        int cycleScore;
        int place;
    };
    const Case cases[] = {
        {"game 19 leaves the top ten alone", 19, 500, 0},
        {"game 20 above all", 20, 500, 1},
        {"equal to place 4 goes to place 4", 40, 140, 4},
        {"between places", 60, 111, 6},
        {"below all ten", 20, 19, 0},
        {"equal to the tenth", 20, 20, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordsFile file = Installed();
        const RecordsFile before = file;
        const auto placement = InsertRosterEntry(file, Line("Sim", 1, c.games, c.cycleScore));
        EXPECT_EQ(placement.TopTenPlace, c.place);
        EXPECT_EQ(placement.CycleScore, c.cycleScore);
        if (c.place == 0) {
            EXPECT_EQ(file.TopTen, before.TopTen);
        } else {
            const auto p = static_cast<std::size_t>(c.place - 1);
            EXPECT_EQ(file.TopTen[p], MakeTopTenLine("Sim", c.cycleScore));
            for (std::size_t i = 0; i < p; ++i)
                EXPECT_EQ(file.TopTen[i], before.TopTen[i]);
            for (std::size_t i = p + 1; i < 10; ++i)
                EXPECT_EQ(file.TopTen[i], before.TopTen[i - 1]);
        }
        const auto stored = ParseRosterLine(file.Roster[0]);
        ASSERT_TRUE(stored.has_value());
        const bool endsCycle = c.games % 20 == 0;
        EXPECT_EQ(stored->CycleScore, endsCycle ? 0 : c.cycleScore) << "the next cycle starts from zero";
        EXPECT_EQ(file.Roster[0].substr(38, 6),
                  endsCycle ? "     0" : Line("Sim", 1, c.games, c.cycleScore).substr(38, 6));
    }
}

class RosterFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        Write(WithRoster({Line("A", 5, 3, 0), Line("Sim", 3, 19, 60), Line("C", 1, 3, 0)}));
    }
    void Write(const RecordsFile& file) { test::WriteBytes(path_, FormatRecordsFile(file)); }
    RecordsFile Read() { return *ParseRecordsFile(*ReadFileBytes(path_)); }
    test::TempFolder folder_;
    std::filesystem::path path_ = folder_ / "Vesrin.clb";
};

TEST_F(RosterFileTest, EndOfGameReplacesThePlayersLine) {
    const auto written = ReplaceRosterLine(path_, 2, Line("Sim", 6, 20, 75));
    EXPECT_EQ(written.Status, RecordsWriteStatus::Ok);
    EXPECT_EQ(written.Placement.TopTenPlace, 8);
    EXPECT_EQ(Names(Read()), (std::vector<std::string>{"Sim", "A", "C", "-", "-"}));
    EXPECT_EQ(Read().TopTen[7], MakeTopTenLine("Sim", 75));
    EXPECT_EQ(CheckRecordsFile(path_).Status, RecordsFileStatus::Ok);
}

TEST_F(RosterFileTest, SeparateRemoveAndInsert) {
    EXPECT_EQ(RemoveRosterLine(path_, 2), RecordsWriteStatus::Ok);
    EXPECT_EQ(Names(Read()), (std::vector<std::string>{"A", "C", "-", "-", "-"}));
    EXPECT_EQ(InsertRosterLine(path_, Line("Sim", 3, 20, 60)).Status, RecordsWriteStatus::Ok);
    EXPECT_EQ(Names(Read()), (std::vector<std::string>{"A", "Sim", "C", "-", "-"}));
    EXPECT_EQ(ReadRosterLine(path_, 2)->substr(38, 6), "     0");
    EXPECT_FALSE(ReadRosterLine(path_, 6).has_value());
}

TEST_F(RosterFileTest, AbandonedGameOnlyRemoves) {
    EXPECT_EQ(RemoveRosterLine(path_, 1), RecordsWriteStatus::Ok);
    EXPECT_EQ(Names(Read()), (std::vector<std::string>{"Sim", "C", "-", "-", "-"}));
    const auto before = ReadFileBytes(path_);
    EXPECT_EQ(RemoveRosterLine(path_, 8), RecordsWriteStatus::Ok);
    EXPECT_EQ(ReadFileBytes(path_), before);
}

TEST_F(RosterFileTest, RenameKeepsTheRatingAndReportsTheNewSlot) {
    // Equal ratings: the renamed line lands above its equal.
    Write(WithRoster({Line("A", 5, 3, 0), Line("B", 3, 3, 0), Line("Sim", 3, 20, 0)}));
    const auto renamed = RenameRosterPlayer(path_, 3, Line("Sim", 3, 20, 0), "Max", "new");
    EXPECT_EQ(renamed.Status, RecordsWriteStatus::Ok);
    EXPECT_EQ(renamed.Slot, 2);
    EXPECT_EQ(Names(Read()), (std::vector<std::string>{"A", "Max", "B", "-", "-"}));
    EXPECT_TRUE(PasswordMatches(Read().Roster[1], "new"));
    EXPECT_EQ(Read().TopTen, Installed().TopTen) << "a rename never enters the top ten";

    const auto before = ReadFileBytes(path_);
    const auto newPlayer = RenameRosterPlayer(path_, 6, Line("Neo", 0, 0, 0), "Trinity", "x");
    EXPECT_EQ(newPlayer.Status, RecordsWriteStatus::Ok);
    EXPECT_EQ(newPlayer.Slot, 6);
    EXPECT_EQ(newPlayer.Line.substr(0, 20), "Trinity             ");
    EXPECT_EQ(ReadFileBytes(path_), before) << "a new player enters the roster only at the end of the game";
}

TEST_F(RosterFileTest, DamagedFilesAreRefusedAndLeftAlone) {
    struct Case {
        const char* name;
        std::string bytes;
    };
    std::string changed = *ReadFileBytes(path_);
    changed[3] = 'x';
    const Case cases[] = {
        {"one changed character", changed},
        {"truncated", changed.substr(0, 200)},
        {"garbage", std::string(1000, '\x01')},
        {"empty", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::WriteBytes(path_, c.bytes);
        EXPECT_EQ(RemoveRosterLine(path_, 1), RecordsWriteStatus::Damaged);
        EXPECT_EQ(ReplaceRosterLine(path_, 2, Line("Sim", 1, 20, 1)).Status, RecordsWriteStatus::Damaged);
        EXPECT_FALSE(ReadRosterLine(path_, 1).has_value());
        EXPECT_EQ(ReadFileBytes(path_), c.bytes);
    }
    EXPECT_EQ(ReplaceRosterLine(folder_ / "missing.clb", 1, Line("Sim", 1, 1, 1)).Status,
              RecordsWriteStatus::Damaged);
}

TEST_F(RosterFileTest, BadLineIsRefused) {
    const auto before = ReadFileBytes(path_);
    EXPECT_EQ(ReplaceRosterLine(path_, 2, "too short").Status, RecordsWriteStatus::BadLine);
    EXPECT_EQ(ReplaceRosterLine(path_, 2, kEmptySlotLine).Status, RecordsWriteStatus::BadLine);
    EXPECT_EQ(ReadFileBytes(path_), before);
}

TEST_F(RosterFileTest, FailedWritesLeaveTheOldFile) {
    const auto before = ReadFileBytes(path_);
    const int full = test::InChild([&] {
        test::LimitFileSize(100);
        return static_cast<int>(ReplaceRosterLine(path_, 2, Line("Sim", 6, 20, 75)).Status);
    });
    EXPECT_EQ(full, static_cast<int>(RecordsWriteStatus::WriteFailed)) << "full disk";
    EXPECT_EQ(ReadFileBytes(path_), before);

    test::MakeReadOnly(folder_.Path());
    const int readOnly = test::InChild([&] {
        test::DropPrivileges();
        return static_cast<int>(RemoveRosterLine(path_, 1));
    });
    EXPECT_EQ(readOnly, static_cast<int>(RecordsWriteStatus::WriteFailed)) << "read-only folder";
    EXPECT_EQ(ReadFileBytes(path_), before);
}

} // namespace
} // namespace vesrin
