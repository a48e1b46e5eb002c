#include "CardArt.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace vesrin::art {

// The court figures: king with crown and beard, queen with tiara, long hair and a
// flower, jack with a feathered cap and a halberd. They are drawn in a 100 x 80 half box;
// all three share the robe and the head so that the set reads as one design.

namespace {

const QColor Gold(236, 184, 40);
const QColor Silver(214, 216, 226);
const QColor Wood(120, 72, 30);
const QColor BrownHair(120, 70, 32);
const QColor FairHair(214, 160, 60);
const QColor WhiteBeard(236, 236, 236);

struct Colours {
    QColor Robe;
    QColor Panel;
    QColor Trim;
};

Colours CourtColours(Suit suit, int rank) {
    const bool red = IsRed(suit);
    if (rank == 11) return {CourtYellow, red ? CourtRed : CourtBlue, red ? CourtBlue : CourtRed};
    if (rank == 12) return {red ? CourtBlue : CourtRed, CourtYellow, red ? CourtRed : CourtBlue};
    return {red ? CourtRed : CourtBlue, red ? CourtBlue : CourtRed, CourtYellow};
}

class Figure {
public:
    Figure(QPainter& p, double pen) : p_(p), pen_(QPen(CardBlack, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)) {
        pen_.setCosmetic(true);
    }
    void Fill(const QPainterPath& path, const QColor& colour) {
        p_.setPen(pen_);
        p_.setBrush(colour);
        p_.drawPath(path);
    }
    void Ellipse(QPointF c, double rx, double ry, const QColor& colour) {
        QPainterPath path;
        path.addEllipse(c, rx, ry);
        Fill(path, colour);
    }
    void Poly(std::initializer_list<QPointF> points, const QColor& colour) {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points)));
        path.closeSubpath();
        Fill(path, colour);
    }
    void Rect(QRectF r, const QColor& colour) {
        QPainterPath path;
        path.addRect(r);
        Fill(path, colour);
    }
    void Dot(QPointF c, double r, const QColor& colour) {
        p_.setPen(Qt::NoPen);
        p_.setBrush(colour);
        p_.drawEllipse(c, r, r);
    }
    void Line(QPointF a, QPointF b, const QColor& colour, double width) {
        QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap);
        p_.setPen(pen);
        p_.drawLine(a, b);
    }
    bool Detailed() const { return pen_.widthF() >= 0.9; }

private:
    QPainter& p_;
    QPen pen_;
};

void DrawRobe(Figure& f, const Colours& c, int rank) {
    QPainterPath body;
    body.moveTo(-1, 81);
    body.lineTo(-1, 66);
    body.cubicTo(5, 54, 18, 48, 33, 45);
    body.lineTo(44, 41);
    body.lineTo(56, 41);
    body.lineTo(67, 45);
    body.cubicTo(82, 48, 95, 54, 101, 66);
    body.lineTo(101, 81);
    body.closeSubpath();
    f.Fill(body, c.Robe);
    // Sleeve folds.
    QPainterPath left;
    left.moveTo(10, 81);
    left.cubicTo(12, 68, 20, 58, 30, 55);
    left.lineTo(33, 81);
    left.closeSubpath();
    f.Fill(left, c.Trim);
    QPainterPath right;
    right.moveTo(90, 81);
    right.cubicTo(88, 68, 80, 58, 70, 55);
    right.lineTo(67, 81);
    right.closeSubpath();
    f.Fill(right, c.Trim);
    f.Poly({{40, 43}, {60, 43}, {64, 81}, {36, 81}}, c.Panel);
    for (double y = 50; y < 80; y += 8)
        f.Poly({{50, y - 3}, {53, y}, {50, y + 3}, {47, y}}, rank == 11 ? CourtRed : Gold);
    if (rank == 13) {
        // Ermine collar.
        f.Ellipse(QPointF(50, 44), 17, 5, Qt::white);
        for (double x : {40.0, 46.0, 52.0, 58.0}) f.Dot(QPointF(x + 1, 44), 0.9, CardBlack);
    } else {
        f.Ellipse(QPointF(50, 43.5), 14, 4, c.Trim == CourtYellow ? CourtYellow : Gold);
    }
}

void DrawHead(Figure& f, int rank, Suit suit) {
    const QColor hair = rank == 12 ? (IsRed(suit) ? FairHair : BrownHair) : BrownHair;
    if (rank == 12) {
        QPainterPath locks;
        locks.moveTo(39, 18);
        locks.cubicTo(34, 28, 34, 40, 37, 47);
        locks.lineTo(63, 47);
        locks.cubicTo(66, 40, 66, 28, 61, 18);
        locks.cubicTo(57, 11, 43, 11, 39, 18);
        locks.closeSubpath();
        f.Fill(locks, hair);
    }
    f.Rect(QRectF(46, 34, 8, 8), Flesh);
    f.Ellipse(QPointF(50, 26), 8.5, 10.5, Flesh);
    if (rank == 11) {
        QPainterPath cut;
        cut.moveTo(41.5, 27);
        cut.cubicTo(41, 20, 44, 16, 50, 16);
        cut.cubicTo(56, 16, 59, 20, 58.5, 27);
        cut.lineTo(57, 22);
        cut.cubicTo(55, 19, 45, 19, 43, 22);
        cut.closeSubpath();
        f.Fill(cut, hair);
    }
    if (rank == 13) {
        QPainterPath beard;
        beard.moveTo(41.5, 26);
        beard.cubicTo(42, 37, 46, 43, 50, 43);
        beard.cubicTo(54, 43, 58, 37, 58.5, 26);
        beard.lineTo(57, 29);
        beard.cubicTo(55, 34, 45, 34, 43, 29);
        beard.closeSubpath();
        const QColor beardColour = suit == Suit::Heart || suit == Suit::Club ? WhiteBeard : BrownHair;
        f.Fill(beard, beardColour);
        f.Poly({{44, 31}, {50, 29.5}, {56, 31}, {50, 32}}, beardColour);
    }
    if (f.Detailed()) {
        f.Dot(QPointF(46.5, 24), 0.9, CardBlack);
        f.Dot(QPointF(53.5, 24), 0.9, CardBlack);
        f.Line(QPointF(44.5, 21.5), QPointF(48, 21), CardBlack, 0.5);
        f.Line(QPointF(52, 21), QPointF(55.5, 21.5), CardBlack, 0.5);
        f.Line(QPointF(50, 25), QPointF(49.2, 28.5), QColor(170, 110, 80), 0.6);
        if (rank != 13) f.Line(QPointF(48, 32), QPointF(52, 32), CourtRed, 0.8);
    }
}

