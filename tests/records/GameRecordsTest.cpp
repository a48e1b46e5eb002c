#include "records/GameRecords.h"

#include "base/FileBytes.h"
#include "records/InstallContent.h"
#include "records/Rating.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace vesrin {
namespace {

// Writes down every step in order, with what the files held when a report was shown.
class RecordingSteps : public GameRecordsSteps {
public:
    explicit RecordingSteps(std::filesystem::path folder) : folder_(std::move(folder)) {}

    void ShowError(std::string_view row) override { Log("error " + std::string(row)); }
    std::optional<AccountSettlement> SettleAccountGame(std::int32_t result, std::int32_t running) override {
        Log("settle " + std::to_string(result) + " " + std::to_string(running));
        return settlement;
    }
    void SendGameStatistics(const std::array<std::int32_t, 12>& r) override {
        std::string text = "statistics";
        for (auto v : r)
            text += " " + std::to_string(v);
        Log(text);
    }
    void PlaySound(std::string_view name) override { Log("sound " + std::string(name)); }
    void CloseGameConnection() override { Log("close connection"); }
    void ShowCycleReport(const CycleReport& report) override {
        Log("report place " + std::to_string(report.Place) + " score " + std::to_string(report.Score) +
            " world " + std::to_string(report.WorldPlace) + " bonus " + std::to_string(report.Bonus));
        historyAtReport = CheckHistoryFile(folder_, 1).Entries;
    }
    void ShowSendDialog(std::int32_t score) override { Log("send dialog " + std::to_string(score)); }
    std::optional<AccountCycleSent> SendAccountCycle(std::int32_t score) override {
        Log("account cycle " + std::to_string(score));
        if (sendReplies.empty()) return std::nullopt;
        auto reply = sendReplies.front();
        sendReplies.pop_front();
        return reply;
    }
    bool AskRepeat(std::string_view row) override {
        Log("ask " + std::string(row));
        return repeats-- > 0;
    }
    void LeaveAccountMode() override { Log("leave account mode"); }

    std::vector<std::string> log;
    std::optional<AccountSettlement> settlement;
    std::deque<std::optional<AccountCycleSent>> sendReplies;
    int repeats = 0;
    int historyAtReport = -1;

private:
    void Log(std::string text) { log.push_back(std::move(text)); }
    std::filesystem::path folder_;
};

class GameRecordsTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteBytes(folder_ / "Vesrin.clb", InstallationRecordsContent());
        test::WriteBytes(folder_ / "Vesrin.net", InstallationRecordsContent());
    }
    FinishedGame Game(GameKind kind, int gameNo, int result, int running) {
        FinishedGame game;
        game.Kind = kind;
        game.ProgramFolder = folder_.Path();
        game.ProfileSlot = 6;
        game.Name = "Ann                 ";
        game.EncodedPassword = EncodePassword("ab");
        game.GameNo = gameNo;
        game.GameResult = result;
        game.RunningScore = running;
        game.StartRating = 2.5;
        game.Stamp = HistoryStamp{12, 30, "01.02.2027"};
        return game;
    }
    RecordsFile Records(std::string_view name) { return *ParseRecordsFile(*ReadFileBytes(folder_ / name)); }
    test::TempFolder folder_;
    RecordingSteps steps_{folder_.Path()};
};

TEST_F(GameRecordsTest, LocalGameInTheMiddleOfACycle) {
    const auto result = FinishGameRecords(Game(GameKind::Local, 10, -15, 33), steps_);
    EXPECT_DOUBLE_EQ(result.NewRating, ComputeRating(10, -15, 2.5));
    EXPECT_EQ(result.RosterLine, MakeRosterLine("Ann", 2.1, 10, 33, EncodePassword("ab")));
    EXPECT_FALSE(result.EndsCycle);
    EXPECT_EQ(steps_.log, (std::vector<std::string>{"statistics 1 0 0 15 0 0 0 0 0 0 0 0", "sound WKoBads"}));
    EXPECT_EQ(Records("Vesrin.clb").Roster[0], result.RosterLine);
    EXPECT_EQ(Records("Vesrin.net").Roster[0], kEmptySlotLine);
    const auto history = SplitLineCopies(*ReadFileBytes(HistoryFilePath(folder_.Path(), 1)));
    EXPECT_EQ(history[0].substr(0, 30), "12:3001.02.2027Ann            ");
    EXPECT_EQ(history[0].substr(66, 24), "  1       -15      2,10L");
}

TEST_F(GameRecordsTest, LocalGameEndingACycleReportsAfterTheRecordsAreWritten) {
    const auto result = FinishGameRecords(Game(GameKind::Local, 20, 12, 150), steps_);
    EXPECT_TRUE(result.EndsCycle);
    EXPECT_EQ(result.TopTenPlace, 4);
    EXPECT_EQ(steps_.log,
              (std::vector<std::string>{"statistics 1 1 12 0 0 0 0 0 0 0 0 0",
                                        "report place 4 score 150 world 0 bonus 0", "send dialog 150"}));
    EXPECT_EQ(steps_.historyAtReport, 1);
    const RecordsFile records = Records("Vesrin.clb");
    EXPECT_EQ(records.TopTen[3], MakeTopTenLine("Ann", 150));
    EXPECT_EQ(records.Roster[0].substr(38, 6), "     0");
}

