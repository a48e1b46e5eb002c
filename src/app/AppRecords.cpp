#include "app/AppRecords.h"

#include "records/CountWindow.h"
#include "records/PasswordWindow.h"
#include "records/RecordsMessages.h"
#include "records/WindowRecordsSteps.h"
#include "records/WindowWords.h"
#include "table/Attention.h"

#include <QDateTime>

namespace vesrin {

namespace {

std::string TrimmedName(std::string_view name) {
    const std::size_t end = name.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string() : std::string(name.substr(0, end + 1));
}

// The roster file of the running game follows the game's kind, not the network switch,
// which the options dialog may turn during the game.
std::filesystem::path RosterFileOfGame(const ProgramContext& context) {
    return RecordsFilePath(context.Files.Program, context.State.NetMode);
}

} // namespace

void WindowMessages::ShowError(std::string_view englishRow) {
    ShowRecordsError(window_, options_, EnglishRowText(options_, englishRow));
}

RecordsWindowContext RecordsWindows(ProgramContext& context, QWidget* window) {
    RecordsWindowContext windows{context.Options, context.Files.Program, context.Places, {}, {}};
    windows.PlaySound = [&context](std::string_view name) {
        if (context.Options.SoundOn && context.Sound) context.Sound->Play(name);
    };
    windows.MissingLibrary = [window](const QString& line) { ShowAttention(window, line); };
    return windows;
}

bool LoginPlayer(ProgramContext& context, QWidget& window, int slot, PasswordNetworkHook* network) {
    RecordsWindowContext windows = RecordsWindows(context, &window);
    const std::optional<LoginResult> login =
        slot == 6 ? LoginNewPlayer(&window, windows, network) : LoginRosterPlayer(&window, windows, slot, network);
    if (!login) return false;
    LoggedInPlayer& player = context.Player;
    player.Slot = login->Slot;
    player.Name = login->Name;
    player.EncodedPassword = login->EncodedPassword;
    player.StartLine = login->RosterLine.empty() ? MakeRosterLine(login->Name, 0, 0, 0, login->EncodedPassword)
                                                 : login->RosterLine;
    return true;
}

ProfileFigures LoggedInFigures(const ProgramContext& context) {
    const LoggedInPlayer& player = context.Player;
    ProfileFigures figures;
    figures.Name = player.Name.empty() ? context.Options.DefaultPlayerName : TrimmedName(player.Name);
    if (player.Slot >= 1 && player.Slot <= 5) {
        if (const std::optional<RosterStart> start = StartFromRosterLine(player.StartLine)) {
            figures.Games = start->GameNo - 1;
            figures.Score = start->BaseScore;
            figures.Rating = start->StartRating;
        }
    }
    return figures;
}

FinishedGame FinishedGameOf(const ProgramContext& context, const HistoryStamp& stamp) {
    const GameState& s = context.State;
    FinishedGame game;
    game.Kind = GameKindOf(s.TourMode, s.AccountState, s.NetMode);
    game.ProgramFolder = context.Files.Program;
    game.ProfileSlot = s.ProfileSlot;
    game.Name = context.Player.Name;
    game.Name.resize(20, ' ');
    game.EncodedPassword = context.Player.EncodedPassword;
    game.GameNo = s.GameNo;
    // After the summing up the local player's total is the game's result.
    game.GameResult = s.GameScore;
    game.RunningScore = s.RunningScore;
    game.StartRating = s.StartRating;
    game.NetHost = s.IsNetHost();
    game.TournamentSeatOne = s.IsTourDriver();
    game.Stamp = stamp;
    return game;
}

GameRecordsResult CloseGameRecords(ProgramContext& context, QWidget& window) {
    RecordsWindowContext windows = RecordsWindows(context, &window);
    // The won or lost sound of a game that does not end a cycle plays here once more, as
    // the player confirms the game's end; the engine played it at the summing up.
    WindowRecordsSteps steps(&window, windows);
    return FinishGameRecords(FinishedGameOf(context, HistoryStampAt(QDateTime::currentDateTime())), steps);
}

void InstallRecordsHooks(ProgramContext& context, QWidget& window) {
    ProgramHooks& hooks = context.Hooks;
    hooks.LoadProfile = [&context](int) { return LoggedInFigures(context); };
    hooks.GameFinished = [&context, &window](const GameState&) { CloseGameRecords(context, window); };
    hooks.GameAbandoned = [&context, &window](const GameState& s) {
        const auto file = RosterFileOfGame(context);
        const RecordsWriteStatus status = RemoveRosterLine(file, s.ProfileSlot);
        if (status == RecordsWriteStatus::Ok) return;
        const Settings& o = context.Options;
        ShowRecordsError(&window, o,
                         status == RecordsWriteStatus::Damaged
                             ? RecordsCheckMessage(o, RecordsCheck{RecordsFileStatus::Incorrect, {}, false}, file)
                             : WordText(o, Word::FileDiskWriteError));
    };
    hooks.SaveSettings = [&context, &window](const Settings& options) {
        WindowMessages messages(options, &window);
        WriteSettings(context.Files.SettingsFile, options, context.Files.Records, messages);
    };
}

void ShowRunningGameCounts(ProgramContext& context, QWidget& window) {
    const GameState& s = context.State;
    GameCountsView view;
    view.Counts.Kind = GameKindOf(s.TourMode, s.AccountState, s.NetMode);
    view.Counts.GameNo = s.GameNo;
    view.Counts.BaseScore = s.BaseScore;
    view.Counts.GameScore = s.GameScore;
    view.Counts.StartRating = s.StartRating;
    view.AccountState = s.AccountState;
    RecordsWindowContext windows = RecordsWindows(context, &window);
    ShowGameCounts(&window, windows, view);
}

bool ChangePlayerName(ProgramContext& context, QWidget& window) {
    LoggedInPlayer& player = context.Player;
    RecordsWindowContext windows = RecordsWindows(context, &window);
    const std::optional<RosterRename> renamed = ChangeName(&window, windows, player.Slot, player.StartLine, RosterFileOfGame(context));
    if (!renamed) return false;
    if (renamed->Status != RecordsWriteStatus::Ok || renamed->Line.size() < kRosterLineLength) return true;
    player.Slot = renamed->Slot;
    player.StartLine = renamed->Line;
    player.Name = renamed->Line.substr(0, 20);
    player.EncodedPassword = renamed->Line.substr(44, 15);
    GameState& s = context.State;
    s.ProfileSlot = player.Slot;
    s.ProfileName = TrimmedName(player.Name);
    if (s.IsLocalGame()) s.SeatNames[LocalSeat] = s.ProfileName;
    return true;
}

} // namespace vesrin
