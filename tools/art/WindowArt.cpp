#include "ArtOutput.h"
#include "Draw.h"
#include "Fonts.h"
#include "Generators.h"
#include "Suits.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace vesrin::art {

// Pictures of the secondary windows and the smaller table pieces: caption ribbons,
// music-player buttons, coins, the game-kind pictures of the count window, faces of the
// top-ten rows, news and chat pieces, the radio shelf and the main menu's candlesticks.

namespace {

// A red ribbon with folded ends; the windows write their title over it.
QImage Ribbon(int w, int h) {
    QImage image = Blank(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double fold = std::min(h * 0.5, w * 0.08);
    const double top = h * 0.12, bottom = h * 0.88;
    QPolygonF leftEnd({QPointF(0, top + h * 0.12), QPointF(fold * 1.6, top + h * 0.12), QPointF(fold * 1.6, bottom),
                       QPointF(0, bottom), QPointF(fold * 0.6, (top + bottom) / 2 + h * 0.06)});
    QPolygonF rightEnd;
    for (QPointF pt : leftEnd) rightEnd << QPointF(w - pt.x(), pt.y());
    p.setPen(QPen(QColor(90, 0, 0), 1.2));
    p.setBrush(QColor(140, 10, 20));
    p.drawPolygon(leftEnd);
    p.drawPolygon(rightEnd);
    QLinearGradient g(0, top, 0, bottom - h * 0.12);
    g.setColorAt(0, QColor(240, 60, 60));
    g.setColorAt(0.5, QColor(200, 20, 30));
    g.setColorAt(1, QColor(130, 0, 10));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(fold, top, w - 2 * fold, bottom - top - h * 0.12), h * 0.06, h * 0.06);
    p.setPen(QPen(QColor(250, 210, 90), std::max(1.0, h * 0.03)));
    p.setBrush(Qt::NoBrush);
    const double inset = h * 0.07;
    p.drawLine(QPointF(fold + inset, top + inset), QPointF(w - fold - inset, top + inset));
    p.drawLine(QPointF(fold + inset, bottom - h * 0.12 - inset), QPointF(w - fold - inset, bottom - h * 0.12 - inset));
    return image;
}

QImage PlayerButton(int kind) { // 0 play, 1 pause, 2 next, 3 volume
    QImage image = Blank(61, 61);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Disc(p, QPointF(30.5, 30.5), 29, QColor(30, 40, 60), QColor(200, 170, 80), 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 240, 240));
    switch (kind) {
    case 0: p.drawPolygon(QPolygonF({QPointF(23, 17), QPointF(45, 30.5), QPointF(23, 44)})); break;
    case 1:
        p.drawRoundedRect(QRectF(20, 17, 8, 27), 2, 2);
        p.drawRoundedRect(QRectF(33, 17, 8, 27), 2, 2);
        break;
    case 2:
        p.drawPolygon(QPolygonF({QPointF(16, 18), QPointF(31, 30.5), QPointF(16, 43)}));
        p.drawPolygon(QPolygonF({QPointF(30, 18), QPointF(45, 30.5), QPointF(30, 43)}));
        p.drawRect(QRectF(44, 18, 3, 25));
        break;
    default:
        // Minus on the left, plus on the right: the button's two halves.
        p.drawRect(QRectF(9, 29, 11, 3));
        p.drawRect(QRectF(41, 29, 11, 3));
        p.drawRect(QRectF(45, 25, 3, 11));
        break;
    }
    return image;
}

