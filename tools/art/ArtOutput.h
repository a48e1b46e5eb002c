#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace vesrin::art {

// Collects every picture the generators make: writes each one into the output folder
// under its lower-case resource name and remembers it for the resource list (.qrc)
// and the listing that the manifest check reads. Names are stored lower-cased because
// the program looks them up without regard to case.
class ArtOutput {
public:
    explicit ArtOutput(QString folder);

    void Png(const QString& name, const QImage& picture);
    void Jpeg(const QString& name, const QImage& picture, int quality);
    void Raw(const QString& name, const QByteArray& data, const QString& extension, const QString& kind,
             QSize size);

    // Writes the .qrc (prefix /vesrin) and a listing "name<TAB>kind<TAB>WxH" per line
    // (names in their usual spelling; the resource tree holds them lower-cased).
    bool Finish(const QString& qrcName, const QString& listingName) const;
    bool Failed() const { return failed_; }

private:
    struct Entry {
        QString Name;  // as the program's texts spell it
        QString Alias; // lower-cased: the name in the resource tree
        QString File;
        QString Kind;
        QSize Size;
    };
    void Add(Entry entry);

    QString folder_;
    QList<Entry> entries_;
    bool failed_ = false;
};

} // namespace vesrin::art
