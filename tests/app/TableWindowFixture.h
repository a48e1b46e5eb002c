#pragma once

#include "app/ProgramContext.h"
#include "app/TForm1.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>

namespace vesrin::test {

// A main window on the offscreen platform with the built-in pictures, a silent sound
// player and instant pauses; flights are instant unless a test asks for them. The local
// player's moves go through the window's handlers.
class TableWindowTest : public ::testing::Test {
protected:
    void MakeWindow(int windowSize = 1, bool flights = false);
    void StartGame(std::uint64_t seed = 7);

    // Clicks the card in a slot of the bottom hand where the window finds it.
    void ClickSlot(int slot, Qt::MouseButton button = Qt::LeftButton);
    // One move of whoever is to act: the step button, a pass pick, the local player's
    // card (chosen by the computer players) or a heartbeat. False when nothing can act.
    bool Step();
    // Steps until the condition holds; false when the game stood still first.
    bool PlayUntil(const std::function<bool()>& done, int limit = 5000);

    // Starts games until one reaches trick play with a computer seat to move.
    void StartAtAComputerSeatsTurn();
    // The table centre shows nothing but the background.
    bool TableCentreIsClear();

    GameState& State() { return context->State; }

    QTemporaryDir folder;
    std::unique_ptr<ProgramContext> context;
    std::unique_ptr<TForm1> form;
    SilentSoundPlayer* sound = nullptr;
    std::vector<QString> questions;
    bool answer = true;
    int abandoned = 0;
    int finished = 0;
    int settingsSaved = 0;

private:
    DecisionListPlayers players_;
    EngineObserver quiet_;
    OneBased<int, 3> picks_{};
};

} // namespace vesrin::test
