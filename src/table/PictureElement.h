#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

namespace vesrin {

// One picture element of the table (a hand, a score tablet, a name plate, the table
// centre, ...): a widget that owns an off-screen picture of its exact size and shows it.
// Before anything is painted into the picture, the part of the table background that lies
// under the element is copied into it, so the elements look transparent over the
// background without any alpha blending by the window system.
class PictureElement : public QWidget {
    Q_OBJECT
public:
    PictureElement(QWidget* parent, const QImage& background, const QString& name);

    // The picture; paint into it, then Refresh().
    QImage Picture;

    // Gives the element its window rectangle and a picture of that size.
    void Place(const QRect& rect);
    // Copies the background under the element into the picture (the whole picture, or
    // one rectangle of it in the picture's own coordinates).
    void CopyBackground();
    void CopyBackground(const QRect& part);
    // Shows the picture's current content.
    void Refresh();

    // Mouse events in the picture's own coordinates.
    std::function<void(QPoint)> MouseMove;
    std::function<void(Qt::MouseButton, QPoint)> MouseUp;
    std::function<void()> MouseEnter;
    std::function<void()> MouseLeave;
    // The window's pop-up menu does not open over this element (the hands and the
    // table centre use the right button themselves).
    bool BlocksPopup = false;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    const QImage& background_;
};

} // namespace vesrin
