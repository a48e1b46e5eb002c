#pragma once

#include <QImage>
#include <QRgb>

namespace vesrin {

// The eight colour schemes of the main menu's caption pictures. Scheme 1 leaves the
// picture as drawn; the others move its colours pixel by pixel (alpha kept), so that one
// red-lettered picture per language serves every scheme.
QRgb RecolourCaptionPixel(QRgb pixel, int scheme);
QImage RecolourCaption(const QImage& picture, int scheme);

// A click on a caption advances the scheme 1 -> 2 -> ... -> 7 -> 1; scheme 8 is reached
// only through the settings file and goes back to 1.
int NextCaptionScheme(int scheme);

} // namespace vesrin
