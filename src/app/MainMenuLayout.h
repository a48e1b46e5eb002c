#pragma once

#include "table/TableGeometry.h"

#include <QRect>
#include <QSize>

#include <array>

namespace vesrin {

// Where every element of the main menu lies for a window size. Buttons and list rows
// take ScaleX for their left edge and width and ScaleY for their top, with the row
// height H = [Scale x 30]; the pictures that keep their design size (the two
// animations and the side decorations) stay centred on their stretched design places.
struct MainMenuPlaces {
    int RowHeight = 30; // H
    QRect ImTitle;
    std::array<QRect, 3> RankingPanels; // Panel1..Panel3
    QRect Panel4;
    std::array<QRect, 5> ProfileRows; // Button1..Button5
    QRect Button6, Button9, BHistory, Button10, BMode, Button11;
    QRect ImCaption, ImElite;
    QRect RxGIFAn1, RxGIFAn2;
    QRect ImageSvLeft, ImageSvRight;
    QRect ImClock1, ImClock2;
    // The corner icons: left column top to bottom (ImageAdvL1, ImageAdvL2, ImHp, ImTR,
    // ImageAdvL3), right column (ImageAdvR1, ImageAdvR2, ImageAdvR3, ImAc).
    std::array<QRect, 5> LeftIcons;
    std::array<QRect, 4> RightIcons;
};

// calendarShift is c: 20 when the calendar shows a picture for the day, else 0; it
// moves the side decorations outwards.
MainMenuPlaces PlaceMainMenu(const TableScale& scale, int calendarShift = 0);

// The clock and the statistics panel show in the two larger window sizes and in a full
// screen larger than 1290 x 850; the clock needs Scale >= 1.6 besides.
bool ShowsMenuPanels(const TableScale& scale);
bool ShowsMenuClock(const TableScale& scale);

// The clock picture: its frame and where its digits and separator go.
inline constexpr QSize ClockSize(115, 64);
inline constexpr std::array<int, 4> ClockDigitX = {14, 34, 61, 81};
inline constexpr int ClockDigitY = 15;
inline constexpr QPoint ClockSeparator(55, 24);

} // namespace vesrin
