#pragma once

#include "app/MenuPicture.h"
#include "app/ProgramContext.h"
#include "calendar/CalendarPictures.h"

#include <QTimer>

namespace vesrin {

// The holiday calendar of the main menu: the day picture on the left (ImCalL) and, on
// the right (ImCalR), the eastern year and today's holidays in turn, one every ten
// seconds, each with its hint. The timer repaints only when the right picture changes,
// and builds the day again in the first half minute after midnight.
class MenuCalendar : public QObject {
public:
    MenuCalendar(QWidget* menu, ProgramContext& context);

    MenuPicture* ImCalL = nullptr;
    MenuPicture* ImCalR = nullptr;
    QTimer TimerCal;

    // ShowCalendar: builds today's pictures, places them for the table's scale and starts
    // the cycle; hides them and stops the timer when there are no calendar pictures.
    bool ShowCalendar();
    bool Shown() const { return shown_; }
    // The picture the right side shows, 1 (the eastern year) .. Count - 1.
    int RightIndex() const { return right_; }
    const TInfoCal& Info() const { return info_; }

    // One step of the cycle (the timer's work).
    void TimerCalTimer();
    // The cycle runs only while the menu is up.
    void MenuVisible(bool visible);

private:
    void ShowRight(int index);

    ProgramContext& context_;
    TInfoCal info_;
    CivilDate built_;
    bool shown_ = false;
    int right_ = 1;
};

} // namespace vesrin
