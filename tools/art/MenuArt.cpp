#include "ArtOutput.h"
#include "CardArt.h"
#include "Draw.h"
#include "Fonts.h"
#include "Generators.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace vesrin::art {

// Pictures of the start picture and the main menu: side pictures, title, captions and
// banners per language, logo, clock digits and frame, medals and place pictures, lamps,
// stars and the corner icons.

namespace {

// The main menu's left picture: a fan of the four aces; the right one: the queen of
// spades over a pile of chips.
QImage MenuFan() {
    QImage image = Blank(160, 200);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const Suit suits[] = {Suit::Club, Suit::Diamond, Suit::Spade, Suit::Heart};
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(80, 178);
        p.rotate(-33 + i * 22);
        const QImage face = DrawFace(suits[i], 14, CardSize::Large).scaled(88, 119, Qt::IgnoreAspectRatio,
                                                                          Qt::SmoothTransformation);
        p.drawImage(QPointF(-44, -150), face);
        p.restore();
    }
    return image;
}

void Chip(QPainter& p, QPointF c, const QColor& colour) {
    p.setPen(QPen(colour.darker(200), 1));
    p.setBrush(colour.darker(130));
    p.drawRoundedRect(QRectF(c.x() - 22, c.y() - 3, 44, 8), 4, 4);
    p.setBrush(colour);
    p.drawEllipse(c, 22, 6.5);
    p.setPen(QPen(Qt::white, 2.2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 16, 4.4);
}

QImage MenuQueen() {
    QImage image = Blank(160, 200);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.save();
    p.translate(86, 100);
    p.rotate(8);
    p.drawImage(QPointF(-62, -92), DrawFace(Suit::Heart, 13, CardSize::Large).scaled(110, 149, Qt::IgnoreAspectRatio,
                                                                                     Qt::SmoothTransformation));
    p.restore();
    p.save();
    p.translate(70, 104);
    p.rotate(-10);
    p.drawImage(QPointF(-62, -92), DrawFace(Suit::Spade, 12, CardSize::Large).scaled(110, 149, Qt::IgnoreAspectRatio,
                                                                                     Qt::SmoothTransformation));
    p.restore();
    const QColor chips[] = {QColor(200, 30, 30), QColor(30, 60, 170), QColor(20, 130, 50), QColor(30, 30, 30)};
    for (int i = 0; i < 5; ++i) Chip(p, QPointF(40, 190 - i * 7), chips[i % 4]);
    for (int i = 0; i < 3; ++i) Chip(p, QPointF(118, 190 - i * 7), chips[(i + 2) % 4]);
    return image;
}

// Lettering in red shades: a caption's colour scheme recolours red pixels and leaves
// grey and blue ones alone.
void RedLettering(QPainter& p, const QRectF& box, const QString& text, const QFont& font) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    const double scale = std::min(box.width() / ink.width(), box.height() / ink.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(scale, scale);
    t.translate(-ink.center().x(), -ink.center().y());
    path = t.map(path);
    const QRectF r = path.boundingRect();
    p.setPen(QPen(QColor(60, 60, 60, 160), box.height() * 0.09, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path.translated(box.height() * 0.03, box.height() * 0.04));
    p.setPen(QPen(QColor(90, 0, 0), box.height() * 0.05, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(255, 140, 140));
    g.setColorAt(0.45, QColor(230, 20, 20));
    g.setColorAt(1, QColor(140, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(path);
}

QImage Caption(int w, int h, const QString& text, const QString& subtitle) {
    QImage image = Blank(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (subtitle.isEmpty()) {
        RedLettering(p, QRectF(w * 0.04, h * 0.1, w * 0.92, h * 0.8), text, SerifBold(120));
    } else {
        RedLettering(p, QRectF(w * 0.06, h * 0.04, w * 0.88, h * 0.6), text, SerifBold(120));
        OutlinedText(p, QRectF(0, h * 0.66, w, h * 0.3), subtitle, SansBold(h * 0.22), QColor(235, 235, 240),
                     QColor(40, 40, 60), h * 0.04);
    }
    return image;
}

QImage Title() {
    QImage image = Blank(600, 160);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The plaque under the three best results of the top ten: its middle stays free for
    // their rows, the suits stand at its two ends.
    Panel(p, QRectF(4, 4, 592, 152), 30, QColor(120, 10, 20, 220), QColor(60, 0, 10, 220), QColor(220, 180, 70), 5);
    p.setPen(QPen(QColor(220, 180, 70, 160), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(16, 16, 568, 128), 22, 22);
    const Suit suits[] = {Suit::Heart, Suit::Club, Suit::Diamond, Suit::Spade};
    const QPointF spots[] = {{58, 56}, {58, 106}, {542, 56}, {542, 106}};
    for (int i = 0; i < 4; ++i) {
        const QColor c = IsRed(suits[i]) ? QColor(255, 90, 90) : QColor(250, 240, 220);
        p.fillPath(SuitAt(suits[i], spots[i], 34), c);
    }
    return image;
}

QImage Logo() {
    QImage image = Blank(64, 64);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(24, 20), 44);
    g.setColorAt(0, QColor(255, 120, 120));
    g.setColorAt(1, QColor(150, 0, 10));
    p.setPen(QPen(QColor(70, 0, 0), 2));
    p.setBrush(g);
    p.drawPath(SuitAt(Suit::Heart, QPointF(32, 32), 60));
    OutlinedText(p, QRectF(14, 10, 36, 38), "V", SerifBold(40), Qt::white, QColor(90, 0, 0), 2);
    return image;
}

// Seven-segment digits in one colour family.
QImage Digit(QChar ch, const QColor& colour) {
    QImage image = Blank(18, 40);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Segments a..g: top, upper right, lower right, bottom, lower left, upper left, middle.
    static const char* lit[] = {"abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg", "abcdfg"};
    QString on;
    if (ch.isDigit()) on = lit[ch.digitValue()];
    if (ch == 'M') on = "g";
    auto segment = [&](char s, bool lightOn) {
        QPolygonF poly;
        const double t = 3.2;
        auto horizontal = [&](double y) {
            poly << QPointF(3.5, y) << QPointF(5, y - t / 2) << QPointF(13, y - t / 2) << QPointF(14.5, y)
                 << QPointF(13, y + t / 2) << QPointF(5, y + t / 2);
        };
        auto vertical = [&](double x, double y0, double y1) {
            poly << QPointF(x, y0) << QPointF(x + t / 2, y0 + 1.5) << QPointF(x + t / 2, y1 - 1.5) << QPointF(x, y1)
                 << QPointF(x - t / 2, y1 - 1.5) << QPointF(x - t / 2, y0 + 1.5);
        };
        switch (s) {
        case 'a': horizontal(3); break;
        case 'b': vertical(15, 3.5, 19.5); break;
        case 'c': vertical(15, 20.5, 36.5); break;
        case 'd': horizontal(37); break;
        case 'e': vertical(3, 20.5, 36.5); break;
        case 'f': vertical(3, 3.5, 19.5); break;
        default: horizontal(20); break;
        }
        QColor c = colour;
        if (!lightOn) c.setAlpha(34);
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawPolygon(poly);
    };
    for (char s : {'a', 'b', 'c', 'd', 'e', 'f', 'g'}) segment(s, on.contains(QChar(s)));
    return image;
}

QImage Separator(const QColor& colour, bool colon) {
    QImage image = Blank(3, 27);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    if (colon) {
        p.drawEllipse(QPointF(1.5, 6.5), 1.5, 1.5);
        p.drawEllipse(QPointF(1.5, 20.5), 1.5, 1.5);
    } else {
        p.drawEllipse(QPointF(1.5, 25), 1.5, 1.5);
    }
    return image;
}

QImage ClockFrame() {
    QImage image = Blank(115, 64);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Panel(p, QRectF(0, 0, 115, 64), 10, QColor(150, 150, 160), QColor(70, 70, 80), QColor(30, 30, 36), 2);
    Panel(p, QRectF(8, 10, 99, 46), 5, QColor(12, 16, 20), QColor(28, 34, 40), QColor(0, 0, 0), 1.5);
    return image;
}

QImage Medal(int size, const QColor& metal, const QString& number, bool ribbon) {
    QImage image = Blank(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double k = size / 28.0;
    if (ribbon) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 60, 170));
        p.drawPolygon(QPolygonF({QPointF(7 * k, 0), QPointF(13 * k, 0), QPointF(16 * k, 12 * k), QPointF(11 * k, 13 * k)}));
        p.setBrush(QColor(200, 30, 30));
        p.drawPolygon(QPolygonF({QPointF(21 * k, 0), QPointF(15 * k, 0), QPointF(12 * k, 12 * k), QPointF(17 * k, 13 * k)}));
    }
    Disc(p, QPointF(14 * k, 17.5 * k), 10 * k, metal, metal.darker(220), 1.2 * k);
    if (!number.isEmpty())
        OutlinedText(p, QRectF(10.5 * k, 13 * k, 7 * k, 9 * k), number, SerifBold(40), Qt::white, metal.darker(260), 0.8 * k);
    return image;
}

// The large end-of-game medal (place numbers are drawn over it from their own pictures).
QImage BigMedal() {
    QImage image = Blank(105, 120);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 30, 90), 1));
    p.setBrush(QColor(30, 60, 170));
    p.drawPolygon(QPolygonF({QPointF(22, 0), QPointF(46, 0), QPointF(62, 44), QPointF(44, 50)}));
    p.setBrush(QColor(200, 30, 30));
    p.drawPolygon(QPolygonF({QPointF(83, 0), QPointF(59, 0), QPointF(43, 44), QPointF(61, 50)}));
    Disc(p, QPointF(52.5, 78), 40, QColor(236, 184, 40), QColor(120, 80, 0), 3);
    p.setPen(QPen(QColor(160, 110, 10), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(52.5, 78), 32, 32);
    return image;
}

QImage PlaceNumber(int place) {
    QImage image = Blank(105, 120);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QString text = place == 0 ? QString("-") : QString::number(place);
    OutlinedText(p, QRectF(24, 52, 57, 52), text, SerifBold(60), QColor(255, 250, 230), QColor(110, 60, 0), 4);
    return image;
}

QImage Lamp(const QColor& colour) {
    QImage image = Blank(24, 24);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Disc(p, QPointF(12, 12), 11, colour, QColor(30, 30, 30), 1.5);
    return image;
}

QImage StarPicture(const QColor& colour) {
    QImage image = Blank(24, 24);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour.darker(250), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QRadialGradient g(QPointF(10, 9), 14);
    g.setColorAt(0, colour.lighter(160));
    g.setColorAt(1, colour.darker(120));
    p.setBrush(g);
    p.drawPolygon(Star(QPointF(12, 12.8), 11, 4.6));
    return image;
}

QImage Icon48() {
    QImage image = Blank(48, 48);
    return image;
}

void IconBase(QPainter& p, const QColor& colour) {
    p.setRenderHint(QPainter::Antialiasing);
    Panel(p, QRectF(1, 1, 46, 46), 10, colour.lighter(140), colour.darker(140), colour.darker(260), 2);
}

QImage Gift(const QColor& box, const QColor& ribbon) {
    QImage image = Icon48();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(box.darker(250), 1.5));
    p.setBrush(box);
    p.drawRoundedRect(QRectF(7, 20, 34, 25), 3, 3);
    p.setBrush(box.lighter(125));
    p.drawRoundedRect(QRectF(4, 13, 40, 9), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(ribbon);
    p.drawRect(QRectF(21, 13, 6, 32));
    p.setPen(QPen(ribbon.darker(200), 1.2));
    p.drawEllipse(QRectF(11, 3, 13, 10));
    p.drawEllipse(QRectF(24, 3, 13, 10));
    return image;
}

QImage Phone() {
    QImage image = Icon48();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 30, 30), 2));
    p.setBrush(QColor(60, 170, 70));
    p.drawRoundedRect(QRectF(12, 2, 24, 44), 5, 5);
    p.setBrush(QColor(230, 250, 230));
    p.drawRect(QRectF(15, 8, 18, 28));
    p.setPen(QPen(QColor(20, 110, 30), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(24, 12), QPointF(24, 29));
    p.drawPolyline(QPolygonF({QPointF(18, 23), QPointF(24, 30), QPointF(30, 23)}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 250, 230));
    p.drawEllipse(QPointF(24, 41), 2.2, 2.2);
    return image;
}

