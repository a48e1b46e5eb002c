#pragma once

#include "table/QorCardsButton.h"

#include <QColor>
#include <QString>

class QWidget;

namespace vesrin {

// Every button of the options and speed dialogs is made here: the program's own
// owner-drawn button, dressed in one of its colour schemes.

using ButtonScheme = TColorSB;

struct ButtonLook {
    ButtonScheme Scheme = ButtonScheme::DRed;
    QColor Text = QColor(255, 255, 255);
    QColor Mouse;      // text colour under the mouse; invalid: the text colour
    int KLight = 0;    // lightening towards white in percent (50 shades a button)
    bool Nata = false; // the alternative look of the `NewButtons` setting
    bool operator==(const ButtonLook&) const = default;
};

using DialogButton = TQorCardsButton;

DialogButton* MakeDialogButton(QWidget* parent, const QString& caption = {});

// Dresses the button; ButtonLookOf reads the look back from the button.
void SetButtonLook(DialogButton& button, const ButtonLook& look);
ButtonLook ButtonLookOf(const DialogButton& button);

} // namespace vesrin
