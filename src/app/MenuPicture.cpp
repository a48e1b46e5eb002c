#include "app/MenuPicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace vesrin {

MenuPicture::MenuPicture(QWidget* parent, const QString& name) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_NoSystemBackground);
}

void MenuPicture::SetPicture(QImage picture) {
    picture_ = std::move(picture);
    update();
}

void MenuPicture::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter p(this);
    p.drawImage(0, 0, picture_);
}

void MenuPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && Click) {
        Click();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void MenuPicture::enterEvent(QEnterEvent* event) {
    if (MouseEnter) MouseEnter();
    QWidget::enterEvent(event);
}

void MenuPicture::leaveEvent(QEvent* event) {
    if (MouseLeave) MouseLeave();
    QWidget::leaveEvent(event);
}

} // namespace vesrin
