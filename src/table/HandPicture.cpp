#include "table/HandPicture.h"

#include "table/CardPainter.h"
#include "table/PictureElement.h"

#include <QPainter>

#include <algorithm>

namespace vesrin {

HandXList DrawHand(PictureElement& hand, const OneBased<CardCode, HandSlots>& cards, int count, bool faceUp,
                   const TableLook& look) {
    const HandXList handX = SpreadHand(0, hand.Picture.width(), count, look.Cards.CardWidth);
    hand.CopyBackground();
    QPainter p(&hand.Picture);
    for (int slot = 1; slot <= CardsPerHand; ++slot) {
        const CardCode card = cards[slot];
        if (faceUp)
            DrawCard(p, handX[slot], 0, card.Bytes(), look.Stores, look.Cards, look.Scale.Scale);
        else if (!card.IsEmpty())
            DrawBack(p, handX[slot], 0, look.Stores, look.Cards, look.Scale.Scale);
    }
    return handX;
}

namespace {

void InvertPixel(QImage& picture, int x, int y) {
    if (x < 0 || y < 0 || x >= picture.width() || y >= picture.height()) return;
    QRgb* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
    line[x] = (~line[x] & 0x00FFFFFF) | (line[x] & 0xFF000000);
}

// Columns x1..x2 and rows y1..y2, both inclusive.
void InvertBlock(QImage& picture, int x1, int x2, int y1, int y2) {
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) InvertPixel(picture, x, y);
}

void InvertSmall(QImage& picture, const HandXList& handX, int index, int count) {
    const int x = handX[index];
    InvertBlock(picture, x + 1, x + 1, 1, 94);
    const bool overlapped = picture.width() < count * 71;
    if (index < count && overlapped) {
        const int next = handX[index + 1];
        InvertBlock(picture, x + 2, next - 1, 0, 95);
        InvertPixel(picture, next, 1);
        InvertPixel(picture, next, 94);
        return;
    }
    InvertBlock(picture, x + 2, x + 69, 0, 95);
    for (QPoint corner : {QPoint(x + 69, 0), QPoint(x + 70, 0), QPoint(x + 70, 1), QPoint(x + 69, 95),
                          QPoint(x + 70, 95), QPoint(x + 70, 94)})
        InvertPixel(picture, corner.x(), corner.y());
}

void InvertLarge(QImage& picture, const HandXList& handX, int index, int count, const CardGeometry& cards,
                 double scale) {
    const int radius = cards.CardPictureMode == CardPictureNative ? 16 : RoundHalfEven(scale * 8);
    const QRect card(handX[index], 0, cards.CardWidth, cards.CardHeight);
    QRect next;
    if (index < count && handX[index + 1] < card.right() + 1)
        next = QRect(handX[index + 1], 0, cards.CardWidth, cards.CardHeight);
    const int right = std::min(card.right(), picture.width() - 1);
    const int bottom = std::min(card.bottom(), picture.height() - 1);
    for (int y = std::max(0, card.top()); y <= bottom; ++y)
        for (int x = std::max(0, card.left()); x <= right; ++x) {
            if (!InRoundedRect(card, radius, x, y)) continue;
            if (!next.isNull() && InRoundedRect(next, radius, x, y)) continue;
            InvertPixel(picture, x, y);
        }
}

} // namespace

bool InRoundedRect(const QRect& rect, int radius, int px, int py) {
    if (!rect.contains(px, py)) return false;
    radius = std::min({radius, rect.width() / 2, rect.height() / 2});
    if (radius <= 0) return true;
    const double cx = px + 0.5;
    const double cy = py + 0.5;
    const double left = rect.left() + radius;
    const double right = rect.left() + rect.width() - radius;
    const double top = rect.top() + radius;
    const double bottom = rect.top() + rect.height() - radius;
    const double dx = cx < left ? left - cx : (cx > right ? cx - right : 0);
    const double dy = cy < top ? top - cy : (cy > bottom ? cy - bottom : 0);
    return dx * dx + dy * dy <= double(radius) * radius;
}

void InvertCardSelection(QImage& picture, const HandXList& handX, int index, int count, const CardGeometry& cards,
                         double scale) {
    if (index < 1 || index > 36 || picture.isNull()) return;
    if (cards.CardPictureMode == CardPictureSmall)
        InvertSmall(picture, handX, index, count);
    else
        InvertLarge(picture, handX, index, count, cards, scale);
}

} // namespace vesrin
