#include "TestLibrary.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace vesrin::test {

QByteArray PngData(const QImage& picture) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return data;
}

QByteArray JpegData(const QImage& picture) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPEG", 95);
    return data;
}

bool BuildLibrary(const QString& path, const QList<LibraryEntry>& entries) {
    QTemporaryDir staging;
    if (!staging.isValid()) return false;
    QByteArray qrc = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    int n = 0;
    for (const LibraryEntry& e : entries) {
        const QString file = QStringLiteral("r%1.bin").arg(n++);
        QFile out(staging.filePath(file));
        if (!out.open(QIODevice::WriteOnly)) return false;
        out.write(e.Data);
        out.close();
        qrc += "<file alias=\"" + e.Name.toUtf8() + "\">" + file.toUtf8() + "</file>\n";
    }
    qrc += "</qresource>\n</RCC>\n";
    QFile list(staging.filePath("library.qrc"));
    if (!list.open(QIODevice::WriteOnly)) return false;
    list.write(qrc);
    list.close();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QProcess rcc;
    rcc.setWorkingDirectory(staging.path());
    rcc.start(QStringLiteral(VESRIN_RCC), {"-binary", "library.qrc", "-o", path});
    if (!rcc.waitForFinished(60000) || rcc.exitCode() != 0) {
        std::fprintf(stderr, "rcc failed: %s\n", rcc.readAllStandardError().constData());
        return false;
    }
    return QFile::exists(path);
}

} // namespace vesrin::test
