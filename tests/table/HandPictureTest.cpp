#include "table/HandPicture.h"

#include "table/PictureElement.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace vesrin {
namespace {

// A background with a pattern, so copies from the wrong place show.
QImage PatternBackground(int w, int h) {
    QImage background(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) background.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    return background;
}

struct HandFixture {
    explicit HandFixture(double scale, int windowSize) {
        tableScale = TableScaleFor(windowSize, {});
        SetCardCells(cards, scale);
        PictureLoader loader(stores, cards, choice, LibraryPlaces{}, {});
        choice.Scale = scale;
        choice.WindowSize = windowSize;
        loader.LoadFaces();
        background = PatternBackground(tableScale.TableWidth, tableScale.TableHeight);
        element = std::make_unique<PictureElement>(nullptr, background, QStringLiteral("ImageCards4"));
        const TableLayout layout = LayoutTable(tableScale, cards.CardHeight, false);
        element->Place(layout.HandArea[4].Rect());
        hand.fill(EmptySlot);
    }
    TableLook Look() const { return {tableScale, stores, cards, fonts}; }
    void Deal(int count) {
        hand.fill(EmptySlot);
        for (int slot = 1; slot <= count; ++slot) hand[slot] = CardOfDeckNumber(slot * 4);
    }

    TableScale tableScale;
    PictureStores stores;
    CardGeometry cards;
    PictureChoice choice;
    FontKinds fonts;
    QImage background;
    std::unique_ptr<PictureElement> element;
    OneBased<CardCode, HandSlots> hand{};
};

TEST(DrawHand, CopiesTheBackgroundAndPaintsCardsLeftToRight) {
    HandFixture f(1.0, 1);
    f.Deal(3);
    const HandXList x = DrawHand(*f.element, f.hand, 3, true, f.Look());
    EXPECT_EQ(x[1], 19);
    // Left of the first card the picture is the background under the element.
    const QPoint origin = f.element->pos();
    EXPECT_EQ(f.element->Picture.pixel(5, 50), f.background.pixel(origin.x() + 5, origin.y() + 50));
    // The first card's frame is black.
    EXPECT_EQ(f.element->Picture.pixel(19, 50), qRgb(0, 0, 0));
}

TEST(DrawHand, FaceDownPaintsBacksOnlyWhereCardsAre) {
    HandFixture f(1.0, 1);
    f.Deal(1);
    DrawHand(*f.element, f.hand, 1, false, f.Look());
    const QPoint origin = f.element->pos();
    // The one card lies centred at 93; the rest is background.
    EXPECT_EQ(f.element->Picture.pixel(93, 50), qRgb(0, 0, 0));
    EXPECT_NE(f.element->Picture.pixel(120, 50), f.background.pixel(origin.x() + 120, origin.y() + 50));
    EXPECT_EQ(f.element->Picture.pixel(20, 50), f.background.pixel(origin.x() + 20, origin.y() + 50));
}

TEST(InvertCardSelection, TwiceRestoresThePictureExactly) {
    struct Case {
        const char* Name;
        double Scale;
        int WindowSize;
        int Count;
        int Index;
    };
    const Case cases[] = {
        {"small, overlapped", 1.0, 1, 13, 5},
        {"small, last card", 1.0, 1, 13, 13},
        {"small, side by side", 1.0, 1, 3, 2},
        {"large, overlapped", 1.3, 3, 13, 4},
        {"large, last card", 1.3, 3, 13, 13},
        {"native, overlapped", 2.0, 5, 13, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        HandFixture f(c.Scale, c.WindowSize);
        f.Deal(c.Count);
        const HandXList x = DrawHand(*f.element, f.hand, c.Count, true, f.Look());
        const QImage before = f.element->Picture.copy();
        InvertCardSelection(f.element->Picture, x, c.Index, c.Count, f.cards, c.Scale);
        const QImage marked = f.element->Picture.copy();
        EXPECT_NE(marked, before);
        InvertCardSelection(f.element->Picture, x, c.Index, c.Count, f.cards, c.Scale);
        EXPECT_EQ(f.element->Picture, before);
    }
}

TEST(InvertCardSelection, MarksOnlyTheVisiblePartOfTheCard) {
    HandFixture f(1.0, 1);
    f.Deal(13);
    const HandXList x = DrawHand(*f.element, f.hand, 13, true, f.Look());
    const QImage before = f.element->Picture.copy();
    InvertCardSelection(f.element->Picture, x, 5, 13, f.cards, 1.0);
    const QImage& after = f.element->Picture;
    auto inverted = [&](int px, int py) { return (after.pixel(px, py) & 0xFFFFFF) == (~before.pixel(px, py) & 0xFFFFFF); };
    const int left = x[5], next = x[6];
    EXPECT_TRUE(inverted(left + 1, 50));
    EXPECT_TRUE(inverted(next - 1, 0));
    EXPECT_FALSE(inverted(left, 50)) << "the card's own left frame stays";
    EXPECT_FALSE(inverted(next + 1, 50)) << "the next card covers the rest";
    EXPECT_TRUE(inverted(next, 1));
    EXPECT_TRUE(inverted(next, 94));
    EXPECT_EQ(after.pixel(next, 50), before.pixel(next, 50));
}

TEST(InvertCardSelection, LargeCardsKeepTheirRoundCornersAndTheNextCard) {
    HandFixture f(2.0, 5);
    f.Deal(13);
    const HandXList x = DrawHand(*f.element, f.hand, 13, true, f.Look());
    const QImage before = f.element->Picture.copy();
    InvertCardSelection(f.element->Picture, x, 3, 13, f.cards, 2.0);
    const QImage& after = f.element->Picture;
    EXPECT_EQ(after.pixel(x[3], 0), before.pixel(x[3], 0)) << "the corner outside the rounding";
    EXPECT_NE(after.pixel(x[3] + 5, 100), before.pixel(x[3] + 5, 100));
    EXPECT_EQ(after.pixel(x[4] + 20, 100), before.pixel(x[4] + 20, 100));
}

TEST(InRoundedRect, CornersAreCutByTheRadius) {
    const QRect card(10, 0, 146, 198);
    EXPECT_FALSE(InRoundedRect(card, 16, 10, 0));
    EXPECT_TRUE(InRoundedRect(card, 16, 15, 5));
    EXPECT_TRUE(InRoundedRect(card, 16, 10, 100));
    EXPECT_FALSE(InRoundedRect(card, 16, 155, 197));
    EXPECT_TRUE(InRoundedRect(card, 16, 150, 192));
    EXPECT_FALSE(InRoundedRect(card, 16, 156, 100));
}

} // namespace
} // namespace vesrin
