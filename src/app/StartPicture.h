#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

namespace vesrin {

// The start picture (Image1): composed once at the first paint, 760 x 500, black with
// two raised frames, the logo twice, the version and its date; the title letters of the
// current language dance over it on every tick. A click or the release of any key
// leaves it.
class StartPicture : public QWidget {
    Q_OBJECT
public:
    explicit StartPicture(QWidget* window);

    // Composes the picture with the upper-case title and the version date row.
    void Compose(const QString& title, const QString& versionDate, const QString& decorFont);
    bool Composed() const { return !picture_.isNull(); }
    // The picture without the title letters, and with them as the last tick drew them.
    const QImage& Background() const { return picture_; }
    QImage Frame() const;

    // One tick of the 20 ms timer: the letters move on.
    void Tick();
    int TickCount() const { return ticks_; }

    std::function<void()> Leave;

    static constexpr const char* Version = "V 5.7f";
    // Where the title letters move.
    static constexpr QRect TitleArea = QRect(232, 160, 296, 60);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void DrawTitle(QPainter& painter) const;

    QImage picture_;
    QString title_;
    QFont titleFont_;
    int ticks_ = 0;
    bool painted_ = false;
};

} // namespace vesrin
