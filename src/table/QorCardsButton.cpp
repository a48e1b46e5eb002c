#include "table/QorCardsButton.h"

#include "table/CardPainter.h"
#include "table/ResourceLibrary.h"
#include "table/Rounding.h"

#include <QPainter>

namespace vesrin {

TQorCardsButton::TQorCardsButton(QWidget* parent) : QPushButton(parent) {
    resize(100, 30);
    // The face is composed over whatever lies under the button; the button never erases
    // its own background.
    setAttribute(Qt::WA_NoSystemBackground);
    setFlat(true);
}

TQorCardsButton::TQorCardsButton(const QString& caption, QWidget* parent) : TQorCardsButton(parent) {
    setText(caption);
}

void TQorCardsButton::SetColorSB(TColorSB value) {
    if (value == colorSB_) return;
    colorSB_ = value;
    update();
}

void TQorCardsButton::SetKLightSB(int value) {
    if (value == kLightSB_) return;
    kLightSB_ = value;
    update();
}

void TQorCardsButton::SetHeightSB(THeightSB value) {
    if (value == heightSB_) return;
    heightSB_ = value;
    const int heights[] = {30, 45, 60};
    resize(width(), heights[int(value)]);
    update();
}

const QImage& TQorCardsButton::Piece(const QString& name, bool alternative) {
    const auto key = std::make_tuple(name, int(colorSB_), kLightSB_);
    auto found = pieces_.find(key);
    if (found != pieces_.end()) return found->second;
    QImage piece;
    LoadPngFromLibrary(name, QString(), piece, LibraryPlaces{});
    if (!piece.isNull()) piece = TintPicture(piece, colorSB_, kLightSB_, alternative);
    return pieces_.emplace(key, std::move(piece)).first->second;
}

void TQorCardsButton::PaintButton(QPainter& painter, const QRect& rect, const ButtonDrawState& state) {
    const int w = rect.width();
    const int h = rect.height();
    const ButtonFaceLayout face = FaceLayout(w, h, colorSB_, Nata);
    const ButtonPieces names = PiecesForHeight(h, Nata);
    const int s = face.StandardClass;
    const int q = face.EndWidth;

    // What shows through the pieces' transparent parts is whatever lies under the
    // button: the work picture starts transparent.
    QImage work(w, h, QImage::Format_ARGB32_Premultiplied);
    work.fill(Qt::transparent);
    {
        QPainter p(&work);
        p.setRenderHint(QPainter::SmoothPixmapTransform, Smooth);
        auto placeEnd = [&](const QString& name, const QRect& box) {
            QImage piece = Piece(name, Nata);
            if (piece.isNull()) return;
            if (s != 0 || !Smooth) {
                p.drawImage(box, piece);
            } else {
                ResizePng(piece, box.width(), box.height());
                p.drawImage(box.topLeft(), piece);
            }
        };
        placeEnd(names.Left, face.Left);
        placeEnd(names.Right, face.Right);
        if (!face.GradientMiddle) {
            const QImage& middle = Piece(names.Middle, Nata);
            if (!middle.isNull()) p.drawImage(face.Middle, middle);
        } else {
            const std::vector<QRgb>& gradient = ButtonGradient(h);
            for (int i = 1; i <= h - 1 && i <= int(gradient.size()); ++i) {
                const QRgb stored = gradient[std::size_t(i - 1)];
                const QRgb colour = colorSB_ == TColorSB::DRed && kLightSB_ == 0
                                        ? stored
                                        : TintColour(stored, colorSB_, kLightSB_);
                p.fillRect(QRect(face.Middle.left(), i - 1, face.Middle.width(), 1), QColor(colour));
            }
        }
        if (!Glyph.isNull() && Layout != GlyphLayout::Top) {
            const int y = RoundHalfEven((h - Glyph.height() - 1) / 2.0);
            const int inset = s == 0 ? RoundHalfEven(1.6 * q) : (s == 1 ? 15 : s == 2 ? 18 : 20);
            int x = inset;
            if (Layout == GlyphLayout::Right) x = w - Glyph.width() - inset;
            if (Layout == GlyphLayout::Bottom) x = RoundHalfEven((w - Glyph.width()) / 2.0);
            p.drawImage(x, y, Glyph);
        }
    }
    const QPoint offset = state.Pressed ? QPoint(1, 1) : QPoint(0, 0);
    painter.drawImage(rect.topLeft() + offset, work);

    // The caption.
    QColor colour = FontColor;
    if (LightFont && mouseInPos_) colour = ColorMouse;
    if (state.Disabled && GrayDis) colour = QColor(192, 192, 192);
    QRect box = rect.translated(offset);
    if (Nata) box.translate(0, -1);
    painter.save();
    painter.setFont(font());
    painter.setPen(colour);
    if (Margin == -1) {
        painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, text());
    } else {
        const int glyphWidth = Glyph.isNull() ? 0 : Glyph.width();
        const int shift = glyphWidth + (s == 0 ? q + 10 : (s == 1 ? 25 : s == 2 ? 28 : 30));
        if (Layout == GlyphLayout::Left) box.setLeft(box.left() + shift);
        if (Layout == GlyphLayout::Right) box.setRight(box.right() - shift);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
    }
    painter.restore();

