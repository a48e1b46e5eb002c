#include "table/ButtonLook.h"

#include "table/Rounding.h"

#include <cmath>

namespace vesrin {

namespace {

std::vector<QRgb> Colours(std::initializer_list<int> channels) {
    std::vector<QRgb> colours;
    const int* v = channels.begin();
    for (std::size_t i = 0; i + 2 < channels.size(); i += 3) colours.push_back(qRgb(v[i], v[i + 1], v[i + 2]));
    return colours;
}

int Lighten(int v, int kLight) { return RoundHalfEven(kLight / 100.0 * (255 - v) + v); }

} // namespace

QRgb TintColour(QRgb stored, TColorSB scheme, int kLight, bool alternativePiece) {
    const int r = qRed(stored), g = qGreen(stored), b = qBlue(stored);
    const bool nearRed = std::sqrt(double(r - 255) * (r - 255) + double(g) * g + double(b) * b) < 180;
    int nr = r, ng = g, nb = b;
    switch (scheme) {
    case TColorSB::DRed: break;
    case TColorSB::DGreen: nr = g; ng = r; nb = b; break;
    case TColorSB::DBlue: nr = b; ng = r; nb = r; break;
    case TColorSB::DNavy: nr = b; ng = g; nb = r; break;
    case TColorSB::DYellow: nr = r; ng = r; nb = b; break;
    case TColorSB::DViolet: nr = r; ng = g; nb = r; break;
    case TColorSB::DOrang:
        if (g < r && b < r) {
            const int b2 = RoundHalfEven(0.7 * b);
            nr = r;
            ng = b2 + RoundHalfEven(0.4 * (r - b2));
            nb = b2;
        }
        break;
    case TColorSB::DCards:
        if (!alternativePiece) {
            nr = RoundHalfEven(0.7 * r);
            ng = 0;
            nb = r;
        } else if (nearRed) {
            nr = RoundHalfEven(0.6 * r);
            ng = RoundHalfEven(0.7 * g);
            nb = r;
        }
        break;
    }
    if (kLight != 0 && (!alternativePiece || nearRed)) {
        nr = Lighten(nr, kLight);
        ng = Lighten(ng, kLight);
        nb = Lighten(nb, kLight);
    }
    return qRgba(nr, ng, nb, qAlpha(stored));
}

QImage TintPicture(const QImage& piece, TColorSB scheme, int kLight, bool alternativePiece) {
    QImage tinted = piece.convertToFormat(QImage::Format_ARGB32);
    if (scheme == TColorSB::DRed && kLight == 0) return tinted;
    for (int y = 0; y < tinted.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(tinted.scanLine(y));
        for (int x = 0; x < tinted.width(); ++x) line[x] = TintColour(line[x], scheme, kLight, alternativePiece);
    }
    return tinted;
}

const std::vector<QRgb>& ButtonGradient(int height) {
    static const std::vector<QRgb> empty;
    static const std::vector<QRgb> h30 = Colours({
        128, 0, 0, 17, 0, 0, 135, 91, 91, 232, 173, 173, 223, 163, 163, 215, 153, 153, 207, 145, 145, 200, 136,
        136, 194, 127, 127, 188, 117, 117, 184, 108, 108, 180, 99, 99, 178, 89, 89, 176, 80, 80, 152, 36, 36,
        136, 0, 0, 144, 0, 0, 153, 0, 0, 161, 0, 0, 170, 0, 0, 178, 0, 0, 187, 0, 0, 195, 0, 0, 204, 0, 0,
        212, 0, 0, 221, 0, 0, 229, 0, 0, 238, 0, 0, 128, 0, 0});
    static const std::vector<QRgb> h45 = Colours({
        128, 0, 0, 11, 0, 0, 132, 93, 93, 239, 180, 180, 233, 175, 175, 227, 169, 169, 221, 162, 162, 215, 156,
        156, 210, 150, 150, 206, 144, 144, 201, 139, 139, 196, 133, 133, 193, 127, 127, 189, 121, 121, 186, 115,
        115, 183, 109, 109, 181, 103, 103, 178, 97, 97, 178, 91, 91, 176, 85, 85, 176, 79, 79, 175, 74, 74, 153,
        34, 34, 136, 0, 0, 141, 0, 0, 147, 0, 0, 153, 0, 0, 158, 0, 0, 164, 0, 0, 170, 0, 0, 175, 0, 0, 181,
        0, 0, 187, 0, 0, 192, 0, 0, 198, 0, 0, 204, 0, 0, 209, 0, 0, 215, 0, 0, 221, 0, 0, 227, 0, 0, 232, 0,
        0, 238, 0, 0, 244, 0, 0, 128, 0, 0});
    static const std::vector<QRgb> h60 = Colours({
        128, 0, 0, 9, 0, 0, 131, 94, 94, 243, 183, 183, 237, 178, 178, 232, 174, 174, 228, 169, 169, 224, 165,
        165, 219, 159, 159, 214, 156, 156, 210, 151, 151, 206, 147, 147, 202, 142, 142, 199, 138, 138, 196, 134,
        134, 193, 129, 129, 190, 125, 125, 189, 120, 120, 185, 116, 116, 183, 111, 111, 181, 107, 107, 180, 102,
        102, 177, 97, 97, 176, 93, 93, 175, 89, 89, 174, 84, 84, 173, 80, 80, 172, 75, 75, 172, 71, 71, 150,
        33, 33, 132, 0, 0, 136, 0, 0, 140, 0, 0, 144, 0, 0, 148, 0, 0, 153, 0, 0, 157, 0, 0, 161, 0, 0, 165,
        0, 0, 170, 0, 0, 174, 0, 0, 178, 0, 0, 182, 0, 0, 187, 0, 0, 191, 0, 0, 195, 0, 0, 200, 0, 0, 204, 0,
        0, 208, 0, 0, 212, 0, 0, 217, 0, 0, 221, 0, 0, 225, 0, 0, 229, 0, 0, 69, 0, 0, 238, 0, 0, 242, 0, 0,
        246, 0, 0, 128, 0, 0});
    switch (height) {
    case 30: return h30;
    case 45: return h45;
    case 60: return h60;
    default: return empty;
    }
}

ButtonPieces PiecesForHeight(int height, bool nata) {
    const QString look = nata ? QStringLiteral("Q") : QStringLiteral("R");
    auto pieces = [&](int edge, int reference, const char* size) {
        const QString base = look + QLatin1String(size);
        return ButtonPieces{edge, reference, base + QStringLiteral("_L"), base + QStringLiteral("_R"),
                            base + QStringLiteral("_2")};
    };
    if (height <= 30) return pieces(8, 30, "29");
    if (height <= 45) return pieces(13, 45, "44");
    return pieces(17, 60, "59");
}

int StandardClass(int height) {
    switch (height) {
    case 30: return 1;
    case 45: return 2;
    case 60: return 3;
    default: return 0;
    }
}

int EndWidth(int height) {
    const ButtonPieces pieces = PiecesForHeight(height, false);
    return RoundHalfEven(double(pieces.EdgeWidth) * height / pieces.ReferenceHeight);
}

ButtonFaceLayout FaceLayout(int width, int height, TColorSB scheme, bool nata) {
    ButtonFaceLayout face;
    face.StandardClass = StandardClass(height);
    const ButtonPieces pieces = PiecesForHeight(height, nata);
    face.EndWidth = RoundHalfEven(double(pieces.EdgeWidth) * height / pieces.ReferenceHeight);
    const int q = face.EndWidth;
    face.Left = QRect(0, 0, q, height - 1);
    face.Right = QRect(width - q - 1, 0, q, height - 1);
    face.GradientMiddle = face.StandardClass != 0 && scheme != TColorSB::DCards && !nata;
    face.Middle = face.GradientMiddle ? QRect(pieces.EdgeWidth, 0, width - 2 * pieces.EdgeWidth - 1, height - 1)
                                      : QRect(q, 0, width - 2 * q, height - 1);
    return face;
}

QColor OutlineColour(TColorSB scheme) {
    switch (scheme) {
    case TColorSB::DRed: return QColor(255, 200, 200);
    case TColorSB::DGreen: return QColor(200, 200, 255);
    case TColorSB::DBlue: return QColor(200, 255, 200);
    case TColorSB::DNavy: return QColor(200, 255, 200);
    case TColorSB::DYellow: return QColor(255, 200, 200);
    case TColorSB::DViolet: return QColor(255, 255, 200);
    case TColorSB::DOrang: return QColor(255, 128, 64);
    case TColorSB::DCards: return QColor(200, 175, 50);
    }
    return QColor(255, 200, 200);
}

QColor DotColour(TColorSB scheme) {
    switch (scheme) {
    case TColorSB::DRed: return QColor(255, 255, 0);
    case TColorSB::DGreen: return QColor(0, 0, 255);
    case TColorSB::DBlue: return QColor(0, 0, 255);
    case TColorSB::DNavy: return QColor(0, 255, 0);
    case TColorSB::DYellow: return QColor(255, 0, 0);
    case TColorSB::DViolet: return QColor(255, 255, 255);
    case TColorSB::DOrang: return QColor(255, 255, 255);
    case TColorSB::DCards: return QColor(220, 180, 255);
    }
    return QColor(255, 255, 0);
}

} // namespace vesrin
