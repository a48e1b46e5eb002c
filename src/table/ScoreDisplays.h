#pragma once

#include "table/TableLook.h"
#include "words/Language.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

namespace vesrin {

class PictureElement;

// The table centre (ImageStol) and the score displays: where the trick and the passed
// cards lie, the four score tablets and the score panel.

// Commands that stand in a tablet's value: clear the field, or leave it as it is.
inline constexpr int ClearField = -1000000;
inline constexpr int KeepField = -2000000;

// Top-left corner of a seat's trick card inside the table centre, in pixels. The design
// x is shifted by the face inset (narrow faces in the larger windows sit centred).
QPoint TrickSpot(int seat, int faceInset, const TableScale& scale);
// Top-left corner of the r-th card (1..3) a seat gives, in pixels inside the table centre.
QPoint PassSpot(int seat, int r, const TableScale& scale);

// ClearTableCentre, ClearTrickSpot, ClearPassSpot: the background copied over the whole
// centre, over one trick card, or over the three pass cards of a seat.
void ClearTableCentre(PictureElement& stol);
void ClearTrickSpot(PictureElement& stol, int seat, const TableLook& look);
void ClearPassSpot(PictureElement& stol, int seat, const TableLook& look);
QRect PassSpotsRect(int seat, const TableLook& look);

// The pass arrow of a direction (1 left, 2 right, 3 across) at its own size, centred
// across the table centre at ScaleLen(150) from its top; nothing for direction 0.
void DrawPassArrow(PictureElement& stol, int passDir, const TableScale& scale);
QString PassArrowPicture(int passDir);

// A tablet's total as written: "+" before a number above 0, 0 as it is, a minus sign
// for negative numbers. Hand points never carry a sign.
QString TabletTotalText(int total);
QString TabletHandText(int points);

// Field rectangles of a tablet in pixels (design 155 x 95, scaled).
QRect TabletTotalField(const TableScale& scale);
QRect TabletLeadField(const TableScale& scale);
QRect TabletHandField(const TableScale& scale);

// One score tablet (ImageTab1..4): the seat's game total, its points in the hand and
// the sign that it leads the next trick. Keeps the clean tablet of the last repaint, so
// that a field is cleared by copying the same field of the clean picture.
class ScoreTablet {
public:
    explicit ScoreTablet(PictureElement& element) : element_(element) {}

    // DrawScoreTablet: leadSign 1 draws the sign, 2 clears it, 3 leaves it; repaint
    // paints the whole tablet first; the values as numbers or ClearField / KeepField.
    // The total is red while the final results are shown, magenta otherwise.
    void Draw(int seat, int leadSign, bool repaint, int handValue, int totalValue, bool resultsShown,
              const TableLook& look);

private:
    void ClearFieldRect(const QRect& field);

    PictureElement& element_;
    QImage clean_;
};

// DrawScorePanel: the frame, "Round:" with the hand number, the bank picture and the
// game score followed by " $".
void DrawScorePanel(PictureElement& panel, int handNo, int gameScore, Language language, const TableLook& look);

// The kinds of game the score panel's balloon tells apart.
enum class PanelGameKind { Local, Account, Network, Tournament };

// The balloon over the score panel: its title and its lines, separated by a line feed
// and a carriage return. `gameNo` is the game's number; `cycleGame` the number the cycle
// counts from (GameNo, or the account's game counter plus one), shown modulo 20.
struct PanelBalloon {
    QString Title;
    QString Text;
};
PanelBalloon ScorePanelBalloon(PanelGameKind kind, int gameNo, int cycleGame, Language language);

} // namespace vesrin
