#include "records/WindowRecordsSteps.h"

#include "records/EndGameWindow.h"
#include "records/RecordsMessages.h"
#include "records/WindowWords.h"

namespace vesrin {

WindowRecordsSteps::WindowRecordsSteps(QWidget* parent, RecordsWindowContext& context, GameRecordsSteps& online)
    : parent_(parent), context_(context), online_(online) {}

WindowRecordsSteps::WindowRecordsSteps(QWidget* parent, RecordsWindowContext& context)
    : parent_(parent), context_(context), online_(none_) {}

void WindowRecordsSteps::ShowError(std::string_view englishRow) {
    ShowRecordsError(parent_, context_.Values, EnglishRowText(context_.Values, englishRow));
}

std::optional<AccountSettlement> WindowRecordsSteps::SettleAccountGame(std::int32_t gameResult,
                                                                       std::int32_t runningScore) {
    return online_.SettleAccountGame(gameResult, runningScore);
}

void WindowRecordsSteps::SendGameStatistics(const std::array<std::int32_t, 12>& counters) {
    online_.SendGameStatistics(counters);
}

void WindowRecordsSteps::PlaySound(std::string_view soundName) {
    context_.Sound(soundName);
}

void WindowRecordsSteps::CloseGameConnection() {
    online_.CloseGameConnection();
}

void WindowRecordsSteps::ShowCycleReport(const CycleReport& report) {
    vesrin::ShowCycleReport(parent_, context_, report);
}

void WindowRecordsSteps::ShowSendDialog(std::int32_t runningScore) {
    online_.ShowSendDialog(runningScore);
}

std::optional<AccountCycleSent> WindowRecordsSteps::SendAccountCycle(std::int32_t runningScore) {
    return online_.SendAccountCycle(runningScore);
}

bool WindowRecordsSteps::AskRepeat(std::string_view englishRow) {
    const Settings& s = context_.Values;
    return AskRecordsQuestion(parent_, s,
                              EnglishRowText(s, englishRow) + QLatin1Char(' ') + WordText(s, Word::AccRepeat));
}

void WindowRecordsSteps::LeaveAccountMode() {
    online_.LeaveAccountMode();
}

HistoryStamp HistoryStampAt(const QDateTime& when) {
    const QDate date = when.date();
    const QTime time = when.time();
    return HistoryStamp{time.hour(), time.minute(), FormatShortDate(date.year(), date.month(), date.day())};
}

} // namespace vesrin
