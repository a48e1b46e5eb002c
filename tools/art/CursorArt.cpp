#include "ArtOutput.h"
#include "Draw.h"
#include "Generators.h"
#include "Suits.h"

#include <QPainterPath>

#include <cmath>

namespace vesrin::art {

// The program's four cursors, 32 x 32. The arrow is one picture; the hand, the busy and
// the edit cursors are animated: their frames lie side by side in one strip. Hot spots
// (listed in the manifest): arrow (1, 1), hand (9, 1), busy (16, 16), edit (16, 16).

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
    p.setRenderHint(QPainter::Antialiasing);
    // The finger taps: it dips a pixel on every other frame.
    const double dip = (frame % 2) ? 1.5 : 0;
    p.setPen(QPen(RimColour, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(252, 236, 220));
    p.drawRoundedRect(QRectF(6.5, 1 + dip, 5, 16), 2.5, 2.5);
    QPainterPath palm;
    palm.moveTo(4, 17);
    palm.cubicTo(4, 14, 6, 14, 7, 15);
    palm.lineTo(20, 15);
    palm.cubicTo(24, 15, 25, 18, 24.5, 22);
    palm.lineTo(23, 28);
    palm.cubicTo(22.5, 30, 21, 31, 19, 31);
    palm.lineTo(10, 31);
    palm.cubicTo(6, 31, 4, 28, 4, 24);
    palm.closeSubpath();
    p.drawPath(palm);
    for (double y : {19.0, 23.0}) p.drawLine(QPointF(12, y), QPointF(23.5, y));
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
    QImage strip = Blank(32 * count, 32);
    QPainter p(&strip);
    for (int i = 0; i < count; ++i) p.drawImage(32 * i, 0, draw(i));
    return strip;
}

} // namespace

void MakeCursors(ArtOutput& out) {
    out.Png("CurArrow", ArrowCursor());
    out.Png("CurHand", Frames(4, HandFrame));
    out.Png("CurWait", Frames(8, BusyFrame));
    out.Png("CurEdit", Frames(2, EditFrame));
}

} // namespace vesrin::art
