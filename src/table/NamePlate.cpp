#include "table/NamePlate.h"

#include "table/CardPainter.h"
#include "table/PictureElement.h"
#include "table/ResourceLibrary.h"

#include <QFontMetrics>
#include <QPainter>

namespace vesrin {

QString NamePlatePicture(char colour, int windowSize) {
    QString name;
    switch (colour) {
    case 'b': name = QStringLiteral("SPBlue"); break;
    case 'g': name = QStringLiteral("SPGreen"); break;
    case 'r': name = QStringLiteral("SPRed"); break;
    case 'y': name = QStringLiteral("SPYellow"); break;
    case 'o': name = QStringLiteral("SPFiolet"); break;
    default: return {};
    }
    if (windowSize != 1) name += QLatin1Char('B');
    return name;
}

QFont NamePlateFont(const QString& name, const TableScale& scale, const FontKinds& fonts) {
    QFont font;
    for (int size : {18, 16, 14}) {
        font = fonts.Font(TextKind::Serif, fonts.ScaleFontSize(scale.Len(size), TextKind::Serif), true);
        if (TextWidth(font, name) <= scale.Len(150)) break;
    }
    return font;
}

void DrawNamePlate(PictureElement& plate, const QString& name, char colour, const TableScale& scale,
                   const FontKinds& fonts) {
    plate.CopyBackground();
    if (name.isEmpty()) {
        plate.Refresh();
        return;
    }
    QImage picture;
    LoadPngFromLibrary(NamePlatePicture(colour, scale.WindowSize), QString(), picture, LibraryPlaces{});
    if (scale.WindowSize != 1 && !picture.isNull()) {
        picture = picture.convertToFormat(QImage::Format_ARGB32);
        ResizePng(picture, plate.Picture.width(), plate.Picture.height());
    }
    QPainter p(&plate.Picture);
    p.drawImage(0, 0, picture);
    const QFont font = NamePlateFont(name, scale, fonts);
    const int width = scale.Len(160);
    const int top = (plate.Picture.height() - QFontMetrics(font).height()) / 2;
    DrawTextAt(p, font, Qt::white, CentredLeft(font, name, 0, width), top, name);
    p.end();
    plate.Refresh();
}

} // namespace vesrin
