#pragma once

#include "table/PictureStores.h"
#include "table/TableFonts.h"
#include "table/TableGeometry.h"

namespace vesrin {

// What every table painter reads: the scale, the card pictures and their cell, and the
// font kinds. The window owns the values; painters only look at them.
struct TableLook {
    const TableScale& Scale;
    const PictureStores& Stores;
    const CardGeometry& Cards;
    const FontKinds& Fonts;
};

} // namespace vesrin
