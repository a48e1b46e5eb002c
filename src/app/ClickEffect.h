#pragma once

#include "app/BlockingSteps.h"
#include "table/ResourceLibrary.h"

#include <QPoint>

namespace vesrin {

// The click effect at the mouse pointer: the 100 x 100 screen area centred on the
// pointer is kept, the 30 frames of the picture strip "GTouch" of the decoration
// library are drawn over it one after another, 12 ms apart, and the area is put back.
// Without the library nothing happens (false).
bool ShowClickEffect(QPoint globalPosition, const LibraryPlaces& places, BlockingSteps& blocking);

} // namespace vesrin
