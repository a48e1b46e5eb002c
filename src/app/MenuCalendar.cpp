#include "app/MenuCalendar.h"

#include "table/Rounding.h"

#include <QTime>

namespace vesrin {

namespace {

constexpr int kCycleMs = 10000;
// The day is built again by the timer in this first part of a new day.
constexpr int kAfterMidnightSeconds = 30;

} // namespace

MenuCalendar::MenuCalendar(QWidget* menu, ProgramContext& context) : QObject(menu), context_(context) {
    ImCalL = new MenuPicture(menu, QStringLiteral("ImCalL"));
    ImCalR = new MenuPicture(menu, QStringLiteral("ImCalR"));
    ImCalL->hide();
    ImCalR->hide();
    TimerCal.setObjectName(QStringLiteral("TimerCal"));
    TimerCal.setInterval(kCycleMs);
    connect(&TimerCal, &QTimer::timeout, this, &MenuCalendar::TimerCalTimer);
}

bool MenuCalendar::ShowCalendar() {
    const Settings& o = context_.Options;
    const Language language = LanguageFromIndex(o.Language).value_or(Language::English);
    const QString font = QString::fromStdString(o.FontName[std::size_t(FontKind::Decor)]);
    built_ = CalendarToday();
    shown_ = BuildCalendar(info_, built_, font, 0, 0, language, context_.Places);
    if (!shown_) {
        ImCalL->hide();
        ImCalR->hide();
        TimerCal.stop();
        return false;
    }
    const TableScale& s = context_.Scale;
    const int y = RoundHalfEven(95 * s.ScaleY) + RoundHalfEven(50 * (s.ScaleY - 1));
    const int shift = RoundHalfEven(30 * (s.ScaleX - 1));
    ImCalL->setGeometry(RoundHalfEven(150 * s.ScaleX) + shift, y, CalendarPictureWidth, CalendarPictureHeight);
    ImCalR->setGeometry(RoundHalfEven(550 * s.ScaleX) + shift, y, CalendarPictureWidth, CalendarPictureHeight);
    ImCalL->SetPicture(info_.TB[0]);
    ImCalL->setToolTip(info_.Hint[0]);
    right_ = 0;
    ShowRight(1);
    ImCalL->show();
    ImCalR->show();
    ImCalL->raise();
    ImCalR->raise();
    MenuVisible(ImCalL->parentWidget() && ImCalL->parentWidget()->isVisible());
    return true;
}

void MenuCalendar::ShowRight(int index) {
    if (index == right_) return;
    right_ = index;
    ImCalR->SetPicture(info_.TB[std::size_t(index)]);
    ImCalR->setToolTip(info_.Hint[std::size_t(index)]);
}

void MenuCalendar::TimerCalTimer() {
    if (!shown_) return;
    if (CalendarToday() != built_ && QTime::currentTime().msecsSinceStartOfDay() < kAfterMidnightSeconds * 1000) {
        ShowCalendar();
        return;
    }
    // Pictures 2 .. Count - 1 in turn, then the eastern year again; a day without a
    // holiday keeps the eastern year and paints nothing.
    ShowRight(right_ + 1 < info_.Count ? right_ + 1 : 1);
}

void MenuCalendar::MenuVisible(bool visible) {
    if (visible && shown_) {
        if (!TimerCal.isActive()) TimerCal.start();
    } else {
        TimerCal.stop();
    }
}

} // namespace vesrin
