#include "app/CaptionColours.h"

#include "table/Rounding.h"

#include <algorithm>
#include <cstdlib>

namespace vesrin {

QRgb RecolourCaptionPixel(QRgb pixel, int scheme) {
    int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    switch (scheme) {
    case 2:
        // Only the red lettering turns orange; greys and blues stay.
        if (g < r && b < r) {
            b = RoundHalfEven(0.7 * std::min(b, g));
            g = b + RoundHalfEven(0.4 * std::abs(r - b));
        }
        break;
    case 3: g = r; break;
    case 4: std::swap(r, g); break;
    case 5: {
        const int red = r;
        r = b;
        g = red;
        b = red;
        break;
    }
    case 6: std::swap(r, b); break;
    case 7: b = r; break;
    case 8: r = g = b = RoundHalfEven(0.3 * r + 0.59 * g + 0.11 * b); break;
    default: break;
    }
    return qRgba(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255), qAlpha(pixel));
}

QImage RecolourCaption(const QImage& picture, int scheme) {
    if (scheme < 2 || scheme > 8 || picture.isNull()) return picture;
    // Straight (not premultiplied) channels, so that the rule sees the colours as drawn.
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) line[x] = RecolourCaptionPixel(line[x], scheme);
    }
    return result;
}

int NextCaptionScheme(int scheme) { return scheme >= 1 && scheme < 7 ? scheme + 1 : 1; }

} // namespace vesrin
