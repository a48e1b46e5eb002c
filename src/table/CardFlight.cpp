#include "table/CardFlight.h"

#include "table/CardPainter.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace vesrin {

namespace {

bool IsBackCode(std::string_view code) { return code == "00"; }
bool IsCardCode(std::string_view code) { return DeckNumberOfCode(code).has_value(); }

// The pixels of the small sprite's corners that stay transparent.
std::array<QPoint, 12> SmallCorners(int w, int h) {
    return {QPoint(0, 0),     QPoint(1, 0),     QPoint(0, 1),     QPoint(w - 2, 0),
            QPoint(w - 1, 0), QPoint(w - 1, 1), QPoint(0, h - 1), QPoint(1, h - 1),
            QPoint(0, h - 2), QPoint(w - 2, h - 1), QPoint(w - 1, h - 1), QPoint(w - 1, h - 2)};
}

// The card cell picture of the large modes on a transparent ground.
QImage LargeCellPicture(std::string_view code, const TableLook& look) {
    QImage cell(look.Cards.CardWidth, look.Cards.CardHeight, QImage::Format_ARGB32_Premultiplied);
    cell.fill(Qt::transparent);
    QPainter p(&cell);
    if (IsBackCode(code))
        DrawBack(p, 0, 0, look.Stores, look.Cards, look.Scale.Scale);
    else
        DrawCard(p, 0, 0, code, look.Stores, look.Cards, look.Scale.Scale);
    return cell;
}

void CopyRect(QImage& target, const QImage& source, const QRect& rect) {
    const QRect r = rect.intersected(target.rect()).intersected(source.rect());
    if (r.isEmpty()) return;
    QPainter p(&target);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(r.topLeft(), source, r);
}

} // namespace

TSprite::TSprite(std::string_view code, int x1, int y1, int x2, int y2, const TableLook& look)
    : FWidth(x2 - x1), FHeight(y2 - y1), FLeft(x1), FTop(y1) {
    small_ = look.Cards.CardPictureMode == CardPictureSmall;
    empty_ = !IsBackCode(code) && !IsCardCode(code);
    if (empty_ || FWidth <= 0 || FHeight <= 0) {
        empty_ = true;
        return;
    }
    if (!small_) {
        ImBMP2 = LargeCellPicture(code, look);
        return;
    }
    QImage face(69, 94, QImage::Format_RGB32);
    face.fill(Qt::white);
    {
        const std::size_t back = std::size_t(std::clamp(look.Cards.BackPicture, 1, 10) - 1);
        QPainter p(&face);
        if (IsBackCode(code))
            p.drawImage(0, 0, look.Stores.BackPictures[back]);
        else
            p.drawImage(0, 0, look.Stores.Face(*DeckNumberOfCode(code)));
    }
    FAndImage = QImage(FWidth, FHeight, QImage::Format_RGB32);
    FAndImage.fill(QColor(0, 0, 0));
    FOrImage = QImage(FWidth, FHeight, QImage::Format_RGB32);
    FOrImage.fill(QColor(0, 0, 0));
    {
        QPainter p(&FOrImage);
        p.drawImage(1, 1, face);
    }
    for (QPoint corner : SmallCorners(FWidth, FHeight)) {
        if (!FAndImage.rect().contains(corner)) continue;
        FAndImage.setPixel(corner, qRgb(255, 255, 255));
        FOrImage.setPixel(corner, qRgb(0, 0, 0));
    }
}

void TSprite::PaintInto(QImage& target) const {
    if (empty_) return;
    if (!small_) {
        QPainter p(&target);
        p.drawImage(FLeft, FTop, ImBMP2);
        return;
    }
    // The classic mask-and-picture sprite: AND keeps the ground in the corners and clears
    // it under the card, OR puts the card in.
    const QRect r = Rect().intersected(target.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(target.scanLine(y));
        const QRgb* andLine = reinterpret_cast<const QRgb*>(FAndImage.constScanLine(y - FTop));
        const QRgb* orLine = reinterpret_cast<const QRgb*>(FOrImage.constScanLine(y - FTop));
        for (int x = r.left(); x <= r.right(); ++x) line[x] = (line[x] & andLine[x - FLeft]) | orLine[x - FLeft];
    }
}

QPoint CardFlight::NextStep(QPoint current, QPoint start, QPoint target) {
    const int dx = target.x() - start.x();
    const int dy = target.y() - start.y();
    if (dx == 0 && dy == 0) return target;
    if (std::abs(dx) >= std::abs(dy)) {
        const int x = current.x() + (target.x() >= start.x() ? 1 : -1);
        return QPoint(x, RoundHalfEven(double(dy) * (x - start.x()) / dx + start.y()));
    }
    const int y = current.y() + (target.y() >= start.y() ? 1 : -1);
    return QPoint(RoundHalfEven(double(dx) * (y - start.y()) / dy + start.x()), y);
}

