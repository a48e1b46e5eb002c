#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

namespace vesrin {

// One picture of the main menu (the title, the captions, the side decorations, the
// animations, the clocks, the corner icons). It draws its picture over whatever the
// window shows under it, so pictures with transparent parts sit on the table
// background. Clicks and the mouse entering and leaving go to the callbacks.
class MenuPicture : public QWidget {
    Q_OBJECT
public:
    MenuPicture(QWidget* parent, const QString& name);

    // The picture, drawn at (0, 0) at its own size.
    void SetPicture(QImage picture);
    // The same picture changed only within the given part: only that part is painted
    // again. An empty part repaints nothing.
    void SetPicture(QImage picture, const QRegion& changed);
    const QImage& Picture() const { return picture_; }
    // The picture to change in place; ShowChange then paints the changed part again.
    QImage& Canvas() { return picture_; }
    void ShowChange(const QRegion& changed);
    // An opaque picture covers its whole place: what lies under it is not painted
    // first. Pictures with transparent parts stay see-through.
    void SetOpaque(bool opaque) { setAttribute(Qt::WA_OpaquePaintEvent, opaque); }

    std::function<void()> Click;
    std::function<void()> MouseEnter;
    std::function<void()> MouseLeave;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QImage picture_;
};

// The smallest rectangle that holds every pixel in which two pictures differ: empty when
// they are the same, the whole of the larger one when their sizes differ.
QRect ChangedPart(const QImage& before, const QImage& after);

} // namespace vesrin
