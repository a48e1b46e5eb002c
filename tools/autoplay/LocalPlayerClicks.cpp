#include "LocalPlayerClicks.h"

#include <QTest>

namespace vesrin {

bool LocalPlayerClicks::PlayUntilFinished() {
    GameState& s = form_.Context().State;
    if (!s.InGame()) return false;
    if (s.Phase == PhaseOf::GameFinished) return true;
    if (s.StartState == 1 && s.Button7.Enabled) {
        QTest::mouseClick(form_.Button7, Qt::LeftButton);
    } else if (s.StartState == 2 && s.Phase == PhaseOf::Passing) {
        const int picked = (s.PassPick[1] != 0) + (s.PassPick[2] != 0) + (s.PassPick[3] != 0);
        if (picked == 0) picks_ = players_.ChoosePass(s, LocalSeat);
        if (picked < 3)
            ClickSlot(picks_[std::size_t(picked + 1)]);
        else
            QTest::mouseClick(form_.Button7, Qt::LeftButton);
    } else if (s.StartState == 2 && s.Phase == LocalSeat) {
        ClickSlot(players_.ChooseCard(s, LocalSeat, s.TrickPos, quiet_));
    } else if (s.Button7.Enabled && s.Button7.Visible) {
        QTest::mouseClick(form_.Button7, Qt::LeftButton);
    }
    return false;
}

void LocalPlayerClicks::ClickSlot(int slot) {
    PictureElement* hand = form_.ImageCards[LocalSeat];
    const int x = form_.View().HandX(LocalSeat)[std::size_t(slot)] + 3;
    QTest::mouseClick(hand, Qt::LeftButton, Qt::NoModifier, QPoint(x, hand->height() / 2));
}

} // namespace vesrin
