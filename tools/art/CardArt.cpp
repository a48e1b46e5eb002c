#include "CardArt.h"

#include "Fonts.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <vector>

namespace vesrin::art {

namespace {

// Where things sit on a face of one size, in that face's pixels.
struct FaceLayout {
    int Width;
    int Height;
    QRectF RankBox;   // corner index: the rank
    QRectF SuitBox;   // corner index: the suit sign under it
    QRectF PipArea;   // centres of the outer pips
    double PipHeight;
    double AceHeight;
    QRectF CourtFrame;
    double Pen;
};

const FaceLayout& Layout(CardSize size) {
    static const FaceLayout large{146, 198, QRectF(4, 7, 18, 19), QRectF(5.5, 30, 15, 15),
                                  QRectF(44, 31, 58, 136), 27, 66, QRectF(25.5, 18.5, 95, 161), 1.0};
    static const FaceLayout small{69, 94, QRectF(1, 3, 10, 10), QRectF(2, 15, 8, 8),
                                  QRectF(21, 14, 27, 66), 13, 32, QRectF(12.5, 8.5, 44, 77), 0.7};
    return size == CardSize::Large ? large : small;
}

QString RankText(int rank) {
    switch (rank) {
    case 11: return "J";
    case 12: return "Q";
    case 13: return "K";
    case 14: return "A";
    default: return QString::number(rank);
    }
}

struct Pip {
    double Column; // 0 left, 0.5 centre, 1 right
    double Row;    // 0 top .. 1 bottom
};

std::vector<Pip> PipLayout(int rank) {
    const double third = 1.0 / 3, sixth = 1.0 / 6;
    switch (rank) {
    case 2: return {{0.5, 0}, {0.5, 1}};
    case 3: return {{0.5, 0}, {0.5, 0.5}, {0.5, 1}};
    case 4: return {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    case 5: return {{0, 0}, {1, 0}, {0.5, 0.5}, {0, 1}, {1, 1}};
    case 6: return {{0, 0}, {1, 0}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}};
    case 7: return {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}};
    case 8: return {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0.5, 0.75}, {0, 1}, {1, 1}};
    case 9:
        return {{0, 0}, {1, 0}, {0, third}, {1, third}, {0.5, 0.5},
                {0, 2 * third}, {1, 2 * third}, {0, 1}, {1, 1}};
    case 10:
        return {{0, 0}, {1, 0}, {0.5, sixth}, {0, third}, {1, third},
                {0, 2 * third}, {1, 2 * third}, {0.5, 1 - sixth}, {0, 1}, {1, 1}};
    default: return {};
    }
}

void DrawIndex(QPainter& p, const FaceLayout& l, Suit suit, int rank) {
    const QColor colour = SuitColour(suit);
    QRectF rankBox = l.RankBox;
    // The ten is two figures wide: give it the whole index column.
    QPainterPath rankPath = TextInBox(RankText(rank), SerifBold(64), rankBox, rank != 10);
    const QPainterPath suitPath = SuitAt(suit, l.SuitBox.center(), l.SuitBox.height());
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) {
            p.translate(l.Width, l.Height);
            p.rotate(180);
        }
        p.fillPath(rankPath, colour);
        p.fillPath(suitPath, colour);
        p.restore();
    }
}

void DrawPips(QPainter& p, const FaceLayout& l, Suit suit, int rank) {
    const QRectF a = l.PipArea;
    for (const Pip& pip : PipLayout(rank)) {
        const QPointF centre(a.left() + pip.Column * a.width(), a.top() + pip.Row * a.height());
        // Pips below the middle are turned, the middle row stays upright.
        const bool turned = pip.Row > 0.5 + 1e-9;
        p.fillPath(SuitAt(suit, centre, l.PipHeight, turned), SuitColour(suit));
    }
}

void DrawAce(QPainter& p, const FaceLayout& l, Suit suit) {
    const QPointF centre(l.Width / 2.0, l.Height / 2.0);
    if (suit == Suit::Spade) {
        // The ace of spades carries the maker's flourish: a ring and a larger sign.
        const double r = l.AceHeight * 0.72;
        QPen ring(CardBlack, l.Pen * 1.4);
        p.setPen(ring);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, r, r * 1.12);
        p.setPen(QPen(CardBlack, l.Pen * 0.8));
        p.drawEllipse(centre, r * 0.9, r * 1.01);
        p.setPen(Qt::NoPen);
        p.fillPath(SuitAt(suit, centre, l.AceHeight * 1.05), CardBlack);
        p.fillPath(SuitAt(Suit::Diamond, centre + QPointF(0, -l.AceHeight * 0.05), l.AceHeight * 0.16),
                   Qt::white);
        return;
    }
    p.fillPath(SuitAt(suit, centre, l.AceHeight), SuitColour(suit));
}

QPen Outline(double width) {
    QPen pen(CardBlack, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    pen.setCosmetic(true);
    return pen;
}

void DrawCourt(QPainter& p, const FaceLayout& l, Suit suit, int rank) {
    const QRectF frame = l.CourtFrame;
    p.save();
    p.setClipRect(frame);
    p.fillRect(frame, QColor(255, 252, 240));
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) {
            p.translate(l.Width, l.Height);
            p.rotate(180);
        }
        p.translate(frame.left(), frame.top());
        p.scale(frame.width() / 100.0, frame.height() / 160.0);
        DrawCourtHalf(p, suit, rank, l.Pen);
        p.restore();
    }
    p.restore();
    // The line between the two halves and the frame, on pixel centres so they stay sharp.
    const double middle = std::floor(frame.center().y()) + 0.5;
    p.setPen(Outline(1.0));
    p.drawLine(QPointF(frame.left(), middle), QPointF(frame.right(), middle));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(SuitColour(suit), 1.0));
    p.drawRect(frame);
    // A suit sign in the corner of each half tells the suit at a glance.
    const double signHeight = l.PipHeight * 0.62;
    const QPointF corner(frame.left() + signHeight * 0.62, frame.top() + signHeight * 0.68);
    p.setPen(Qt::NoPen);
    p.fillPath(SuitAt(suit, corner, signHeight), SuitColour(suit));
    p.fillPath(SuitAt(suit, QPointF(l.Width, l.Height) - corner, signHeight, true), SuitColour(suit));
}

} // namespace

QImage DrawFace(Suit suit, int rank, CardSize size) {
    const FaceLayout& l = Layout(size);
    QImage image(l.Width, l.Height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (size == CardSize::Large) {
        p.setPen(QPen(QColor(110, 110, 110), 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(0.5, 0.5, l.Width - 1, l.Height - 1), 8, 8);
    } else {
        p.fillRect(image.rect(), Qt::white);
    }
    p.setPen(Qt::NoPen);
    DrawIndex(p, l, suit, rank);
    if (rank <= 10)
        DrawPips(p, l, suit, rank);
    else if (rank == 14)
        DrawAce(p, l, suit);
    else
        DrawCourt(p, l, suit, rank);
    p.end();
    if (size == CardSize::Small) {
        // The painter's frame leaves the cell's corners open; these four pixels close
        // the rounded outline.
        for (QPoint c : {QPoint(0, 0), QPoint(l.Width - 1, 0), QPoint(0, l.Height - 1),
                         QPoint(l.Width - 1, l.Height - 1)})
            image.setPixelColor(c, Qt::black);
        return image.convertToFormat(QImage::Format_RGB32);
    }
    return image;
}

} // namespace vesrin::art
