#pragma once

#include "Suits.h"

#include <QImage>

namespace vesrin::art {

// The two sizes of the built-in face and back pictures.
enum class CardSize { Small, Large };

// One face of the built-in set: rank 2..14 (11 jack, 12 queen, 13 king, 14 ace).
// Small faces are 69 x 94 and fill the whole cell inside the painter's frame; large
// faces are 146 x 198 with their own border and transparent rounded corners.
QImage DrawFace(Suit suit, int rank, CardSize size);

// The figure of a court card drawn into a half box of 100 x 80 units whose bottom edge is
// the middle of the card; the card shows it twice, the second time turned.
void DrawCourtHalf(class QPainter& painter, Suit suit, int rank, double penWidth);

// One of the seven weekday backs (1 Monday .. 7 Sunday).
QImage DrawBack(int day, CardSize size);

} // namespace vesrin::art
