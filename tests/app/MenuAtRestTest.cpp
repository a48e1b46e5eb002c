#include "ProgramFixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <functional>

namespace vesrin::test {
namespace {

// Writes down the paint events of the widgets it watches.
class PaintLog : public QObject {
public:
    void Watch(QWidget* widget) { widget->installEventFilter(this); }
    std::vector<std::pair<QObject*, QRegion>> Paints;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) Paints.emplace_back(watched, static_cast<QPaintEvent*>(event)->region());
        return false;
    }
};

class MenuAtRestTest : public ProgramTest {
protected:
    // Repaints come a moment after the change that asks for them.
    static bool WaitFor(const std::function<bool()>& condition) {
        QElapsedTimer clock;
        clock.start();
        while (!condition()) {
            if (clock.elapsed() > 10000) return false;
            QTest::qWait(5);
        }
        return true;
    }
};

TEST_F(MenuAtRestTest, TheHeartbeatRestsWhileTheStartPictureOrTheMenuIsMinimised) {
    struct Case {
        const char* Name;
        bool Menu;
        bool Game;
        bool RunsMinimised;
    };
    const Case cases[] = {
        {"start picture", false, false, false},
        {"main menu", true, false, false},
        {"a game: the computer seats play on", true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        MakeProgram(false);
        RunStartUp();
        if (c.Menu) PressKeyOnStartPicture();
        if (c.Game) {
            form->StartGame(6);
            form->Button7Click();
        }
        const int interval = form->Timer1.interval();
        ASSERT_TRUE(form->Timer1.isActive());

        form->setWindowState(Qt::WindowMinimized);
        ASSERT_TRUE(form->isMinimized());
        EXPECT_EQ(form->Timer1.isActive(), c.RunsMinimised);
        EXPECT_TRUE(State().Timer1.Running) << "the heartbeat only rests; it is not switched off";

        form->setWindowState(Qt::WindowNoState);
        EXPECT_TRUE(form->Timer1.isActive());
        EXPECT_EQ(form->Timer1.interval(), interval);

        form->hide();
        EXPECT_EQ(form->Timer1.isActive(), c.RunsMinimised);
        form->show();
        EXPECT_TRUE(form->Timer1.isActive());
        form.reset();
        context.reset();
    }
}

TEST_F(MenuAtRestTest, AMenuTickRepaintsOnlyTheFlamesThatMoved) {
    // The program as it runs: the first paint runs the start-up.
    MakeProgram(false);
    form->show();
    ASSERT_TRUE(WaitFor([this] { return form->Image1->isVisible() && form->Image1->Composed(); }));
    PressKeyOnStartPicture();
    ASSERT_TRUE(form->MenuShown());
    // The animations keep still, so only the tick's own work shows.
    context->Options.GifAnimation = false;
    Menu().ApplyGifAnimation();
    form->Timer1.stop();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));

    PaintLog log;
    // Everything in the window (hint balloons are windows of their own).
    log.Watch(form.get());
    for (QWidget* child : form->findChildren<QWidget*>())
        if (child->window() == form.get()) log.Watch(child);
    const auto painted = [&log](QWidget* widget) {
        return std::any_of(log.Paints.begin(), log.Paints.end(), [widget](const auto& p) { return p.first == widget; });
    };
    // Whatever was still to be painted is painted first.
    for (int pass = 0; pass < 2; ++pass) {
        form->update();
        ASSERT_TRUE(WaitFor([&] { return painted(form.get()); }));
        log.Paints.clear();
    }

    const int phase = Menu().FlamePhase();
    form->Timer1Timer();
    // One repaint pass paints the window before its children: once both decorations
    // are painted, everything this tick asked for is.
    ASSERT_TRUE(WaitFor([&] { return painted(Menu().ImageSvLeft) && painted(Menu().ImageSvRight); }));
    EXPECT_EQ(Menu().FlamePhase(), (phase + 1) % 6);

    // The box around the three flames at (16, 15), (41, 1) and (66, 15), 20 x 30 each.
    const QRegion spots(QRect(QPoint(16, 1), QPoint(85, 44)));
    int decorationPaints = 0;
    for (const auto& [widget, region] : log.Paints) {
        const bool decoration = widget == Menu().ImageSvLeft || widget == Menu().ImageSvRight;
        EXPECT_TRUE(decoration) << "painted: " << qPrintable(widget->objectName());
        if (!decoration) continue;
        ++decorationPaints;
        EXPECT_EQ(region.subtracted(spots), QRegion()) << "only the flame spots are painted again";
    }
    EXPECT_EQ(decorationPaints, 2);

    // The flames drawn tick by tick look as the decoration composed whole at that phase.
    for (int tick = 0; tick < 4; ++tick) form->Timer1Timer();
    const QImage left = Menu().ImageSvLeft->Picture();
    const QImage right = Menu().ImageSvRight->Picture();
    Menu().LayoutMainMenu();
    EXPECT_EQ(Menu().ImageSvLeft->Picture(), left);
    EXPECT_EQ(Menu().ImageSvRight->Picture(), right);
}

TEST(ChangedPart, IsTheSmallestRectangleAroundTheChangedPixels) {
    QImage still(40, 30, QImage::Format_ARGB32_Premultiplied);
    still.fill(Qt::transparent);
    struct Case {
        const char* Name;
        std::vector<QPoint> Changed;
        QSize Size;
        QRect Expected;
    };
    const Case cases[] = {
        {"nothing changed", {}, QSize(40, 30), QRect()},
        {"one pixel", {QPoint(7, 9)}, QSize(40, 30), QRect(7, 9, 1, 1)},
        {"two far corners", {QPoint(0, 29), QPoint(39, 0)}, QSize(40, 30), QRect(0, 0, 40, 30)},
        {"a row's ends", {QPoint(3, 4), QPoint(30, 4), QPoint(12, 20)}, QSize(40, 30), QRect(3, 4, 28, 17)},
        {"another size", {}, QSize(41, 30), QRect(0, 0, 41, 30)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        QImage after = still.size() == c.Size ? still.copy() : QImage(c.Size, still.format());
        if (after.size() != still.size()) after.fill(Qt::transparent);
        for (QPoint p : c.Changed) after.setPixel(p, qRgba(255, 0, 0, 255));
        EXPECT_EQ(ChangedPart(still, after), c.Expected);
    }
}

} // namespace
} // namespace vesrin::test
