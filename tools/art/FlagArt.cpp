#include "ArtOutput.h"
#include "Draw.h"
#include "Generators.h"

#include <QFile>
#include <QPainterPath>

#include <cmath>
#include <cstdio>

namespace vesrin::art {

// Country flags. The six glyph lists (one per continent, 14 x 12 glyphs side by side,
// glyph 0 "Unknown") are cut from the 16 x 11 flags of the system's free flag
// collection; the ten language flags of the options dialog (100 x 68) are drawn here.

namespace {

// Country lists in the order of the country codes; entries are ISO 3166 codes of the
// flag files.
const char* const Europe[] = {"ru", "al", "ad", "at", "by", "be", "ba", "bg", "hr", "cz", "dk", "ee",
                              "fo", "fi", "fr", "de", "gi", "gr", "gg", "hu", "is", "ie", "im", "it",
                              "je", "lv", "li", "lt", "lu", "mk", "mt", "md", "mc", "nl", "no", "pl",
                              "pt", "ro", "sm", "cs", "sk", "si", "es", "se", "ch", "ua", "va", "gb"};
const char* const Asia[] = {"af", "am", "az", "bh", "bd", "bt", "io", "bn", "kh", "cn", "cy", "tl", "ge",
                            "hk", "in", "id", "ir", "iq", "il", "jp", "jo", "kz", "kw", "kg", "la", "lb",
                            "mo", "my", "mv", "mn", "mm", "np", "kp", "om", "pk", "ph", "qa", "sa", "sg",
                            "kr", "lk", "sy", "tw", "tj", "th", "tr", "tm", "ae", "uz", "vn", "ye"};
const char* const NorthAmerica[] = {"ai", "ag", "aw", "bs", "bb", "bz", "bm", "vg", "ca", "ky", "cr", "cu",
                                    "dm", "do", "sv", "gl", "gd", "gt", "ht", "hn", "jm", "mq", "mx", "ms",
                                    "ni", "pa", "pr", "kn", "lc", "pm", "vc", "tt", "tc", "us", "vi"};
const char* const SouthAmerica[] = {"ar", "bo", "br", "cl", "co", "ec", "fk", "gy", "py", "pe", "gs", "sr", "uy", "ve"};
const char* const Oceania[] = {"as", "au", "ck", "fj", "pf", "gu", "ki", "mh", "fm", "nr", "nz", "nu",
                               "nf", "mp", "pw", "pg", "pn", "ws", "sb", "to", "tv", "vu", "wf"};
const char* const Africa[] = {"dz", "ao", "bj", "bw", "bf", "bi", "cm", "cv", "cf", "td", "km", "cg", "cd", "dj",
                              "eg", "gq", "er", "et", "ga", "gm", "gh", "gn", "gw", "ci", "ke", "ls", "lr", "ly",
                              "mg", "mw", "ml", "mr", "mu", "ma", "mz", "na", "ne", "ng", "rw", "sh", "st", "sn",
                              "sc", "sl", "so", "za", "sd", "sz", "tz", "tg", "tn", "ug", "zm", "zw"};

// A flag whose file is missing: a plain white field with a grey frame and a dot.
QImage UnknownGlyph() {
    QImage glyph = Blank(14, 12);
    QPainter p(&glyph);
    p.fillRect(QRect(0, 1, 14, 11), QColor(240, 240, 240));
    p.setPen(QColor(128, 128, 128));
    p.drawRect(QRect(0, 1, 13, 10));
    p.fillRect(QRect(6, 5, 2, 3), QColor(128, 128, 128));
    return glyph;
}

// The three crown dependencies are missing from the flag collection; their flags are
// simple enough to draw at glyph size.
QImage DrawnGlyph(const QString& code) {
    QImage glyph = Blank(14, 12);
    QPainter p(&glyph);
    const QRect field(0, 1, 14, 11);
    const QColor red(206, 17, 38);
    if (code == "je") {
        p.fillRect(field, Qt::white);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(red, 1.6));
        p.drawLine(QPointF(0, 1), QPointF(14, 12));
        p.drawLine(QPointF(14, 1), QPointF(0, 12));
    } else if (code == "gg") {
        p.fillRect(field, Qt::white);
        p.fillRect(QRect(5, 1, 3, 11), red);
        p.fillRect(QRect(0, 5, 14, 3), red);
        p.fillRect(QRect(6, 3, 1, 7), QColor(249, 221, 22));
        p.fillRect(QRect(3, 6, 8, 1), QColor(249, 221, 22));
    } else if (code == "im") {
        p.fillRect(field, red);
        p.fillRect(QRect(6, 4, 2, 2), Qt::white);
        p.fillRect(QRect(5, 6, 2, 2), Qt::white);
        p.fillRect(QRect(7, 6, 2, 2), Qt::white);
    } else {
        return {};
    }
    return glyph;
}

QImage Glyph(const QString& folder, const char* code, int& missing) {
    const QImage drawn = DrawnGlyph(QString::fromLatin1(code));
    if (!drawn.isNull()) return drawn;
    QImage source;
    if (!folder.isEmpty()) source.load(folder + "/" + code + ".png");
    if (source.isNull()) {
        ++missing;
        return UnknownGlyph();
    }
    source = source.convertToFormat(QImage::Format_ARGB32);
    QImage glyph = Blank(14, 12);
    QPainter p(&glyph);
    // A flag keeps its pixels: one column is cut from each side, one blank row on top.
    p.drawImage(QPoint(0, 1), source, QRect(1, 0, 14, 11));
    return glyph;
}

template <std::size_t N>
QImage GlyphList(const QString& folder, const char* const (&codes)[N], int& missing) {
    QImage list = Blank(14 * int(N + 1), 12);
    QPainter p(&list);
    p.drawImage(0, 0, UnknownGlyph());
    for (std::size_t i = 0; i < N; ++i) p.drawImage(14 * int(i + 1), 0, Glyph(folder, codes[i], missing));
    return list;
}

void Stripes(QPainter& p, const QList<QColor>& colours, bool vertical) {
    const int n = int(colours.size());
    for (int i = 0; i < n; ++i) {
        if (vertical)
            p.fillRect(QRectF(100.0 * i / n, 0, 100.0 / n + 0.5, 68), colours[i]);
        else
            p.fillRect(QRectF(0, 68.0 * i / n, 100, 68.0 / n + 0.5), colours[i]);
    }
}

QImage LanguageFlag(const QString& code) {
    QImage image(100, 68, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor red(206, 17, 38), blue(0, 57, 166), white(Qt::white);
    if (code == "Eng") {
        p.fillRect(image.rect(), QColor(1, 33, 105));
        auto diagonal = [&](double width, const QColor& c) {
            p.setPen(QPen(c, width));
            p.drawLine(QPointF(0, 0), QPointF(100, 68));
            p.drawLine(QPointF(100, 0), QPointF(0, 68));
        };
        diagonal(14, white);
        p.save();
        p.setClipRect(QRectF(0, 0, 50, 34));
        p.setPen(QPen(QColor(200, 16, 46), 4.5));
        p.drawLine(QPointF(-2, 1.5), QPointF(50, 36.5));
        p.restore();
        p.save();
        p.setClipRect(QRectF(50, 34, 50, 34));
        p.setPen(QPen(QColor(200, 16, 46), 4.5));
        p.drawLine(QPointF(50, 31.5), QPointF(102, 66.5));
        p.restore();
        p.save();
        p.setClipRect(QRectF(50, 0, 50, 34));
        p.setPen(QPen(QColor(200, 16, 46), 4.5));
        p.drawLine(QPointF(50, 36.5), QPointF(102, 1.5));
        p.restore();
        p.save();
        p.setClipRect(QRectF(0, 34, 50, 34));
        p.setPen(QPen(QColor(200, 16, 46), 4.5));
        p.drawLine(QPointF(-2, 66.5), QPointF(50, 31.5));
        p.restore();
        p.fillRect(QRectF(41, 0, 18, 68), white);
        p.fillRect(QRectF(0, 25, 100, 18), white);
        p.fillRect(QRectF(44.5, 0, 11, 68), QColor(200, 16, 46));
        p.fillRect(QRectF(0, 28.5, 100, 11), QColor(200, 16, 46));
    } else if (code == "Rus") {
        Stripes(p, {white, blue, red}, false);
    } else if (code == "Deu") {
        Stripes(p, {QColor(0, 0, 0), QColor(221, 0, 0), QColor(255, 206, 0)}, false);
    } else if (code == "Fra") {
        Stripes(p, {QColor(0, 35, 149), white, QColor(237, 41, 57)}, true);
    } else if (code == "Spa") {
        p.fillRect(QRectF(0, 0, 100, 17), QColor(170, 21, 27));
        p.fillRect(QRectF(0, 17, 100, 34), QColor(241, 191, 0));
        p.fillRect(QRectF(0, 51, 100, 17), QColor(170, 21, 27));
        // A plain shield in place of the coat of arms.
        QPainterPath shield;
        shield.moveTo(24, 24);
        shield.lineTo(40, 24);
        shield.lineTo(40, 38);
        shield.cubicTo(40, 44, 32, 47, 32, 47);
        shield.cubicTo(32, 47, 24, 44, 24, 38);
        shield.closeSubpath();
        p.setPen(QPen(QColor(120, 60, 0), 1));
        p.setBrush(QColor(200, 40, 40));
        p.drawPath(shield);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(241, 191, 0));
        p.drawRect(QRectF(29.5, 28, 5, 10));
    } else if (code == "Chi") {
        p.fillRect(image.rect(), QColor(222, 41, 16));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 222, 0));
        p.drawPolygon(Star(QPointF(17, 17), 10, 3.9));
        const QPointF small[] = {{33, 7}, {40, 14}, {40, 24}, {33, 31}};
        for (QPointF s : small) p.drawPolygon(Star(s, 3.4, 1.3));
    } else if (code == "Ita") {
        Stripes(p, {QColor(0, 146, 70), white, QColor(206, 43, 55)}, true);
    } else if (code == "Cze") {
        p.fillRect(QRectF(0, 0, 100, 34), white);
        p.fillRect(QRectF(0, 34, 100, 34), QColor(215, 20, 26));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(17, 69, 126));
        p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(50, 34), QPointF(0, 68)}));
    } else if (code == "Jap") {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(188, 0, 45));
        p.drawEllipse(QPointF(50, 34), 20, 20);
    } else if (code == "Kor") {
        QPainterPath yang;
        yang.addEllipse(QPointF(50, 34), 17, 17);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 71, 160));
        p.drawPath(yang);
        p.save();
        p.translate(50, 34);
        p.rotate(33.7);
        QPainterPath upper;
        upper.moveTo(-17, 0);
        upper.arcTo(QRectF(-17, -17, 34, 34), 180, -180);
        upper.arcTo(QRectF(0, -8.5, 17, 17), 0, -180);
        upper.arcTo(QRectF(-17, -8.5, 17, 17), 0, 180);
        p.setBrush(QColor(205, 46, 58));
        p.drawPath(upper);
        p.restore();
        // The four trigrams, drawn as three bars each.
        const double angles[] = {-56.3, 56.3, 123.7, -123.7};
        for (double a : angles) {
            p.save();
            p.translate(50, 34);
            p.rotate(a);
            for (int bar = 0; bar < 3; ++bar) p.fillRect(QRectF(-8, -31 + bar * 3.6, 16, 2.4), Qt::black);
            p.restore();
        }
    }
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawRect(0, 0, 99, 67);
    return image;
}

} // namespace

void MakeFlags(ArtOutput& out, const char* flagFolder) {
    const QString folder = QString::fromLocal8Bit(flagFolder);
    int missing = 0;
    out.Png("ILEuro", GlyphList(folder, Europe, missing));
    out.Png("ILAsia", GlyphList(folder, Asia, missing));
    out.Png("ILNAme", GlyphList(folder, NorthAmerica, missing));
    out.Png("ILSAme", GlyphList(folder, SouthAmerica, missing));
    out.Png("ILOcea", GlyphList(folder, Oceania, missing));
    out.Png("ILAfri", GlyphList(folder, Africa, missing));
    if (missing > 0) std::fprintf(stderr, "vesrin-art: %d flag files not found, plain glyphs drawn\n", missing);
    for (const char* code : {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", "Jap", "Kor"})
        out.Png(QString("FlagO") + code, LanguageFlag(code));
}

} // namespace vesrin::art
