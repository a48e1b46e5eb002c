#pragma once

#include "app/ProgramContext.h"
#include "base/MessageSink.h"
#include "records/GameRecords.h"
#include "records/RecordsWindowContext.h"

class QWidget;

namespace vesrin {

class PasswordNetworkHook;

// The records side of the program: who plays (the welcome dialog), the figures a game
// starts from, the record keeping when a finished game is closed, the roster line of an
// abandoned game, the settings written at exit, and the records windows the menus open.

// What the records windows get from the program; valid while the context lives.
RecordsWindowContext RecordsWindows(ProgramContext& context, QWidget* window);

// Fills the hooks of the program with the records side: LoadProfile, GameFinished,
// GameAbandoned and SaveSettings. The window is the parent of every message and window.
void InstallRecordsHooks(ProgramContext& context, QWidget& window);

// The welcome dialog for a roster slot 1..5 or a new player (6). True when it was
// confirmed: the player is then in context.Player. An empty roster slot opens nothing.
// With the network switch on, `network` is the dialog's network part: it hosts or joins a
// table before the dialog is confirmed.
bool LoginPlayer(ProgramContext& context, QWidget& window, int slot, PasswordNetworkHook* network = nullptr);

// The figures a game in the logged-in player's slot starts from.
ProfileFigures LoggedInFigures(const ProgramContext& context);

// What the record keeping is handed when the player closes a finished game.
FinishedGame FinishedGameOf(const ProgramContext& context, const HistoryStamp& stamp);

// The end of a finished game through the records windows. The lost-or-won sound of a
// game that does not end a cycle was played by the engine as the game was summed up, so
// it is not played a second time here.
GameRecordsResult CloseGameRecords(ProgramContext& context, QWidget& window);

// The count window of the running game.
void ShowRunningGameCounts(ProgramContext& context, QWidget& window);
// Changing the name or password during a game; the game goes on under the new name.
// False when the dialog was cancelled.
bool ChangePlayerName(ProgramContext& context, QWidget& window);

// Error boxes of the plain libraries, in the current language.
class WindowMessages : public MessageSink {
public:
    WindowMessages(const Settings& options, QWidget* window) : options_(options), window_(window) {}
    void ShowError(std::string_view englishRow) override;

private:
    const Settings& options_;
    QWidget* window_;
};

} // namespace vesrin
