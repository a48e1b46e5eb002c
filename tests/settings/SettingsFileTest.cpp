#include "settings/SettingsFile.h"

#include "base/FileBytes.h"
#include "base/TextCipher.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vesrin {
namespace {

// The file a fresh installation writes at its first exit, byte for byte.
const std::string kDefaultFile = "<# General>\r\n"
                                 "011110141RL010020000\r\n"
                                 "<# Cards>\r\n"
                                 "0\r\n"
                                 "<# Decks>\r\n"
                                 "000\r\n"
                                 "<# Individual>\r\n"
                                 "101###\r\n"
                                 "<# Fonts>\r\n"
                                 "Comic Sans MS\r\n"
                                 "Comic Sans MS\r\n"
                                 "FixedSys\r\n"
                                 "Courier New\r\n"
                                 "100\r\n"
                                 "100\r\n"
                                 "100\r\n"
                                 "100\r\n"
                                 "<# IP & Port>\r\n"
                                 "127.0.0.1\r\n"
                                 "25666\r\n"
                                 "<# Background>\r\n"
                                 "020\r\n"
                                 "<# Name Of Player>\r\n"
                                 "Mr.X\r\n"
                                 "<# World Top Ten>\r\n"
                                 "N7iUy7c1euCF4G0u0hZZtygueKTTzwTOxuV3Xjmq\r\n"
                                 "Incognito\r\n"
                                 "1-001\r\n"
                                 "Moscow\r\n"
                                 "M\r\n"
                                 "N7iUy7c1euCF4G0u0hZZtygueKTTzwBjJ1A\r\n"
                                 "<# Save Games as GIF>\r\n"
                                 "\xEB\r\n"
                                 "1\r\n"
                                 "1000\r\n";

std::vector<std::string> DefaultLines() {
    return SplitLineCopies(kDefaultFile);
}

// The default file with line n (1-based) replaced.
std::string WithLine(int n, std::string_view text) {
    auto lines = DefaultLines();
    lines[static_cast<std::size_t>(n - 1)] = std::string(text);
    return JoinCrLfLines(lines);
}

Settings Changed() {
    Settings s;
    s.Language = 7;
    s.SoundOn = true;
    s.MusicOn = false;
    s.GifAnimation = false;
    s.CardFlight = false;
    s.RankingKind = 2;
    s.NetMode = true;
    s.OwnCursor = false;
    s.Speed = 6;
    s.WindowSize = 3;
    s.InstallReported = false;
    s.StatsVoted = false;
    s.RadioListFromServer = false;
    s.CaptionScheme = 8;
    s.NewButtons = true;
    s.AuxDesignPurple = true;
    s.AuxDesign = 3;
    s.MenuDesign = 2;
    s.TableDesign = 2;
    s.ClickEffectButtons = true;
    s.ClickEffectCards = true;
    s.FaceSet = 47;
    s.BackSet = 12;
    s.BackFixed = true;
    s.ShootMoon = false;
    s.Limit50 = true;
    s.ShowHandsAtEnd = false;
    s.FontName = {"DejaVu Sans", "Liberation Serif", "DejaVu Sans Mono", "Liberation Mono"};
    s.FontPercent = {50, 75, 125, 150};
    s.LastAddress = "192.168.0.7";
    s.LastPort = "4000";
    s.BackgroundNo = 10;
    s.BackgroundTint = 3;
    s.DefaultPlayerName = "\xCF\xE5\xF2\xF0"; // a Cyrillic name in code page 1251
    SetTopTenAddress(s, "http://example.org/top");
    s.TopTenNick = "Ann";
    s.TopTenCountry = "6-054";
    s.TopTenCity = "Praha";
    s.TopTenSex = 'W';
    SetStatsAddress(s, "http://example.org/stat");
    s.SaveGif = true;
    s.SaveGifArea = 2;
    s.SaveGifDelay = 10;
    return s;
}

TEST(SettingsFile, DefaultsAreWrittenByteForByte) {
    EXPECT_EQ(FormatSettings(Settings{}), kDefaultFile);
    EXPECT_EQ(ParseSettings(kDefaultFile), Settings{});
}

TEST(SettingsFile, EveryValueSurvivesWriteAndRead) {
    const Settings changed = Changed();
    const std::string bytes = FormatSettings(changed);
    EXPECT_EQ(SplitLineCopies(bytes).size(), 35u);
    EXPECT_EQ(ParseSettings(bytes), changed);
}

TEST(SettingsFile, ChangedValuesAreWrittenInTheirColumns) {
    const auto lines = SplitLineCopies(FormatSettings(Changed()));
    EXPECT_EQ(lines[1], "720021063##181131111");
    EXPECT_EQ(lines[5], "121");
    EXPECT_EQ(lines[7], "010###");
    EXPECT_EQ(lines[21], "103");
    EXPECT_EQ(lines[25], "N7iUy7c1erS3P0AfSUFXIVepR7xZLg");
    EXPECT_EQ(lines[32], "\xE8");
}

TEST(SettingsFile, ShortFilesGiveAllDefaults) {
    auto lines = DefaultLines();
    lines[1] = "9000000000000000000"; // would change much if applied
    lines.pop_back();
    EXPECT_EQ(ParseSettings(JoinCrLfLines(lines)), Settings{}) << "34 lines";
    EXPECT_EQ(ParseSettings(""), Settings{});
    EXPECT_EQ(ParseSettings("\xFF\x00garbage\r\n\r\n"), Settings{});
    lines.push_back("1000");
    lines.push_back("extra line");
    EXPECT_EQ(ParseSettings(JoinCrLfLines(lines)).Language, 9) << "lines after 35 are ignored";
}

TEST(SettingsFile, EveryTruncationReadsSafely) {
    const std::string bytes = FormatSettings(Changed());
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        SCOPED_TRACE(n);
        const Settings read = ParseSettings(bytes.substr(0, n));
        if (SplitLines(std::string_view(bytes).substr(0, n)).size() < 35) {
            EXPECT_EQ(read, Settings{});
        }
    }
}

