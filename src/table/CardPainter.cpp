#include "table/CardPainter.h"

#include "table/Rounding.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace vesrin {

namespace {

// Rank bytes of the card code in code page 1251: "2".."9", "1" for the ten, then the
// jack, queen, king and ace letters.
int RankValueOf(unsigned char rank) {
    if (rank >= '2' && rank <= '9') return rank - '2' + 1;
    switch (rank) {
    case '1': return 9;
    case 0xC2: return 10;
    case 0xC4: return 11;
    case 0xCA: return 12;
    case 0xD2: return 13;
    default: return 0;
    }
}

int SuitIndexOf(unsigned char suit) {
    switch (suit) {
    case 0xF7: return 1; // heart
    case 0xE1: return 2; // diamonds
    case 0xEA: return 3; // clubs
    case 0xEF: return 4; // spades
    default: return 0;
    }
}

// The small card frame: four lines that leave the corner pixels open, so the cell looks
// rounded. Each line includes both of its end points.
void DrawSmallFrame(QPainter& target, int x, int y) {
    const QColor black(0, 0, 0);
    target.fillRect(QRect(x + 2, y, 67, 1), black);
    target.fillRect(QRect(x + 2, y + 95, 67, 1), black);
    target.fillRect(QRect(x, y + 2, 1, 92), black);
    target.fillRect(QRect(x + 70, y + 2, 1, 92), black);
}

bool IsRgb(QImage::Format format) {
    switch (format) {
    case QImage::Format_RGB32:
    case QImage::Format_RGB888:
    case QImage::Format_RGBX8888:
    case QImage::Format_RGBX64:
        return true;
    default:
        return false;
    }
}

bool IsRgbAlpha(QImage::Format format) {
    switch (format) {
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_RGBA8888:
    case QImage::Format_RGBA8888_Premultiplied:
    case QImage::Format_RGBA64:
    case QImage::Format_RGBA64_Premultiplied:
        return true;
    default:
        return false;
    }
}

} // namespace

std::optional<int> DeckNumberOfCode(std::string_view code) {
    if (code.size() != 2) return std::nullopt;
    const int rank = RankValueOf(static_cast<unsigned char>(code[0]));
    const int suit = SuitIndexOf(static_cast<unsigned char>(code[1]));
    if (rank == 0 || suit == 0) return std::nullopt;
    return (rank - 1) * 4 + suit;
}

void DrawCard(QPainter& target, int x, int y, std::string_view code, const PictureStores& stores,
              const CardGeometry& geometry, double scale) {
    const std::optional<int> card = DeckNumberOfCode(code);
    if (geometry.CardPictureMode != CardPictureSmall) {
        if (card) DrawScaledPng(target, x, y, stores.FaceLarge(*card), true, geometry.CardHeight, geometry.CardWidth, scale);
        return;
    }
    if (code == "##") return;
    DrawSmallFrame(target, x, y);
    if (code == "No") {
        const QColor black(0, 0, 0);
        for (QPoint dot : {QPoint(x + 1, y + 1), QPoint(x + 69, y + 1), QPoint(x + 1, y + 94), QPoint(x + 69, y + 94)})
            target.fillRect(QRect(dot, QSize(1, 1)), black);
        return;
    }
    if (card) target.drawImage(x + 1, y + 1, stores.Face(*card));
}

void DrawBack(QPainter& target, int x, int y, const PictureStores& stores, const CardGeometry& geometry,
              double scale) {
    const std::size_t index = std::size_t(std::clamp(geometry.BackPicture, 1, 10) - 1);
    if (geometry.CardPictureMode == CardPictureSmall) {
        DrawSmallFrame(target, x, y);
        target.drawImage(x + 1, y + 1, stores.BackPictures[index]);
        return;
    }
    DrawScaledPng(target, x, y, stores.BackPicturesLarge[index], true, geometry.CardHeight, geometry.CardWidth, scale);
}