void DrawCrown(Figure& f, bool queen) {
    if (queen) {
        f.Poly({{42, 14}, {43, 7}, {46.5, 11}, {50, 4}, {53.5, 11}, {57, 7}, {58, 14}}, Gold);
        f.Rect(QRectF(42, 13, 16, 3), Gold);
        f.Dot(QPointF(50, 14.5), 1.1, CourtBlue);
        f.Dot(QPointF(50, 4), 1.1, CourtRed);
        return;
    }
    f.Poly({{40, 15}, {40, 3}, {44.5, 9}, {50, 0.5}, {55.5, 9}, {60, 3}, {60, 15}}, Gold);
    f.Rect(QRectF(40, 13, 20, 4.5), Gold);
    f.Dot(QPointF(50, 15.2), 1.4, CourtRed);
    f.Dot(QPointF(44, 15.2), 1.1, CourtBlue);
    f.Dot(QPointF(56, 15.2), 1.1, CourtBlue);
    for (QPointF tip : {QPointF(40, 3), QPointF(50, 0.8), QPointF(60, 3)}) f.Dot(tip, 1.3, Gold);
}

void DrawCap(Figure& f, const Colours& c) {
    QPainterPath feather;
    feather.moveTo(56, 12);
    feather.cubicTo(62, 4, 69, 1, 76, 0);
    feather.cubicTo(72, 5, 65, 10, 59, 15);
    feather.closeSubpath();
    f.Fill(feather, Qt::white);
    f.Ellipse(QPointF(50, 11), 9, 5.5, c.Panel);
    f.Ellipse(QPointF(50, 15), 13.5, 3.5, c.Trim);
}

void DrawHand(Figure& f, QPointF at) { f.Ellipse(at, 3.6, 3.2, Flesh); }

void DrawSword(Figure& f) {
    f.Poly({{22.5, 58}, {22.5, 10}, {24, 5}, {25.5, 10}, {25.5, 58}}, Silver);
    f.Rect(QRectF(16, 56, 16, 3), Gold);
    f.Rect(QRectF(22.7, 59, 2.6, 8), Wood);
    f.Ellipse(QPointF(24, 68), 2, 2, Gold);
    DrawHand(f, QPointF(24, 62));
}

void DrawSceptre(Figure& f) {
    f.Rect(QRectF(22.8, 12, 2.4, 58), Gold);
    f.Ellipse(QPointF(24, 10), 4, 4, Gold);
    f.Poly({{24, 2}, {25.5, 6}, {24, 7}, {22.5, 6}}, CourtRed);
    DrawHand(f, QPointF(24, 60));
}

void DrawFlower(Figure& f) {
    f.Line(QPointF(27, 62), QPointF(22, 30), QColor(40, 120, 40), 1.2);
    for (int i = 0; i < 5; ++i) {
        const double a = i * 72.0 * 3.14159265 / 180.0;
        f.Ellipse(QPointF(22 + 3.4 * std::sin(a), 27 - 3.4 * std::cos(a)), 2.6, 2.6, CourtRed);
    }
    f.Dot(QPointF(22, 27), 1.8, Gold);
    f.Ellipse(QPointF(25, 44), 3, 1.5, QColor(60, 150, 60));
    DrawHand(f, QPointF(27, 62));
}

void DrawHalberd(Figure& f) {
    f.Rect(QRectF(75, 8, 2.6, 75), Wood);
    QPainterPath blade;
    blade.moveTo(76.3, 0);
    blade.cubicTo(80, 5, 80, 10, 76.3, 16);
    blade.cubicTo(72.6, 10, 72.6, 5, 76.3, 0);
    blade.closeSubpath();
    f.Fill(blade, Silver);
    f.Rect(QRectF(72, 15, 8.6, 2.5), Gold);
    DrawHand(f, QPointF(76.3, 60));
}

} // namespace

void DrawCourtHalf(QPainter& painter, Suit suit, int rank, double penWidth) {
    Figure f(painter, penWidth);
    const Colours c = CourtColours(suit, rank);
    DrawRobe(f, c, rank);
    switch (rank) {
    case 13:
        if (suit == Suit::Heart || suit == Suit::Spade)
            DrawSword(f);
        else
            DrawSceptre(f);
        break;
    case 12: DrawFlower(f); break;
    default: DrawHalberd(f); break;
    }
    DrawHead(f, rank, suit);
    if (rank == 13) DrawCrown(f, false);
    if (rank == 12) DrawCrown(f, true);
    if (rank == 11) DrawCap(f, c);
}

} // namespace vesrin::art
