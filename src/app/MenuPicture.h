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
    const QImage& Picture() const { return picture_; }

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

} // namespace vesrin
