#pragma once

#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace vesrin::art {

// Loads the fonts the pictures are lettered with from the system's font files, so the
// pictures do not change with the fonts a machine happens to prefer.
void LoadArtFonts();

QFont SerifBold(double pixelSize);
QFont SansBold(double pixelSize);

// The outline of a text, scaled so that its ink fills the given box: height exactly,
// width at most the box width (wider texts are squeezed, narrower ones centred).
QPainterPath TextInBox(const QString& text, const QFont& font, const QRectF& box, bool keepAspect = true);

} // namespace vesrin::art
