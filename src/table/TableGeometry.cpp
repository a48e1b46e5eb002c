#include "table/TableGeometry.h"

#include <algorithm>

namespace vesrin {

const OneBased<DesignRect, 4> HandDesign = {{{},
                                             {10, 178, 200, 274},
                                             {285, 8, 475, 104},
                                             {560, 178, 750, 274},
                                             {250, 395, 510, 491}}};
const OneBased<DesignRect, 4> TabDesign = {{{},
                                            {28, 300, 183, 395},
                                            {123, 18, 278, 113},
                                            {578, 300, 733, 395},
                                            {83, 402, 238, 497}}};
const OneBased<DesignRect, 4> PlateDesign = {{{},
                                              {23, 278, 183, 298},
                                              {299, 108, 459, 128},
                                              {574, 278, 734, 298},
                                              {299, 372, 459, 392}}};

TableScale TableScaleFor(int windowSize, QSize fullScreenClient) {
    TableScale s;
    s.WindowSize = windowSize;
    switch (windowSize) {
    case 2: {
        s.TableWidth = std::max(1, fullScreenClient.width());
        s.TableHeight = std::max(1, fullScreenClient.height());
        s.ScaleX = double(s.TableWidth) / DesignWidth;
        s.ScaleY = double(s.TableHeight) / DesignHeight;
        s.Scale = s.ScaleX > s.ScaleY ? s.ScaleY : s.ScaleX;
        return s;
    }
    case 3:
        s.TableWidth = 990;
        s.TableHeight = 650;
        s.ScaleX = s.ScaleY = s.Scale = 1.3;
        return s;
    case 4:
        s.TableWidth = 1290;
        s.TableHeight = 850;
        s.ScaleX = s.ScaleY = s.Scale = 1.7;
        return s;
    case 5:
        s.TableWidth = 1520;
        s.TableHeight = 1000;
        s.ScaleX = s.ScaleY = s.Scale = 2.0;
        return s;
    default:
        s.WindowSize = 1;
        return s;
    }
}

namespace {

Area PlaceArea(const TableScale& scale, const DesignRect& d, int height) {
    Area a;
    a.Left = scale.PlaceX(d.X1, d.X2 - d.X1);
    a.Top = scale.PlaceY(d.Y1, d.Y2 - d.Y1);
    a.Right = a.Left + scale.Len(d.X2 - d.X1);
    a.Bottom = a.Top + height;
    return a;
}

} // namespace

TableLayout LayoutTable(const TableScale& scale, int cardHeight, bool networkGame) {
    TableLayout layout;
    for (int seat = 1; seat <= 4; ++seat) {
        layout.HandArea[seat] = PlaceArea(scale, HandDesign[seat], cardHeight);
        const DesignRect& tab = TabDesign[seat];
        layout.TabArea[seat] = PlaceArea(scale, tab, scale.Len(tab.Y2 - tab.Y1));
        const DesignRect& plate = PlateDesign[seat];
        layout.PlateArea[seat] = PlaceArea(scale, plate, scale.Len(plate.Y2 - plate.Y1));
    }
    layout.Koloda = scale.Place(networkGame ? 503 : 598, 3, 100, 170);
    layout.Stol = scale.Place(250, 140, 262, 220);
    layout.Kon = scale.Place(10, 5, 110, 160);
    layout.Help = scale.Place(0, 0, 0, 0);
    layout.Memo = scale.Place(615, 30, 130, 90);
    return layout;
}

StepButtonPlaces PlaceStepButtons(const TableScale& scale) {
    const int left = RoundHalfEven(scale.ScaleX * 570);
    const int width = RoundHalfEven(scale.ScaleX * 170);
    const int height = scale.Len(30);
    return {QRect(left, RoundHalfEven(scale.ScaleY * 400), width, height),
            QRect(left, RoundHalfEven(scale.ScaleY * 430), width, height)};
}

HandXList SpreadHand(int left, int right, int count, int cardWidth) {
    HandXList x{};
    const int length = right - left;
    const int mid = left + RoundHalfEven(length / 2.0);
    const int pitch = cardWidth + 3;
    // One card always lies centred: the overlap rule divides by count - 1.
    if (count <= 1 || double(length) / count >= pitch) {
        for (int i = 1; i <= 36; ++i) x[i] = RoundHalfEven(mid - count * pitch / 2.0 + (i - 1) * pitch);
        return x;
    }
    const int step = (length - pitch) / (count - 1);
    for (int i = 1; i <= 36; ++i) x[i] = left + (i - 1) * step;
    return x;
}

int HandSlotAtX(const HandXList& handX, const OneBased<CardCode, HandSlots>& cards, int count, int cardWidth,
                int x) {
    int found = 0;
    count = std::clamp(count, 0, 36);
    for (int i = 1; i <= count; ++i) {
        if (i >= HandSlots || cards[i].IsEmpty()) continue;
        const int last = i < count ? handX[i + 1] - 1 : handX[i] + cardWidth - 1;
        if (x >= handX[i] && x <= last) found = i;
    }
    return found;
}

} // namespace vesrin
