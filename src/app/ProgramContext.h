#pragma once

#include "app/BlockingSteps.h"
#include "app/ProgramFiles.h"
#include "app/SoundPlayer.h"
#include "engine/EngineObserver.h"
#include "engine/GameState.h"
#include "settings/Settings.h"
#include "table/PictureStores.h"
#include "table/TableFonts.h"
#include "table/TableGeometry.h"

#include <filesystem>
#include <functional>
#include <memory>

namespace vesrin {

// The steps of leaving a game and the program that belong to the records and the
// settings. The start-up and records windows fill them in; a step left empty does
// nothing.
struct ProgramHooks {
    // The figures of the player who starts a game in a profile slot (1..8).
    std::function<ProfileFigures(int profileSlot)> LoadProfile;
    // "Exit to menu" after the game was summed up: the records take the result.
    std::function<void(const GameState&)> GameFinished;
    // A game is abandoned (from the table, or by closing the window during a game):
    // the player's roster line goes.
    std::function<void(const GameState&)> GameAbandoned;
    // The window closes: the settings are written.
    std::function<void(const Settings&)> SaveSettings;
    // The first paint of the main window: the one-time start-up sequence.
    std::function<void()> StartUp;
};

// The process-wide state of the program: created once by ProgramMain, passed by
// reference to the windows, released at exit.
struct ProgramContext {
    Settings Options;
    GameState State;
    PictureStores Stores;
    CardGeometry Cards;
    PictureChoice Choice;
    FontKinds Fonts;
    TableScale Scale;
    LibraryPlaces Places;
    BlockingSteps Blocking;
    std::unique_ptr<SoundPlayer> Sound;
    ProgramHooks Hooks;
    // Tests: flights land at once (pauses are made instant in Blocking).
    bool InstantFlights = false;

    // --- start-up, main menu and records ---
    ProgramFiles Files;
    LoggedInPlayer Player;
    HistoryViewerMemory History;
    // The code the program ends with (a refused start ends it with 1).
    int ExitCode = 0;
};

} // namespace vesrin