QImage Store() {
    QImage image = Icon48();
    QPainter p(&image);
    IconBase(p, QColor(40, 120, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(17, 12), QPointF(36, 24), QPointF(17, 36)}));
    return image;
}

QImage Globe() {
    QImage image = Icon48();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(18, 16), 30);
    g.setColorAt(0, QColor(120, 190, 255));
    g.setColorAt(1, QColor(20, 70, 160));
    p.setPen(QPen(QColor(10, 40, 90), 2));
    p.setBrush(g);
    p.drawEllipse(QPointF(24, 24), 21, 21);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 160, 70));
    QPainterPath land;
    land.moveTo(12, 14);
    land.cubicTo(18, 8, 26, 12, 24, 18);
    land.cubicTo(22, 24, 16, 22, 14, 28);
    land.cubicTo(10, 24, 8, 18, 12, 14);
    land.moveTo(28, 26);
    land.cubicTo(36, 24, 40, 30, 36, 38);
    land.cubicTo(32, 42, 28, 36, 28, 26);
    p.drawPath(land);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(24, 24), 10, 21);
    p.drawLine(QPointF(3, 24), QPointF(45, 24));
    return image;
}

QImage Chart() {
    QImage image = Icon48();
    QPainter p(&image);
    IconBase(p, QColor(240, 240, 240));
    const QColor bars[] = {QColor(200, 30, 30), QColor(240, 180, 20), QColor(30, 150, 60), QColor(30, 80, 190)};
    const double heights[] = {14, 24, 18, 32};
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(bars[i].darker(200), 1));
        p.setBrush(bars[i]);
        p.drawRect(QRectF(8 + i * 9, 40 - heights[i], 7, heights[i]));
    }
    return image;
}

