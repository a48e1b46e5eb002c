#pragma once

#include "engine/GameState.h"
#include "table/TableLook.h"

#include <QImage>

namespace vesrin {

class PictureElement;

// DrawHand: spreads the (already sorted) hand over the picture's width, copies the
// background under the picture and paints the cards from left to right, so each card
// covers the left part of its successor's predecessor and the right-most card shows
// whole. Face up paints every slot's face; face down a back for every slot that holds
// a card. Gives the slot positions it used.
HandXList DrawHand(PictureElement& hand, const OneBased<CardCode, HandSlots>& cards, int count, bool faceUp,
                   const TableLook& look);

// InvertCardSelection: toggles the selection mark of card `index` of a hand picture by
// inverting its visible part; applied twice it restores the picture exactly.
void InvertCardSelection(QImage& picture, const HandXList& handX, int index, int count, const CardGeometry& cards,
                         double scale);

// Whether a pixel lies inside a rectangle with rounded corners of the given radius; the
// large cards are painted with that outline.
bool InRoundedRect(const QRect& rect, int radius, int px, int py);

} // namespace vesrin
