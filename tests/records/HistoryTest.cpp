#include "records/History.h"

#include "base/FileBytes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <array>

namespace vesrin {
namespace {

const HistoryStamp kStamp{9, 5, "11.12.2026"};

HisStr Entry(std::string name, int result, double rating, GameKind kind = GameKind::Local) {
    return HisStr{std::move(name), 1, result, rating, kind};
}

// Lines worked out separately from the column table.
const std::string kSimLine = "09:0511.12.2026Sim                                                  1        "
                             "40      4,00L#########038320193401335";
const std::string kClosingLine = std::string("$\x8E}") + std::string(96, '#') + "036630182201245";
const std::string kTotalsLine = "000000749500000037560000002580";

TEST(HistoryLines, GoldenLines) {
    EXPECT_EQ(HistoryEntryLine(Entry("Sim", 40, 4.0), kStamp), kSimLine);
    EXPECT_EQ(kSimLine.size(), kHistoryLineLength);
    EXPECT_EQ(HistoryClosingLine(), kClosingLine);
    EXPECT_EQ(FormatHistoryFile({kSimLine}),
              kSimLine + "\r\n" + kClosingLine + "\r\n" + kTotalsLine + "\r\n");
}

TEST(HistoryLines, Columns) {
    struct Case {
        const char* name;
        HisStr entry;
        HistoryStamp stamp;
        std::size_t column; // 1-based
        std::string text;
    };
    const std::string longName(60, 'n');
    const Case cases[] = {
        {"rating 8.22", Entry("Sim", 1, 8.22), kStamp, 80, "      8,22"},
        {"rating -0.05", Entry("Sim", 1, -0.05), kStamp, 80, "     -0,05"},
        {"rating 0.004", Entry("Sim", 1, 0.004), kStamp, 80, "      0,00"},
        {"negative result", Entry("Sim", -123, 0), kStamp, 70, "      -123"},
        {"long name cut", Entry(longName, 1, 0), kStamp, 16, std::string(51, 'n') + "  1"},
        {"short name padded", Entry("Al", 1, 0), kStamp, 16, "Al" + std::string(49, ' ') + "  1"},
        {"long date cut", Entry("Al", 1, 0), HistoryStamp{23, 59, "Wednesday, 11 December"}, 1,
         "23:59Wednesday,"},
        {"short date right-aligned", Entry("Al", 1, 0), HistoryStamp{0, 0, "1.2.26"}, 1, "00:00    1.2.26"},
        {"line break in a name", Entry("A\r\nB", 1, 0), kStamp, 16, "A  B "},
        {"account letter", Entry("Al", 1, 0, GameKind::Account), kStamp, 90, "A#########"},
        {"tournament letter", Entry("Al", 1, 0, GameKind::Tournament), kStamp, 90, "T"},
        {"network letter", Entry("Al", 1, 0, GameKind::Network), kStamp, 90, "N"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto line = HistoryEntryLine(c.entry, c.stamp);
        ASSERT_TRUE(line.has_value());
        EXPECT_EQ(line->size(), kHistoryLineLength);
        EXPECT_EQ(line->substr(c.column - 1, c.text.size()), c.text);
    }
    HisStr tooMany = Entry("Al", 1, 0);
    tooMany.HKon = 1000;
    EXPECT_FALSE(HistoryEntryLine(tooMany, kStamp).has_value()) << "it would shift every later column";
}

TEST(HistoryLines, TableNames) {
    const std::array<std::string, 3> names = {"Ann   ", "Bob", "Cy  "};
    EXPECT_EQ(HistoryTableName(names, GameKind::Network), "Cy/Bob/Ann");
    const std::array<std::string, 4> longNames = {std::string(20, 'a'), std::string(20, 'b'),
                                                  std::string(20, 'c'), std::string(20, 'd')};
    EXPECT_EQ(HistoryTableName(longNames, GameKind::Tournament).size(), 51u);
    EXPECT_EQ(HistoryTableName(longNames, GameKind::Network).size(), 83u);
    EXPECT_EQ(FormatShortDate(2026, 12, 1), "01.12.2026");
}

TEST(HistoryCheck, ValidFiles) {
    EXPECT_TRUE(CheckHistoryBytes(FormatHistoryFile({})).Valid);
    EXPECT_EQ(CheckHistoryBytes(FormatHistoryFile({})).Entries, 0);
    const auto check = CheckHistoryBytes(FormatHistoryFile({kSimLine, kSimLine, kSimLine}));
    EXPECT_TRUE(check.Valid);
    EXPECT_EQ(check.Entries, 3);
}

TEST(HistoryCheck, DamagedFiles) {
    const std::string good = FormatHistoryFile({kSimLine, kSimLine});
    const auto changedAt = [&](std::size_t offset, char c) {
        std::string bytes = good;
        bytes[offset] = c;
        return bytes;
    };
    const std::size_t line2 = kHistoryLineLength + 2;
    const std::size_t totals = 3 * line2;
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty", ""},
        {"changed name character", changedAt(20, 'X')},
        {"changed result digit", changedAt(line2 + 78, '5')},
        {"changed kind letter", changedAt(89, 'A')},
        {"changed closing line", changedAt(2 * line2 + 50, '*')},
        {"changed totals digit", changedAt(totals + 9, '6')},
        {"totals not digits", changedAt(totals + 3, ' ')},
        {"truncated entry", good.substr(0, 100)},
        {"no closing line", kSimLine + "\r\n"},
        {"no totals line", good.substr(0, totals)},
        {"short totals line", good.substr(0, totals + 20)},
        {"garbage", std::string(5000, '\xFF')},
        {"zeros", std::string(600, '\0')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(CheckHistoryBytes(c.bytes).Valid);
    }
    // The stored checksum fields of a line are not what the reader checks.
    EXPECT_TRUE(CheckHistoryBytes(changedAt(105, '9')).Valid);
}

TEST(HistoryCheck, EveryTruncationIsRefused) {
    const std::string good = FormatHistoryFile({kSimLine, kSimLine});
    for (std::size_t n = 0; n < good.size(); ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(CheckHistoryBytes(good.substr(0, n)).Valid, n >= good.size() - 2);
    }
}

class HistoryFiles : public ::testing::Test {
protected:
    HistoryAppend Append(const HisStr& entry) {
        return AppendHistoryEntry(folder_.Path(), std::span(&entry, 1), kStamp);
    }
    std::filesystem::path File(int number) { return HistoryFilePath(folder_.Path(), number); }
    test::TempFolder folder_;
};

TEST_F(HistoryFiles, FirstGameCreatesTheFolderAndFile0001) {
    const auto written = Append(Entry("Sim", 40, 4.0));
    EXPECT_EQ(written.Status, HistoryWriteStatus::Ok);
    EXPECT_EQ(written.FileNumber, 1);
    EXPECT_EQ(File(1), folder_ / "History" / "Vesrin_I0001.hst");
    EXPECT_EQ(ReadFileBytes(File(1)), FormatHistoryFile({kSimLine}));
    const auto check = CheckHistoryFile(folder_.Path(), 1);
    EXPECT_TRUE(check.Valid);
    EXPECT_EQ(check.Entries, 1);
    EXPECT_TRUE(check.Modified.has_value());
    EXPECT_FALSE(CheckHistoryFile(folder_.Path(), 2).Valid);
}

TEST_F(HistoryFiles, AppendsKeepingEarlierLines) {
    Append(Entry("Sim", 40, 4.0));
    Append(Entry("Ann", -7, 1.5, GameKind::Network));
    const auto lines = SplitLineCopies(*ReadFileBytes(File(1)));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], kSimLine);
    EXPECT_EQ(lines[1].substr(15, 3), "Ann");
    EXPECT_EQ(CheckHistoryFile(folder_.Path(), 1).Entries, 2);
}

TEST_F(HistoryFiles, The841stGameStartsFile0002) {
    std::filesystem::create_directories(folder_ / "History");
    const std::vector<std::string> full(kHistoryEntriesPerFile, kSimLine);
    test::WriteBytes(File(1), FormatHistoryFile(full));
    ASSERT_EQ(CheckHistoryFile(folder_.Path(), 1).Entries, 840);
    const auto before = ReadFileBytes(File(1));

    const auto written = Append(Entry("Sim", 1, 0));
    EXPECT_EQ(written.FileNumber, 2);
    EXPECT_EQ(ReadFileBytes(File(1)), before);
    EXPECT_EQ(CheckHistoryFile(folder_.Path(), 2).Entries, 1);

    // One short of full: appended to.
    test::WriteBytes(File(1), FormatHistoryFile(std::vector<std::string>(839, kSimLine)));
    EXPECT_EQ(Append(Entry("Sim", 1, 0)).FileNumber, 1);
    EXPECT_EQ(CheckHistoryFile(folder_.Path(), 1).Entries, 840);
}

TEST_F(HistoryFiles, DamagedFileIsStartedAfreshAndKept) {
    Append(Entry("Sim", 40, 4.0));
    Append(Entry("Sim", 40, 4.0));
    std::string damaged = *ReadFileBytes(File(1));
    damaged[20] = 'X';
    test::WriteBytes(File(1), damaged);
    EXPECT_FALSE(CheckHistoryFile(folder_.Path(), 1).Valid);

    EXPECT_EQ(Append(Entry("Sim", 40, 4.0)).FileNumber, 1);
    EXPECT_EQ(CheckHistoryFile(folder_.Path(), 1).Entries, 1);
    auto kept = File(1);
    kept += ".damaged";
    EXPECT_EQ(ReadFileBytes(kept), damaged);
}

TEST_F(HistoryFiles, FourEntriesAtOnceAndBadCounts) {
    const std::array<HisStr, 4> four = {Entry("A", 1, 0), Entry("B", 2, 0), Entry("C", 3, 0),
                                        Entry("D", 4, 0)};
    EXPECT_EQ(AppendHistoryEntry(folder_.Path(), four, kStamp).Status, HistoryWriteStatus::Ok);
    EXPECT_EQ(CheckHistoryFile(folder_.Path(), 1).Entries, 4);
    const std::array<HisStr, 5> five{};
    EXPECT_EQ(AppendHistoryEntry(folder_.Path(), five, kStamp).Status, HistoryWriteStatus::InvalidEntry);
    EXPECT_EQ(AppendHistoryEntry(folder_.Path(), std::span<const HisStr>(), kStamp).Status,
              HistoryWriteStatus::InvalidEntry);
    EXPECT_EQ(CheckHistoryFile(folder_.Path(), 1).Entries, 4);
}

TEST_F(HistoryFiles, ListingStopsAtTheFirstGap) {
    EXPECT_TRUE(ListValidHistoryFiles(folder_.Path()).empty());
    std::filesystem::create_directories(folder_ / "History");
    for (int number : {1, 2, 4})
        test::WriteBytes(File(number), FormatHistoryFile({kSimLine}));
    const auto items = ListValidHistoryFiles(folder_.Path());
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[1].Number, 2);
    EXPECT_TRUE(items[1].Modified.has_value());
    test::WriteBytes(File(2), "damaged");
    EXPECT_EQ(ListValidHistoryFiles(folder_.Path()).size(), 1u);
}

