#include "table/TableGeometry.h"

#include "table/PictureStores.h"

#include <gtest/gtest.h>

namespace vesrin {
namespace {

TEST(TableScale, EveryWindowSizeHasItsTableAndScales) {
    struct Case {
        int WindowSize;
        int Width, Height;
        double Scale;
        int CardWidth, CardHeight, PictureMode;
    };
    const Case cases[] = {
        {1, 760, 500, 1.0, 71, 96, CardPictureSmall},
        {3, 990, 650, 1.3, 92, 125, CardPictureLarge}, // [71 x 1.3] = [92.3], [96 x 1.3] = [124.8]
        {4, 1290, 850, 1.7, 121, 163, CardPictureLarge}, // [120.7], [163.2]
        {5, 1520, 1000, 2.0, 146, 198, CardPictureNative},
        {0, 760, 500, 1.0, 71, 96, CardPictureSmall}, // out of range: the small window
        {6, 760, 500, 1.0, 71, 96, CardPictureSmall},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.WindowSize);
        const TableScale s = TableScaleFor(c.WindowSize, QSize(1920, 1040));
        EXPECT_EQ(s.TableWidth, c.Width);
        EXPECT_EQ(s.TableHeight, c.Height);
        EXPECT_DOUBLE_EQ(s.ScaleX, c.Scale);
        EXPECT_DOUBLE_EQ(s.ScaleY, c.Scale);
        EXPECT_DOUBLE_EQ(s.Scale, c.Scale);
        CardGeometry cards;
        SetCardCells(cards, s.Scale);
        EXPECT_EQ(cards.CardWidth, c.CardWidth);
        EXPECT_EQ(cards.CardHeight, c.CardHeight);
        EXPECT_EQ(cards.CardPictureMode, c.PictureMode);
    }
}

TEST(TableScale, FullScreenKeepsProportionsWithTheSmallerScale) {
    // 1920 x 1080 screen with a 1920 x 1040 client area.
    const TableScale s = TableScaleFor(2, QSize(1920, 1040));
    EXPECT_EQ(s.WindowSize, 2);
    EXPECT_EQ(s.TableWidth, 1920);
    EXPECT_EQ(s.TableHeight, 1040);
    EXPECT_NEAR(s.ScaleX, 2.526315789, 1e-9);
    EXPECT_DOUBLE_EQ(s.ScaleY, 2.08);
    EXPECT_DOUBLE_EQ(s.Scale, 2.08);
    CardGeometry cards;
    SetCardCells(cards, s.Scale);
    EXPECT_EQ(cards.CardPictureMode, CardPictureNative);
    EXPECT_EQ(cards.CardWidth, 146);
    EXPECT_EQ(cards.CardHeight, 198);
    // Buttons and rows keep their height: [2.08 x 30] = 62.
    EXPECT_EQ(s.Len(30), 62);
    // An element keeps its scaled size and stays centred on its stretched design place:
    // the table centre at 250 with width 262 lies at [2.5263 x 250] + [(2.5263 - 2.08) x 131].
    EXPECT_EQ(s.PlaceX(250, 262), 632 + 58);
    EXPECT_EQ(s.PlaceY(140, 220), RoundHalfEven(2.08 * 140) + 0);
    const StepButtonPlaces buttons = PlaceStepButtons(s);
    EXPECT_EQ(buttons.Button7, QRect(1440, 832, 429, 62));
    EXPECT_EQ(buttons.Button8, QRect(1440, 894, 429, 62));
}

TEST(TableScale, LengthsRoundHalvesToEven) {
    const TableScale s = TableScaleFor(3, {}); // scale 1.3
    EXPECT_EQ(s.Len(5), 6);    // 6.5
    EXPECT_EQ(s.Len(15), 20);  // 19.5
    EXPECT_EQ(s.Len(25), 32);  // 32.5
    EXPECT_EQ(s.Len(35), 46);  // 45.5
    EXPECT_EQ(s.Len(155), 202); // 201.5
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
}

TEST(LayoutTable, TheSmallWindowUsesTheDesignRectangles) {
    const TableLayout layout = LayoutTable(TableScaleFor(1, {}), 96, false);
    for (int seat = 1; seat <= 4; ++seat) {
        SCOPED_TRACE(seat);
        const DesignRect hand = HandDesign[seat];
        EXPECT_EQ(layout.HandArea[seat], (Area{hand.X1, hand.Y1, hand.X2, hand.Y1 + 96}));
        const DesignRect tab = TabDesign[seat];
        EXPECT_EQ(layout.TabArea[seat], (Area{tab.X1, tab.Y1, tab.X2, tab.Y2}));
        const DesignRect plate = PlateDesign[seat];
        EXPECT_EQ(layout.PlateArea[seat], (Area{plate.X1, plate.Y1, plate.X2, plate.Y2}));
    }
    EXPECT_EQ(layout.HandArea[4], (Area{250, 395, 510, 491}));
    EXPECT_EQ(layout.Stol, QRect(250, 140, 262, 220));
    EXPECT_EQ(layout.Kon, QRect(10, 5, 110, 160));
    EXPECT_EQ(layout.Memo, QRect(615, 30, 130, 90));
    EXPECT_EQ(layout.Koloda, QRect(598, 3, 100, 170));
    EXPECT_EQ(LayoutTable(TableScaleFor(1, {}), 96, true).Koloda, QRect(503, 3, 100, 170));
}

TEST(LayoutTable, HandAreasAreOneCardHighAtEverySize) {
    const TableScale s = TableScaleFor(4, {}); // 1.7
    const TableLayout layout = LayoutTable(s, 163, false);
    EXPECT_EQ(layout.HandArea[4].Left, 425); // [1.7 x 250]
    EXPECT_EQ(layout.HandArea[4].Width(), 442); // [1.7 x 260]
    EXPECT_EQ(layout.HandArea[4].Height(), 163);
    EXPECT_EQ(layout.TabArea[2].Rect(), QRect(209, 31, 264, 162)); // [1.7 x 123], [30.6], [263.5], [161.5]
    const StepButtonPlaces buttons = PlaceStepButtons(s);
    EXPECT_EQ(buttons.Button7, QRect(969, 680, 289, 51));
}

TEST(SpreadHand, SmallHandsLieSideBySideAndFullOnesOverlap) {
    struct Case {
        const char* Name;
        int Count;
        std::vector<int> Expected; // x(1), x(2), ...
    };
    const Case cases[] = {
        // 260 / 13 = 20 < 74: pitch trunc((260 - 74) / 12) = 15 from the left edge.
        {"13 cards", 13, {0, 15, 30, 45, 60, 75, 90, 105, 120, 135, 150, 165, 180}},
        // One card centred: 130 - 37.
        {"1 card", 1, {93}},
        // Three fit (260 / 3 >= 74): centred on 130 with pitch 74.
        {"3 cards", 3, {19, 93, 167}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const HandXList x = SpreadHand(0, 260, c.Count, 71);
        for (std::size_t i = 0; i < c.Expected.size(); ++i) EXPECT_EQ(x[i + 1], c.Expected[i]) << "slot " << i + 1;
    }
    // The overlapped hand's last card ends three pixels before the right edge... or
    // less, as the pitch is truncated.
    const HandXList full = SpreadHand(0, 260, 13, 71);
    EXPECT_LE(full[13] + 74, 260);
    // Slots beyond the count keep the pitch, which the pass flights measure.
    EXPECT_EQ(full[10] - full[9], 15);
    EXPECT_EQ(SpreadHand(0, 260, 3, 71)[10] - SpreadHand(0, 260, 3, 71)[9], 74);
}

TEST(HandSlotAtX, CardsCoverUpToTheirSuccessor) {
    OneBased<CardCode, HandSlots> cards{};
    cards.fill(EmptySlot);
    for (int slot = 1; slot <= 13; ++slot) cards[slot] = CardOfDeckNumber(slot);
    const HandXList x = SpreadHand(0, 260, 13, 71);
    struct Case {
        int X;
        int Slot;
    };
    const Case cases[] = {{-1, 0}, {0, 1}, {14, 1}, {15, 2}, {179, 12}, {180, 13}, {250, 13}, {251, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.X);
        EXPECT_EQ(HandSlotAtX(x, cards, 13, 71, c.X), c.Slot);
    }
    // An empty slot never matches.
    cards[2] = EmptySlot;
    EXPECT_EQ(HandSlotAtX(x, cards, 13, 71, 20), 0);
}

} // namespace
} // namespace vesrin
