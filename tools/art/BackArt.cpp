#include "CardArt.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace vesrin::art {

// The seven weekday backs: a white margin around a coloured panel with a pattern of its
// own and a medallion with the four suit signs in the middle.

namespace {

struct BackStyle {
    QColor Ground;
    QColor Pattern;
    QColor Medallion;
    int Kind;
};

BackStyle StyleOf(int day) {
    switch (day) {
    case 1: return {QColor(28, 64, 150), QColor(120, 160, 230), QColor(240, 240, 250), 0};
    case 2: return {QColor(170, 20, 36), QColor(236, 120, 120), QColor(250, 240, 236), 1};
    case 3: return {QColor(20, 110, 60), QColor(110, 200, 140), QColor(240, 250, 240), 2};
    case 4: return {QColor(96, 36, 130), QColor(190, 140, 220), QColor(246, 240, 250), 3};
    case 5: return {QColor(120, 20, 20), QColor(220, 170, 70), QColor(250, 244, 228), 1};
    case 6: return {QColor(16, 30, 80), QColor(200, 200, 230), QColor(236, 236, 248), 4};
    default: return {QColor(150, 20, 40), QColor(230, 190, 80), QColor(252, 244, 220), 5};
    }
}

void DrawPattern(QPainter& p, const QRectF& r, const BackStyle& s, double unit) {
    p.fillRect(r, s.Ground);
    QPen pen(s.Pattern, std::max(0.6, unit * 0.12));
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const double step = unit;
    switch (s.Kind) {
    case 0: // lattice of diagonals
        for (double d = -r.height(); d < r.width() + r.height(); d += step) {
            p.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d - r.height(), r.bottom()));
            p.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d + r.height(), r.bottom()));
        }
        break;
    case 1: // rows of small diamonds
        p.setPen(Qt::NoPen);
        p.setBrush(s.Pattern);
        for (double y = r.top(); y < r.bottom() + step; y += step / 2)
            for (double x = r.left() + (int(std::lround((y - r.top()) / (step / 2))) % 2 ? step / 2 : 0);
                 x < r.right() + step; x += step) {
                QPolygonF d({QPointF(x, y - step * 0.22), QPointF(x + step * 0.16, y),
                             QPointF(x, y + step * 0.22), QPointF(x - step * 0.16, y)});
                p.drawPolygon(d);
            }
        break;
    case 2: // interlocking rings
        for (double y = r.top(); y < r.bottom() + step; y += step * 0.75)
            for (double x = r.left(); x < r.right() + step; x += step * 0.75)
                p.drawEllipse(QPointF(x, y), step * 0.45, step * 0.45);
        break;
    case 3: // waves
        for (double y = r.top(); y < r.bottom() + step; y += step * 0.5) {
            QPainterPath wave;
            wave.moveTo(r.left() - step, y);
            for (double x = r.left() - step; x < r.right() + step; x += step)
                wave.cubicTo(x + step * 0.25, y - step * 0.25, x + step * 0.75, y + step * 0.25, x + step, y);
            p.drawPath(wave);
        }
        break;
    case 4: // stars
        p.setPen(Qt::NoPen);
        p.setBrush(s.Pattern);
        for (double y = r.top() + step / 2; y < r.bottom() + step; y += step)
            for (double x = r.left() + step / 2; x < r.right() + step; x += step) {
                QPolygonF star;
                for (int i = 0; i < 10; ++i) {
                    const double a = i * 3.14159265 / 5;
                    const double rr = (i % 2 ? 0.12 : 0.3) * step;
                    star << QPointF(x + rr * std::sin(a), y - rr * std::cos(a));
                }
                p.drawPolygon(star);
            }
        break;
    default: // checks with a fine cross
        for (double x = r.left(); x < r.right() + step; x += step / 2) p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
        for (double y = r.top(); y < r.bottom() + step; y += step / 2) p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
        break;
    }
}

} // namespace

QImage DrawBack(int day, CardSize size) {
    const bool large = size == CardSize::Large;
    const int w = large ? 146 : 69;
    const int h = large ? 198 : 94;
    const BackStyle style = StyleOf(day);
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (large) {
        p.setPen(QPen(QColor(110, 110, 110), 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 8, 8);
    } else {
        p.fillRect(image.rect(), Qt::white);
    }
    const double margin = large ? 8 : 4;
    const QRectF panel(margin, margin, w - 2 * margin, h - 2 * margin);
    QPainterPath panelPath;
    panelPath.addRoundedRect(panel, large ? 5 : 2.5, large ? 5 : 2.5);
    p.save();
    p.setClipPath(panelPath);
    DrawPattern(p, panel, style, large ? 12 : 6);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(style.Ground.darker(140), large ? 1.6 : 0.8));
    p.drawPath(panelPath);
    p.setPen(QPen(style.Pattern, large ? 1.2 : 0.6));
    p.drawRoundedRect(panel.adjusted(large ? 4 : 2, large ? 4 : 2, large ? -4 : -2, large ? -4 : -2), 3, 3);
    // Medallion with the four suits.
    const QPointF c(w / 2.0, h / 2.0);
    const double rx = w * 0.24, ry = h * 0.17;
    p.setPen(QPen(style.Ground.darker(150), large ? 1.5 : 0.8));
    p.setBrush(style.Medallion);
    p.drawEllipse(c, rx, ry);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(style.Pattern.darker(110), large ? 1 : 0.6));
    p.drawEllipse(c, rx * 0.86, ry * 0.86);
    const double sign = ry * 0.62;
    p.setPen(Qt::NoPen);
    p.fillPath(SuitAt(Suit::Heart, c + QPointF(0, -ry * 0.45), sign), CardRed);
    p.fillPath(SuitAt(Suit::Spade, c + QPointF(0, ry * 0.45), sign), CardBlack);
    p.fillPath(SuitAt(Suit::Club, c + QPointF(-rx * 0.45, 0), sign), CardBlack);
    p.fillPath(SuitAt(Suit::Diamond, c + QPointF(rx * 0.45, 0), sign), CardRed);
    p.end();
    if (!large) {
        for (QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
            image.setPixelColor(corner, Qt::black);
        return image.convertToFormat(QImage::Format_RGB32);
    }
    return image;
}

} // namespace vesrin::art
