#pragma once

#include "table/CardFlight.h"

#include <QWidget>

namespace vesrin {

// The window side of a card flight: a layer over the whole client area, raised and shown
// while a flight runs. It shows the flight's pictures, copies each step's rectangle to
// the screen at once, and repaints the saved picture when the system asks for a repaint
// meanwhile, so the table looks as the flight left it.
class FlightLayer : public QWidget, public FlightSurface {
    Q_OBJECT
public:
    explicit FlightLayer(QWidget* window);

    QImage Grab() override;
    void Begin(const QImage& saved) override;
    void Show(const QImage& source, const QRect& rect) override;
    void End() override;

    // How many flights and steps the layer has shown.
    int Flights = 0;
    int Steps = 0;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage* saved_ = nullptr;
    const QImage* source_ = nullptr;
};

} // namespace vesrin
