#include "table/FlightLayer.h"

#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

namespace vesrin {
namespace {

// A window that paints itself in one colour with a child of another colour.
class PlainWindow : public QWidget {
public:
    PlainWindow() {
        resize(120, 80);
        child = new QWidget(this);
        child->setGeometry(10, 10, 20, 20);
        child->setAutoFillBackground(true);
        QPalette palette = child->palette();
        palette.setColor(QPalette::Window, Qt::red);
        child->setPalette(palette);
    }
    QWidget* child;

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(0, 128, 0)); }
};

TEST(FlightLayer, GrabsTheWindowAndShowsTheSavedPictureWhenAskedToRepaint) {
    PlainWindow window;
    FlightLayer layer(&window);
    window.show();
    const QImage grabbed = layer.Grab();
    ASSERT_EQ(grabbed.size(), QSize(120, 80));
    EXPECT_EQ(grabbed.pixel(5, 5), qRgb(0, 128, 0));
    EXPECT_EQ(grabbed.pixel(15, 15), qRgb(255, 0, 0));

    QImage saved(120, 80, QImage::Format_RGB32);
    saved.fill(QColor(1, 2, 3));
    layer.Begin(saved);
    EXPECT_TRUE(layer.isVisible());
    EXPECT_EQ(layer.geometry(), window.rect());
    // A repaint while the flight runs shows the saved picture over everything.
    EXPECT_EQ(window.grab().toImage().pixel(15, 15), qRgb(1, 2, 3));
    QImage step(120, 80, QImage::Format_RGB32);
    step.fill(QColor(9, 9, 9));
    layer.Show(step, QRect(100, 60, 50, 50));
    EXPECT_EQ(layer.Steps, 1);
    EXPECT_EQ(layer.Flights, 1);
    // The layer is not part of the table picture a flight starts from.
    EXPECT_EQ(layer.Grab().pixel(15, 15), qRgb(255, 0, 0));
    layer.End();
    EXPECT_FALSE(layer.isVisible());
    EXPECT_EQ(window.grab().toImage().pixel(15, 15), qRgb(255, 0, 0));
}

} // namespace
} // namespace vesrin
