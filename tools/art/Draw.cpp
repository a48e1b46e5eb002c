#include "Draw.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace vesrin::art {

QImage Blank(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

void Panel(QPainter& p, const QRectF& r, double radius, const QColor& top, const QColor& bottom,
           const QColor& outline, double outlineWidth) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    const QRectF inner = r.adjusted(outlineWidth / 2, outlineWidth / 2, -outlineWidth / 2, -outlineWidth / 2);
    p.setPen(outlineWidth > 0 ? QPen(outline, outlineWidth) : QPen(Qt::NoPen));
    p.setBrush(g);
    p.drawRoundedRect(inner, radius, radius);
    QColor light = Qt::white;
    light.setAlpha(90);
    p.setPen(QPen(light, std::max(1.0, outlineWidth * 0.6)));
    p.setBrush(Qt::NoBrush);
    const double d = outlineWidth + 1;
    p.drawLine(QPointF(inner.left() + radius, inner.top() + d), QPointF(inner.right() - radius, inner.top() + d));
}

void Disc(QPainter& p, QPointF centre, double radius, const QColor& colour, const QColor& outline,
          double outlineWidth) {
    QRadialGradient g(centre + QPointF(-radius * 0.35, -radius * 0.4), radius * 1.4);
    g.setColorAt(0, colour.lighter(170));
    g.setColorAt(0.45, colour);
    g.setColorAt(1, colour.darker(170));
    p.setPen(outlineWidth > 0 ? QPen(outline, outlineWidth) : QPen(Qt::NoPen));
    p.setBrush(g);
    p.drawEllipse(centre, radius - outlineWidth / 2, radius - outlineWidth / 2);
    QColor shine = Qt::white;
    shine.setAlpha(150);
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(centre + QPointF(-radius * 0.3, -radius * 0.42), radius * 0.38, radius * 0.22);
}

void OutlinedText(QPainter& p, const QRectF& box, const QString& text, const QFont& font, const QColor& fill,
                  const QColor& outline, double outlineWidth) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    path.translate(box.center() - ink.center());
    if (outlineWidth > 0) {
        p.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
}

void PointingGlove(QPainter& p, const QColor& glove, const QColor& rim, const QColor& cuff, double dip) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(rim, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(glove);
    p.drawRoundedRect(QRectF(15, 3 + dip, 9, 30), 4.5, 4.5); // index finger
    QPainterPath palm;
    palm.moveTo(8, 30);
    palm.cubicTo(8, 26, 12, 25, 15, 27);
    palm.lineTo(30, 27);
    palm.cubicTo(35, 27, 36, 32, 35, 38);
    palm.lineTo(33, 50);
    palm.cubicTo(32, 54, 29, 56, 25, 56);
    palm.lineTo(15, 56);
    palm.cubicTo(10, 56, 7, 52, 7, 46);
    palm.closeSubpath();
    p.drawPath(palm);
    for (double y : {33.0, 39.0, 45.0}) p.drawLine(QPointF(24, y), QPointF(34, y));
    p.setBrush(cuff);
    p.drawRoundedRect(QRectF(11, 54, 20, 5), 2, 2);
}

QImage Strip(const QList<QImage>& frames) {
    if (frames.isEmpty()) return {};
    const int w = frames.first().width();
    QImage strip = Blank(w * int(frames.size()), frames.first().height());
    QPainter p(&strip);
    for (int i = 0; i < frames.size(); ++i) p.drawImage(i * w, 0, frames[i]);
    return strip;
}

QPolygonF Star(QPointF centre, double outer, double inner) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double a = i * M_PI / 5;
        const double r = i % 2 ? inner : outer;
        star << QPointF(centre.x() + r * std::sin(a), centre.y() - r * std::cos(a));
    }
    return star;
}

} // namespace vesrin::art
