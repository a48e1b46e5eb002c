#include "table/FlightLayer.h"

#include <QPaintEvent>
#include <QPainter>

namespace vesrin {

FlightLayer::FlightLayer(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("FlightLayer"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

QImage FlightLayer::Grab() {
    QWidget* window = parentWidget();
    QImage picture(window->size(), QImage::Format_RGB32);
    picture.fill(Qt::black);
    const bool wasVisible = isVisible();
    if (wasVisible) hide();
    window->render(&picture, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    if (wasVisible) show();
    return picture;
}

void FlightLayer::Begin(const QImage& saved) {
    saved_ = &saved;
    ++Flights;
    setGeometry(parentWidget()->rect());
    raise();
    show();
    repaint();
}

void FlightLayer::Show(const QImage& source, const QRect& rect) {
    const QRect r = rect.intersected(this->rect());
    if (r.isEmpty()) return;
    ++Steps;
    source_ = &source;
    repaint(r);
    source_ = nullptr;
}

void FlightLayer::End() {
    hide();
    saved_ = nullptr;
}

void FlightLayer::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QImage* picture = source_ ? source_ : saved_;
    const QRect r = event->rect();
    if (picture)
        p.drawImage(r, *picture, r);
    else
        p.fillRect(r, Qt::black);
}

} // namespace vesrin
