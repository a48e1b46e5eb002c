#include "app/MenuPicture.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cstring>

namespace vesrin {

QRect ChangedPart(const QImage& before, const QImage& after) {
    if (before.size() != after.size() || before.isNull())
        return QRect(QPoint(0, 0), before.size().expandedTo(after.size()));
    const auto as32 = [](const QImage& picture) {
        return picture.depth() == 32 ? picture : picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    const QImage a = as32(before);
    const QImage b = before.format() == after.format() && a.depth() == 32 ? after : as32(after);
    const int width = a.width();
    const std::size_t rowBytes = std::size_t(width) * sizeof(QRgb);
    int left = width, right = -1, top = a.height(), bottom = -1;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb* lineA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const QRgb* lineB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        if (std::memcmp(lineA, lineB, rowBytes) == 0) continue;
        int first = 0;
        while (lineA[first] == lineB[first]) ++first;
        int last = width - 1;
        while (lineA[last] == lineB[last]) --last;
        left = std::min(left, first);
        right = std::max(right, last);
        top = std::min(top, y);
        bottom = y;
    }
    if (right < 0) return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

MenuPicture::MenuPicture(QWidget* parent, const QString& name) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_NoSystemBackground);
}

void MenuPicture::SetPicture(QImage picture) {
    picture_ = std::move(picture);
    update();
}

void MenuPicture::SetPicture(QImage picture, const QRegion& changed) {
    picture_ = std::move(picture);
    ShowChange(changed);
}

void MenuPicture::ShowChange(const QRegion& changed) {
    if (!changed.isEmpty()) update(changed);
}

void MenuPicture::paintEvent(QPaintEvent* event) {
    if (picture_.isNull()) return;
    QPainter p(this);
    for (const QRect& asked : event->region()) {
        const QRect part = asked.intersected(picture_.rect());
        if (!part.isEmpty()) p.drawImage(part.topLeft(), picture_, part);
    }
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
