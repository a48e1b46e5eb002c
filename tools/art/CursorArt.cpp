#include "ArtOutput.h"
#include "Draw.h"
#include "Generators.h"
#include "Suits.h"

#include <QPainterPath>

#include <cmath>

namespace vesrin::art {

// The program's four cursors, 32 x 32. The arrow is one picture; the hand, the busy and
// the edit cursors are animated: their frames lie side by side in one strip. Hot spots
// (listed in the manifest): arrow (1, 1), hand (11, 2), busy (16, 16), edit (16, 16).

namespace {

const QColor RimColour(60, 0, 0);

QImage ArrowCursor() {
    QImage image = Blank(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(1, 1);
    arrow.lineTo(1, 23);
    arrow.lineTo(7, 18);
    arrow.lineTo(11, 27);
    arrow.lineTo(15, 25);
    arrow.lineTo(11, 16.5);
    arrow.lineTo(18.5, 16.5);
    arrow.closeSubpath();
    p.setPen(QPen(RimColour, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(210, 20, 30));
    p.drawPath(arrow);
    return image;
}

QImage HandFrame(int frame) {
    QImage image = Blank(32, 32);
    QPainter p(&image);
    // The glove of the table's lead sign, smaller; the finger taps on every other frame.
    p.translate(-1, 0);
    p.scale(32 / 60.0 * 1.2, 32 / 60.0);
    PointingGlove(p, QColor(252, 236, 220), RimColour, QColor(210, 20, 30), (frame % 2) ? 3 : 0);
    return image;
}

QImage BusyFrame(int frame) {
    QImage image = Blank(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A card turning: its width follows the cosine of the turn, red face then back.
    const double turn = frame * M_PI / 4;
    const double half = std::max(1.0, std::abs(std::cos(turn)) * 10);
    const bool face = std::cos(turn) >= 0;
    p.setPen(QPen(RimColour, 1.2));
    p.setBrush(face ? QColor(255, 255, 255) : QColor(30, 64, 150));
    p.drawRoundedRect(QRectF(16 - half, 3, 2 * half, 26), 2.5, 2.5);
    if (face && half > 4) p.fillPath(SuitAt(Suit::Heart, QPointF(16, 16), 10 * half / 10), CardRed);
    return image;
}

QImage EditFrame(int frame) {
    QImage image = Blank(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor beam = frame == 0 ? QColor(200, 20, 30) : QColor(120, 0, 10);
    p.fillRect(QRect(15, 5, 2, 22), beam);
    p.fillRect(QRect(11, 4, 10, 2), beam);
    p.fillRect(QRect(11, 26, 10, 2), beam);
    p.fillRect(QRect(14, 4, 4, 1), QColor(255, 255, 255, 160));
    return image;
}

template <typename Draw>
QImage Frames(int count, Draw draw) {
    QList<QImage> frames;
    for (int i = 0; i < count; ++i) frames.append(draw(i));
    return Strip(frames);
}

} // namespace

void MakeCursors(ArtOutput& out) {
    out.Png("CurArrow", ArrowCursor());
    out.Png("CurHand", Frames(4, HandFrame));
    out.Png("CurWait", Frames(8, BusyFrame));
    out.Png("CurEdit", Frames(2, EditFrame));
}

} // namespace vesrin::art
