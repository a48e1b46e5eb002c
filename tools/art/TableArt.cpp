#include "ArtOutput.h"
#include "Draw.h"
#include "Fonts.h"
#include "Generators.h"
#include "Suits.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace vesrin::art {

// Pictures of the card table: the felt, the score board, the score panel and chat
// frames, the bank, name plates, lead signs, pass arrows, seat timers and the banner.

namespace {

// Green baize: a fine fibre noise over a soft light in the middle of the table.
QImage Felt(int width, int height, std::uint32_t seed) {
    QImage image(width, height, QImage::Format_RGB32);
    Noise noise(seed);
    const double cx = width / 2.0, cy = height / 2.0;
    const double reach = std::hypot(cx, cy);
    // Slow streaks along the rows give the cloth its direction.
    std::vector<double> streak(height);
    double drift = 0;
    for (int y = 0; y < height; ++y) {
        drift = drift * 0.92 + noise.Next() * 0.8;
        streak[y] = drift;
    }
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double d = std::hypot(x - cx, y - cy) / reach;
            const double light = 1.12 - 0.42 * d * d;
            const double grain = noise.Next() * 7 + streak[y];
            const int r = std::clamp(int(std::lround(14 * light + grain * 0.3)), 0, 255);
            const int g = std::clamp(int(std::lround(104 * light + grain)), 0, 255);
            const int b = std::clamp(int(std::lround(46 * light + grain * 0.6)), 0, 255);
            line[x] = qRgb(r, g, b);
        }
    }
    return image;
}

// The plain table of a recorded hand: few colours, so the recording stays small.
QImage PlainTable() {
    QImage image(760, 500, QImage::Format_RGB32);
    image.fill(QColor(0, 100, 40));
    QPainter p(&image);
    p.setPen(QPen(QColor(0, 84, 34), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(8, 8, 744, 484), 30, 30);
    return image;
}

QImage ScoreBoard(int w, int h) {
    const double k = w / 155.0;
    QImage image = Blank(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Panel(p, QRectF(0, 0, w, h), 10 * k, QColor(120, 72, 36), QColor(70, 38, 16), QColor(40, 20, 8), 2 * k);
    p.setPen(QPen(QColor(214, 170, 70), 1.4 * k));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(5 * k, 5 * k, w - 10 * k, h - 10 * k), 7 * k, 7 * k);
    // The three fields: total, lead sign, hand points.
    const QRectF fields[] = {QRectF(15, 15, 125, 31), QRectF(15, 50, 35, 31), QRectF(105, 50, 35, 31)};
    for (const QRectF& f : fields) {
        const QRectF r(f.left() * k, f.top() * k, f.width() * k, f.height() * k);
        Panel(p, r, 4 * k, QColor(255, 250, 232), QColor(232, 222, 196), QColor(150, 110, 50), 1 * k);
    }
    // Between the lead sign and the points: the four suit signs.
    const double y = 65.5 * k;
    const Suit suits[] = {Suit::Heart, Suit::Club, Suit::Diamond, Suit::Spade};
    for (int i = 0; i < 4; ++i) {
        const QColor c = IsRed(suits[i]) ? QColor(230, 70, 70) : QColor(250, 236, 200);
        p.fillPath(SuitAt(suits[i], QPointF((60 + i * 12.5) * k, y), 9 * k), c);
    }
    return image;
}

QImage ScorePanelFrame(int w, int h) {
    const double k = w / 110.0;
    QImage image = Blank(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QColor shade(0, 40, 16, 150);
    p.setPen(QPen(QColor(214, 170, 70), 3 * k));
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(2 * k, 2 * k, w - 4 * k, h - 4 * k), 10 * k, 10 * k);
    p.setPen(QPen(QColor(120, 80, 20), 1 * k));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(6 * k, 6 * k, w - 12 * k, h - 12 * k), 7 * k, 7 * k);
    // Plate for the round number (blue text).
    Panel(p, QRectF(10 * k, 11 * k, w - 20 * k, 30 * k), 6 * k, QColor(255, 250, 232), QColor(226, 214, 180),
          QColor(150, 110, 50), 1 * k);
    return image;
}

