#include "Fonts.h"

#include <QFontDatabase>
#include <QTransform>

#include <algorithm>

namespace vesrin::art {

namespace {

QString serifFamily = "DejaVu Serif";
QString sansFamily = "DejaVu Sans";

QString Load(const char* path, const QString& fallback) {
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(path));
    if (id < 0) return fallback;
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? fallback : families.first();
}

} // namespace

void LoadArtFonts() {
    serifFamily = Load("/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf", serifFamily);
    sansFamily = Load("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", sansFamily);
}

QFont SerifBold(double pixelSize) {
    QFont f(serifFamily);
    f.setBold(true);
    f.setPixelSize(std::max(1, int(pixelSize)));
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QFont SansBold(double pixelSize) {
    QFont f(sansFamily);
    f.setBold(true);
    f.setPixelSize(std::max(1, int(pixelSize)));
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QPainterPath TextInBox(const QString& text, const QFont& font, const QRectF& box, bool keepAspect) {
    QPainterPath raw;
    raw.addText(0, 0, font, text);
    const QRectF ink = raw.boundingRect();
    if (ink.isEmpty()) return raw;
    double sy = box.height() / ink.height();
    double sx = sy;
    if (!keepAspect) sx = box.width() / ink.width();
    if (ink.width() * sx > box.width()) sx = box.width() / ink.width();
    const double width = ink.width() * sx;
    QTransform t;
    t.translate(box.left() + (box.width() - width) / 2, box.top());
    t.scale(sx, sy);
    t.translate(-ink.left(), -ink.top());
    return t.map(raw);
}

} // namespace vesrin::art
