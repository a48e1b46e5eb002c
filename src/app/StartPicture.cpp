#include "app/StartPicture.h"

#include "app/StartTrace.h"
#include "table/ResourceLibrary.h"
#include "table/TableFonts.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace vesrin {

namespace {

// A raised frame: the outer bevel light at the top and left and dark at the bottom and
// right, a grey band, and the sunken bevel of its inner edge 5 and 6 pixels inside.
void RaisedFrame(QPainter& p, const QRect& outer) {
    const QColor face(192, 192, 192), light(255, 255, 255), dark(0, 0, 0), shade(128, 128, 128);
    const auto bevel = [&](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
        p.setPen(topLeft);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(bottomRight);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    };
    QPainterPath band;
    band.addRect(outer);
    band.addRect(outer.adjusted(6, 6, -6, -6));
    p.fillPath(band, face);
    bevel(outer, light, dark);
    bevel(outer.adjusted(1, 1, -1, -1), face.lighter(115), shade);
    bevel(outer.adjusted(5, 5, -5, -5), shade, light);
    bevel(outer.adjusted(6, 6, -6, -6), dark, face);
}

} // namespace

StartPicture::StartPicture(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("Image1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setGeometry(0, 0, 760, 500);
    hide();
}

void StartPicture::Compose(const QString& title, const QString& versionDate, const QString& decorFont) {
    title_ = title;
    titleFont_ = FontWithHeight(QStringLiteral("Comic Sans MS"), 24, true);
    picture_ = QImage(760, 500, QImage::Format_RGB32);
    picture_.fill(Qt::black);
    QPainter p(&picture_);
    RaisedFrame(p, QRect(QPoint(130, 50), QPoint(630, 450)));
    RaisedFrame(p, QRect(QPoint(230, 150), QPoint(530, 350)));
    QImage logo;
    if (LoadPngFromLibrary(QStringLiteral("Logo"), QString(), logo, LibraryPlaces{})) {
        p.drawImage(250, 270, logo);
        p.drawImage(445, 270, logo);
    }
    const QFont dateFont = FontWithHeight(decorFont, 16);
    DrawTextAt(p, dateFont, QColor(200, 200, 200), CentredLeft(dateFont, versionDate, 230, 530), 232, versionDate);
    const QFont versionFont = FontWithHeight(decorFont, 20, true);
    const QString version = QString::fromLatin1(Version);
    DrawTextAt(p, versionFont, QColor(255, 215, 0), CentredLeft(versionFont, version, 230, 530), 315, version);
    p.end();
    ticks_ = 0;
    update();
}

void StartPicture::Tick() {
    if (!Composed()) return;
    ++ticks_;
    update(TitleArea);
}

void StartPicture::DrawTitle(QPainter& p) const {
    // Each letter rides a wave that runs along the title, and its colour goes from
    // gold to red and back with the wave.
    const QFontMetrics metrics(titleFont_);
    const int total = metrics.horizontalAdvance(title_);
    int x = TitleArea.left() + (TitleArea.width() - total) / 2;
    const int baseTop = TitleArea.top() + (TitleArea.height() - metrics.height()) / 2;
    for (int i = 0; i < title_.size(); ++i) {
        const QString letter = title_.mid(i, 1);
        const double wave = std::sin((ticks_ * 6 - i * 40) * M_PI / 180.0);
        const int top = baseTop + int(std::lround(wave * 8));
        const double warm = (wave + 1) / 2;
        const QColor colour(255, int(80 + 135 * warm), int(40 * warm));
        DrawTextAt(p, titleFont_, QColor(90, 0, 0), x + 2, top + 2, letter);
        DrawTextAt(p, titleFont_, colour, x, top, letter);
        x += metrics.horizontalAdvance(letter);
    }
}

QImage StartPicture::Frame() const {
    QImage frame = picture_;
    if (frame.isNull()) return frame;
    QPainter p(&frame);
    DrawTitle(p);
    return frame;
}

void StartPicture::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    if (picture_.isNull()) {
        p.fillRect(event->rect(), Qt::black);
        return;
    }
    p.drawImage(event->rect(), picture_, event->rect());
    if (event->rect().intersects(TitleArea)) {
        p.setClipRect(TitleArea);
        DrawTitle(p);
    }
    if (!painted_) {
        painted_ = true;
        NoteStartMoment("start picture painted");
    }
}

void StartPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (Composed() && Leave) {
        Leave();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void StartPicture::keyReleaseEvent(QKeyEvent* event) {
    if (Composed() && Leave && !event->isAutoRepeat()) {
        Leave();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

} // namespace vesrin
