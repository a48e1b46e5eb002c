// vesrin-contact-sheet OUT.png [PATTERN] [ZOOM]
// Lays every built-in picture (or those whose name matches the regular expression
// PATTERN) on one sheet over the table green, each with its name and size, so the art
// can be reviewed at a glance. ZOOM (1 by default) enlarges each picture by whole pixels.

#include "resources/BuiltInResources.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: vesrin-contact-sheet OUT.png [PATTERN] [ZOOM]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    vesrin::RegisterBuiltInResources();
    const QRegularExpression pattern(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString("."));
    const int zoom = argc > 3 ? std::max(1, std::atoi(argv[3])) : 1;

    struct Item {
        QString Name;
        QImage Picture;
    };
    QList<Item> items;
    const QStringList names = QDir(":/vesrin").entryList(QDir::Files, QDir::Name);
    for (const QString& name : names) {
        if (!pattern.match(name).hasMatch()) continue;
        QImage picture(":/vesrin/" + name);
        if (picture.isNull()) continue; // sounds and the tune
        items.append({name, picture});
    }
    const int sheetWidth = 2000;
    const int gap = 10, labelHeight = 14;
    QFont font("DejaVu Sans");
    font.setPixelSize(10);
    // First pass: place items in rows.
    struct Placed {
        int Index;
        QRect Box;
    };
    QList<Placed> placed;
    int x = gap, y = gap, rowHeight = 0;
    for (int i = 0; i < items.size(); ++i) {
        QSize size = items[i].Picture.size() * zoom;
        if (size.width() > 600) size = size.scaled(600, 600, Qt::KeepAspectRatio);
        const int w = std::max(size.width(), 80);
        if (x + w + gap > sheetWidth && x > gap) {
            x = gap;
            y += rowHeight + labelHeight + gap;
            rowHeight = 0;
        }
        placed.append({i, QRect(QPoint(x, y), size)});
        x += w + gap;
        rowHeight = std::max(rowHeight, size.height());
    }
    QImage sheet(sheetWidth, y + rowHeight + labelHeight + gap, QImage::Format_RGB32);
    sheet.fill(QColor(0, 100, 40));
    QPainter p(&sheet);
    p.setFont(font);
    for (const Placed& item : placed) {
        const Item& it = items[item.Index];
        p.drawImage(item.Box, it.Picture);
        p.setPen(QColor(255, 255, 255));
        p.drawText(QPoint(item.Box.left(), item.Box.bottom() + labelHeight - 2),
                   QString("%1 %2x%3").arg(it.Name).arg(it.Picture.width()).arg(it.Picture.height()));
    }
    p.end();
    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%lld pictures\n", static_cast<long long>(items.size()));
    return 0;
}
