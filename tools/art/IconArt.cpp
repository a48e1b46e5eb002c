// vesrin-icons OUTPUT-FOLDER
// Draws the program's desktop icon in the sizes of the hicolor icon theme, as
// OUTPUT-FOLDER/hicolor/<N>x<N>/apps/vesrin.png: two cards fanned, the spade behind
// and the heart in front. The smallest sizes show the heart card alone, larger, so it
// stays readable in a panel.

#include "Draw.h"
#include "Fonts.h"
#include "Suits.h"

#include <QDir>
#include <QGuiApplication>
#include <QLinearGradient>

#include <cstdio>

namespace vesrin::art {
namespace {

// One card on a 256-unit canvas, turned by angle around its centre.
void Card(QPainter& p, QPointF centre, double angle, double scale, Suit suit, bool corners) {
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.scale(scale, scale);
    const QRectF card(-62, -88, 124, 176);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(card.translated(5, 7), 14, 14);
    QLinearGradient paper(card.topLeft(), card.bottomRight());
    paper.setColorAt(0, QColor(255, 255, 255));
    paper.setColorAt(1, QColor(222, 226, 232));
    p.setPen(QPen(QColor(50, 50, 60), corners ? 3.5 : 7));
    p.setBrush(paper);
    p.drawRoundedRect(card, 14, 14);
    p.fillPath(SuitAt(suit, QPointF(0, 4), corners ? 92 : 118), SuitColour(suit));
    if (corners) {
        p.fillPath(SuitAt(suit, QPointF(-42, -58), 24), SuitColour(suit));
        p.fillPath(SuitAt(suit, QPointF(42, 58), 24, true), SuitColour(suit));
    }
    p.restore();
}

QImage Icon(int size) {
    QImage image = Blank(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    if (size < 32) {
        Card(p, QPointF(128, 124), 0, 1.38, Suit::Heart, false);
    } else {
        Card(p, QPointF(96, 134), -15, 1.15, Suit::Spade, size >= 48);
        Card(p, QPointF(162, 122), 12, 1.15, Suit::Heart, size >= 48);
    }
    return image;
}

} // namespace
} // namespace vesrin::art

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vesrin-icons OUTPUT-FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    vesrin::art::LoadArtFonts();
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        const QString file = out.filePath(folder + QStringLiteral("/vesrin.png"));
        if (!out.mkpath(folder) || !vesrin::art::Icon(size).save(file)) {
            std::fprintf(stderr, "vesrin-icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
