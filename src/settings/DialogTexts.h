#pragma once

#include "settings/Settings.h"
#include "words/WordTable.h"

#include <QFont>
#include <QSize>
#include <QString>

class QWidget;

namespace vesrin {

// Texts and fonts of the dialogs, taken afresh from the word table and the settings
// each time a dialog sets its texts.

// The row in the settings' language. A line break of the table (LF then CR) becomes
// the one line break the window controls show.
QString DialogText(Word row, const Settings& settings);

// ScaleFontSize(size, kind) = [size x percentage(kind) / 100].
int ScaleFontSize(const Settings& settings, int size, FontKind kind);

// A font by the name of a font kind whose character cell (ascent plus descent) is at
// most `height` pixels, the way the program gives its font heights.
QFont KindFont(const Settings& settings, FontKind kind, int height, bool bold);

// The largest pixel height, from the font's own down to a floor of 8, at which the text
// (wrapped at blanks when wrap is set) fits into the box. Long translations then stay
// readable instead of being clipped.
QFont FitFont(const QFont& font, const QString& text, QSize box, bool wrap);

// Puts the dialog in the middle of the window it is opened over (nothing without one).
void CentreDialog(QWidget& dialog, const QWidget* over);

} // namespace vesrin
