#include "ArtOutput.h"
#include "Draw.h"
#include "Generators.h"

#include <QPainterPath>

#include <array>
#include <cmath>
#include <vector>

namespace vesrin::art {

// The pieces of the program's own button, in red shades (the button recolours them):
// a left cap, a right cap and a 2-pixel middle slice for each of the three heights. The
// normal look ("R") follows the button's gradient row by row, so the pieces and the
// drawn gradient meet without a seam; the alternative look ("Q") is a glassy bar with a
// black rim and a white gleam.

namespace {

using Rgb = std::array<int, 3>;

// Row colours of the normal look, one per pixel row of the pieces.
const std::vector<Rgb>& Rows(int height) {
    static const std::vector<Rgb> h29 = {
        {128, 0, 0},   {17, 0, 0},    {135, 91, 91}, {232, 173, 173}, {223, 163, 163}, {215, 153, 153},
        {207, 145, 145}, {200, 136, 136}, {194, 127, 127}, {188, 117, 117}, {184, 108, 108}, {180, 99, 99},
        {178, 89, 89}, {176, 80, 80}, {152, 36, 36}, {136, 0, 0}, {144, 0, 0}, {153, 0, 0}, {161, 0, 0},
        {170, 0, 0},   {178, 0, 0},   {187, 0, 0},   {195, 0, 0},   {204, 0, 0},   {212, 0, 0},   {221, 0, 0},
        {229, 0, 0},   {238, 0, 0},   {128, 0, 0}};
    static const std::vector<Rgb> h44 = {
        {128, 0, 0},   {11, 0, 0},    {132, 93, 93}, {239, 180, 180}, {233, 175, 175}, {227, 169, 169},
        {221, 162, 162}, {215, 156, 156}, {210, 150, 150}, {206, 144, 144}, {201, 139, 139}, {196, 133, 133},
        {193, 127, 127}, {189, 121, 121}, {186, 115, 115}, {183, 109, 109}, {181, 103, 103}, {178, 97, 97},
        {178, 91, 91}, {176, 85, 85}, {176, 79, 79}, {175, 74, 74}, {153, 34, 34}, {136, 0, 0}, {141, 0, 0},
        {147, 0, 0},   {153, 0, 0},   {158, 0, 0},   {164, 0, 0},   {170, 0, 0},   {175, 0, 0},   {181, 0, 0},
        {187, 0, 0},   {192, 0, 0},   {198, 0, 0},   {204, 0, 0},   {209, 0, 0},   {215, 0, 0},   {221, 0, 0},
        {227, 0, 0},   {232, 0, 0},   {238, 0, 0},   {244, 0, 0},   {128, 0, 0}};
    // The row near the bottom is the smooth 233 of the rising reds: a dark 69 there
    // would draw a black seam through every tall button's caps.
    static const std::vector<Rgb> h59 = {
        {128, 0, 0},   {9, 0, 0},     {131, 94, 94}, {243, 183, 183}, {237, 178, 178}, {232, 174, 174},
        {228, 169, 169}, {224, 165, 165}, {219, 159, 159}, {214, 156, 156}, {210, 151, 151}, {206, 147, 147},
        {202, 142, 142}, {199, 138, 138}, {196, 134, 134}, {193, 129, 129}, {190, 125, 125}, {189, 120, 120},
        {185, 116, 116}, {183, 111, 111}, {181, 107, 107}, {180, 102, 102}, {177, 97, 97}, {176, 93, 93},
        {175, 89, 89}, {174, 84, 84}, {173, 80, 80}, {172, 75, 75}, {172, 71, 71}, {150, 33, 33}, {132, 0, 0},
        {136, 0, 0},   {140, 0, 0},   {144, 0, 0},   {148, 0, 0},   {153, 0, 0},   {157, 0, 0},   {161, 0, 0},
        {165, 0, 0},   {170, 0, 0},   {174, 0, 0},   {178, 0, 0},   {182, 0, 0},   {187, 0, 0},   {191, 0, 0},
        {195, 0, 0},   {200, 0, 0},   {204, 0, 0},   {208, 0, 0},   {212, 0, 0},   {217, 0, 0},   {221, 0, 0},
        {225, 0, 0},   {229, 0, 0},   {233, 0, 0},   {238, 0, 0},   {242, 0, 0},   {246, 0, 0},   {128, 0, 0}};
    return height == 29 ? h29 : height == 44 ? h44 : h59;
}

// Coverage of pixel (x, y) by a cap: half an ellipse as wide as the piece and as high as
// the bar, its round side facing outwards. Sampled 4 x 4 per pixel for a smooth edge.
double CapCoverage(int x, int y, int width, int height, bool left) {
    const double half = height / 2.0;
    int inside = 0;
    for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) {
            const double px = x + (sx + 0.5) / 4, py = y + (sy + 0.5) / 4;
            const double nx = (left ? px - width : px) / width;
            const double ny = (py - half) / half;
            if (nx * nx + ny * ny <= 1.0) ++inside;
        }
    return inside / 16.0;
}

QImage NormalPiece(int width, int height, int kind) { // kind 0 left, 1 right, 2 middle
    QImage image(width, height, QImage::Format_ARGB32);
    const std::vector<Rgb>& rows = Rows(height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Rgb& c = rows[y];
            const double cover = kind == 2 ? 1.0 : CapCoverage(x, y, width, height, kind == 0);
            // The rim darkens towards the outer edge.
            double dim = 1.0;
            if (kind != 2) {
                const double edge = kind == 0 ? x : width - 1 - x;
                dim = 0.72 + 0.28 * std::min(1.0, edge / (width * 0.5));
            }
            image.setPixel(x, y, qRgba(int(c[0] * dim), int(c[1] * dim), int(c[2] * dim), int(std::lround(cover * 255))));
        }
    return image;
}

QImage GlassPiece(int width, int height, int kind) {
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double cover = kind == 2 ? 1.0 : CapCoverage(x, y, width, height, kind == 0);
            const double t = double(y) / (height - 1);
            QColor c;
            if (y == 0 || y == height - 1)
                c = QColor(0, 0, 0); // black rim
            else if (t < 0.42)
                c = QColor(255, int(std::lround(70 + 120 * (0.42 - t))), int(std::lround(70 + 120 * (0.42 - t))));
            else
                c = QColor(int(std::lround(150 + 100 * (t - 0.42))), 0, 0);
            if (kind != 2) {
                // Black rim round the cap, within the pixel the coverage fades.
                const double inner = CapCoverage(x, y, width, height, kind == 0);
                if (inner < 1.0 && inner > 0) c = QColor(0, 0, 0);
            }
            if (y == 2 && cover == 1.0) c = QColor(255, 255, 255); // the gleam
            image.setPixel(x, y, qRgba(c.red(), c.green(), c.blue(), int(std::lround(cover * 255))));
        }
    return image;
}

} // namespace

void MakeButtons(ArtOutput& out) {
    struct Height {
        int Rows;
        int Edge;
    };
    for (Height h : {Height{29, 8}, Height{44, 13}, Height{59, 17}}) {
        const QString n = QString::number(h.Rows);
        out.Png("R" + n + "_L", NormalPiece(h.Edge, h.Rows, 0));
        out.Png("R" + n + "_R", NormalPiece(h.Edge, h.Rows, 1));
        out.Png("R" + n + "_2", NormalPiece(2, h.Rows, 2));
        out.Png("Q" + n + "_L", GlassPiece(h.Edge, h.Rows, 0));
        out.Png("Q" + n + "_R", GlassPiece(h.Edge, h.Rows, 1));
        out.Png("Q" + n + "_2", GlassPiece(2, h.Rows, 2));
    }
}

} // namespace vesrin::art
