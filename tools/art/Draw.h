#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <cstdint>

namespace vesrin::art {

// Small drawing helpers shared by the picture makers.

QImage Blank(int width, int height);

// A rounded panel: vertical gradient from top to bottom colour, an outline and a soft
// light line under the top edge.
void Panel(QPainter& p, const QRectF& r, double radius, const QColor& top, const QColor& bottom,
           const QColor& outline, double outlineWidth);

// A glossy disc (lamps, seat timers, medals).
void Disc(QPainter& p, QPointF centre, double radius, const QColor& colour, const QColor& outline,
          double outlineWidth);

// Text filled with one colour and outlined with another, centred in the box.
void OutlinedText(QPainter& p, const QRectF& box, const QString& text, const QFont& font, const QColor& fill,
                  const QColor& outline, double outlineWidth);

// A glove with the index finger pointing up, drawn in a 40 x 60 box scaled to the
// painter's current transform; the finger can dip by a few units (a tap).
void PointingGlove(QPainter& p, const QColor& glove, const QColor& rim, const QColor& cuff, double dip = 0);

// Frames of one size side by side in one picture (image lists, animated cursors).
QImage Strip(const QList<QImage>& frames);

// A five-pointed star.
QPolygonF Star(QPointF centre, double outer, double inner);

// Deterministic noise (a small linear congruential generator), so every build draws the
// same pictures.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    // -1 .. 1
    double Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return double(state_ >> 8) / double(1u << 23) - 1.0;
    }

private:
    std::uint32_t state_;
};

} // namespace vesrin::art
