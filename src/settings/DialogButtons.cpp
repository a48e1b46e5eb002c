#include "settings/DialogButtons.h"

namespace vesrin {

DialogButton* MakeDialogButton(QWidget* parent, const QString& caption) {
    auto* button = new DialogButton(caption, parent);
    button->setAutoDefault(false);
    button->setCursor(Qt::PointingHandCursor);
    SetButtonLook(*button, ButtonLook{});
    return button;
}

void SetButtonLook(DialogButton& button, const ButtonLook& look) {
    button.SetColorSB(look.Scheme);
    button.SetKLightSB(look.KLight);
    button.FontColor = look.Text;
    // Without a colour of its own the caption keeps its colour under the mouse.
    button.ColorMouse = look.Mouse.isValid() ? look.Mouse : look.Text;
    button.Nata = look.Nata;
    button.update();
}

ButtonLook ButtonLookOf(const DialogButton& button) {
    ButtonLook look;
    look.Scheme = button.ColorSB();
    look.KLight = button.KLightSB();
    look.Text = button.FontColor;
    look.Mouse = button.ColorMouse == button.FontColor ? QColor() : button.ColorMouse;
    look.Nata = button.Nata;
    return look;
}

} // namespace vesrin
