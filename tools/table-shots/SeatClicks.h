#pragma once

#include "app/TForm1.h"
#include "players/DecisionListPlayers.h"

namespace vesrin {

// The local player's clicks through the window's own handlers, with the computer
// players' choices: what the picture tools play with.
class SeatClicks {
public:
    explicit SeatClicks(TForm1& form) : form_(form) {}

    // A click on a slot of the bottom hand, where the window's handler finds it.
    void ClickSlot(int slot) {
        const int x = form_.View().HandX(LocalSeat)[std::size_t(slot)] + 2;
        form_.ImageCards4MouseUp(Qt::LeftButton, QPoint(x, 10));
    }
    // Picks the next of the three pass cards; false once all three are picked.
    bool PickPassCard(const GameState& s) {
        const int picked = (s.PassPick[1] != 0) + (s.PassPick[2] != 0) + (s.PassPick[3] != 0);
        if (picked == 0) picks_ = players_.ChoosePass(s, LocalSeat);
        if (picked == 3) return false;
        ClickSlot(picks_[std::size_t(picked + 1)]);
        return true;
    }
    void PlayCard(const GameState& s) { ClickSlot(players_.ChooseCard(s, LocalSeat, s.TrickPos, quiet_)); }

private:
    TForm1& form_;
    DecisionListPlayers players_;
    EngineObserver quiet_;
    OneBased<int, 3> picks_{};
};

} // namespace vesrin