QImage Coin(bool withTail) {
    QImage image = Blank(128, 128);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Disc(p, QPointF(64, 64), 62, QColor(236, 184, 40), QColor(120, 80, 0), 4);
    p.setPen(QPen(QColor(170, 120, 10), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(64, 64), 50, 50);
    if (withTail)
        OutlinedText(p, QRectF(24, 86, 80, 22), "QORS", SerifBold(20), QColor(150, 100, 0), QColor(250, 230, 150), 1);
    return image;
}

QImage KindPicture(char kind) {
    QImage image = Blank(64, 64);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor base = kind == 'A' || kind == 'B' ? QColor(200, 150, 20) : kind == 'E' ? QColor(150, 40, 160)
                        : kind == 'G' ? QColor(30, 110, 190) : QColor(30, 140, 60);
    Panel(p, QRectF(2, 2, 60, 60), 12, base.lighter(140), base.darker(130), base.darker(250), 2);
    p.setPen(QPen(QColor(40, 30, 20), 1.5));
    switch (kind) {
    case 'A': // account game: a crown
        p.setBrush(QColor(255, 220, 80));
        p.drawPolygon(QPolygonF({QPointF(14, 44), QPointF(14, 20), QPointF(24, 32), QPointF(32, 16), QPointF(40, 32),
                                 QPointF(50, 20), QPointF(50, 44)}));
        break;
    case 'B': // its rating series: a star
        p.setBrush(QColor(255, 230, 90));
        p.drawPolygon(Star(QPointF(32, 33), 22, 9));
        break;
    case 'C': // against the computer: a screen
        p.setBrush(QColor(220, 235, 250));
        p.drawRoundedRect(QRectF(12, 14, 40, 28), 3, 3);
        p.setBrush(QColor(80, 80, 90));
        p.drawRect(QRectF(26, 42, 12, 6));
        p.drawRect(QRectF(18, 48, 28, 4));
        p.fillPath(SuitAt(Suit::Heart, QPointF(32, 28), 16), CardRed);
        break;
    case 'F': // cards of a local game
        for (int i = 0; i < 3; ++i) {
            p.save();
            p.translate(32, 52);
            p.rotate(-20 + i * 20);
            p.setBrush(Qt::white);
            p.drawRoundedRect(QRectF(-10, -38, 20, 30), 3, 3);
            p.restore();
        }
        p.fillPath(SuitAt(Suit::Spade, QPointF(32, 28), 12), CardBlack);
        break;
    case 'E': // tournament: a cup
        p.setBrush(QColor(255, 210, 60));
        p.drawPath([] {
            QPainterPath cup;
            cup.moveTo(18, 14);
            cup.lineTo(46, 14);
            cup.cubicTo(46, 34, 38, 40, 32, 40);
            cup.cubicTo(26, 40, 18, 34, 18, 14);
            return cup;
        }());
        p.drawRect(QRectF(29, 40, 6, 6));
        p.drawRoundedRect(QRectF(20, 46, 24, 6), 2, 2);
        break;
    default: // network game: linked computers
        p.setBrush(QColor(220, 235, 250));
        p.drawRoundedRect(QRectF(8, 12, 22, 16), 2, 2);
        p.drawRoundedRect(QRectF(34, 36, 22, 16), 2, 2);
        p.setPen(QPen(QColor(250, 250, 250), 3));
        p.drawLine(QPointF(19, 28), QPointF(19, 44));
        p.drawLine(QPointF(19, 44), QPointF(34, 44));
        break;
    }
    return image;
}

QImage FaceGlyph(bool woman) {
    QImage image = Blank(16, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = woman ? QColor(220, 60, 140) : QColor(40, 100, 210);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(8, 5), 3.5, 3.5);
    QPainterPath body;
    if (woman) {
        body.moveTo(8, 8.5);
        body.lineTo(13, 15.5);
        body.lineTo(3, 15.5);
    } else {
        body.addRoundedRect(QRectF(4, 9, 8, 6.5), 2, 2);
    }
    p.drawPath(body);
    return image;
}

QImage NewBadge() {
    QImage image = Blank(40, 20);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Panel(p, QRectF(0, 0, 40, 20), 6, QColor(255, 90, 60), QColor(190, 20, 10), QColor(110, 0, 0), 1.2);
    OutlinedText(p, QRectF(4, 4, 32, 12), "NEW", SansBold(12), Qt::white, QColor(110, 0, 0), 0);
    return image;
}

QImage RefreshButton(const QColor& colour) {
    QImage image = Blank(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Disc(p, QPointF(16, 16), 15, colour, colour.darker(250), 1.5);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(8, 8, 16, 16), 60 * 16, 270 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(20, 4), QPointF(26, 10), QPointF(18, 12)}));
    return image;
}

