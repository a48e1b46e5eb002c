#pragma once

#include "words/Language.h"

#include <QImage>
#include <QStyledItemDelegate>

class QPainter;
class QPalette;
class QRect;

namespace vesrin {

class OptionsHost;
class TFormOptions;

// Switching the interface language while the program runs. The options dialog and the
// main window take their texts at once; every other window takes them when it is shown.

// Scope 0 retranslates the options dialog first (when it is open), then the main window;
// scope 1 (once at start-up, after the language is settled) the main window alone.
void Retranslate(int scope, TFormOptions* options, OptionsHost& host);

// The 14 x 12 flag glyph of a language from the program's country-flag picture lists;
// a null picture when the list lacks it.
QImage LanguageFlagPicture(Language language);

// One item of the language list: its background, the flag glyph at (left + 2, top + 2)
// and the fixed name of the language 20 pixels to the right, on one line, centred
// vertically.
void DrawLanguageItem(QPainter& painter, int index, const QRect& rect, bool selected, const QPalette& palette);

// The owner-drawn items of the language list.
class LanguageItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// Up to this many languages show when the list is dropped down.
inline constexpr int LanguageListVisibleItems = 22;

} // namespace vesrin
