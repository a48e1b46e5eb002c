#include "app/MainMenuLayout.h"

namespace vesrin {

namespace {

constexpr int kIconSize = 48;

} // namespace

MainMenuPlaces PlaceMainMenu(const TableScale& scale, int calendarShift) {
    const auto x = [&](double v) { return RoundHalfEven(scale.ScaleX * v); };
    const auto y = [&](double v) { return RoundHalfEven(scale.ScaleY * v); };
    // Pictures kept at their own size move by (scale - 1) times half their size.
    const auto keptX = [&](double v, double half) { return x(v) + RoundHalfEven((scale.ScaleX - 1) * half); };
    const auto keptY = [&](double v, double half) { return y(v) + RoundHalfEven((scale.ScaleY - 1) * half); };

    MainMenuPlaces m;
    const int h = scale.Len(30);
    m.RowHeight = h;
    m.ImTitle = QRect(x(230), y(90) - scale.Len(5), x(300), 3 * h);
    for (int n = 0; n < 3; ++n) m.RankingPanels[std::size_t(n)] = QRect(x(230), y(90) + n * h, x(300), h);
    m.Panel4 = QRect(x(180), y(265) - h - scale.Len(10), x(400), h);
    for (int n = 0; n < 5; ++n) m.ProfileRows[std::size_t(n)] = QRect(x(180), y(265) + n * h, x(400), h);
    m.Button6 = QRect(x(280), y(265) + 5 * h + scale.Len(10), x(200), h);
    m.Button9 = QRect(x(40), y(225), x(100), h);
    m.BHistory = QRect(x(40), y(255), x(100), h);
    m.Button10 = QRect(x(620), y(225), x(100), h);
    m.BMode = QRect(x(620), y(255), x(100), h);
    m.Button11 = QRect(x(330), y(465), x(100), h);
    m.ImCaption = scale.Place(180, 12, 400, 70);
    m.ImElite = scale.Place(205, 183, 350, 40);
    m.RxGIFAn1 = QRect(keptX(7, 80), keptY(290, 100), 160, 200);
    m.RxGIFAn2 = QRect(keptX(592, 80), keptY(290, 100), 160, 200);
    m.ImageSvLeft = QRect(keptX(60 - calendarShift, 50), keptY(30, 100), 100, 200);
    m.ImageSvRight = QRect(keptX(600 + calendarShift, 50), keptY(30, 100), 100, 200);

    // Each clock stands centred under its side decoration, in the gap down to the
    // buttons below it.
    const auto clockUnder = [&](const QRect& decoration, const QRect& button) {
        const int gap = button.top() - (decoration.bottom() + 1);
        return QRect(QPoint(decoration.left() - 7, decoration.bottom() + 1 + RoundHalfEven(gap / 2.0) - 36), ClockSize);
    };
    m.ImClock1 = clockUnder(m.ImageSvLeft, m.Button9);
    m.ImClock2 = clockUnder(m.ImageSvRight, m.Button10);

    constexpr std::array<int, 5> tops = {5, 58, 111, 164, 217};
    for (std::size_t i = 0; i < m.LeftIcons.size(); ++i) m.LeftIcons[i] = QRect(5, tops[i], kIconSize, kIconSize);
    for (std::size_t i = 0; i < m.RightIcons.size(); ++i)
        m.RightIcons[i] = QRect(scale.TableWidth - 53, tops[i], kIconSize, kIconSize);
    return m;
}

bool ShowsMenuPanels(const TableScale& scale) {
    if (scale.WindowSize == 4 || scale.WindowSize == 5) return true;
    return scale.WindowSize == 2 && scale.TableWidth > 1290 && scale.TableHeight > 850;
}

bool ShowsMenuClock(const TableScale& scale) { return ShowsMenuPanels(scale) && scale.Scale >= 1.6; }

} // namespace vesrin
