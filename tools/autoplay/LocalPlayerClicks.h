#pragma once

#include "app/TForm1.h"
#include "players/DecisionListPlayers.h"

namespace vesrin {

// The local player's part of a game in a real window, for the tools that walk through
// the program: the step buttons and the cards are clicked as a player clicks them, the
// cards chosen by the computer players. The computer seats move on the program's own
// heartbeat.
class LocalPlayerClicks {
public:
    explicit LocalPlayerClicks(TForm1& form) : form_(form) {}

    // One click of the local player when one is due; true once the game is summed up.
    bool PlayUntilFinished();
    // A click on a slot of the bottom hand.
    void ClickSlot(int slot);

private:
    TForm1& form_;
    DecisionListPlayers players_;
    EngineObserver quiet_;
    OneBased<int, 3> picks_{};
};

} // namespace vesrin
