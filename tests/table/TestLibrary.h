#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

namespace vesrin::test {

// Builds a resource library for the tests: a Qt binary resource archive written by the
// resource compiler, holding the given pictures under the given names.
struct LibraryEntry {
    QString Name;
    QByteArray Data;
};

QByteArray PngData(const QImage& picture);
QByteArray JpegData(const QImage& picture);

// Writes the archive to path; false (with the compiler's output on stderr) on failure.
bool BuildLibrary(const QString& path, const QList<LibraryEntry>& entries);

} // namespace vesrin::test