void DrawScaledPng(QPainter& target, int x, int y, const QImage& png, bool roundCorners, int height, int width,
                   double scale) {
    if (png.isNull() || width <= 0 || height <= 0) return;
    if (png.width() == width && png.height() == height) {
        target.drawImage(x, y, png);
        return;
    }
    // The picture is flattened onto black, then resampled.
    QImage flat(png.size(), QImage::Format_RGB32);
    flat.fill(Qt::black);
    {
        QPainter p(&flat);
        p.drawImage(0, 0, png);
    }
    QImage resampled = flat.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!roundCorners) {
        target.drawImage(x, y, resampled);
        return;
    }
    // The corners outside a black rounded rectangle take the marker colour (1, 2, 3);
    // then every pixel of the top-left pixel's colour is left out when drawing.
    QImage mask(width, height, QImage::Format_RGB32);
    mask.fill(QColor(1, 2, 3));
    {
        QPainter p(&mask);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        const int radius = RoundHalfEven(8 * scale);
        p.drawRoundedRect(QRect(0, 0, width, height), radius, radius);
    }
    for (int row = 0; row < height; ++row) {
        const QRgb* m = reinterpret_cast<const QRgb*>(mask.constScanLine(row));
        QRgb* r = reinterpret_cast<QRgb*>(resampled.scanLine(row));
        for (int col = 0; col < width; ++col)
            if ((m[col] & 0xFFFFFF) != 0) r[col] = m[col];
    }
    const QRgb transparent = resampled.pixel(0, 0) & 0xFFFFFF;
    QImage keyed = resampled.convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < height; ++row) {
        QRgb* line = reinterpret_cast<QRgb*>(keyed.scanLine(row));
        for (int col = 0; col < width; ++col)
            if ((line[col] & 0xFFFFFF) == transparent) line[col] = 0;
    }
    target.drawImage(x, y, keyed);
}

std::optional<QString> ResizePng(QImage& png, int width, int height) {
    if (png.width() <= 1 || png.height() <= 1 || width <= 1 || height <= 1) return std::nullopt;
    const bool alpha = IsRgbAlpha(png.format());
    if (!alpha && !IsRgb(png.format()))
        return QStringLiteral("Only COLOR_RGBALPHA and COLOR_RGB formats are supported");
    const QImage source = png.convertToFormat(QImage::Format_ARGB32);
    const int w = source.width(), h = source.height();
    // Target pixel t maps to source position t / (W' / (W - 1)): the first and the last
    // target pixels meet the first and the last source pixels.
    const double stepX = double(width) / double(w - 1);
    const double stepY = double(height) / double(h - 1);
    QImage result(width, height, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int ty = 0; ty < height; ++ty) {
        const double sy = ty / stepY;
        const int y0 = std::min(int(std::floor(sy)), h - 1);
        const int y1 = std::min(y0 + 1, h - 1);
        const double fy = sy - y0;
        const QRgb* top = reinterpret_cast<const QRgb*>(source.constScanLine(y0));
        const QRgb* bottom = reinterpret_cast<const QRgb*>(source.constScanLine(y1));
        QRgb* out = reinterpret_cast<QRgb*>(result.scanLine(ty));
        for (int tx = 0; tx < width; ++tx) {
            const double sx = tx / stepX;
            const int x0 = std::min(int(std::floor(sx)), w - 1);
            const int x1 = std::min(x0 + 1, w - 1);
            const double fx = sx - x0;
            const double w00 = (1 - fx) * (1 - fy), w10 = fx * (1 - fy), w01 = (1 - fx) * fy, w11 = fx * fy;
            auto blend = [&](int (*channel)(QRgb)) {
                const double v = channel(top[x0]) * w00 + channel(top[x1]) * w10 + channel(bottom[x0]) * w01 +
                                 channel(bottom[x1]) * w11;
                return std::clamp(RoundHalfEven(v), 0, 255);
            };
            const int a = alpha ? blend(qAlpha) : 255;
            out[tx] = qRgba(blend(qRed), blend(qGreen), blend(qBlue), a);
        }
    }
    png = std::move(result);
    return std::nullopt;
}

QRect UnscrambleBox(int cardPictureMode, bool wideFaces) {
    if (cardPictureMode == CardPictureSmall) return QRect(QPoint(10, 10), QPoint(84 - 1, 59 - 1));
    return wideFaces ? QRect(QPoint(10, 10), QPoint(188 - 1, 136 - 1)) : QRect(QPoint(10, 10), QPoint(188 - 1, 116 - 1));
}

void UnscrambleFace(QImage& picture, int cardPictureMode, bool wideFaces) {
    if (picture.isNull()) return;
    // Inverting needs a 32-bit picture; a palette picture is widened first.
    if (picture.depth() != 32) picture = picture.convertToFormat(QImage::Format_ARGB32);
    const QRect box = UnscrambleBox(cardPictureMode, wideFaces);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setCompositionMode(QPainter::RasterOp_NotDestination);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(box.left(), box.top(), box.width(), box.height()));
}

} // namespace vesrin
