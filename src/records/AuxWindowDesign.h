#pragma once

#include "records/RecordsWindowContext.h"
#include "settings/DialogDesigns.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

class QPainter;
class QPushButton;
class QWidget;

namespace vesrin {

// The looks of the secondary windows are the settings' `AuxLook`: the three grey designs
// (1 concise, 2 aristocratic, 3 with red ribbons) and the purple one. A window resolves
// its design each time it sets its texts; the header pictures with lettering carry the
// language code in their names.

// The pictures a window takes from "QorCGraph1.dll", by the family names of the
// secondary windows; a window without pictures of its own leaves them empty and
// draws its header from the built-in ribbons.
struct AuxPictureNames {
    // "GFormHistory": alone the purple background (JPEG); with the language code the
    // header of the purple and the ribbon designs (PNG).
    QString Form;
    // "History": with the language code the header of the concise design (PNG).
    QString Inscription;
};

// How a button of these windows looks.
struct WindowButtonLook {
    bool Cards = false; // the DCards scheme of the purple design, else DRed
    QColor Text = QColor(255, 255, 255);
    QColor MouseOver = QColor(255, 255, 0);
    bool Nata = false; // the alternative look of the "New buttons" option
    int Height = 30;
};

// Every button of the records windows is made here (the program's owner-drawn
// TQorCardsButton), and restyled here when a window sets its texts.
QPushButton* MakeWindowButton(QWidget* parent);
void StyleWindowButton(QPushButton& button, const WindowButtonLook& look, const QFont& font);

struct AuxDesign {
    AuxLook Look = AuxLook::Design2;
    QColor Ground;       // the window's colour
    QColor Text;         // the colour of its texts
    WindowButtonLook Buttons;
    QImage Background;   // purple: the window's own picture; null paints a gradient
    QImage Header;       // the library's header picture; null draws the built-in one
    int HeaderHeight = 64;
    int BarTop = -1;     // the red 6-pixel bar under a grey header; -1 for none
    int ContentTop = 0;  // where the window's controls begin
};

inline constexpr const char* kGraphicsLibraryName = "QorCGraph1.dll";

// The design the settings choose, with its pictures. A design whose pictures the
// graphics library cannot give falls back to design 2 (the built-in ribbons): the
// purple switch goes off and AuxDesign becomes 2 in the settings, so the fallback is
// written at exit and the missing library is reported once.
AuxDesign ResolveAuxDesign(const RecordsWindowContext& context, const AuxPictureNames& names);

// Paints the window's ground, its header and the red bar. headerWord is written over
// the built-in ribbons in capitals.
void PaintAuxDesign(QPainter& painter, const AuxDesign& design, const Settings& settings, QSize client,
                    const QString& headerWord);

// A font of a font kind of the settings whose character cell is `height` pixels,
// scaled by the kind's percentage.
QFont ScaledKindFont(const Settings& settings, FontKind kind, int height, bool bold = false);
// The font made smaller until text fits in width (not below 8 pixels).
QFont FitFontToWidth(QFont font, const QString& text, int width);

// A picture of the program's own resources; a null picture when it has none of that name.
QImage BuiltInPicture(const QString& name);

} // namespace vesrin
