#include "Suits.h"

#include <QTransform>

namespace vesrin::art {

QPainterPath SuitPath(Suit suit) {
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    switch (suit) {
    case Suit::Heart:
        p.moveTo(0, 46);
        p.cubicTo(-14, 28, -50, 8, -50, -20);
        p.cubicTo(-50, -38, -38, -48, -25, -48);
        p.cubicTo(-12, -48, -3, -40, 0, -27);
        p.cubicTo(3, -40, 12, -48, 25, -48);
        p.cubicTo(38, -48, 50, -38, 50, -20);
        p.cubicTo(50, 8, 14, 28, 0, 46);
        p.closeSubpath();
        break;
    case Suit::Diamond:
        p.moveTo(0, -50);
        p.quadTo(13, -16, 38, 0);
        p.quadTo(13, 16, 0, 50);
        p.quadTo(-13, 16, -38, 0);
        p.quadTo(-13, -16, 0, -50);
        p.closeSubpath();
        break;
    case Suit::Spade:
        p.moveTo(0, -50);
        p.cubicTo(-12, -30, -50, -12, -50, 12);
        p.cubicTo(-50, 30, -37, 38, -25, 38);
        p.cubicTo(-15, 38, -8, 33, -4, 27);
        p.cubicTo(-5, 38, -9, 45, -17, 50);
        p.lineTo(17, 50);
        p.cubicTo(9, 45, 5, 38, 4, 27);
        p.cubicTo(8, 33, 15, 38, 25, 38);
        p.cubicTo(37, 38, 50, 30, 50, 12);
        p.cubicTo(50, -12, 12, -30, 0, -50);
        p.closeSubpath();
        break;
    case Suit::Club:
        p.addEllipse(QPointF(0, -25), 22, 22);
        p.addEllipse(QPointF(-25, 9), 22, 22);
        p.addEllipse(QPointF(25, 9), 22, 22);
        p.addEllipse(QPointF(0, 4), 12, 12);
        p.moveTo(-4, 8);
        p.cubicTo(-4, 30, -9, 43, -18, 50);
        p.lineTo(18, 50);
        p.cubicTo(9, 43, 4, 30, 4, 8);
        p.closeSubpath();
        break;
    }
    return p;
}

QPainterPath SuitAt(Suit suit, QPointF centre, double height, bool turned) {
    QTransform t;
    t.translate(centre.x(), centre.y());
    if (turned) t.rotate(180);
    t.scale(height / 100.0, height / 100.0);
    return t.map(SuitPath(suit));
}

bool IsRed(Suit suit) { return suit == Suit::Heart || suit == Suit::Diamond; }

QColor SuitColour(Suit suit) { return IsRed(suit) ? CardRed : CardBlack; }

} // namespace vesrin::art
