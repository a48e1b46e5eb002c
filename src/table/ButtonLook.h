#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include <cstdint>
#include <vector>

namespace vesrin {

// The colour schemes and nominal heights of the program's own button.
enum class TColorSB : std::uint8_t { DRed, DGreen, DBlue, DNavy, DYellow, DViolet, DOrang, DCards };
enum class THeightSB : std::uint8_t { D30, D45, D60 };

// The button's pieces are stored in red shades; every piece pixel and every gradient
// colour is recoloured into the scheme, then lightened towards white by kLight percent.
// Pieces of the alternative look recolour their near-red pixels only with the DCards
// mapping and the lightening.
QRgb TintColour(QRgb stored, TColorSB scheme, int kLight, bool alternativePiece = false);
// The same over a whole picture (alpha kept). Nothing changes for DRed without lightening.
QImage TintPicture(const QImage& piece, TColorSB scheme, int kLight, bool alternativePiece);

// The gradient of a standard height (30, 45 or 60): one stored colour per pixel line
// 1 .. height - 1. Empty for any other height.
const std::vector<QRgb>& ButtonGradient(int height);

// The piece set of a button height: class 1 up to 30, class 2 from 31 to 45, class 3
// above; its end width E, reference height and piece names.
struct ButtonPieces {
    int EdgeWidth;
    int ReferenceHeight;
    QString Left, Right, Middle;
};
ButtonPieces PiecesForHeight(int height, bool nata);

// The standard class s of a height: 1, 2, 3 for exactly 30, 45, 60, else 0.
int StandardClass(int height);
// The end width q = [E x H / reference height].
int EndWidth(int height);

// Where the pieces of a W x H face go. The ends are q wide and one pixel short of the
// height (the bottom row shows what lies under the button); the right end leaves the
// last column free. The middle is the gradient at the standard heights (lines from x = E
// to x = W - E - 2), otherwise the stretched middle piece.
struct ButtonFaceLayout {
    int StandardClass = 0;
    int EndWidth = 0;
    QRect Left, Right, Middle;
    bool GradientMiddle = false;
};
ButtonFaceLayout FaceLayout(int width, int height, TColorSB scheme, bool nata);

// The focus mark colours: the outline of the normal look and the dots of the
// alternative look.
QColor OutlineColour(TColorSB scheme);
QColor DotColour(TColorSB scheme);

} // namespace vesrin
