#include "settings/DialogHeader.h"

#include "settings/DialogTexts.h"
#include "table/ResourceNames.h"
#include "words/Language.h"

#include <QFontMetrics>
#include <QPainter>

namespace vesrin {

HeaderSpec OptionsHeader() {
    return {.Width = 490,
            .Inscription = QStringLiteral("Options"),
            .InscriptionAt = QPoint(95, 0),
            .CaptionX = 95,
            .RibbonX = 105,
            .HeaderPicture = QStringLiteral("GFormOpt"),
            .HeaderPictureAt = QPoint(-5, -7),
            .Title = Word::MainOptions};
}

HeaderSpec SpeedHeader() {
    return {.Width = 300,
            .Inscription = QStringLiteral("Speed"),
            .InscriptionAt = QPoint(0, 0),
            .CaptionX = 0,
            .RibbonX = 10,
            .HeaderPicture = QStringLiteral("GFormSpeed"),
            .HeaderPictureAt = QPoint(-20, -5),
            .Title = Word::OptSpeed};
}

int HeaderHeight(AuxLook look) {
    switch (look) {
    case AuxLook::Design1: return 48;
    case AuxLook::Design2: return 64;
    case AuxLook::Design3: return 90;
    case AuxLook::Purple: break;
    }
    return 0;
}

QString LetteredPictureName(const QString& base, const Settings& settings) {
    const Language language = LanguageFromIndex(settings.Language).value_or(Language::English);
    const std::string_view code = LanguageCode(language);
    return base + QString::fromLatin1(code.data(), qsizetype(code.size()));
}

QImage PaintSecondaryHeader(const HeaderSpec& spec, AuxLook look, const Settings& settings,
                            const LibraryPlaces& places, QColor face) {
    const int height = HeaderHeight(look);
    if (height == 0) return {};
    QImage header(spec.Width, height, QImage::Format_ARGB32_Premultiplied);
    header.fill(face);
    QPainter painter(&header);
    QImage picture;
    switch (look) {
    case AuxLook::Design1:
        if (LoadPngFromLibrary(LetteredPictureName(spec.Inscription, settings), GraphicsLibrary, picture, places))
            painter.drawImage(spec.InscriptionAt, picture);
        break;
    case AuxLook::Design2: {
        if (LoadPngFromLibrary(QStringLiteral("GCap300"), QString(), picture, places))
            painter.drawImage(spec.CaptionX, 0, picture);
        const QString title = DialogText(spec.Title, settings).toUpper();
        const QFont nominal = KindFont(settings, FontKind::Serif, ScaleFontSize(settings, 40, FontKind::Serif), true);
        // The word stays on the strip, however long it is in the language.
        const int room = picture.isNull() ? spec.Width - 10 : picture.width() - 64;
        const QFont font = FitFont(nominal, title, QSize(room, height - 10), false);
        painter.setFont(font);
        const QFontMetrics metrics(font);
        const int left = (spec.Width - metrics.horizontalAdvance(title)) / 2;
        const int baseline = 10 + metrics.ascent();
        const QColor yellow(255, 255, 0);
        painter.setPen(QColor(yellow.red() / 2, yellow.green() / 2, yellow.blue() / 2));
        painter.drawText(left + 1, baseline + 1, title);
        painter.setPen(yellow);
        painter.drawText(left, baseline, title);
        break;
    }
    case AuxLook::Design3:
        if (LoadPngFromLibrary(QStringLiteral("GLenta280x090"), QString(), picture, places))
            painter.drawImage(spec.RibbonX, 0, picture);
        if (LoadPngFromLibrary(LetteredPictureName(spec.HeaderPicture, settings), GraphicsLibrary, picture, places))
            painter.drawImage(spec.HeaderPictureAt, picture);
        break;
    case AuxLook::Purple: break;
    }
    return header;
}

} // namespace vesrin
