#pragma once

#include "engine/GameState.h"
#include "table/Rounding.h"

#include <QRect>
#include <QSize>

#include <array>

namespace vesrin {

// The table is designed for a 760 x 500 client area and scaled to the chosen window
// size. Every element keeps its proportions with the smaller of the two scales and stays
// centred on its stretched design position when the two scales differ (full screen).
struct TableScale {
    int WindowSize = 1; // 1 small, 2 full screen, 3 average 1, 4 average 2, 5 large
    int TableWidth = 760;
    int TableHeight = 500;
    double ScaleX = 1.0;
    double ScaleY = 1.0;
    double Scale = 1.0;

    // ScaleLen(n) = [Scale x n].
    int Len(double n) const { return RoundHalfEven(Scale * n); }
    // PlaceX(x, w) = [ScaleX x x] + [(ScaleX - Scale) x w / 2]; PlaceY the same with ScaleY.
    int PlaceX(double x, double w) const { return RoundHalfEven(ScaleX * x) + RoundHalfEven((ScaleX - Scale) * w / 2); }
    int PlaceY(double y, double h) const { return RoundHalfEven(ScaleY * y) + RoundHalfEven((ScaleY - Scale) * h / 2); }
    // A design rectangle placed by that rule.
    QRect Place(int x, int y, int w, int h) const { return QRect(PlaceX(x, w), PlaceY(y, h), Len(w), Len(h)); }
};

inline constexpr int DesignWidth = 760;
inline constexpr int DesignHeight = 500;

// The table size and scales of a window size. Full screen takes the client size of the
// maximised window; any size outside 1..5 is the small window.
TableScale TableScaleFor(int windowSize, QSize fullScreenClient);

// A per-seat area in window pixels after placement, as left, top, right, bottom.
struct Area {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    QRect Rect() const { return QRect(Left, Top, Width(), Height()); }
    bool operator==(const Area&) const = default;
};

// Design rectangles of the card table (x1, y1, x2, y2 at 760 x 500), by seat 1..4.
struct DesignRect {
    int X1, Y1, X2, Y2;
};
extern const OneBased<DesignRect, 4> HandDesign;
extern const OneBased<DesignRect, 4> TabDesign;
extern const OneBased<DesignRect, 4> PlateDesign;

// Where every card-table element lies for the current scale.
struct TableLayout {
    OneBased<Area, 4> HandArea{};  // ImageCards1..4
    OneBased<Area, 4> TabArea{};   // ImageTab1..4
    OneBased<Area, 4> PlateArea{}; // ImageSay1..4
    QRect Stol;   // ImageStol, the table centre
    QRect Kon;    // ImageKon, the score panel
    QRect Memo;   // ImageMemo, chat lines
    QRect Koloda; // ImageKoloda
    QRect Help;   // ImageHelp
};

// LayoutTable: the hand areas are one card high; the deck picture moves left in network
// and tournament games.
TableLayout LayoutTable(const TableScale& scale, int cardHeight, bool networkGame);

// PlaceStepButtons: Button7 and Button8 at the right of the table.
struct StepButtonPlaces {
    QRect Button7;
    QRect Button8;
};
StepButtonPlaces PlaceStepButtons(const TableScale& scale);

// x of each card slot 1..36 inside a hand picture; entry 0 is unused.
using HandXList = std::array<int, 37>;

// SpreadHand(left, right, count): side by side with pitch CardWidth + 3 centred on the
// middle when they fit, otherwise overlapped from the left edge so the last card ends
// three pixels before the right edge. Every slot 1..36 gets its x, also beyond count.
HandXList SpreadHand(int left, int right, int count, int cardWidth);

// The slot of the hand under x (0 when none): card i covers left(i) .. left(i + 1) - 1,
// the last card its whole width; empty slots never match and later matches win.
int HandSlotAtX(const HandXList& handX, const OneBased<CardCode, HandSlots>& cards, int count, int cardWidth,
                int x);

} // namespace vesrin
