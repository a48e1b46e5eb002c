#pragma once

#include "LocalPlayerClicks.h"
#include "app/ProgramMain.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>

namespace vesrin {

// A walk through the real program in a real window: a list of steps, each waiting for
// its moment (a screen, a dialog) and then doing what a player does there. The walk
// looks at the program every 10 ms; what a look does is the walk's own (Tick).
class ProgramWalk : public QObject {
public:
    explicit ProgramWalk(Program& program) : program_(program) {
        connect(&tick_, &QTimer::timeout, this, [this] { Tick(); });
        tick_.start(10);
    }

    int Result = 1;

protected:
    using Condition = std::function<bool()>;
    using Action = std::function<void()>;
    struct Step {
        const char* Name;
        Condition Ready;
        Action Do;
    };

    virtual void Tick() = 0;

    TForm1& Form() { return *program_.Window; }
    GameState& State() { return program_.Context->State; }
    template <typename T> T* Modal() { return qobject_cast<T*>(QApplication::activeModalWidget()); }

    // A click that may open a modal window: it runs from the event loop, so the walk
    // goes on inside that window's loop.
    void ClickLater(QWidget* widget) {
        QTimer::singleShot(0, widget, [widget] { QTest::mouseClick(widget, Qt::LeftButton); });
    }

    Program& program_;
    QTimer tick_;
    std::deque<Step> steps_;
    // The local player's clicks through a game.
    LocalPlayerClicks player_{*program_.Window};
};

} // namespace vesrin
