#include "settings/DialogTexts.h"

#include "table/WordText.h"
#include "table/Rounding.h"

#include <QFontMetrics>
#include <QWidget>

#include <algorithm>

namespace vesrin {

QString DialogText(Word row, const Settings& settings) {
    const Language language = LanguageFromIndex(settings.Language).value_or(Language::English);
    const std::string_view text = WordOf(row, language);
    QString shown = QString::fromUtf8(text.data(), qsizetype(text.size()));
    shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    return shown;
}

int ScaleFontSize(const Settings& settings, int size, FontKind kind) {
    const int percent = settings.FontPercent[std::size_t(kind)];
    return RoundHalfEven(size * percent / 100.0);
}

QFont KindFont(const Settings& settings, FontKind kind, int height, bool bold) {
    QFont font(FileText(settings.FontName[std::size_t(kind)]));
    font.setBold(bold);
    height = std::max(1, height);
    font.setPixelSize(height);
    while (font.pixelSize() > 1 && QFontMetrics(font).height() > height) font.setPixelSize(font.pixelSize() - 1);
    return font;
}

QFont FitFont(const QFont& font, const QString& text, QSize box, bool wrap) {
    QFont fitted = font;
    const int flags = Qt::AlignCenter | (wrap ? Qt::TextWordWrap : Qt::TextSingleLine);
    for (int height = font.pixelSize(); height > 8; --height) {
        fitted.setPixelSize(height);
        const QRect needed = QFontMetrics(fitted).boundingRect(QRect(QPoint(0, 0), box), flags, text);
        if (needed.width() <= box.width() && needed.height() <= box.height()) return fitted;
    }
    fitted.setPixelSize(std::min(font.pixelSize(), 8));
    return fitted;
}

void CentreDialog(QWidget& dialog, const QWidget* over) {
    if (!over) return;
    const QRect frame = over->frameGeometry();
    dialog.move(frame.center() - QPoint(dialog.width() / 2, dialog.height() / 2));
}

} // namespace vesrin