QImage Person(const QColor& colour) {
    QImage image = Icon48();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Disc(p, QPointF(24, 24), 23, colour, colour.darker(250), 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(QPointF(24, 17), 8, 8.5);
    QPainterPath body;
    body.moveTo(9, 40);
    body.cubicTo(11, 29, 18, 27, 24, 27);
    body.cubicTo(30, 27, 37, 29, 39, 40);
    body.cubicTo(30, 46, 18, 46, 9, 40);
    p.drawPath(body);
    return image;
}

QImage Question() {
    QImage image = Icon48();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Disc(p, QPointF(24, 24), 23, QColor(30, 90, 200), QColor(10, 30, 80), 2);
    OutlinedText(p, QRectF(10, 8, 28, 32), "?", SerifBold(40), Qt::white, QColor(10, 30, 80), 2);
    return image;
}

QImage Trophy() {
    QImage image = Icon48();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor gold(236, 184, 40);
    p.setPen(QPen(QColor(120, 80, 0), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(4, 8, 12, 14));
    p.drawEllipse(QRectF(32, 8, 12, 14));
    QPainterPath cup;
    cup.moveTo(11, 5);
    cup.lineTo(37, 5);
    cup.cubicTo(37, 22, 31, 29, 24, 30);
    cup.cubicTo(17, 29, 11, 22, 11, 5);
    QLinearGradient g(11, 0, 37, 0);
    g.setColorAt(0, gold.lighter(140));
    g.setColorAt(1, gold.darker(130));
    p.setBrush(g);
    p.drawPath(cup);
    p.drawRect(QRectF(21, 30, 6, 7));
    p.drawRoundedRect(QRectF(13, 37, 22, 7), 2, 2);
    p.fillPath(SuitAt(Suit::Heart, QPointF(24, 16), 11), QColor(200, 20, 30));
    return image;
}

QImage WindowsIcon() {
    QImage image = Blank(16, 16);
    QPainter p(&image);
    p.setPen(QPen(QColor(20, 40, 90), 1));
    p.setBrush(QColor(230, 240, 255));
    p.drawRect(0, 1, 15, 14);
    p.fillRect(1, 2, 14, 3, QColor(40, 90, 200));
    p.fillRect(12, 3, 2, 1, Qt::white);
    return image;
}

QImage AttentionIcon() {
    QImage image = Blank(40, 40);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath triangle;
    triangle.moveTo(20, 2);
    triangle.lineTo(38, 36);
    triangle.lineTo(2, 36);
    triangle.closeSubpath();
    p.setPen(QPen(QColor(110, 60, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(250, 200, 30));
    p.drawPath(triangle);
    OutlinedText(p, QRectF(12, 11, 16, 22), "!", SerifBold(30), QColor(40, 20, 0), QColor(40, 20, 0), 0);
    return image;
}

} // namespace

void MakeMenu(ArtOutput& out) {
    out.Png("PngMenu1", MenuFan());
    out.Png("PngMenu2", MenuQueen());
    out.Png("GTitle", Title());
    out.Png("Logo", Logo());
    struct Language {
        const char* Code;
        const char* Subtitle;
        const char* Elite;
        const char* Net;
    };
    // Lettering per language code (Japanese and Korean use the English pictures).
    const Language languages[] = {
        {"Eng", "The card game of hearts", "Elite club", "Network game"},
        {"Rus", "Карточная игра в червы", "Элитный клуб", "Сетевая игра"},
        {"Deu", "Das Kartenspiel Herzen", "Elite-Klub", "Netzwerkspiel"},
        {"Fra", "Le jeu de cartes des cœurs", "Club d'élite", "Jeu en réseau"},
        {"Spa", "El juego de cartas de corazones", "Club de élite", "Juego en red"},
        {"Chi", "红心纸牌游戏", "精英俱乐部", "网络游戏"},
        {"Ita", "Il gioco di carte dei cuori", "Club d'élite", "Gioco in rete"},
        {"Cze", "Karetní hra srdce", "Elitní klub", "Síťová hra"},
    };
    for (const Language& l : languages) {
        const QString code = l.Code;
        out.Png("Cap" + code, Caption(800, 140, "VESRIN", QString::fromUtf8(l.Subtitle)));
        out.Png("Elite" + code, Caption(700, 80, QString::fromUtf8(l.Elite), {}));
        out.Png("Net__" + code, Caption(700, 80, QString::fromUtf8(l.Net), {}));
    }
    struct Family {
        const char* Letter;
        QColor Colour;
    };
    const Family families[] = {{"B", QColor(70, 160, 255)}, {"G", QColor(60, 230, 90)},  {"L", QColor(190, 255, 60)},
                               {"N", QColor(255, 150, 40)}, {"R", QColor(255, 50, 40)},  {"V", QColor(200, 110, 255)},
                               {"Y", QColor(255, 230, 40)}, {"A", QColor(60, 240, 240)}};
    for (const Family& f : families) {
        const QString base = QString("G") + f.Letter + "Clock";
        for (int d = 0; d <= 9; ++d) out.Png(base + QString::number(d), Digit(QChar('0' + d), f.Colour));
        out.Png(base + "M", Separator(f.Colour, false));
        out.Png(base + "P", Separator(f.Colour, true));
    }
    out.Png("GClockBG", ClockFrame());
    const QColor gold(236, 184, 40), silver(200, 204, 214), bronze(196, 120, 60);
    out.Png("GMedal01", Medal(28, gold, "1", true));
    out.Png("GMedal02", Medal(28, silver, "2", true));
    out.Png("GMedal03", Medal(28, bronze, "3", true));
    out.Png("GMedal", BigMedal());
    for (int place = 0; place <= 10; ++place)
        out.Png(QString("GPlace%1").arg(place, 2, 10, QChar('0')), PlaceNumber(place));
    out.Png("LampR24", Lamp(QColor(230, 30, 30)));
    out.Png("LampY24", Lamp(QColor(250, 210, 30)));
    out.Png("LampG24", Lamp(QColor(40, 200, 60)));
    out.Png("StarR0", StarPicture(QColor(230, 40, 40)));
    out.Png("StarY0", StarPicture(QColor(250, 210, 30)));
    out.Png("StarG0", StarPicture(QColor(40, 190, 60)));
    out.Png("AdvGiftR", Gift(QColor(200, 30, 30), QColor(250, 210, 40)));
    out.Png("AdvGiftG", Gift(QColor(30, 150, 60), QColor(250, 210, 40)));
    out.Png("Android", Phone());
    out.Png("GooglePlay", Store());
    out.Png("Earth48", Globe());
    out.Png("Stats", Chart());
    out.Png("Account48", Person(QColor(40, 110, 200)));
    out.Png("GHelp48", Question());
    out.Png("GTour48", Trophy());
    out.Png("Windows", WindowsIcon());
    out.Png("GAttention", AttentionIcon());
}

} // namespace vesrin::art
