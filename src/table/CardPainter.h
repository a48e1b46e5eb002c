#pragma once

#include "table/PictureStores.h"

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include <optional>
#include <string_view>

namespace vesrin {

// The painters that put a card or a back onto a picture, and the picture helpers they
// and the other table pictures use.

// Deck number 1..52 of a two-character card code (code page 1251 bytes, rank then suit:
// "2\xF7" is the two of the heart suit); std::nullopt for anything else.
std::optional<int> DeckNumberOfCode(std::string_view code);

// Paints a card with its top-left corner at (x, y). Small mode: "##" paints nothing,
// every other code a black frame with open corners; "No" adds four corner dots, "--" is
// the frame alone, a card code adds the card's small face inside the frame. Large
// modes: only card codes paint, their large face scaled to the card cell.
void DrawCard(QPainter& target, int x, int y, std::string_view code, const PictureStores& stores,
              const CardGeometry& geometry, double scale);

// Paints back picture BackPicture at (x, y): the frame and the small back, or the large
// back scaled to the cell.
void DrawBack(QPainter& target, int x, int y, const PictureStores& stores, const CardGeometry& geometry,
              double scale);

// Draws a picture into a width x height box at (x, y). A picture of that size is drawn
// as it is; others are resampled smoothly, and with roundCorners their corners outside a
// rounded rectangle of radius [8 x scale] become transparent.
void DrawScaledPng(QPainter& target, int x, int y, const QImage& png, bool roundCorners, int height, int width,
                   double scale);

// Resizes a picture in place with the bilinear rule of the button and caption pictures.
// Nothing happens when the picture or the target is 1 pixel or less in either
// direction. Only RGB and RGB-with-alpha pictures are accepted: for others the picture
// stays as it is and the error text "Only COLOR_RGBALPHA and COLOR_RGB formats are
// supported" is returned.
std::optional<QString> ResizePng(QImage& png, int width, int height);

// The ellipse bounding box (left, top, right, bottom; right and bottom exclusive) whose
// pixels the face libraries store inverted.
QRect UnscrambleBox(int cardPictureMode, bool wideFaces);

// Inverts the pixels of that ellipse; applied twice it restores the picture.
void UnscrambleFace(QImage& picture, int cardPictureMode, bool wideFaces);

} // namespace vesrin
