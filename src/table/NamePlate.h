#pragma once

#include "table/TableFonts.h"
#include "table/TableGeometry.h"

#include <QString>

namespace vesrin {

class PictureElement;

// The plate picture of a colour letter: b, g, r, y or o ("SPBlue" .. "SPFiolet"), with the
// suffix "B" outside the small window. Empty for any other letter.
QString NamePlatePicture(char colour, int windowSize);

// The font size a name is written with: [ScaleLen(18) x percentage], falling back to
// ScaleLen(16) and then ScaleLen(14) while the name is wider than ScaleLen(150).
QFont NamePlateFont(const QString& name, const TableScale& scale, const FontKinds& fonts);

// DrawNamePlate: the background under the plate, and unless the name is empty the plate
// picture (resized to the plate in the larger windows) with the name in white bold,
// centred both ways.
void DrawNamePlate(PictureElement& plate, const QString& name, char colour, const TableScale& scale,
                   const FontKinds& fonts);

} // namespace vesrin
