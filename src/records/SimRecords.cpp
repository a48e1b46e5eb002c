#include "records/SimRecords.h"

#include "base/SafeFile.h"
#include "base/TextFields.h"
#include "records/InstallContent.h"

namespace vesrin {

std::optional<GameRecordsResult> SimRecords(const std::filesystem::path& folder, std::int32_t seat4Result,
                                            const HistoryStamp& stamp) {
    const auto file = RecordsFilePath(folder, false);
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        std::filesystem::create_directories(folder, error);
        if (ReplaceFileContents(file, InstallationRecordsContent()) != WriteStatus::Ok) return std::nullopt;
    }

    // Log in as a real player would: Sim's slot when the roster holds Sim, else a new
    // player who enters the roster at the end of this game.
    FinishedGame game;
    game.Kind = GameKind::Local;
    game.ProgramFolder = folder;
    game.ProfileSlot = 6;
    game.Name = FitLeft(kSimName, 20);
    game.EncodedPassword = EncodePassword(kSimPassword);
    std::int32_t baseScore = 0;
    for (int slot = 1; slot <= 5 && game.ProfileSlot == 6; ++slot) {
        const auto line = ReadRosterLine(file, slot);
        if (!line) return std::nullopt;
        const auto start = StartFromRosterLine(*line);
        if (start && TrimRight(start->Name) == kSimName && PasswordMatches(*line, kSimPassword)) {
            game.ProfileSlot = slot;
            game.GameNo = start->GameNo;
            game.StartRating = start->StartRating;
            baseScore = start->BaseScore;
        }
    }

    game.GameResult = seat4Result;
    game.RunningScore = baseScore + seat4Result;
    game.Stamp = stamp;
    NoGameRecordsSteps steps;
    return FinishGameRecords(game, steps);
}

} // namespace vesrin