// Each case changes one line of the default file and names what must differ from the
// defaults afterwards; everything else must stay at its default.
TEST(SettingsFile, ReadingRules) {
    struct Case {
        const char* name;
        int line;
        std::string text;
        void (*expect)(Settings& s); // sets the expected values on a default record
    };
    const Case cases[] = {
        {"one-character flags set only the language", 2, "0", [](Settings&) {}},
        {"language from the first flag", 2, "5", [](Settings& s) { s.Language = 5; }},
        {"a letter in the language flag is English", 2, "a1111", [](Settings&) {}},
        {"sound only", 2, "02", [](Settings& s) { s.MusicOn = false; }},
        {"music only", 2, "03", [](Settings& s) { s.SoundOn = false; }},
        {"radio list flag is inverted", 2, "011110141RL1",
         [](Settings& s) { s.RadioListFromServer = false; }},
        {"unknown speed and window size", 2, "01111019x",
         [](Settings& s) {
             s.Speed = 4;
             s.WindowSize = 1;
         }},
        {"number signs clear the reported flags", 2, "011110141##0",
         [](Settings& s) {
             s.InstallReported = false;
             s.StatsVoted = false;
         }},
        {"caption scheme not a digit keeps its default", 2, "011110141RL0x", [](Settings&) {}},
        {"caption scheme 0 is out of range", 2, "011110141RL00", [](Settings&) {}},
        {"designs", 2, "011110141RL07113#11",
         [](Settings& s) {
             s.CaptionScheme = 7;
             s.NewButtons = true;
             s.AuxDesignPurple = true;
             s.AuxDesign = 3;
             s.TableDesign = 2;
             s.ClickEffectButtons = true;
         }},
        {"face set", 4, "47", [](Settings& s) { s.FaceSet = 47; }},
        {"face set not a number keeps its default and reading goes on", 4, "4x", [](Settings&) {}},
        {"face set out of range", 4, "48", [](Settings&) {}},
        {"back set and fixed", 6, "071",
         [](Settings& s) {
             s.BackSet = 7;
             s.BackFixed = true;
         }},
        {"rule options", 8, "010###",
         [](Settings& s) {
             s.ShootMoon = false;
             s.Limit50 = true;
             s.ShowHandsAtEnd = false;
         }},
        {"short rule options still reset the hands flag", 8, "1",
         [](Settings& s) { s.ShowHandsAtEnd = false; }},
        {"font percent not a number", 15, "1O0", [](Settings&) {}},
        {"font percent", 16, "120", [](Settings& s) { s.FontPercent[2] = 120; }},
        {"background 10 tint 3", 22, "103",
         [](Settings& s) {
             s.BackgroundNo = 10;
             s.BackgroundTint = 3;
         }},
        {"no background, tint 4", 22, "004",
         [](Settings& s) {
             s.BackgroundNo = 0;
             s.BackgroundTint = 4;
         }},
        {"background 11 is out of range", 22, "110", [](Settings& s) { s.BackgroundTint = 0; }},
        {"player name", 24, "Ann", [](Settings& s) { s.DefaultPlayerName = "Ann"; }},
        {"nick cut to 12", 27, "ABCDEFGHIJKLMNOP", [](Settings& s) { s.TopTenNick = "ABCDEFGHIJKL"; }},
        {"country 6-054 accepted", 28, "6-054", [](Settings& s) { s.TopTenCountry = "6-054"; }},
        {"country 7-001 rejected", 28, "7-001", [](Settings&) {}},
        {"country 1-049 rejected", 28, "1-049", [](Settings&) {}},
        {"country with a sign rejected", 28, "1--01", [](Settings&) {}},
        {"city cut to 15", 29, "Saint Petersburg!", [](Settings& s) { s.TopTenCity = "Saint Petersbur"; }},
        {"sex W", 30, "W", [](Settings& s) { s.TopTenSex = 'W'; }},
        {"another sex letter is M", 30, "x", [](Settings&) {}},
        {"gif on", 33, "\xE8", [](Settings& s) { s.SaveGif = true; }},
        {"gif area", 34, "2", [](Settings& s) { s.SaveGifArea = 2; }},
        {"gif delay not a number", 35, "1 000", [](Settings&) {}},
        {"address that is not Base64 keeps the default", 26, "not*base64", [](Settings&) {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Settings expected;
        c.expect(expected);
        EXPECT_EQ(ParseSettings(WithLine(c.line, c.text)), expected);
    }
}

// A line too short for its value ends the reading: it and everything after it keep
// their defaults, everything before is applied.
TEST(SettingsFile, ReadingStopsAtAShortLine) {
    const Settings changed = Changed();
    const auto changedLines = SplitLineCopies(FormatSettings(changed));
    struct Case {
        const char* name;
        int line;
        std::string text;
        int firstDefaultLine; // lines from here on are read as defaults
    };
    const Case cases[] = {
        {"back set line of two characters", 6, "12", 6},
        {"empty font name", 11, "", 11},
        {"one-character font name", 12, "X", 12},
        {"empty header line", 21, "", 21},
        {"empty player name", 24, "", 24},
        {"country of 4 characters", 28, "1-01", 28},
        {"country of 6 characters", 28, "1-0011", 28},
        {"empty sex line", 30, "", 30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto lines = changedLines;
        lines[static_cast<std::size_t>(c.line - 1)] = c.text;
        const Settings read = ParseSettings(JoinCrLfLines(lines));

        // The expected record: the changed file's lines before the short one, defaults after.
        auto mixed = DefaultLines();
        for (int n = 1; n < c.firstDefaultLine; ++n)
            mixed[static_cast<std::size_t>(n - 1)] = lines[static_cast<std::size_t>(n - 1)];
        const Settings expected = ParseSettings(JoinCrLfLines(mixed));
        EXPECT_EQ(read, expected);
        EXPECT_NE(read, changed);
    }
}

TEST(SettingsFile, AStoppedReadingKeepsWhatCameBefore) {
    const Settings read = ParseSettings(WithLine(6, "12"));
    EXPECT_EQ(read, Settings{});
    Settings changed = Changed();
    auto copy = SplitLineCopies(FormatSettings(changed));
    copy[27] = "1-01";
    const Settings country = ParseSettings(JoinCrLfLines(copy));
    EXPECT_EQ(country.TopTenNick, "Ann");
    EXPECT_EQ(country.TopTenCountry, "1-001");
    EXPECT_EQ(country.TopTenCity, "Moscow");
    EXPECT_EQ(country.TopTenSex, 'M');
    EXPECT_EQ(country.StatsAddress, kDefaultStatsAddress);
    EXPECT_FALSE(country.SaveGif);
    EXPECT_EQ(country.SaveGifDelay, 1000);
}

TEST(SettingsFile, WindowSizeColumn) {
    Settings s;
    s.WindowSize = 3;
    EXPECT_EQ(SplitLineCopies(FormatSettings(s))[1][8], '3');
    s.WindowSize = 9;
    const std::string bytes = FormatSettings(s);
    EXPECT_EQ(SplitLines(bytes)[1][8], '#');
    EXPECT_EQ(ParseSettings(bytes).WindowSize, 1);
}

TEST(SettingsFile, AddressesAreKeptInBothForms) {
    const Settings s = ParseSettings(kDefaultFile);
    EXPECT_EQ(s.TopTenAddress, kDefaultTopTenAddress);
    EXPECT_EQ(s.TopTenAddressStored, "N7iUy7c1euCF4G0u0hZZtygueKTTzwTOxuV3Xjmq");
    EXPECT_EQ(DecipherText(s.StatsAddressStored, kSettingsAddressKey), std::string(kDefaultStatsAddress));
}

TEST(SettingsFile, TextsThatWouldBreakTheFileAreNotWritten) {
    Settings s;
    s.DefaultPlayerName = "two\r\nlines";
    s.LastAddress = "";
    s.FontName[0] = "X";
    s.TopTenCountry = "9-999";
    const std::string bytes = FormatSettings(s);
    EXPECT_EQ(SplitLineCopies(bytes).size(), 35u);
    const Settings read = ParseSettings(bytes);
    EXPECT_EQ(read.DefaultPlayerName, "two  lines");
    EXPECT_EQ(read.LastAddress, "127.0.0.1");
    EXPECT_EQ(read.FontName[0], "Comic Sans MS");
    EXPECT_EQ(read.TopTenCountry, "1-001");
    EXPECT_EQ(read.SaveGifDelay, 1000);
}

TEST(CountryCode, Rule) {
    struct Case {
        const char* code;
        bool valid;
    };
    const Case cases[] = {{"1-001", true},  {"1-048", true},  {"1-049", false}, {"2-051", true},
                          {"3-036", false}, {"4-014", true},  {"5-023", true},  {"5-024", false},
                          {"6-054", true},  {"6-055", false}, {"7-001", false}, {"0-001", false},
                          {"1-000", false}, {"1_001", false}, {"1-00a", false}, {"1-01", false},
                          {"1-0011", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(IsValidCountryCode(c.code), c.valid);
    }
}

class RecordingSink : public MessageSink {
public:
    void ShowError(std::string_view englishRow) override { shown.emplace_back(englishRow); }
    std::vector<std::string> shown;
};

TEST(SettingsFile, ReadAndWriteTheFile) {
    test::TempFolder folder;
    const auto file = folder / "Vesrin.ini";
    EXPECT_EQ(ReadSettings(file), Settings{}) << "missing file";
    RecordingSink sink;
    ASSERT_TRUE(WriteSettings(file, Changed(), RecordsState::Usable, sink));
    EXPECT_EQ(ReadSettings(file), Changed());
    EXPECT_TRUE(sink.shown.empty());
}

TEST(SettingsFile, UnusableRecordsStopTheWriting) {
    test::TempFolder folder;
    const auto file = folder / "Vesrin.ini";
    test::WriteBytes(file, kDefaultFile);
    RecordingSink sink;
    EXPECT_FALSE(WriteSettings(file, Changed(), RecordsState::Unusable, sink));
    EXPECT_EQ(ReadFileBytes(file), kDefaultFile);
    EXPECT_TRUE(sink.shown.empty());
}

TEST(SettingsFile, FailedWriteShowsTheMessageAndKeepsTheOldFile) {
    test::TempFolder folder;
    RecordingSink sink;
    EXPECT_FALSE(
        WriteSettings(folder / "missing-folder" / "Vesrin.ini", Changed(), RecordsState::Usable, sink));
    EXPECT_EQ(sink.shown, std::vector<std::string>{"Can`t save options!"});
}

} // namespace
} // namespace vesrin
