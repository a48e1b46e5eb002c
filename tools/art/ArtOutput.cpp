#include "ArtOutput.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace vesrin::art {

namespace {

bool WriteFile(const QString& path, const QByteArray& data) {
    // Unchanged files keep their time stamp, so a rerun of a generator does not make
    // the resource compiler's inputs look new.
    QFile old(path);
    if (old.open(QIODevice::ReadOnly) && old.readAll() == data) return true;
    old.close();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(data);
    return file.commit();
}

} // namespace

ArtOutput::ArtOutput(QString folder) : folder_(std::move(folder)) { QDir().mkpath(folder_); }

void ArtOutput::Add(Entry entry) {
    for (const Entry& e : entries_) {
        if (e.Alias == entry.Alias) {
            std::fprintf(stderr, "resource %s made twice\n", qPrintable(entry.Name));
            failed_ = true;
            return;
        }
    }
    entries_.append(std::move(entry));
}

void ArtOutput::Png(const QString& name, const QImage& picture) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (picture.isNull() || !picture.save(&buffer, "PNG")) {
        std::fprintf(stderr, "cannot encode %s\n", qPrintable(name));
        failed_ = true;
        return;
    }
    Raw(name, data, "png", "png", picture.size());
}

void ArtOutput::Jpeg(const QString& name, const QImage& picture, int quality) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (picture.isNull() || !picture.convertToFormat(QImage::Format_RGB32).save(&buffer, "JPEG", quality)) {
        std::fprintf(stderr, "cannot encode %s\n", qPrintable(name));
        failed_ = true;
        return;
    }
    Raw(name, data, "jpg", "jpeg", picture.size());
}

void ArtOutput::Raw(const QString& name, const QByteArray& data, const QString& extension,
                    const QString& kind, QSize size) {
    const QString lower = name.toLower();
    const QString file = lower + "." + extension;
    if (!WriteFile(folder_ + "/" + file, data)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        failed_ = true;
        return;
    }
    Add({name, lower, file, kind, size});
}

bool ArtOutput::Finish(const QString& qrcName, const QString& listingName) const {
    QByteArray qrc = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/vesrin\">\n";
    QByteArray listing;
    for (const Entry& e : entries_) {
        qrc += "  <file alias=\"" + e.Alias.toUtf8() + "\">" + e.File.toUtf8() + "</file>\n";
        listing += e.Name.toUtf8() + "\t" + e.Kind.toUtf8() + "\t" + QByteArray::number(e.Size.width()) +
                   "x" + QByteArray::number(e.Size.height()) + "\n";
    }
    qrc += "</qresource>\n</RCC>\n";
    return !failed_ && WriteFile(folder_ + "/" + qrcName, qrc) && WriteFile(folder_ + "/" + listingName, listing);
}

} // namespace vesrin::art
