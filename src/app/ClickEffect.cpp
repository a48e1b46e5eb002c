#include "app/ClickEffect.h"

#include "table/ResourceNames.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace vesrin {

namespace {

constexpr int Side = 100;
constexpr int Frames = 30;

// A small window without a frame that shows the kept screen area with one frame of
// the strip over it.
class EffectWindow : public QWidget {
public:
    EffectWindow(QImage saved, QImage strip)
        : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint), saved_(std::move(saved)), strip_(std::move(strip)) {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFixedSize(Side, Side);
    }
    int Frame = 0;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, saved_);
        p.drawImage(QPoint(0, 0), strip_, QRect(Frame * Side, 0, Side, Side));
    }

private:
    QImage saved_;
    QImage strip_;
};

} // namespace

bool ShowClickEffect(QPoint globalPosition, const LibraryPlaces& places, BlockingSteps& blocking) {
    QImage strip;
    if (!LoadPngFromLibrary(QStringLiteral("GTouch"), GraphicsLibrary, strip, places)) return false;
    const QPoint corner = globalPosition - QPoint(Side / 2, Side / 2);
    QImage saved(Side, Side, QImage::Format_RGB32);
    saved.fill(Qt::black);
    if (QScreen* screen = QGuiApplication::screenAt(globalPosition))
        saved = screen->grabWindow(0, corner.x() - screen->geometry().x(), corner.y() - screen->geometry().y(), Side,
                                   Side)
                    .toImage();
    EffectWindow effect(saved, strip);
    effect.move(corner);
    effect.show();
    BlockingSteps::Scope scope(blocking);
    for (int frame = 0; frame < Frames; ++frame) {
        effect.Frame = frame;
        effect.repaint();
        blocking.Pause(12);
    }
    effect.hide();
    return true;
}

} // namespace vesrin
