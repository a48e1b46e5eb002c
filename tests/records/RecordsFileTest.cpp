#include "records/RecordsFile.h"

#include "base/FileBytes.h"
#include "records/InstallContent.h"
#include "records/Roster.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <sys/stat.h>

namespace vesrin {
namespace {

// The installation content, byte for byte; its checksums were worked out separately.
const std::string kInstalled = "##################################### #####################\r\n"
                               "##################################### #####################\r\n"
                               "##################################### #####################\r\n"
                               "##################################### #####################\r\n"
                               "##################################### #####################\r\n"
                               "Vesrin                 200\r\n"
                               "Vesrin                 180\r\n"
                               "Vesrin                 160\r\n"
                               "Vesrin                 140\r\n"
                               "Vesrin                 120\r\n"
                               "Vesrin                 100\r\n"
                               "Vesrin                  80\r\n"
                               "Vesrin                  60\r\n"
                               "Vesrin                  40\r\n"
                               "Vesrin                  20\r\n"
                               "\x8E}Vesrin 5.7f records       \r\n"
                               "000000idd0025679012762008517\r\n";

TEST(RecordsFile, InstallationContentByteForByte) {
    EXPECT_EQ(InstallationRecordsContent(), kInstalled);
    const auto parsed = ParseRecordsFile(kInstalled);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(DistributionLabel(*parsed), "idd");
    EXPECT_EQ(FormatRecordsFile(*parsed), kInstalled);
    EXPECT_EQ(ComputeRecordsChecksums(*parsed), (ColumnSums{25679, 12762, 8517}));
    EXPECT_EQ(DistributionLabel(*ParseRecordsFile(InstallationRecordsContent("abc"))), "abc");
}

TEST(RecordsFile, RefusesEveryDamagedShape) {
    auto lines = SplitLineCopies(kInstalled);
    const auto with = [&](std::size_t index, std::string text) {
        auto copy = lines;
        copy[index] = std::move(text);
        return JoinCrLfLines(copy);
    };
    auto fewer = lines;
    fewer.pop_back();
    auto more = lines;
    more.push_back("");
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty", ""},
        {"16 lines", JoinCrLfLines(fewer)},
        {"18 lines", JoinCrLfLines(more)},
        {"truncated in the middle", kInstalled.substr(0, 300)},
        {"truncated by one byte", kInstalled.substr(0, kInstalled.size() - 3)},
        {"garbage", std::string(645, '\xFF')},
        {"binary zeros", std::string(645, '\0')},
        {"changed character in line 1",
         with(0, "#################################### ######################")},
        {"changed top-ten score", with(5, "Vesrin                 201")},
        {"wrong marker", with(15, "\x8F}Vesrin 5.7f records       ")},
        {"wrong second check character", with(15, "\x8E{Vesrin 5.7f records       ")},
        {"checksum not a number", with(16, "000000idd00256790127620085x7")},
        {"wrong checksum", with(16, "000000idd0025680012762008517")},
        {"line too long", with(0, std::string(kEmptySlotLine) + "#")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(ParseRecordsFile(c.bytes).has_value());
    }
}

TEST(RecordsFile, EveryTruncationIsRefused) {
    // Only the line end of the last line may be missing.
    for (std::size_t n = 0; n < kInstalled.size(); ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(ParseRecordsFile(kInstalled.substr(0, n)).has_value(), n >= kInstalled.size() - 2);
    }
}

TEST(RecordsFile, RefusesUnreadableFieldsEvenWithCorrectChecksums) {
    RecordsFile file = *ParseRecordsFile(kInstalled);
    file.TopTen[3] = "Vesrin                 1x0";
    EXPECT_FALSE(ParseRecordsFile(FormatRecordsFile(file)).has_value());
    file = *ParseRecordsFile(kInstalled);
    const std::string good = MakeRosterLine("Ann", 3.0, 4, 5, EncodePassword("ab"));
    struct Case {
        const char* name;
        std::size_t column;
        std::string text;
    };
    const Case cases[] = {
        {"rating", 21, "  3;000000"},
        {"games", 31, "     4x"},
        {"cycle score", 39, "  --5 "},
        {"password digits", 45, "33133226626626a"},
        {"password value", 45, "999332266266266"},
        {"password below the first character", 45, "100332266266266"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string broken = good;
        broken.replace(c.column - 1, c.text.size(), c.text);
        file.Roster[0] = broken;
        EXPECT_FALSE(ParseRecordsFile(FormatRecordsFile(file)).has_value());
    }
    file.Roster[0] = good;
    EXPECT_TRUE(ParseRecordsFile(FormatRecordsFile(file)).has_value());
}

TEST(RecordsFile, StartCheck) {
    test::TempFolder folder;
    const auto clb = folder / "Vesrin.clb";
    EXPECT_EQ(CheckRecordsFile(clb).Status, RecordsFileStatus::Missing);

    test::WriteBytes(clb, kInstalled);
    auto check = CheckRecordsFile(clb);
    EXPECT_EQ(check.Status, RecordsFileStatus::Ok);
    EXPECT_EQ(check.DistributionLabel, "idd");
    EXPECT_FALSE(check.IncorrectAttributes);

    ::chmod(clb.c_str(), 0444);
    check = CheckRecordsFile(clb);
    EXPECT_EQ(check.Status, RecordsFileStatus::Ok);
    EXPECT_TRUE(check.IncorrectAttributes);

    test::WriteBytes(folder / "damaged", kInstalled.substr(0, 100));
    EXPECT_EQ(CheckRecordsFile(folder / "damaged").Status, RecordsFileStatus::Incorrect);
    EXPECT_EQ(CheckRecordsFile(folder.Path()).Status, RecordsFileStatus::Incorrect)
        << "a folder by that name";
}

TEST(RecordsFile, TheBuildPutsValidFilesBesideThePrograms) {
    const char* binary = std::getenv("VESRIN_BINARY_DIR");
    ASSERT_NE(binary, nullptr);
    for (const auto name : {kLocalRecordsFileName, kNetRecordsFileName}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(CheckRecordsFile(std::filesystem::path(binary) / "bin" / name).Status,
                  RecordsFileStatus::Ok);
        EXPECT_EQ(ReadFileBytes(std::filesystem::path(binary) / "install-content" / name), kInstalled);
    }
}

TEST(RecordsFile, LayoutForTheLanguageRule) {
    EXPECT_TRUE(HasRecordsLayout(SplitLines(kInstalled)));
    const std::string shortened = kInstalled.substr(0, kInstalled.size() - 32);
    EXPECT_FALSE(HasRecordsLayout(SplitLines(shortened)));
    EXPECT_EQ(RecordsFilePath("/p/", false), "/p/Vesrin.clb");
    EXPECT_EQ(RecordsFilePath("/p/", true), "/p/Vesrin.net");
}

} // namespace
} // namespace vesrin
