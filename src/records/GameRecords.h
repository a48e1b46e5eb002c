#pragma once

#include "base/MessageSink.h"
#include "records/GameKind.h"
#include "records/History.h"
#include "records/Roster.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vesrin {

// The record keeping at the end of a game, in its fixed order: rating, roster line,
// history entry, statistics, sound, roster and top ten, closing the connection, the
// end-of-cycle report and the world top ten, the account's cycle, leaving the account
// mode. The file steps are done here; the window, network and web-service steps are
// calls of GameRecordsSteps, which the application implements.

// What the game hands over when the player confirms its end.
struct FinishedGame {
    GameKind Kind = GameKind::Local;
    std::filesystem::path ProgramFolder; // holds the records files and the "History" folder
    int ProfileSlot = 6;                 // 1..5 roster, 6 new player, 7 account, 8 tournament
    std::string Name;                    // the player's name (20 columns)
    std::string EncodedPassword;         // columns 45-59 of the player's line
    std::string HistoryName;             // the table's names for network and tournament games
    std::int32_t GameNo = 1;
    std::int32_t GameResult = 0;   // the game result (a tournament's: reported score minus the one before)
    std::int32_t RunningScore = 0; // the cycle score after the game
    double StartRating = 0;
    double TournamentRating = 0; // the rating the tournament server reported
    bool NetHost = false;        // a network game hosted by this program
    bool TournamentSeatOne = false;
    HistoryStamp Stamp;
};

struct AccountSettlement {
    double Rating = 0;        // the account's rating after the game
    bool SeriesEnded = false; // the game completed the account's series of twenty
};

struct AccountCycleSent {
    int Place = 0; // world place; above 10 counts as none
    int Bonus = 0; // points credited: 25 for place 1, 10 for places 2 to 10
};

struct CycleReport {
    GameKind Kind = GameKind::Local;
    int Place = 0; // the top-ten place reached, 0 for none
    std::int32_t Score = 0;
    int WorldPlace = 0; // account games: the world place, also beyond 10
    int Bonus = 0;
};

// Word-table rows used by the steps.
inline constexpr std::string_view kUnableToWriteResult = "Unable to write the result of the game!";
inline constexpr std::string_view kSoundGoodGame = "WKoGood";
inline constexpr std::string_view kSoundBadGame = "WKoBads";

class GameRecordsSteps : public MessageSink {
public:
    // Account games only, first: the account settlement; nullopt when the account could
    // not be settled (the start rating stands).
    virtual std::optional<AccountSettlement> SettleAccountGame(std::int32_t gameResult,
                                                               std::int32_t runningScore) = 0;
    virtual void SendGameStatistics(const std::array<std::int32_t, 12>& counters) = 0;
    virtual void PlaySound(std::string_view soundName) = 0;
    virtual void CloseGameConnection() = 0;
    virtual void ShowCycleReport(const CycleReport& report) = 0;
    // A local game that ended a cycle: offer the score to the world top ten.
    virtual void ShowSendDialog(std::int32_t runningScore) = 0;
    // An account game that ended the series: send it to the world top ten's account list.
    virtual std::optional<AccountCycleSent> SendAccountCycle(std::int32_t runningScore) = 0;
    // Yes/no: the row, a blank and "Repeat?".
    virtual bool AskRepeat(std::string_view englishRow) = 0;
    virtual void LeaveAccountMode() = 0;
};

// Steps that do nothing: no windows, no network, no web service.
class NoGameRecordsSteps : public GameRecordsSteps {
public:
    void ShowError(std::string_view) override {}
    std::optional<AccountSettlement> SettleAccountGame(std::int32_t, std::int32_t) override {
        return std::nullopt;
    }
    void SendGameStatistics(const std::array<std::int32_t, 12>&) override {}
    void PlaySound(std::string_view) override {}
    void CloseGameConnection() override {}
    void ShowCycleReport(const CycleReport&) override {}
    void ShowSendDialog(std::int32_t) override {}
    std::optional<AccountCycleSent> SendAccountCycle(std::int32_t) override { return std::nullopt; }
    bool AskRepeat(std::string_view) override { return false; }
    void LeaveAccountMode() override {}
};

struct GameRecordsResult {
    double NewRating = 0;
    std::string RosterLine;
    bool EndsCycle = false;
    int TopTenPlace = 0;
    RecordsWriteStatus RosterStatus = RecordsWriteStatus::Ok; // Ok also when the roster is not kept
    HistoryAppend History;
};

// The twelve game counters of the statistics post.
std::array<std::int32_t, 12> GameStatisticsCounters(const FinishedGame& game, bool endsCycle);

GameRecordsResult FinishGameRecords(const FinishedGame& game, GameRecordsSteps& steps);

} // namespace vesrin
