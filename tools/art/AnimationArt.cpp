#include "ArtOutput.h"
#include "CardArt.h"
#include "Draw.h"
#include "Fonts.h"
#include "Generators.h"
#include "GifWriter.h"

#include <QPainterPath>
#include <QTransform>

#include <cmath>
#include <cstdio>

namespace vesrin::art {

// The program's animations (GIF): the two main-menu animations, the three pictures of
// the end-of-cycle report and the two sirens of the news and chat indicators.

namespace {

void AddGif(ArtOutput& out, const QString& name, const QList<QImage>& frames, int delayMs) {
    const QByteArray gif = AnimatedGif(frames, delayMs);
    if (gif.isEmpty()) std::fprintf(stderr, "vesrin-art: cannot write the animation %s\n", qPrintable(name));
    out.Raw(name, gif, "gif", "gif", frames.first().size());
}

// Left menu animation: a fan of hearts opens and closes (frame 0 closed, frame 6 open).
QList<QImage> OpeningFan() {
    QList<QImage> frames;
    const int ranks[] = {14, 13, 12, 11, 10};
    QImage faces[5];
    for (int i = 0; i < 5; ++i)
        faces[i] = DrawFace(Suit::Heart, ranks[i], CardSize::Large).scaled(80, 108, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int f = 0; f < 12; ++f) {
        const double open = f <= 6 ? f / 6.0 : (12 - f) / 6.0;
        QImage frame = Blank(160, 200);
        QPainter p(&frame);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        for (int i = 4; i >= 0; --i) {
            p.save();
            p.translate(80, 170);
            p.rotate((i - 2) * -16 * open);
            p.drawImage(QPointF(-40, -130), faces[i]);
            p.restore();
        }
        frames.append(frame);
    }
    return frames;
}

// Right menu animation: the queen of spades turning round.
QList<QImage> TurningQueen() {
    QList<QImage> frames;
    const QImage face = DrawFace(Suit::Spade, 12, CardSize::Large).scaled(110, 149, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage back = DrawBack(6, CardSize::Large).scaled(110, 149, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int f = 0; f < 12; ++f) {
        const double angle = f * M_PI / 6;
        const double width = std::abs(std::cos(angle));
        QImage frame = Blank(160, 200);
        QPainter p(&frame);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.translate(80, 100);
        p.scale(std::max(0.04, width), 1.0);
        p.drawImage(QPointF(-55, -74.5), std::cos(angle) >= 0 ? face : back);
        frames.append(frame);
    }
    return frames;
}

QImage Sparkle(QImage frame, QPointF at, double size, const QColor& colour) {
    QPainter p(&frame);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(Star(at, size, size * 0.3));
    return frame;
}

QList<QImage> Cup(bool best) {
    QList<QImage> frames;
    for (int f = 0; f < 10; ++f) {
        QImage frame = Blank(200, 150);
        QPainter p(&frame);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor gold(236, 184, 40);
        p.setPen(QPen(QColor(120, 80, 0), 2));
        p.setBrush(gold);
        QPainterPath cup;
        cup.moveTo(66, 20);
        cup.lineTo(134, 20);
        cup.cubicTo(134, 70, 116, 86, 100, 88);
        cup.cubicTo(84, 86, 66, 70, 66, 20);
        p.drawPath(cup);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(gold.darker(130), 6));
        p.drawArc(QRectF(46, 26, 26, 30), 90 * 16, 180 * 16);
        p.drawArc(QRectF(128, 26, 26, 30), 270 * 16, 180 * 16);
        p.setPen(QPen(QColor(120, 80, 0), 2));
        p.setBrush(gold);
        p.drawRect(QRectF(94, 88, 12, 18));
        p.drawRoundedRect(QRectF(72, 106, 56, 14), 4, 4);
        p.fillPath(SuitAt(Suit::Heart, QPointF(100, 48), 26), QColor(200, 20, 30));
        if (best) OutlinedText(p, QRectF(80, 124, 40, 24), "1", SerifBold(26), gold, QColor(90, 50, 0), 2);
        p.end();
        const QPointF spots[] = {{40, 20}, {160, 30}, {30, 90}, {170, 100}, {100, 8}, {60, 130}, {145, 135}};
        for (int s = 0; s < 7; ++s) {
            const double phase = std::sin((f + s * 1.7) * M_PI / 5);
            if (phase > 0) frame = Sparkle(frame, spots[s], 4 + 6 * phase, best ? QColor(255, 240, 120) : QColor(200, 230, 255));
        }
        frames.append(frame);
    }
    return frames;
}

QList<QImage> RainyCard() {
    QList<QImage> frames;
    const QImage card = DrawFace(Suit::Spade, 12, CardSize::Large).scaled(62, 84, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int f = 0; f < 8; ++f) {
        QImage frame = Blank(200, 150);
        QPainter p(&frame);
        p.setRenderHint(QPainter::Antialiasing);
        p.drawImage(QPointF(69, 62), card);
        p.setPen(QPen(QColor(80, 80, 90), 1.5));
        p.setBrush(QColor(150, 150, 165));
        QPainterPath cloud;
        for (QPointF c : {QPointF(70, 30), QPointF(95, 20), QPointF(122, 26), QPointF(140, 38), QPointF(55, 40)})
            cloud.addEllipse(c, 22, 16);
        cloud.setFillRule(Qt::WindingFill);
        p.drawPath(cloud.simplified());
        p.setPen(QPen(QColor(70, 120, 220), 2, Qt::SolidLine, Qt::RoundCap));
        for (int d = 0; d < 9; ++d) {
            const double x = 45 + d * 12;
            const double y = 56 + std::fmod(f * 11 + d * 17, 88.0);
            p.drawLine(QPointF(x, y), QPointF(x - 2, y + 8));
        }
        frames.append(frame);
    }
    return frames;
}

QList<QImage> Siren(const QColor& colour) {
    QList<QImage> frames;
    for (int f = 0; f < 6; ++f) {
        QImage frame = Blank(30, 33);
        QPainter p(&frame);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(30, 30, 30), 1));
        p.setBrush(QColor(70, 70, 80));
        p.drawRoundedRect(QRectF(4, 26, 22, 6), 2, 2);
        QPainterPath dome;
        dome.moveTo(7, 26);
        dome.lineTo(7, 14);
        dome.cubicTo(7, 4, 23, 4, 23, 14);
        dome.lineTo(23, 26);
        dome.closeSubpath();
        const bool bright = f % 3 == 0;
        p.setBrush(bright ? colour.lighter(150) : colour);
        p.drawPath(dome);
        // The turning light: a bright band that sweeps across the dome.
        const double x = 8 + (f % 3) * 6;
        QColor band = Qt::white;
        band.setAlpha(170);
        p.setPen(Qt::NoPen);
        p.setBrush(band);
        p.drawRoundedRect(QRectF(x, 9, 4, 16), 2, 2);
        if (bright) {
            p.setPen(QPen(colour.lighter(130), 1.5));
            p.drawLine(QPointF(2, 8), QPointF(5, 10));
            p.drawLine(QPointF(28, 8), QPointF(25, 10));
            p.drawLine(QPointF(15, 0), QPointF(15, 3));
        }
        frames.append(frame);
    }
    return frames;
}

} // namespace

void MakeAnimations(ArtOutput& out) {
    AddGif(out, "GifMenu1", OpeningFan(), 120);
    AddGif(out, "GifMenu2", TurningQueen(), 120);
    AddGif(out, "GEndBest", Cup(true), 100);
    AddGif(out, "GEndGood", Cup(false), 100);
    AddGif(out, "GEndBads", RainyCard(), 100);
    AddGif(out, "GSirenaB", Siren(QColor(40, 90, 230)), 150);
    AddGif(out, "GSirenaR", Siren(QColor(220, 30, 30)), 150);
}

} // namespace vesrin::art