TEST(HistoryViewer, ChoosesTheFileToShow) {
    EXPECT_EQ(ChooseHistoryFile(0, 0), 0);
    EXPECT_EQ(ChooseHistoryFile(0, 3), 0);
    EXPECT_EQ(ChooseHistoryFile(5, 0), 5) << "first opening: the last file";
    EXPECT_EQ(ChooseHistoryFile(5, 2), 2) << "the remembered file";
    EXPECT_EQ(ChooseHistoryFile(2, 4), 2) << "remembered beyond the last valid file";
}

TEST_F(HistoryFiles, FailedWritesLeaveTheOldFile) {
    Append(Entry("Sim", 40, 4.0));
    const auto before = ReadFileBytes(File(1));
    const int full = test::InChild([&] {
        test::LimitFileSize(200);
        return static_cast<int>(Append(Entry("Sim", 1, 0)).Status);
    });
    EXPECT_EQ(full, static_cast<int>(HistoryWriteStatus::WriteFailed));
    EXPECT_EQ(ReadFileBytes(File(1)), before);

    test::MakeReadOnly(folder_ / "History");
    const int readOnly = test::InChild([&] {
        test::DropPrivileges();
        return static_cast<int>(Append(Entry("Sim", 1, 0)).Status);
    });
    EXPECT_EQ(readOnly, static_cast<int>(HistoryWriteStatus::WriteFailed));
    EXPECT_EQ(ReadFileBytes(File(1)), before);
}

} // namespace
} // namespace vesrin