QImage ChatFrame(int w, int h) {
    const double k = w / 130.0;
    QImage image = Blank(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Panel(p, QRectF(1 * k, 1 * k, w - 2 * k, h - 2 * k), 8 * k, QColor(255, 251, 236), QColor(236, 226, 198),
          QColor(150, 110, 50), 2 * k);
    p.setPen(QPen(QColor(214, 170, 70), 1 * k));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(5 * k, 5 * k, w - 10 * k, h - 10 * k), 5 * k, 5 * k);
    // Faint ruled lines under the four chat lines.
    p.setPen(QPen(QColor(200, 186, 150), 0.8 * k));
    for (int j = 1; j <= 4; ++j) {
        const double y = (14 * j + 17) * k;
        p.drawLine(QPointF(14 * k, y), QPointF(w - 14 * k, y));
    }
    return image;
}

QImage Bank() {
    QImage image = Blank(150, 150);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A money bag behind two stacks of gold coins.
    QPainterPath bag;
    bag.moveTo(58, 40);
    bag.cubicTo(20, 60, 18, 120, 40, 132);
    bag.lineTo(110, 132);
    bag.cubicTo(132, 120, 130, 60, 92, 40);
    bag.closeSubpath();
    QRadialGradient g(QPointF(62, 80), 80);
    g.setColorAt(0, QColor(222, 196, 140));
    g.setColorAt(1, QColor(150, 112, 60));
    p.setPen(QPen(QColor(90, 60, 25), 2));
    p.setBrush(g);
    p.drawPath(bag);
    p.setBrush(QColor(170, 128, 70));
    p.drawEllipse(QPointF(75, 36), 20, 7);
    p.setPen(QPen(QColor(180, 30, 30), 4));
    p.drawLine(QPointF(58, 43), QPointF(92, 43));
    OutlinedText(p, QRectF(45, 64, 60, 50), "$", SerifBold(52), QColor(120, 84, 30), QColor(240, 220, 170), 2);
    auto coins = [&](double x, double base, int count) {
        for (int i = 0; i < count; ++i) {
            const double y = base - i * 7;
            p.setPen(QPen(QColor(130, 90, 10), 1.2));
            p.setBrush(QColor(220, 170, 40));
            p.drawRoundedRect(QRectF(x - 18, y - 4, 36, 8), 3, 3);
            p.setBrush(QColor(250, 214, 90));
            p.drawEllipse(QPointF(x, y - 4), 18, 4.5);
        }
    };
    coins(28, 140, 5);
    coins(124, 140, 7);
    return image;
}

QImage NamePlate(const QColor& colour, int w, int h) {
    QImage image = Blank(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double k = h / 20.0;
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, colour.lighter(150));
    g.setColorAt(0.45, colour);
    g.setColorAt(1, colour.darker(170));
    p.setPen(QPen(colour.darker(260), 1.2 * k));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.6 * k, 0.6 * k, w - 1.2 * k, h - 1.2 * k), h / 2.0 - k, h / 2.0 - k);
    QColor shine(255, 255, 255, 70);
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawRoundedRect(QRectF(h / 2.0, 2 * k, w - h, 6 * k), 3 * k, 3 * k);
    return image;
}

// A white glove with the index finger pointing up.
QImage PointingHand(int w, int h) {
    QImage image = Blank(w, h);
    QPainter p(&image);
    p.scale(w / 40.0, h / 60.0);
    PointingGlove(p, QColor(252, 250, 240), QColor(40, 30, 20), QColor(200, 30, 40));
    return image;
}

QImage Turned(const QImage& image) {
    QTransform t;
    t.rotate(90);
    return image.transformed(t, Qt::SmoothTransformation);
}

