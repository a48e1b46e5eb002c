#pragma once

#include <QColor>
#include <QPushButton>
#include <QString>

class QWidget;

namespace vesrin {

// Every button of the options and speed dialogs is made here, so that the dialogs take
// the program's own owner-drawn button in one place. Until that button exists the
// factory makes platform push buttons dressed in the same colour schemes.

// The button colour schemes, in the order of the owner-drawn button's schemes.
enum class ButtonScheme { DRed, DGreen, DBlue, DNavy, DYellow, DViolet, DOrang, DCards };

struct ButtonLook {
    ButtonScheme Scheme = ButtonScheme::DRed;
    QColor Text = QColor(255, 255, 255);
    QColor Mouse;      // text colour under the mouse; invalid: the text colour
    int KLight = 0;    // lightening towards white in percent (50 shades a button)
    bool Nata = false; // the alternative look of the `NewButtons` setting
    bool operator==(const ButtonLook&) const = default;
};

using DialogButton = QPushButton;

DialogButton* MakeDialogButton(QWidget* parent, const QString& caption = {});

// Dresses the button; the look is kept on the button and read back by ButtonLookOf.
void SetButtonLook(DialogButton& button, const ButtonLook& look);
ButtonLook ButtonLookOf(const DialogButton& button);

// A stored red shade of the button pictures mapped into a scheme and lightened.
QColor TintButtonColour(QColor red, ButtonScheme scheme, int kLight);

} // namespace vesrin
