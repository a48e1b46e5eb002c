#pragma once

#include "table/ButtonLook.h"

#include <QColor>
#include <QImage>
#include <QPushButton>

#include <functional>
#include <map>
#include <tuple>

namespace vesrin {

// The state a paint shows: pressed, disabled, having the focus.
struct ButtonDrawState {
    bool Pressed = false;
    bool Disabled = false;
    bool Focus = false;
};

enum class GlyphLayout { Left, Right, Top, Bottom };

// The program's own push button, used for nearly every button of every window. It
// paints itself: a rounded bar built from small red pieces recoloured into one of eight
// schemes and optionally lightened, a gradient middle at the standard heights, a pressed
// offset, a caption colour that changes under the mouse and a focus mark. `Nata` is the
// alternative look (other pieces, caption one pixel higher, focus dots).
class TQorCardsButton : public QPushButton {
    Q_OBJECT
public:
    explicit TQorCardsButton(QWidget* parent = nullptr);
    TQorCardsButton(const QString& caption, QWidget* parent);

    TColorSB ColorSB() const { return colorSB_; }
    void SetColorSB(TColorSB value);
    int KLightSB() const { return kLightSB_; }
    void SetKLightSB(int value);
    THeightSB HeightSB() const { return heightSB_; }
    void SetHeightSB(THeightSB value);

    QColor ColorMouse = QColor(0, 0, 0);
    bool LightFont = false;
    bool GrayDis = false;
    bool Kontur = true;
    bool Smooth = true;
    bool Nata = false;
    // The caption's colour (the font colour of the button).
    QColor FontColor = QColor(0, 0, 0);
    // The optional glyph, its layout and the caption margin (-1 centres the caption).
    QImage Glyph;
    GlyphLayout Layout = GlyphLayout::Left;
    int Margin = -1;

    bool IsFocused() const { return isFocused_; }
    bool MouseInPos() const { return mouseInPos_; }

    // Called after each paint with the button, its rectangle and the state painted.
    std::function<void(TQorCardsButton&, const QRect&, const ButtonDrawState&)> OnDrawButton;

    // PaintButton: composes the face of the given state onto a painter whose target
    // already shows what lies under the button.
    void PaintButton(QPainter& painter, const QRect& rect, const ButtonDrawState& state);
    // The face painted over a plain ground, for checks of the look.
    QImage Render(const ButtonDrawState& state, QColor ground);

signals:
    void MouseEntered();
    void MouseLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    const QImage& Piece(const QString& name, bool alternative);

    TColorSB colorSB_ = TColorSB::DRed;
    int kLightSB_ = 0;
    THeightSB heightSB_ = THeightSB::D30;
    bool isFocused_ = false;
    bool mouseInPos_ = false;
    // Tinted pieces by name, scheme and lightening; the pieces never change.
    std::map<std::tuple<QString, int, int>, QImage> pieces_;
};

} // namespace vesrin