TEST_F(GameRecordsTest, NetworkGameUsesTheNetworkFileAndClosesTheConnection) {
    FinishedGame game = Game(GameKind::Network, 20, 0, -40);
    game.HistoryName = "Bob/Ann";
    game.NetHost = true;
    FinishGameRecords(game, steps_);
    EXPECT_EQ(steps_.log, (std::vector<std::string>{"statistics 0 0 0 0 1 0 0 0 0 0 0 0", "close connection",
                                                    "report place 0 score -40 world 0 bonus 0"}));
    EXPECT_EQ(Records("Vesrin.clb").Roster[0], kEmptySlotLine);
    EXPECT_NE(Records("Vesrin.net").Roster[0], kEmptySlotLine);
    const auto history = SplitLineCopies(*ReadFileBytes(HistoryFilePath(folder_.Path(), 1)));
    EXPECT_EQ(history[0].substr(15, 8), "Bob/Ann ");
    EXPECT_EQ(history[0][89], 'N');
}

TEST_F(GameRecordsTest, AccountGameSettlesFirstAndRetriesTheCycle) {
    steps_.settlement = AccountSettlement{41.5, true};
    steps_.sendReplies = {std::nullopt, AccountCycleSent{1, 25}};
    steps_.repeats = 1;
    const auto before = ReadFileBytes(folder_ / "Vesrin.clb");
    const auto result = FinishGameRecords(Game(GameKind::Account, 7, 30, 210), steps_);
    EXPECT_DOUBLE_EQ(result.NewRating, 41.5);
    EXPECT_EQ(steps_.log, (std::vector<std::string>{
                              "settle 30 210", "statistics 1 1 30 0 0 0 0 0 0 0 0 0", "account cycle 210",
                              "ask Unable to write the result of the game!", "account cycle 210",
                              "report place 1 score 210 world 1 bonus 25", "leave account mode"}));
    EXPECT_EQ(ReadFileBytes(folder_ / "Vesrin.clb"), before) << "the account keeps no local roster line";
    EXPECT_EQ(SplitLineCopies(*ReadFileBytes(HistoryFilePath(folder_.Path(), 1)))[0].substr(79, 11),
              "     41,50A");
}

TEST_F(GameRecordsTest, AccountGameWithoutSettlementOrSeriesEnd) {
    steps_.repeats = 5;
    const auto result = FinishGameRecords(Game(GameKind::Account, 7, 30, 210), steps_);
    EXPECT_DOUBLE_EQ(result.NewRating, 2.5);
    EXPECT_EQ(steps_.log, (std::vector<std::string>{"settle 30 210", "statistics 1 0 30 0 0 0 0 0 0 0 0 0",
                                                    "sound WKoGood", "leave account mode"}));
}

TEST_F(GameRecordsTest, AccountCycleGivenUp) {
    steps_.settlement = AccountSettlement{10, true};
    FinishGameRecords(Game(GameKind::Account, 7, 0, 5), steps_);
    EXPECT_EQ(steps_.log, (std::vector<std::string>{
                              "settle 0 5", "statistics 1 1 0 0 0 0 0 0 0 0 0 0", "account cycle 5",
                              "ask Unable to write the result of the game!", "leave account mode"}));
}

TEST_F(GameRecordsTest, TournamentGameTakesTheServersRating) {
    FinishedGame game = Game(GameKind::Tournament, 40, 17, 0);
    game.TournamentRating = 12.34;
    game.TournamentSeatOne = true;
    game.HistoryName = "D/C/B/A";
    const auto result = FinishGameRecords(game, steps_);
    EXPECT_DOUBLE_EQ(result.NewRating, 12.34);
    EXPECT_EQ(steps_.log,
              (std::vector<std::string>{"statistics 0 0 0 0 0 1 0 0 0 0 0 0", "close connection"}));
    const auto history = SplitLineCopies(*ReadFileBytes(HistoryFilePath(folder_.Path(), 1)));
    EXPECT_EQ(history[0].substr(79, 11), "     12,34T");
}

TEST_F(GameRecordsTest, WriteFailuresAreShownAndTheStepsGoOn) {
    test::WriteBytes(folder_ / "Vesrin.clb", "damaged");
    test::WriteBytes(folder_ / "History", "a file where the folder should be");
    const auto result = FinishGameRecords(Game(GameKind::Local, 20, 5, 300), steps_);
    EXPECT_EQ(result.RosterStatus, RecordsWriteStatus::Damaged);
    EXPECT_EQ(result.History.Status, HistoryWriteStatus::WriteFailed);
    EXPECT_EQ(steps_.log,
              (std::vector<std::string>{"error Cann`t save history!", "statistics 1 1 5 0 0 0 0 0 0 0 0 0",
                                        "error Error of disk writing!",
                                        "report place 0 score 300 world 0 bonus 0", "send dialog 300"}));
    EXPECT_EQ(ReadFileBytes(folder_ / "Vesrin.clb"), "damaged");
}

TEST_F(GameRecordsTest, RosterPlayerReplacesTheirLine) {
    FinishedGame first = Game(GameKind::Local, 1, 40, 40);
    FinishGameRecords(first, steps_);
    FinishedGame second = Game(GameKind::Local, 2, -20, 20);
    second.ProfileSlot = 1;
    second.StartRating = 4.0;
    const auto result = FinishGameRecords(second, steps_);
    const RecordsFile records = Records("Vesrin.clb");
    EXPECT_EQ(records.Roster[0], result.RosterLine);
    EXPECT_EQ(records.Roster[1], kEmptySlotLine) << "the player appears once";
    EXPECT_DOUBLE_EQ(result.NewRating, 1.0);
}

} // namespace
} // namespace vesrin