    if (OnDrawButton) OnDrawButton(*this, rect, state);

    if (!state.Focus || !isFocused_ || !Kontur) return;
    const int c = state.Pressed ? 1 : 0;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (!Nata) {
        int x1, y1, x2, y2, ellipse;
        if (s == 0) {
            const int k = h <= 20 ? 3 : h <= 30 ? 4 : h <= 60 ? 5 : 6;
            const int g = RoundHalfEven(0.8 * q);
            x1 = c + g;
            y1 = c + k;
            x2 = w + c - g;
            y2 = h + c - k;
            ellipse = 2 * k;
        } else {
            const int ix[] = {7, 9, 11};
            const int iy[] = {4, 5, 6};
            x1 = c + ix[s - 1];
            y1 = c + iy[s - 1];
            x2 = w + c - ix[s - 1];
            y2 = h + c - iy[s - 1];
            ellipse = ix[s - 1];
        }
        painter.setPen(OutlineColour(colorSB_));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRect(rect.left() + x1, rect.top() + y1, x2 - x1 - 1, y2 - y1 - 1), ellipse / 2.0,
                                ellipse / 2.0);
    } else {
        const int d = h <= 20 ? 3 : h <= 30 ? 4 : h <= 45 ? 5 : h <= 60 ? 6 : 7;
        const int top = c + RoundHalfEven(h / 2.0 - d / 2.0);
        const int inset = s == 0 ? q : (s == 1 ? 10 : s == 2 ? 13 : 15);
        painter.setPen(Qt::NoPen);
        painter.setBrush(DotColour(colorSB_));
        painter.drawEllipse(QRect(rect.left() + c + inset, rect.top() + top, d, d));
        painter.drawEllipse(QRect(rect.left() + w + c - inset - d, rect.top() + top, d, d));
    }
    painter.restore();
}

QImage TQorCardsButton::Render(const ButtonDrawState& state, QColor ground) {
    QImage face(size(), QImage::Format_RGB32);
    face.fill(ground);
    QPainter p(&face);
    PaintButton(p, face.rect(), state);
    return face;
}

void TQorCardsButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintButton(p, rect(), {isDown(), !isEnabled(), hasFocus()});
}

void TQorCardsButton::enterEvent(QEnterEvent* event) {
    mouseInPos_ = true;
    update();
    QPushButton::enterEvent(event);
    emit MouseEntered();
}

void TQorCardsButton::leaveEvent(QEvent* event) {
    mouseInPos_ = false;
    update();
    QPushButton::leaveEvent(event);
    emit MouseLeft();
}

void TQorCardsButton::focusInEvent(QFocusEvent* event) {
    isFocused_ = true;
    QPushButton::focusInEvent(event);
    update();
}

void TQorCardsButton::focusOutEvent(QFocusEvent* event) {
    isFocused_ = false;
    QPushButton::focusOutEvent(event);
    update();
}

} // namespace vesrin
