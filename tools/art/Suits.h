#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

namespace vesrin::art {

// The four suits in the program's suit order: heart, diamonds, clubs, spades.
enum class Suit { Heart, Diamond, Club, Spade };

// Outline of a suit sign centred on (0, 0) in a 100 x 100 box; callers scale it.
QPainterPath SuitPath(Suit suit);

// The suit sign of the given height centred on a point, upside down when asked (the
// lower half of a card shows its pips turned).
QPainterPath SuitAt(Suit suit, QPointF centre, double height, bool turned = false);

bool IsRed(Suit suit);
QColor SuitColour(Suit suit);

// Classic court colours shared by the card faces and other pictures.
inline const QColor CardRed(196, 18, 40);
inline const QColor CardBlack(22, 22, 26);
inline const QColor CourtBlue(30, 62, 150);
inline const QColor CourtYellow(240, 190, 40);
inline const QColor CourtRed(200, 30, 40);
inline const QColor Flesh(248, 218, 182);

} // namespace vesrin::art
