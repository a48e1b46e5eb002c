#include "table/PictureElement.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

namespace vesrin {

PictureElement::PictureElement(QWidget* parent, const QImage& background, const QString& name)
    : QWidget(parent), background_(background) {
    setObjectName(name);
    // The picture covers the whole widget: nothing underneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void PictureElement::Place(const QRect& rect) {
    setGeometry(rect);
    if (Picture.size() != rect.size() || Picture.isNull()) {
        Picture = QImage(rect.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        Picture.fill(Qt::black);
    }
}

void PictureElement::CopyBackground() { CopyBackground(Picture.rect()); }

void PictureElement::CopyBackground(const QRect& part) {
    if (Picture.isNull()) return;
    QPainter p(&Picture);
    p.setClipRect(part);
    p.fillRect(part, Qt::black);
    p.drawImage(-x(), -y(), background_);
}

void PictureElement::Refresh() { update(); }

void PictureElement::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect r = event->rect();
    p.drawImage(r, Picture, r);
}

void PictureElement::mouseMoveEvent(QMouseEvent* event) {
    if (MouseMove) MouseMove(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void PictureElement::mouseReleaseEvent(QMouseEvent* event) {
    if (MouseUp) {
        MouseUp(event->button(), event->position().toPoint());
        event->accept();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void PictureElement::contextMenuEvent(QContextMenuEvent* event) {
    if (BlocksPopup)
        event->accept();
    else
        event->ignore();
}

void PictureElement::enterEvent(QEnterEvent* event) {
    if (MouseEnter) MouseEnter();
    QWidget::enterEvent(event);
}

void PictureElement::leaveEvent(QEvent* event) {
    if (MouseLeave) MouseLeave();
    QWidget::leaveEvent(event);
}

} // namespace vesrin
