#include "table/ResourceLibrary.h"

#include <QFile>
#include <QImage>
#include <QMap>
#include <QtEndian>
#include <QTextStream>

#include <gtest/gtest.h>

namespace vesrin {
namespace {

// One resource as the manifest or a generator's listing gives it.
struct Row {
    QString Kind;
    QString Size;
    QString MadeBy;
};

QMap<QString, Row> ReadManifest() {
    QMap<QString, Row> rows;
    QFile file(QStringLiteral(VESRIN_MANIFEST));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return rows;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.trimmed().isEmpty() || line.startsWith('#')) continue;
        const QStringList fields = line.simplified().split(' ');
        if (fields.size() < 4) continue;
        rows.insert(fields[0].toLower(), {fields[1], fields[2], fields[3]});
    }
    return rows;
}

QMap<QString, Row> ReadListings() {
    QMap<QString, Row> rows;
    for (const char* name : {"art.list", "sound.list"}) {
        QFile file(QStringLiteral(VESRIN_RESOURCE_LISTS) + "/" + name);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) continue;
        QTextStream in(&file);
        while (!in.atEnd()) {
            const QStringList fields = in.readLine().split('\t');
            if (fields.size() == 3) rows.insert(fields[0].toLower(), {fields[1], fields[2], {}});
        }
    }
    return rows;
}

TEST(ResourceManifest, ListsWhatTheGeneratorsMake) {
    const QMap<QString, Row> manifest = ReadManifest();
    const QMap<QString, Row> made = ReadListings();
    ASSERT_FALSE(manifest.isEmpty());
    ASSERT_FALSE(made.isEmpty());
    for (auto it = made.begin(); it != made.end(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        ASSERT_TRUE(manifest.contains(it.key())) << "made but not in resources/MANIFEST.txt";
        EXPECT_EQ(manifest[it.key()].Kind, it->Kind);
        EXPECT_EQ(manifest[it.key()].Size, it->Size);
    }
    for (auto it = manifest.begin(); it != manifest.end(); ++it) {
        if (!it->MadeBy.startsWith("tools/")) continue; // a library's resource
        SCOPED_TRACE(it.key().toStdString());
        EXPECT_TRUE(made.contains(it.key())) << "in the manifest but no generator makes it";
    }
}

TEST(ResourceManifest, EveryBuiltInResourceIsPackedAndDecodes) {
    const std::optional<ResourceLibrary> program = ResourceLibrary::Open(QString(), LibraryPlaces{});
    ASSERT_TRUE(program.has_value());
    const QMap<QString, Row> made = ReadListings();
    for (auto it = made.begin(); it != made.end(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        const std::optional<QByteArray> data = program->Read(it.key());
        ASSERT_TRUE(data.has_value());
        if (it->Kind == "png" || it->Kind == "jpeg" || it->Kind == "gif") {
            const QImage picture = QImage::fromData(*data);
            ASSERT_FALSE(picture.isNull());
            EXPECT_EQ(QString("%1x%2").arg(picture.width()).arg(picture.height()), it->Size);
        } else if (it->Kind == "wav") {
            ASSERT_GT(data->size(), 44);
            EXPECT_TRUE(data->startsWith("RIFF"));
            EXPECT_EQ(data->mid(8, 8), QByteArray("WAVEfmt "));
        } else if (it->Kind == "midi") {
            EXPECT_TRUE(data->startsWith("MThd"));
        }
    }
}

TEST(ResourceManifest, CardSoundsAreShort) {
    // The program waits for these sounds while cards are played (the shuffle and the
    // tournament clock run beside the play).
    const std::optional<ResourceLibrary> program = ResourceLibrary::Open(QString(), LibraryPlaces{});
    ASSERT_TRUE(program.has_value());
    for (const char* name : {"WHodsDo", "WSays40", "WSays20", "WPlMore", "WTasoKo", "STimerA", "STimerB"}) {
        SCOPED_TRACE(name);
        const std::optional<QByteArray> wav = program->Read(name);
        ASSERT_TRUE(wav.has_value());
        ASSERT_GT(wav->size(), 44);
        const auto byteRate = qFromLittleEndian<quint32>(wav->constData() + 28);
        const auto dataBytes = qFromLittleEndian<quint32>(wav->constData() + 40);
        ASSERT_GT(byteRate, 0u);
        EXPECT_LT(double(dataBytes) / byteRate, 1.0);
    }
}

} // namespace
} // namespace vesrin