QImage ServerState(bool on) {
    QImage image = Blank(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 30, 40), 1.2));
    p.setBrush(QColor(90, 100, 120));
    for (int i = 0; i < 3; ++i) p.drawRoundedRect(QRectF(5, 4 + i * 9, 22, 7), 2, 2);
    for (int i = 0; i < 3; ++i) Disc(p, QPointF(22, 7.5 + i * 9), 2.2, on ? QColor(40, 220, 60) : QColor(220, 40, 30), Qt::black, 0);
    return image;
}

QImage RadioPicture(int state) { // 0 base, 1 unavailable, 2 off, 3 on
    QImage image = Blank(64, 48);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (state == 0) {
        Panel(p, QRectF(2, 8, 60, 38), 6, QColor(150, 90, 40), QColor(90, 50, 20), QColor(50, 25, 10), 1.5);
        p.setPen(QPen(QColor(60, 60, 60), 1.5));
        p.drawLine(QPointF(46, 8), QPointF(56, 0));
        p.setBrush(QColor(230, 220, 190));
        p.drawRoundedRect(QRectF(8, 14, 30, 12), 2, 2);
        p.setBrush(QColor(60, 40, 20));
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) p.drawEllipse(QPointF(46 + i * 5, 20 + j * 7), 1.4, 1.4);
        return image;
    }
    const QColor lamp = state == 1 ? QColor(130, 130, 130) : state == 2 ? QColor(220, 40, 30) : QColor(40, 220, 60);
    Disc(p, QPointF(22, 37), 5, lamp, Qt::black, 1);
    return image;
}

QImage Shelf() {
    QImage image = Blank(220, 54);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Panel(p, QRectF(0, 10, 220, 16), 3, QColor(170, 110, 60), QColor(100, 60, 25), QColor(60, 30, 10), 1.5);
    p.setPen(QPen(QColor(60, 30, 10), 1.5));
    p.setBrush(QColor(120, 70, 30));
    p.drawPolygon(QPolygonF({QPointF(20, 26), QPointF(34, 26), QPointF(24, 52)}));
    p.drawPolygon(QPolygonF({QPointF(186, 26), QPointF(200, 26), QPointF(196, 52)}));
    return image;
}

QImage NewsIcon(int size, bool chat) {
    QImage image = Blank(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 72.0, size / 72.0);
    p.setPen(QPen(QColor(30, 30, 40), 2.5));
    if (chat) {
        p.setBrush(QColor(250, 250, 230));
        p.drawRoundedRect(QRectF(6, 8, 48, 34), 10, 10);
        p.drawPolygon(QPolygonF({QPointF(16, 40), QPointF(12, 54), QPointF(28, 41)}));
        p.setBrush(QColor(200, 230, 255));
        p.drawRoundedRect(QRectF(28, 30, 38, 28), 9, 9);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 40, 50));
        for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(38 + i * 9, 44), 2.5, 2.5);
    } else {
        p.setBrush(QColor(245, 245, 240));
        p.drawRect(QRectF(10, 8, 52, 56));
        p.setPen(QPen(QColor(60, 60, 70), 3));
        p.drawLine(QPointF(18, 20), QPointF(54, 20));
        p.setPen(QPen(QColor(140, 140, 150), 2));
        for (int y = 30; y <= 54; y += 6) p.drawLine(QPointF(18, y), QPointF(54, y));
    }
    return image;
}

