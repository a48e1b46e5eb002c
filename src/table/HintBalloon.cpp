#include "table/HintBalloon.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QStyle>

#include <algorithm>

namespace vesrin {

namespace {

constexpr int Pointer = 12; // size of the balloon's pointer
constexpr int Pad = 8;
constexpr int IconSize = 16;

QStringList LinesOf(const QString& text) {
    // Stored line breaks are a line feed followed by a carriage return.
    QString plain = text;
    plain.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    plain.remove(QLatin1Char('\r'));
    return plain.split(QLatin1Char('\n'));
}

QFont BalloonFont(const BalloonStyle& style, bool bold) {
    QFont font(style.FontName);
    font.setPointSize(std::max(1, style.FontSize));
    font.setBold(bold);
    return font;
}

} // namespace

HintBalloon::HintBalloon(QWidget* control, const QString& title, const QString& text, const BalloonStyle& style)
    : QWidget(control ? control->window() : nullptr, Qt::ToolTip | Qt::FramelessWindowHint),
      title_(title), text_(text), style_(style) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);

    const QFontMetrics titleMetrics(BalloonFont(style_, true));
    const QFontMetrics textMetrics(BalloonFont(style_, false));
    int width = IconSize + 6 + titleMetrics.horizontalAdvance(title_);
    const QStringList lines = LinesOf(text_);
    for (const QString& line : lines) width = std::max(width, textMetrics.horizontalAdvance(line));
    const int height = std::max(IconSize, titleMetrics.height()) + 4 + int(lines.size()) * textMetrics.height();
    const bool side = style_.Arrow == BalloonArrow::Left || style_.Arrow == BalloonArrow::Right;
    resize(width + 2 * Pad + (side ? Pointer : 0), height + 2 * Pad + (side ? 0 : Pointer));

    // Place the pointer's tip at the control's middle edge facing the balloon.
    QPoint tip;
    QPoint at;
    if (control) {
        const QRect r(control->mapToGlobal(QPoint(0, 0)), control->size());
        switch (style_.Arrow) {
        case BalloonArrow::TopLeft:
            tip = QPoint(r.center().x(), r.bottom());
            at = QPoint(tip.x() - 2 * Pointer, tip.y());
            break;
        case BalloonArrow::BottomLeft:
            tip = QPoint(r.center().x(), r.top());
            at = QPoint(tip.x() - 2 * Pointer, tip.y() - this->height());
            break;
        case BalloonArrow::Left:
            tip = QPoint(r.right(), r.center().y());
            at = QPoint(tip.x(), tip.y() - 2 * Pointer);
            break;
        case BalloonArrow::Right:
            tip = QPoint(r.left(), r.center().y());
            at = QPoint(tip.x() - this->width(), tip.y() - 2 * Pointer);
            break;
        }
    }
    move(at);

    closer_.setSingleShot(true);
    connect(&closer_, &QTimer::timeout, this, &QWidget::close);
    closer_.start(std::max(1, style_.DurationMs));

    // The balloon opens from its centre.
    const QRect full = geometry();
    auto* opening = new QPropertyAnimation(this, "geometry", this);
    opening->setDuration(200);
    opening->setStartValue(QRect(full.center(), QSize(1, 1)));
    opening->setEndValue(full);
    opening->start(QAbstractAnimation::DeleteWhenStopped);
}

void HintBalloon::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF body = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPolygonF pointer;
    switch (style_.Arrow) {
    case BalloonArrow::TopLeft:
        body.setTop(body.top() + Pointer);
        pointer << QPointF(2 * Pointer, 0) << QPointF(Pointer, body.top() + 1) << QPointF(3 * Pointer, body.top() + 1);
        break;
    case BalloonArrow::BottomLeft:
        body.setBottom(body.bottom() - Pointer);
        pointer << QPointF(2 * Pointer, height()) << QPointF(Pointer, body.bottom() - 1)
                << QPointF(3 * Pointer, body.bottom() - 1);
        break;
    case BalloonArrow::Left:
        body.setLeft(body.left() + Pointer);
        pointer << QPointF(0, 2 * Pointer) << QPointF(body.left() + 1, Pointer) << QPointF(body.left() + 1, 3 * Pointer);
        break;
    case BalloonArrow::Right:
        body.setRight(body.right() - Pointer);
        pointer << QPointF(width(), 2 * Pointer) << QPointF(body.right() - 1, Pointer)
                << QPointF(body.right() - 1, 3 * Pointer);
        break;
    }
    QPainterPath shape;
    shape.addRoundedRect(body, 8, 8);
    QPainterPath tip;
    tip.addPolygon(pointer);
    shape = shape.united(tip);
    p.setPen(QPen(style_.Border, 1));
    p.setBrush(style_.Background);
    p.drawPath(shape);

    const QStyle::StandardPixmap icons[] = {QStyle::SP_MessageBoxInformation, QStyle::SP_MessageBoxWarning,
                                            QStyle::SP_MessageBoxCritical};
    const QIcon icon = QApplication::style()->standardIcon(icons[std::clamp(style_.Kind, 1, 3) - 1]);
    const QPoint origin = body.topLeft().toPoint() + QPoint(Pad, Pad);
    icon.paint(&p, QRect(origin, QSize(IconSize, IconSize)));

    const QFont titleFont = BalloonFont(style_, true);
    const QFont textFont = BalloonFont(style_, false);
    const QFontMetrics titleMetrics(titleFont);
    const QFontMetrics textMetrics(textFont);
    p.setFont(titleFont);
    p.setPen(style_.Title);
    p.drawText(origin.x() + IconSize + 6, origin.y() + titleMetrics.ascent(), title_);
    p.setFont(textFont);
    p.setPen(style_.Text);
    int y = origin.y() + std::max(IconSize, titleMetrics.height()) + 4;
    for (const QString& line : LinesOf(text_)) {
        p.drawText(origin.x(), y + textMetrics.ascent(), line);
        y += textMetrics.height();
    }
}

HintBalloon* HintBalloons::Show(QWidget* control, const QString& title, const QString& text,
                                const BalloonStyle& style) {
    if (control) control->setToolTip(QString());
    auto* balloon = new HintBalloon(control, title, text, style);
    balloon->show();
    balloons_.emplace_back(balloon);
    return balloon;
}

void HintBalloons::CloseAll() {
    for (const QPointer<HintBalloon>& balloon : balloons_)
        if (balloon) balloon->close();
    balloons_.clear();
}

std::vector<HintBalloon*> HintBalloons::Open() const {
    std::vector<HintBalloon*> open;
    for (const QPointer<HintBalloon>& balloon : balloons_)
        if (balloon && balloon->isVisible()) open.push_back(balloon);
    return open;
}

} // namespace vesrin