void CardFlight::PauseAfterStep() {
    switch (std::clamp(Speed, 1, 6)) {
    case 1: pacer_.StepPause(2); return;
    case 2: pacer_.StepPause(1); return;
    case 3:
    case 4: {
        const int every = Speed == 3 ? 2 : 3;
        if (++phase_ >= every) {
            phase_ = 0;
            pacer_.StepPause(1);
        } else {
            pacer_.StepWithoutPause();
        }
        return;
    }
    default: pacer_.StepWithoutPause(); return;
    }
}

void CardFlight::Cover(const QImage& saved) {
    surface_.Begin(saved);
    covering_ = true;
}

void CardFlight::MoveSprite(TSprite& sprite, int x, int y) {
    const QRect old = sprite.Rect();
    sprite.FLeft = x;
    sprite.FTop = y;
    CopyRect(workBuffer_, cleanSnapshot_, old);
    sprite.PaintInto(workBuffer_);
    surface_.Show(workBuffer_, old.adjusted(-2, -2, 2, 2));
}

void CardFlight::EraseSprite(TSprite& sprite) {
    const QRect r = sprite.Rect();
    CopyRect(workBuffer_, cleanSnapshot_, r);
    surface_.Show(workBuffer_, QRect(r.left() - 2, r.top() - 2, r.width() + 2, r.height() + 2));
}

void CardFlight::FlyCard(QPoint start, QPoint target, std::string_view code, bool restoreAtEnd,
                         const TableLook& look) {
    Finish();
    cleanSnapshot_ = surface_.Grab().convertToFormat(QImage::Format_RGB32);
    workBuffer_ = cleanSnapshot_.copy();
    TSprite sprite(code, start.x(), start.y(), start.x() + look.Cards.CardWidth, start.y() + look.Cards.CardHeight,
                   look);
    Cover(cleanSnapshot_);
    MoveSprite(sprite, start.x(), start.y());
    flying_ = true;
    QPoint at = start;
    while (at != target) {
        at = NextStep(at, start, target);
        MoveSprite(sprite, at.x(), at.y());
        PauseAfterStep();
    }
    if (restoreAtEnd) EraseSprite(sprite);
    flying_ = false;
}

QImage& CardFlight::PrepareSnapshot() {
    Finish();
    cleanSnapshot_ = surface_.Grab().convertToFormat(QImage::Format_RGB32);
    return cleanSnapshot_;
}

void CardFlight::FlyCards(const std::array<FlyingCard, 12>& cards, const TableLook& look) {
    struct Slot {
        std::string Code;
        QPoint At, Start, Target;
        QImage Picture; // large modes
        bool Moving = true;
    };
    std::vector<Slot> cardsInFlight;
    for (const FlyingCard& card : cards) {
        if (card.Code == "##") continue;
        Slot entry{card.Code, card.Start, card.Start, card.Target, {}, true};
        if (look.Cards.CardPictureMode != CardPictureSmall) entry.Picture = LargeCellPicture(card.Code, look);
        cardsInFlight.push_back(std::move(entry));
    }
    if (cardsInFlight.empty()) {
        cleanSnapshot_ = QImage();
        return;
    }
    const int w = look.Cards.CardWidth;
    const int h = look.Cards.CardHeight;
    auto unionBox = [&] {
        int minX = cardsInFlight.front().At.x(), maxX = minX, minY = cardsInFlight.front().At.y(), maxY = minY;
        for (const Slot& s : cardsInFlight) {
            minX = std::min(minX, s.At.x());
            maxX = std::max(maxX, s.At.x());
            minY = std::min(minY, s.At.y());
            maxY = std::max(maxY, s.At.y());
        }
        return QRect(minX - 10, minY - 10, maxX + w - minX + 20, maxY + h - minY + 20);
    };

    // The prepared picture is composed and shown; the copy taken now stays clean.
    const QImage clean = cleanSnapshot_.copy();
    QImage& shown = cleanSnapshot_;
    Cover(shown);
    flying_ = true;
    bool moving = true;
    while (moving) {
        CopyRect(shown, clean, unionBox());
        moving = false;
        QPainter p(&shown);
        for (Slot& s : cardsInFlight) {
            if (!s.Moving) continue;
            s.At = NextStep(s.At, s.Start, s.Target);
            if (look.Cards.CardPictureMode == CardPictureSmall) {
                if (IsBackCode(s.Code))
                    DrawBack(p, s.At.x(), s.At.y(), look.Stores, look.Cards, look.Scale.Scale);
                else
                    DrawCard(p, s.At.x(), s.At.y(), s.Code, look.Stores, look.Cards, look.Scale.Scale);
            } else {
                p.drawImage(s.At, s.Picture);
            }
            if (s.At == s.Target)
                s.Moving = false;
            else
                moving = true;
        }
        p.end();
        surface_.Show(shown, unionBox());
        PauseAfterStep();
    }
    flying_ = false;
}

void CardFlight::Finish() {
    if (covering_) surface_.End();
    covering_ = false;
    flying_ = false;
}

} // namespace vesrin
