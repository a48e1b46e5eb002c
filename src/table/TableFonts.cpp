#include "table/TableFonts.h"

#include "table/Rounding.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace vesrin {

int FontKinds::ScaleFontSize(int size, TextKind kind) const {
    return RoundHalfEven(size * double(Percent[std::size_t(kind)]) / 100.0);
}

QFont FontKinds::Font(TextKind kind, int height, bool bold) const { return FontWithHeight(Name(kind), height, bold); }

QFont FontWithHeight(const QString& name, int height, bool bold) {
    height = std::max(1, height);
    QFont font(name);
    font.setBold(bold);
    font.setPixelSize(height);
    // The pixel size sets the em square; the window's heights are the whole character
    // cell, which is taller by the font's own ratio.
    const int cell = QFontMetrics(font).height();
    if (cell > 0 && cell != height) font.setPixelSize(std::max(1, RoundHalfEven(double(height) * height / cell)));
    return font;
}

void DrawTextAt(QPainter& painter, const QFont& font, const QColor& colour, int left, int top, const QString& text) {
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(left, top + QFontMetrics(font).ascent(), text);
    painter.restore();
}

int TextWidth(const QFont& font, const QString& text) { return QFontMetrics(font).horizontalAdvance(text); }

int CentredLeft(const QFont& font, const QString& text, int left, int right) {
    return left + (right - left - TextWidth(font, text)) / 2;
}

} // namespace vesrin
