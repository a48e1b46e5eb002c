#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

class QMovie;

namespace vesrin {

// Where resource libraries are looked for: first beside the program, then in the
// program's parent folder (where sibling games of the family share them), then, for an
// installed copy, in the installation's data folder (the libraries that come with it).
struct LibraryPlaces {
    QString ProgramFolder;
    QString ParentFolder;
    QString InstallFolder;

    static LibraryPlaces Beside(const QString& programFolder);
    // Full path of the library file in the first place that has it; empty when neither does.
    QString Find(const QString& libraryName) const;
};

// An open resource library: a Qt binary resource archive (rcc -binary) under the
// library's file name, or the program's own compiled-in resources (empty name). Its
// resources are read by name without regard to case. The library is released when the
// object goes.
class ResourceLibrary {
public:
    // Opens a library by file name; std::nullopt when it exists in neither place or is
    // not a resource archive. An empty name opens the program's own resources.
    static std::optional<ResourceLibrary> Open(const QString& libraryName, const LibraryPlaces& places);

    ResourceLibrary(ResourceLibrary&& other) noexcept;
    ResourceLibrary& operator=(ResourceLibrary&& other) noexcept;
    ResourceLibrary(const ResourceLibrary&) = delete;
    ResourceLibrary& operator=(const ResourceLibrary&) = delete;
    ~ResourceLibrary();

    bool IsProgram() const { return file_.isEmpty(); }
    // The library file that was opened; empty for the program itself.
    const QString& File() const { return file_; }

    // The raw data of a resource; std::nullopt when the library has no such name.
    std::optional<QByteArray> Read(const QString& resourceName) const;
    // A picture resource decoded (PNG, JPEG, GIF, BMP); a null image when it is missing
    // or cannot be decoded.
    QImage ReadPicture(const QString& resourceName) const;

private:
    ResourceLibrary(QString file, QString root) : file_(std::move(file)), root_(std::move(root)) {}
    QString PathOf(const QString& resourceName) const;
    void Release();

    QString file_;
    QString root_; // where the archive is mapped in Qt's resource tree
};

// A picture from a library or, with an empty library name, from the program itself.
// False when the library cannot be opened, and also when it lacks the resource or the
// resource is no picture of that kind: a library without a requested picture counts as
// missing. The picture is left untouched on false.
bool LoadPngFromLibrary(const QString& resourceName, const QString& libraryName, QImage& png,
                        const LibraryPlaces& places);
bool LoadJpegFromLibrary(const QString& resourceName, const QString& libraryName, QImage& jpeg,
                         const LibraryPlaces& places);
// The animation plays from a copy of the resource that the animator owns.
bool LoadGifFromLibrary(const QString& resourceName, const QString& libraryName, QMovie& animator,
                        const LibraryPlaces& places);

// Reads a JPEG resource of an open library into a picture; false when it is missing or
// not a JPEG picture.
bool LoadJpegResource(const ResourceLibrary& module, const QString& resourceName, QImage& jpeg);

} // namespace vesrin
