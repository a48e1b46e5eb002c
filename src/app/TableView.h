#pragma once

#include "app/ProgramContext.h"
#include "engine/EngineObserver.h"
#include "table/ScoreDisplays.h"
#include "table/TableLook.h"

#include <memory>

namespace vesrin {

class TForm1;

// The card table as the engine sees it: every moment the engine reports is drawn here
// into the window's pictures, with the card flights of the table and the sounds. The
// window's own moments (buttons, heartbeat, cursor, leaving the game) go back to the
// window.
class TableView : public EngineObserver {
public:
    TableView(TForm1& window, ProgramContext& context);
    ~TableView() override;

    TableLook Look() const;
    const TableLayout& Layout() const { return layout_; }
    // The slot positions of each hand as it was last drawn.
    const HandXList& HandX(int seat) const { return handX_[std::size_t(seat)]; }
    // The window position of a seat's trick card.
    QPoint TrickSpotOnWindow(int seat) const;
    // The card a seat has on the table centre now, or EmptySlot.
    CardCode TableCardOfSeat(int seat) const;

    // Draws one hand (seats 1..3 face down unless the hands are shown).
    void DrawHandOf(int seat);
    // Places the table's elements for the current scale.
    void LayoutTable();
    // The score panel's balloon for the game on the table.
    PanelBalloon PanelHint() const;

    // --- EngineObserver ---
    void PrepareTableForHand() override;
    ProfileFigures LoadProfileFigures(int profileSlot) override;
    void DrawPassArrow(int passDir) override;
    void DrawNamePlates() override;
    void HandOnShow() override;
    void ButtonsChanged() override;
    void HeartbeatChanged() override;
    void RefreshCursor() override;
    void ShowClickEffect() override;
    void HandChanged(int seat) override;
    void InvertCardSelection(int slot) override;
    void DrawNamePlate(int seat, NamePlateStyle style) override;
    void ShowAllHandsFaceUp() override;
    void ClearTableCentre() override;
    void RefreshTableCentre() override;
    void DrawScoreTablet(int seat, int leadSign, bool repaint, int handValue, int totalValue) override;
    void DrawScorePanel() override;
    void PlaceStepButtons() override;
    void PassCardGiven(int giver, int r, int slotBefore) override;
    void PassCardReceived(int giver, int r, int receiver, int slotAfter) override;
    void CardPlayed(int seat, int slotBefore, CardCode card) override;
    void SweepTrick(int winner) override;
    void PlaySound(std::string_view name, bool toEnd) override;
    void Pause(int ms) override;
    void ProcessPendingEvents() override;
    void SpeakCard(CardCode card) override;
    void CloseGame() override;
    void Announce(std::string_view payload) override;
    void ShowChatLine(bool clearHistory) override;

private:
    // The top-left corner of a hand's area on the window and its centre(seat).
    QPoint HandOrigin(int seat) const;
    int HandCentre(int seat) const;
    // One card pitch right of the hand's last card as last drawn, for `r` of a pass.
    QPoint PitchRightOfHand(int seat, int r) const;
    void DrawOnTable(const QPoint& spot, const CardCode& card);
    void DrawBackOnTable(const QPoint& spot);
    // One flight, or nothing when flights are made instant.
    void Fly(QPoint start, QPoint target, const std::string& code);

    TForm1& window_;
    ProgramContext& context_;
    TableLayout layout_;
    OneBased<HandXList, 4> handX_{};
    std::vector<std::unique_ptr<ScoreTablet>> tablets_; // seats 1..4 at index 1..4
    bool handsShownAtEnd_ = false;
};

} // namespace vesrin