// The candlestick beside the main menu; the menu's flame strip is drawn at the three
// candle tops (16, 15), (41, 1) and (66, 15).
QImage Candlestick(bool mirrored) {
    QImage image = Blank(100, 200);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (mirrored) {
        p.translate(100, 0);
        p.scale(-1, 1);
    }
    const QColor gold(214, 170, 60), dark(120, 80, 10);
    p.setPen(QPen(dark, 1.5));
    p.setBrush(gold);
    QPainterPath arms;
    arms.moveTo(26, 82);
    arms.cubicTo(26, 108, 74, 108, 74, 82);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arms);
    p.setPen(QPen(dark, 1.5));
    p.setBrush(gold);
    p.drawRect(QRectF(47.5, 60, 5, 110));
    p.drawEllipse(QPointF(50, 130), 8, 5);
    p.drawPolygon(QPolygonF({QPointF(30, 195), QPointF(70, 195), QPointF(56, 170), QPointF(44, 170)}));
    for (QPointF cup : {QPointF(26, 80), QPointF(51, 66), QPointF(76, 80)}) p.drawRoundedRect(QRectF(cup.x() - 8, cup.y(), 16, 5), 2, 2);
    // Candles below the flames.
    p.setBrush(QColor(250, 245, 225));
    p.drawRect(QRectF(21, 45, 10, 35));
    p.drawRect(QRectF(46, 31, 10, 35));
    p.drawRect(QRectF(71, 45, 10, 35));
    return image;
}

QImage FlameStrip() {
    QImage strip = Blank(120, 30);
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 6; ++i) {
        const double sway = std::sin(i * M_PI / 3) * 2.5;
        const double tall = 20 + 3 * std::cos(i * M_PI / 3);
        QPainterPath flame;
        const double cx = i * 20 + 10;
        flame.moveTo(cx + sway, 30 - tall - 2);
        flame.cubicTo(cx + 7, 16, cx + 6, 29, cx, 29);
        flame.cubicTo(cx - 6, 29, cx - 7, 16, cx + sway, 30 - tall - 2);
        QRadialGradient g(QPointF(cx, 24), 12);
        g.setColorAt(0, QColor(255, 255, 220));
        g.setColorAt(0.5, QColor(255, 200, 40));
        g.setColorAt(1, QColor(230, 80, 10));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(flame);
        p.setPen(QPen(QColor(40, 30, 20), 1.5));
        p.drawLine(QPointF(cx, 26), QPointF(cx, 30));
    }
    return strip;
}

} // namespace

void MakeWindowPictures(ArtOutput& out) {
    for (int width : {150, 300, 550, 610}) out.Png(QString("GCap%1").arg(width), Ribbon(width, 64));
    for (QSize size : {QSize(200, 100), QSize(280, 90), QSize(380, 120), QSize(590, 116)})
        out.Png(QString("GLenta%1x%2").arg(size.width()).arg(size.height(), 3, 10, QChar('0')), Ribbon(size.width(), size.height()));
    out.Png("MP_Play", PlayerButton(0));
    out.Png("MP_Pause", PlayerButton(1));
    out.Png("MP_Next", PlayerButton(2));
    out.Png("MP_Volume", PlayerButton(3));
    out.Png("GQors128", Coin(false));
    out.Png("GQorsT128", Coin(true));
    for (char kind : {'A', 'B', 'C', 'E', 'F', 'G'}) out.Png(QString("GClub") + kind, KindPicture(kind));
    out.Png("FaceMan16", FaceGlyph(false));
    out.Png("FaceWoman16", FaceGlyph(true));
    out.Png("GNew", NewBadge());
    out.Png("AdvButR", RefreshButton(QColor(200, 30, 30)));
    out.Png("AdvButG", RefreshButton(QColor(30, 160, 60)));
    out.Png("GTourOn", ServerState(true));
    out.Png("GTourOff", ServerState(false));
    out.Png("GRadioA", RadioPicture(0));
    out.Png("GRadioB", RadioPicture(1));
    out.Png("GRadioR", RadioPicture(2));
    out.Png("GRadioG", RadioPicture(3));
    out.Png("GPolkaNw", Shelf());
    out.Png("GNews072", NewsIcon(72, false));
    out.Png("GChat072", NewsIcon(72, true));
    out.Png("GChat048", NewsIcon(48, true));
    out.Png("GSvLeft", Candlestick(false));
    out.Png("GSvRight", Candlestick(true));
    out.Png("GSvFlames", FlameStrip());
}

} // namespace vesrin::art
