#pragma once

#include "table/TableLook.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vesrin {

// Where a flight is shown: the window. The flight covers the window with a picture of
// the whole client area while it runs, copies the changed rectangles of its step picture
// to the screen at once, and uncovers the window when the caller has drawn the card into
// its destination picture.
class FlightSurface {
public:
    virtual ~FlightSurface() = default;
    // The whole client area as it looks now.
    virtual QImage Grab() = 0;
    // Covers the window with `saved`, which a repaint requested by the system shows.
    virtual void Begin(const QImage& saved) = 0;
    // Puts one rectangle of `source` on the screen now.
    virtual void Show(const QImage& source, const QRect& rect) = 0;
    // Uncovers the window: the elements show themselves again.
    virtual void End() = 0;
};

// How long a flight waits after a step. Pauses let the window repaint but take no user
// input, so nothing else runs inside a flight.
class FlightPacer {
public:
    virtual ~FlightPacer() = default;
    virtual void StepPause(int ms) = 0;
    // A step without a pause: the window may repaint when it has waited long enough.
    virtual void StepWithoutPause() {}
};

// One moving card picture. A card code paints the face, "00" the back picture of the
// deal, and "##", "No", "--" or anything else paint nothing (an empty sprite).
class TSprite {
public:
    // The sprite's rectangle is x1..x2 by y1..y2 (one card cell).
    TSprite(std::string_view code, int x1, int y1, int x2, int y2, const TableLook& look);

    int FWidth = 0;
    int FHeight = 0;
    int FLeft = 0;
    int FTop = 0;
    // Small mode: the classic mask (black inside the card's outline, white in the
    // corners) and the card picture with a one-pixel black frame, black in the corners.
    QImage FAndImage;
    QImage FOrImage;
    // Large modes: the card picture on a transparent ground, made once per flight.
    QImage ImBMP2;

    bool IsEmpty() const { return empty_; }
    QRect Rect() const { return QRect(FLeft, FTop, FWidth, FHeight); }
    // Paints the sprite into a picture at its current place.
    void PaintInto(QImage& target) const;

private:
    bool small_ = true;
    bool empty_ = true;
};

// One slot of a multi-card flight; a code "##" is no card.
struct FlyingCard {
    std::string Code = "##";
    QPoint Start;
    QPoint Target;
};

// The moving cards of the table: played cards, passed cards and the sweep of a finished
// trick travel one pixel per step on their longer axis, paced by the speed setting. Only
// one flight runs at a time and it blocks its caller until the cards have arrived.
class CardFlight {
public:
    CardFlight(FlightSurface& surface, FlightPacer& pacer) : surface_(surface), pacer_(pacer) {}

    // The flight speed 1..6 of the settings.
    int Speed = 4;

    // FlyCard: takes the clean snapshot of the window, moves the card from start to
    // target and leaves it painted there (restoreAtEnd puts the snapshot back over it).
    // The window stays covered until Finish(), so the caller draws the card into its
    // destination first.
    void FlyCard(QPoint start, QPoint target, std::string_view code, bool restoreAtEnd, const TableLook& look);

    // FlyCards: the caller's picture of the table without the moving cards is taken by
    // PrepareSnapshot() and may be changed; then every slot that holds a card moves at
    // the same time until all have arrived. Finish() uncovers the window.
    QImage& PrepareSnapshot();
    void FlyCards(const std::array<FlyingCard, 12>& cards, const TableLook& look);

    // Uncovers the window after a flight (the destination pictures are drawn).
    void Finish();

    bool Flying() const { return flying_; }
    bool Covering() const { return covering_; }
    // The pacing phase of speeds 3 and 4 carries over from one flight to the next.
    std::uint8_t PacingPhase() const { return phase_; }

    // The next point of a flight's line: one pixel along the longer axis, the other
    // coordinate on the straight line from start to target.
    static QPoint NextStep(QPoint current, QPoint start, QPoint target);

private:
    void PauseAfterStep();
    void MoveSprite(TSprite& sprite, int x, int y);
    void EraseSprite(TSprite& sprite);
    void Cover(const QImage& saved);

    FlightSurface& surface_;
    FlightPacer& pacer_;
    QImage cleanSnapshot_;
    QImage workBuffer_;
    bool flying_ = false;
    bool covering_ = false;
    std::uint8_t phase_ = 0;
};

} // namespace vesrin