QImage Arrow(double angle) {
    QImage image = Blank(48, 48);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(24, 24);
    p.rotate(angle);
    QPainterPath arrow;
    arrow.moveTo(0, -21);
    arrow.lineTo(18, -2);
    arrow.lineTo(7, -2);
    arrow.lineTo(7, 20);
    arrow.lineTo(-7, 20);
    arrow.lineTo(-7, -2);
    arrow.lineTo(-18, -2);
    arrow.closeSubpath();
    QLinearGradient g(-18, 0, 18, 0);
    g.setColorAt(0, QColor(255, 236, 90));
    g.setColorAt(1, QColor(226, 170, 10));
    p.setPen(QPen(QColor(110, 70, 0), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(arrow);
    return image;
}

QImage Banner(int w, int h) {
    QImage image = Blank(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double k = h / 80.0;
    Panel(p, QRectF(0, 0, w, h), 16 * k, QColor(255, 248, 220), QColor(236, 214, 150), QColor(140, 20, 20), 3 * k);
    p.setPen(QPen(QColor(214, 170, 70), 1.5 * k));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(6 * k, 6 * k, w - 12 * k, h - 12 * k), 11 * k, 11 * k);
    return image;
}

QImage SeatTimer(const QColor& colour) {
    QImage image = Blank(50, 50);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60));
    p.drawRoundedRect(QRectF(21, 0, 8, 6), 2, 2); // winder of a stopwatch
    Disc(p, QPointF(25, 28), 21.5, colour, QColor(40, 30, 20), 2);
    p.setPen(QPen(QColor(40, 30, 20, 120), 1.2));
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        p.drawLine(QPointF(25 + 17 * std::sin(a), 28 - 17 * std::cos(a)),
                   QPointF(25 + 19.5 * std::sin(a), 28 - 19.5 * std::cos(a)));
    }
    return image;
}

} // namespace

void MakeTable(ArtOutput& out) {
    out.Jpeg("FonG", Felt(760, 500, 7), 90);
    out.Jpeg("FonGB", Felt(1920, 922, 11), 88);
    out.Png("GIFBackGr", PlainTable());
    out.Png("TabloSm", ScoreBoard(155, 95));
    out.Png("TabloBg", ScoreBoard(310, 190));
    out.Png("RamkaABSm", ScorePanelFrame(110, 160));
    out.Png("RamkaABBg", ScorePanelFrame(220, 320));
    out.Png("RamkaERSm", ChatFrame(130, 90));
    out.Png("RamkaERBg", ChatFrame(260, 180));
    out.Png("GBank", Bank());
    struct PlateColour {
        const char* Name;
        QColor Colour;
    };
    const PlateColour plates[] = {{"SPRed", QColor(200, 30, 36)},     {"SPBlue", QColor(30, 70, 190)},
                                  {"SPGreen", QColor(20, 140, 50)},   {"SPYellow", QColor(214, 160, 0)},
                                  {"SPFiolet", QColor(130, 40, 170)}};
    for (const PlateColour& plate : plates) {
        out.Png(plate.Name, NamePlate(plate.Colour, 160, 20));
        out.Png(QString(plate.Name) + "B", NamePlate(plate.Colour, 320, 40));
    }
    const QImage up = PointingHand(40, 60);
    out.Png("Hand_Up", up);
    out.Png("Hand_Right", Turned(up));
    // The small window's two image lists; both entries show the sign, whichever one a
    // caller counts as the first.
    out.Png("ImageList3", Strip({PointingHand(20, 30), PointingHand(20, 30)}));
    out.Png("ImageList3Add", Strip({Turned(PointingHand(20, 30)), Turned(PointingHand(20, 30))}));
    out.Png("ArrowYLeft", Arrow(-90));
    out.Png("ArrowYRight", Arrow(90));
    out.Png("ArrowYUp", Arrow(0));
    out.Png("AdvBar3", Banner(350, 80));
    out.Png("GTimerR", SeatTimer(QColor(200, 30, 30)));
    out.Png("GTimerY", SeatTimer(QColor(250, 210, 40)));
    out.Png("GFree", Blank(10, 10));
}

} // namespace vesrin::art
