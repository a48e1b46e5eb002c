#include "records/GameRecords.h"

#include "records/Rating.h"

namespace vesrin {
namespace {

bool KeepsRoster(GameKind kind) {
    return kind == GameKind::Local || kind == GameKind::Network;
}
bool WithoutNetwork(GameKind kind) {
    return kind == GameKind::Local || kind == GameKind::Account;
}

} // namespace

std::array<std::int32_t, 12> GameStatisticsCounters(const FinishedGame& game, bool endsCycle) {
    std::array<std::int32_t, 12> r{};
    if (WithoutNetwork(game.Kind)) {
        r[0] = 1;
        r[1] = endsCycle ? 1 : 0;
        r[2] = game.GameResult > 0 ? game.GameResult : 0;
        r[3] = game.GameResult < 0 ? -game.GameResult : 0;
    }
    r[4] = game.Kind == GameKind::Network && game.NetHost ? 1 : 0;
    r[5] = game.Kind == GameKind::Tournament && game.TournamentSeatOne ? 1 : 0;
    return r;
}

GameRecordsResult FinishGameRecords(const FinishedGame& game, GameRecordsSteps& steps) {
    GameRecordsResult result;

    // 1. The rating after the game.
    result.EndsCycle = EndsCycle(game.GameNo);
    switch (game.Kind) {
    case GameKind::Local:
    case GameKind::Network:
        result.NewRating = ComputeRating(game.GameNo, game.GameResult, game.StartRating);
        break;
    case GameKind::Account: {
        const auto settled = steps.SettleAccountGame(game.GameResult, game.RunningScore);
        result.NewRating = settled ? settled->Rating : game.StartRating;
        result.EndsCycle = settled && settled->SeriesEnded;
        break;
    }
    case GameKind::Tournament:
        result.NewRating = game.TournamentRating;
        break;
    }

    // 2. The player's roster line.
    result.RosterLine =
        MakeRosterLine(game.Name, result.NewRating, game.GameNo, game.RunningScore, game.EncodedPassword);

    // 3. The history entry.
    HisStr entry;
    const bool tableGame = game.Kind == GameKind::Network || game.Kind == GameKind::Tournament;
    entry.HName = tableGame && !game.HistoryName.empty() ? game.HistoryName : game.Name;
    entry.HKon = 1;
    entry.HRes = game.GameResult;
    entry.HRei = result.NewRating;
    entry.Ac = game.Kind;
    result.History = AppendHistoryEntry(game.ProgramFolder, std::span<const HisStr>(&entry, 1), game.Stamp);
    if (result.History.Status != HistoryWriteStatus::Ok) steps.ShowError(kCantSaveHistory);

    // 4. The statistics post.
    steps.SendGameStatistics(GameStatisticsCounters(game, result.EndsCycle));

    // 5. The sound of a game that does not end a cycle.
    if (!result.EndsCycle && game.GameResult > 0) steps.PlaySound(kSoundGoodGame);
    if (!result.EndsCycle && game.GameResult < 0) steps.PlaySound(kSoundBadGame);

    // 6. The roster and, at the end of a cycle, the top ten of the file in use.
    if (KeepsRoster(game.Kind)) {
        const auto file = RecordsFilePath(game.ProgramFolder, game.Kind == GameKind::Network);
        const RosterWrite written = ReplaceRosterLine(file, game.ProfileSlot, result.RosterLine);
        result.RosterStatus = written.Status;
        result.TopTenPlace = written.Placement.TopTenPlace;
        if (written.Status != RecordsWriteStatus::Ok) steps.ShowError(kErrorOfDiskWriting);
    }

    // 7. The game's connection.
    if (game.Kind == GameKind::Network || game.Kind == GameKind::Tournament) steps.CloseGameConnection();

    // 8. The end-of-cycle report and the world top ten offer.
    if (KeepsRoster(game.Kind) && result.EndsCycle) {
        steps.ShowCycleReport(CycleReport{game.Kind, result.TopTenPlace, game.RunningScore, 0, 0});
        if (game.Kind == GameKind::Local) steps.ShowSendDialog(game.RunningScore);
    }

    // 9. The account's finished series goes to the world top ten.
    if (game.Kind == GameKind::Account && result.EndsCycle) {
        for (;;) {
            if (const auto sent = steps.SendAccountCycle(game.RunningScore)) {
                const int place = sent->Place >= 1 && sent->Place <= 10 ? sent->Place : 0;
                steps.ShowCycleReport(
                    CycleReport{game.Kind, place, game.RunningScore, sent->Place, sent->Bonus});
                break;
            }
            if (!steps.AskRepeat(kUnableToWriteResult)) break;
        }
    }

    // 10. The account game is over.
    if (game.Kind == GameKind::Account) steps.LeaveAccountMode();
    return result;
}

} // namespace vesrin
