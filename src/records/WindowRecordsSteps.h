#pragma once

#include "records/GameRecords.h"
#include "records/RecordsWindowContext.h"

#include <QDateTime>

class QWidget;

namespace vesrin {

// The window side of the record keeping at the end of a game: error messages in
// message boxes, the sounds through the application's player, the end-of-cycle report
// and the repeat question. The steps that belong to the network and the web service
// (account settlement, statistics post, closing the connection, the world top ten) go
// to `online`, which does nothing until those parts are connected.
class WindowRecordsSteps : public GameRecordsSteps {
public:
    WindowRecordsSteps(QWidget* parent, RecordsWindowContext& context, GameRecordsSteps& online);
    WindowRecordsSteps(QWidget* parent, RecordsWindowContext& context);

    void ShowError(std::string_view englishRow) override;
    std::optional<AccountSettlement> SettleAccountGame(std::int32_t gameResult, std::int32_t runningScore) override;
    void SendGameStatistics(const std::array<std::int32_t, 12>& counters) override;
    void PlaySound(std::string_view soundName) override;
    void CloseGameConnection() override;
    void ShowCycleReport(const CycleReport& report) override;
    void ShowSendDialog(std::int32_t runningScore) override;
    std::optional<AccountCycleSent> SendAccountCycle(std::int32_t runningScore) override;
    bool AskRepeat(std::string_view englishRow) override;
    void LeaveAccountMode() override;

private:
    QWidget* parent_;
    RecordsWindowContext& context_;
    NoGameRecordsSteps none_;
    GameRecordsSteps& online_;
};

// The time and date a history entry is stamped with.
HistoryStamp HistoryStampAt(const QDateTime& when);

} // namespace vesrin
