#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <array>

class QPainter;

namespace vesrin {

// The four font kinds of the window, each a font name and a percentage the player can
// change: "decor" for button captions, balloons and dialog texts, "serif" for name plates
// and headers, "fixed" and "conew" for the fixed-pitch profile rows.
enum class TextKind { Decor = 0, Serif = 1, Fixed = 2, Conew = 3 };

struct FontKinds {
    std::array<QString, 4> Names = {QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Sans MS"),
                                    QStringLiteral("FixedSys"), QStringLiteral("Courier New")};
    std::array<int, 4> Percent = {100, 100, 100, 100};

    const QString& Name(TextKind kind) const { return Names[std::size_t(kind)]; }
    // ScaleFontSize(size, kind) = [size x percentage(kind) / 100].
    int ScaleFontSize(int size, TextKind kind) const;
    // A font of the kind whose character cell (ascent plus descent) is `height` pixels,
    // the way the window's font heights are given.
    QFont Font(TextKind kind, int height, bool bold = false) const;
};

// A font of that name with a character cell of `height` pixels (at least 1).
QFont FontWithHeight(const QString& name, int height, bool bold = false);

// Text placed the way the table writes it: the top of the character cell at `top`.
void DrawTextAt(QPainter& painter, const QFont& font, const QColor& colour, int left, int top, const QString& text);
int TextWidth(const QFont& font, const QString& text);
// The left edge that centres the text between left and right:
// left + trunc((right - left - text width) / 2).
int CentredLeft(const QFont& font, const QString& text, int left, int right);

} // namespace vesrin
